// What the update-information page means for this program, version 1.1.
// Pure code without Windows headers, tested natively.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quenvar {

// The version record stands between these two markers on the page.
inline constexpr std::string_view kVersionStartMarker = "\" alt=\"";
inline constexpr std::string_view kVersionEndMarker = "\"></a></td></tr></table>";

inline constexpr char kNotConnectedText[] = "网络未连接，获取版本数据失败！";

struct VersionVerdict {
    std::string status;                       // StatusLabel's new text
    std::optional<std::string> latestVersion;  // LatestVersionLabel's new text, when it changes
    bool newer = false;                       // status then holds the download address
};

// The verdict on the page's text (the bytes before its first zero byte).
VersionVerdict JudgeUpdatePage(std::string_view page);

// Whether a download address may be handed to the shell: only web addresses.
// A record on a page fetched over plain HTTP can be changed on its way, and
// the shell would start any local program or document it names.
bool IsWebAddress(std::string_view address);

}  // namespace quenvar
