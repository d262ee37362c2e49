// UpdateLink: whether a newer release than 1.1 exists, reported on the status
// line, with its download address opened in the browser.
#pragma once

namespace quenvar {

// The maker's update-information page, and a large public site's home page
// whose answer shows that the web can be reached.
inline constexpr char kUpdatePageAddress[] = "http://www.quenvar.cn/update/version.htm";
inline constexpr char kProbePageAddress[] = "http://www.example.com/";

// One complete check against the given addresses; UpdateLink's press runs it
// with the two above.
void RunVersionCheck(const char* probeAddress, const char* updatePageAddress);

}  // namespace quenvar
