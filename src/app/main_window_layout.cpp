#include "app/main_window_layout.h"

#include <commctrl.h>

#include "app/control_ids.h"
#include "app/main_window_texts.h"
#include "resources/resource_ids.h"

namespace quenvar {
namespace {

using K = ControlKind;
using namespace colors;

ControlRow PageButton(int n, Place place) {
    return ImageButton(kPageButton1 + n, place, texts::kPageButtons[n], IDR_PAGE_BUTTONS + 2 * n,
                       IDR_PAGE_BUTTONS + 2 * n + 1, 0, true);
}

const ControlRow kTitleBar[] = {
    ImageButton(kChatButton, {576, 1, 35, 24}, texts::kChatButton, IDR_BTN_CHAT, IDR_BTN_CHAT + 1),
    ImageButton(kHideButton, {598, 1, 37, 24}, texts::kHideButton, IDR_BTN_HIDE, IDR_BTN_HIDE + 1),
    ImageButton(kMinimizeButton, {623, 0, 33, 24}, texts::kMinimizeButton, IDR_BTN_MIN, IDR_BTN_MIN + 1),
    ImageButton(kMaximizeButton, {648, 0, 32, 24}, texts::kMaximizeButton, IDR_BTN_MAX, IDR_BTN_MAX + 1),
    ImageButton(kCloseButton, {672, 1, 48, 23}, texts::kCloseButton, IDR_BTN_CLOSE, IDR_BTN_CLOSE + 1),
};

const ControlRow kPageButtons[] = {
    PageButton(0, {8, 25, 80, 71}),   PageButton(1, {93, 25, 80, 71}),  PageButton(2, {180, 24, 80, 80}),
    PageButton(3, {265, 26, 80, 74}), PageButton(4, {352, 25, 80, 79}), PageButton(5, {436, 25, 80, 79}),
    PageButton(6, {525, 25, 80, 79}), PageButton(7, {611, 25, 80, 79}),
};

const ControlRow kStatusLine[] = {
    // StatusLabel overlaps LatestVersionLabel's right end; created first, it
    // lies above it, so its "未知" is not painted over.
    Text(kStatusLabel, K::kLabel, {112, 584, 536, 16}, texts::kStatusUnknown, kBlue, 16),
    Text(kLatestVersionLabel, K::kLabel, {0, 576, 136, 32}, texts::kLatestVersion, kBlue, 16),
    Text(kUpdateLink, K::kLink, {656, 584, 64, 16}, texts::kUpdateLink, kBlue, 0),
};

// The group boxes' contents are placed relative to their group box.
constexpr Place kMainGroupPlace{8, 8, 680, 424};
constexpr Place kLogGroupPlace = Offset(kMainGroupPlace, {8, 16, 664, 216});

const ControlRow kMainPage[] = {
    Text(kMainGroup, K::kGroupBox, kMainGroupPlace, texts::kMainGroup, kGreen, 0),
    Text(kLogGroup, K::kGroupBox, kLogGroupPlace, texts::kLogGroup, kMagenta, 0),
    Text(kLogBox, K::kLogEdit, Offset(kLogGroupPlace, {8, 24, 648, 176}), "", kBlue, 0),
    Text(kBeepOption, K::kCheckBox, Offset(kMainGroupPlace, {8, 248, 656, 24}), texts::kBeepOption, kGreen, 16),
    Text(kPromptOption, K::kCheckBox, Offset(kMainGroupPlace, {8, 288, 616, 32}), texts::kPromptOption, 0x00FF8800, 16),
    Text(kAutorunOption, K::kCheckBox, Offset(kMainGroupPlace, {8, 336, 576, 24}), texts::kAutorunOption, 0x00C06000,
         16),
    ImageButton(kMonitorButton, Offset(kMainGroupPlace, {8, 376, 144, 40}), texts::kMonitorButton, IDR_BTN_MONITOR,
                IDR_BTN_MONITOR + 1, IDR_BTN_MONITOR + 2),
    ImageButton(kOpenLogButton, Offset(kMainGroupPlace, {168, 376, 160, 40}), texts::kOpenLogButton, IDR_BTN_OPENLOG,
                IDR_BTN_OPENLOG + 1, IDR_BTN_OPENLOG + 2),
    ImageButton(kClearLogButton, Offset(kMainGroupPlace, {344, 376, 104, 40}), texts::kClearLogButton,
                IDR_BTN_CLEARLOG, IDR_BTN_CLEARLOG + 1, IDR_BTN_CLEARLOG + 2),
    ImageButton(kShutdownTimeButton, Offset(kMainGroupPlace, {464, 376, 112, 40}), texts::kShutdownTimeButton,
                IDR_BTN_SHUTDOWNTIME, IDR_BTN_SHUTDOWNTIME + 1, IDR_BTN_SHUTDOWNTIME + 2),
};

constexpr Place kStandbyGroupPlace{8, 224, 696, 184};

const ControlRow kStandbyPage[] = {
    Text(kStandbyStatusLabel, K::kLabel, {64, 48, 560, 96}, texts::kStandbyOff, kBlue, 56),
    // No caption of its own: the picture says which state it is in.
    ImageButton(kStandbyButton, {272, 152, 88, 32}, "", IDR_STANDBY_DISABLED, 0),
    Text(kStandbyGroup, K::kGroupBox, kStandbyGroupPlace, "", 0, 0),
    Text(kStandbyTitle, K::kLabel, Offset(kStandbyGroupPlace, {296, 16, 208, 32}), texts::kStandbyTitle, kMagenta, 32),
    Text(kStandbyText, K::kLabel, Offset(kStandbyGroupPlace, {16, 56, 672, 104}), texts::kStandbyDescription,
         kBrightGreen, 24, true),
};

}  // namespace

std::span<const ControlRow> TitleBarRows() { return kTitleBar; }
std::span<const ControlRow> PageButtonRows() { return kPageButtons; }
std::span<const ControlRow> StatusLineRows() { return kStatusLine; }
std::span<const ControlRow> MainPageRows() { return kMainPage; }
std::span<const ControlRow> StandbyPageRows() { return kStandbyPage; }

void FinishStandbyPage(HWND pageTabs) {
    HWND button = GetDlgItem(pageTabs, kStandbyButton);
    HWND tooltip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, GetAncestor(pageTabs, GA_ROOT),
                                   nullptr, reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(pageTabs, GWLP_HINSTANCE)),
                                   nullptr);
    if (button == nullptr || tooltip == nullptr) return;
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = pageTabs;
    tool.uId = reinterpret_cast<UINT_PTR>(button);
    tool.lpszText = const_cast<char*>(texts::kStandbyTooltip);
    SendMessageA(tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageA(tooltip, TTM_SETMAXTIPWIDTH, 0, 400);
}

}  // namespace quenvar
