// Control identifiers of MainWindow's controls. Tests in other processes find
// controls by these (GetDlgItem on the control's parent), so they are stable.
#pragma once

namespace quenvar {

enum ControlId : int {
    // On MainWindow.
    kChatButton = 100,
    kHideButton = 101,
    kMinimizeButton = 102,
    kMaximizeButton = 103,
    kCloseButton = 104,
    kPageButton1 = 110,  // PageButton1..PageButton8 are kPageButton1 + 0..7
    kPageTabs = 120,
    kLatestVersionLabel = 130,
    kStatusLabel = 131,
    kUpdateLink = 132,

    // On PageTabs, page 0.
    kMainGroup = 200,  // 分组框1
    kLogGroup = 201,   // 分组框2
    kLogBox = 202,
    kBeepOption = 203,
    kPromptOption = 204,
    kAutorunOption = 205,
    kMonitorButton = 206,
    kOpenLogButton = 207,
    kClearLogButton = 208,
    kShutdownTimeButton = 209,

    // On PageTabs, page 1.
    kStandbyStatusLabel = 300,
    kStandbyButton = 301,
    kStandbyGroup = 302,  // 分组框3
    kStandbyTitle = 303,
    kStandbyText = 304,
};

constexpr int kPageCount = 7;
constexpr char kMainWindowClass[] = "QuenvarMainWindow";

}  // namespace quenvar
