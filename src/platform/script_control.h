// The Windows Script Control as the program uses it: one script language,
// code handed over as ANSI text, procedures run by name without arguments.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "platform/win_handles.h"

namespace quenvar {

struct IScriptControl;

class ScriptControl {
public:
    ScriptControl();
    ~ScriptControl();
    ScriptControl(ScriptControl&&) noexcept;
    ScriptControl& operator=(ScriptControl&&) noexcept;

    // An instance for language with the given time-out in milliseconds (-1:
    // none), allowed to show user interface, which site owns. Invalid when
    // the control is not installed or refuses the language; the COM library
    // must be initialised on the calling thread.
    static ScriptControl Create(const char* language, long timeout, HWND site);

    bool IsValid() const { return static_cast<bool>(control_); }

    // Adds code to the global module, where it stays for the instance's life.
    bool AddCode(std::string_view ansiCode);

    // Runs a procedure of the global module without arguments and gives its
    // result as ANSI text; nothing when it does not exist or fails.
    std::optional<std::string> Run(const char* procedure);

private:
    explicit ScriptControl(IScriptControl* control);

    UniqueComPtr<IScriptControl> control_;
};

}  // namespace quenvar
