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

    // On PageTabs, pages 2 to 6.
    kSponsorGroup = 400,         // 分组框4
    kSponsorBannerButton = 401,  // 图形按钮18
    kStatementGroup = 410,       // 分组框5
    kStatementLabel = 411,       // 透明标签4
    kQuestionsLabel = 420,       // 透明标签3
    kMakerLine = 421,            // 透明标签11
    kProgrammersLine = 422,      // 透明标签18
    kContactLine = 423,          // 透明标签10
    kPartnerNotice = 430,        // 透明标签9
    kNewsNotice = 440,           // 透明标签8

    // On ExitWindow.
    kCancelExitArea = 501,   // 透明标签1 of ExitWindow
    kConfirmExitArea = 502,  // 透明标签2 of ExitWindow

    // Tray menu commands, sent to MainWindow as WM_COMMAND.
    kShowMainWindowCommand = 1001,
    kHideMainWindowCommand = 1002,
    kExitCommand = 1003,
    kContactCommand = 1004,
};

constexpr int kPageCount = 7;
constexpr char kMainWindowClass[] = "QuenvarMainWindow";
constexpr char kExitWindowClass[] = "QuenvarExitWindow";

}  // namespace quenvar
