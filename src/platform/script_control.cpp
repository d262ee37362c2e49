#include "platform/script_control.h"

#include "platform/script_control_interface.h"
#include "platform/variant_text.h"

namespace quenvar {
namespace {

UniqueBstr MakeBstr(std::string_view ansi) {
    const std::wstring wide = AnsiToWide(ansi);
    return UniqueBstr(SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size())));
}

// Owns a VARIANT that a call filled in, whatever it holds.
class OwnedVariant {
public:
    OwnedVariant() { VariantInit(&value_); }
    ~OwnedVariant() { VariantClear(&value_); }
    OwnedVariant(const OwnedVariant&) = delete;
    OwnedVariant& operator=(const OwnedVariant&) = delete;

    VARIANT* Out() { return &value_; }
    const VARIANT& Get() const { return value_; }

private:
    VARIANT value_;
};

}  // namespace

ScriptControl::ScriptControl(IScriptControl* control) : control_(control) {}
ScriptControl::ScriptControl() = default;
ScriptControl::~ScriptControl() = default;
ScriptControl::ScriptControl(ScriptControl&&) noexcept = default;
ScriptControl& ScriptControl::operator=(ScriptControl&&) noexcept = default;

ScriptControl ScriptControl::Create(const char* language, long timeout, HWND site) {
    void* created = nullptr;
    if (FAILED(CoCreateInstance(kClsidScriptControl, nullptr, CLSCTX_INPROC_SERVER, kIidScriptControl, &created))) {
        return {};
    }
    ScriptControl host(static_cast<IScriptControl*>(created));
    UniqueBstr languageName = MakeBstr(language);
    if (!languageName || FAILED(host.control_.Get()->put_Language(languageName.Get()))) return {};
    host.control_.Get()->put_Timeout(timeout);
    host.control_.Get()->put_AllowUI(VARIANT_TRUE);
    // Message boxes of a script then belong to the site window. The property is
    // a 32-bit long; window handles fit in it on 64-bit Windows too.
    if (site != nullptr) host.control_.Get()->put_SitehWnd(static_cast<long>(reinterpret_cast<INT_PTR>(site)));
    return host;
}

bool ScriptControl::AddCode(std::string_view ansiCode) {
    if (!control_) return false;
    UniqueBstr code = MakeBstr(ansiCode);
    return code && SUCCEEDED(control_.Get()->AddCode(code.Get()));
}

std::optional<std::string> ScriptControl::Run(const char* procedure) {
    if (!control_) return std::nullopt;
    UniqueBstr name = MakeBstr(procedure);
    // The control wants an array of arguments even when there are none.
    UniqueSafeArray arguments(SafeArrayCreateVector(VT_VARIANT, 0, 0));
    if (!name || !arguments) return std::nullopt;
    SAFEARRAY* argumentArray = arguments.Get();
    OwnedVariant result;
    if (FAILED(control_.Get()->Run(name.Get(), &argumentArray, result.Out()))) return std::nullopt;
    return VariantToAnsiText(result.Get());
}

}  // namespace quenvar
