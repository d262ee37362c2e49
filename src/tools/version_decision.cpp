#include "tools/version_decision.h"

#include "tools/byte_text.h"
#include "tools/text_number.h"

namespace quenvar {
namespace {

constexpr std::string_view kCurrentVersion = "1.1";
constexpr double kCurrentVersionNumber = 1.1;
// A version that reads as a hair below ours still counts as newer.
constexpr double kNewerThreshold = -0.0000001;
constexpr size_t kVersionWidth = 3;

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return FindText(text.substr(0, prefix.size()), prefix) == 1;
}

}  // namespace

VersionVerdict JudgeUpdatePage(std::string_view page) {
    const std::string record = ExtractBetween(page, kVersionStartMarker, kVersionEndMarker);
    if (record.empty()) return {"获取数据失败，可能网站已关闭，请联系官方技术人员取详情信息！", std::nullopt, false};
    const std::string_view version = std::string_view(record).substr(0, kVersionWidth);
    if (version == kCurrentVersion) return {"当前版本号为：1.1,未发现有新的版本，无需更新！", std::nullopt, false};
    if (TextToNumber(record) - kCurrentVersionNumber < kNewerThreshold) {
        return {"未发现有新的版本，无需更新！", std::nullopt, false};
    }
    const std::string address = record.size() > kVersionWidth ? record.substr(kVersionWidth) : std::string();
    return {address, "目前最新版本：" + std::string(version), true};
}

bool IsWebAddress(std::string_view address) {
    return StartsWithIgnoringCase(address, "http://") || StartsWithIgnoringCase(address, "https://");
}

}  // namespace quenvar
