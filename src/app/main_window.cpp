#include "app/main_window.h"

#include <commctrl.h>

#include <cstring>
#include <map>

#include "app/artwork.h"
#include "app/balloon.h"
#include "app/control_ids.h"
#include "app/controls/image_button.h"
#include "app/controls/transparent_label.h"
#include "app/frameless_window.h"
#include "app/handlers.h"
#include "app/info_pages_layout.h"
#include "app/main_window_layout.h"
#include "app/page_tabs.h"
#include "app/tray_icon.h"
#include "platform/window_class.h"
#include "resources/resource_ids.h"
#include "tools/script_host.h"

namespace quenvar {
namespace {

constexpr Place kPageTabsPlace{8, 112, 712, 456};

struct MainWindowState {
    HWND window = nullptr;
    std::map<int, HWND> controls;
};

MainWindowState& State() {
    static MainWindowState state;
    return state;
}

// The skin is tiled from the top-left corner: one tile covers all but the
// rightmost column, which repeats the skin's first column.
void PaintSkin(HWND window, HDC dc) {
    RECT client{};
    GetClientRect(window, &client);
    const Image* skin = ArtworkImage(IDR_SKIN);
    if (skin == nullptr) {
        FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
        return;
    }
    for (int y = 0; y < client.bottom; y += skin->Height()) {
        for (int x = 0; x < client.right; x += skin->Width()) skin->Draw(dc, x, y);
    }
}

void OnPageButtonClicked(int id) { SelectPage(id - kPageButton1); }

void MinimizeMainWindow() { ShowWindow(State().window, SW_MINIMIZE); }

struct ClickRoute {
    int id;
    void (*handler)();
};

// ChatButton and MaximizeButton have no click handling.
const ClickRoute kClickRoutes[] = {
    {kHideButton, HideMainWindow},
    {kMinimizeButton, MinimizeMainWindow},
    {kCloseButton, OnCloseButtonClicked},
    {kMonitorButton, OnMonitorButtonClicked},
    {kBeepOption, OnBeepOptionClicked},
    {kAutorunOption, OnAutorunOptionClicked},
    {kOpenLogButton, OnOpenLogButtonClicked},
    {kClearLogButton, OnClearLogButtonClicked},
    {kShutdownTimeButton, OnShutdownTimeButtonClicked},
    {kStandbyButton, OnStandbyButtonClicked},
    {kUpdateLink, OnUpdateLinkPressed},
    {kSponsorBannerButton, OnSponsorBannerClicked},
    // The tray menus' entries.
    {kShowMainWindowCommand, ShowMainWindow},
    {kHideMainWindowCommand, HideMainWindow},
    {kExitCommand, OnExitEntryChosen},
    {kContactCommand, OnContactEntryChosen},
};

void OnCommand(HWND window, int id, int code) {
    if (id == IDCANCEL) {
        // Esc, turned into IDCANCEL by the dialog navigation of the message loop.
        SendMessageA(window, WM_CLOSE, 0, 0);
        return;
    }
    if (code != BN_CLICKED) return;
    if (id >= kPageButton1 && id < kPageButton1 + 8) {
        OnPageButtonClicked(id);
        return;
    }
    for (const ClickRoute& route : kClickRoutes) {
        if (route.id == id) {
            route.handler();
            return;
        }
    }
}

// MainWindow's own procedure: the one in place before any interception hook.
LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NULL:
        return 0;
    case WM_QUERYENDSESSION:
        return TRUE;  // no close query of its own that could refuse
    case WM_ERASEBKGND:
        PaintSkin(window, reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_LBUTTONDOWN:
        DragByBackground(window);
        return 0;
    case WM_COMMAND:
        OnCommand(window, LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_SIZE:
        OnMainWindowSizeChanged(window, wParam);
        return 0;
    case WM_DESTROY:
        OnMainWindowDestroyed(window);
        State().window = nullptr;
        State().controls.clear();
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    // TrayIcon's own messages: its notifications, the shell's "TaskbarCreated"
    // (a number known only at run time) and the icon's retry timer.
    if (LRESULT result = 0; HandleTrayMessage(window, message, wParam, lParam, result)) return result;
    return DefWindowProcA(window, message, wParam, lParam);
}

bool RegisterMainWindowClass(HINSTANCE instance) {
    HICON icon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_QUENVAR));
    HICON smallIcon = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_QUENVAR), IMAGE_ICON,
                                                    GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    return RegisterWindowClass(instance, kMainWindowClass, MainWindowProc, icon, smallIcon,
                               GetSysColorBrush(COLOR_BTNFACE));
}

void CreateRows(HWND parent, std::span<const ControlRow> rows, int page, HWND pageTabs) {
    for (const ControlRow& row : rows) {
        HWND control = CreateControl(parent, row);
        if (control == nullptr) continue;
        State().controls[row.id] = control;
        if (page >= 0) AddToPage(pageTabs, page, control);
    }
    // Group boxes go under their contents, or they would paint over them. Only
    // once all rows exist: each new window is placed below its elder siblings.
    // Backwards, so that an outer group box ends up under the inner ones.
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        if (row->kind != ControlKind::kGroupBox) continue;
        SetWindowPos(Control(row->id), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

}  // namespace

HWND CreateMainWindow(HINSTANCE instance) {
    INITCOMMONCONTROLSEX commonControls{sizeof(commonControls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&commonControls);
    if (!RegisterMainWindowClass(instance)) return nullptr;
    RegisterImageButtonClass(instance);
    RegisterLabelClass(instance);
    RegisterPageTabsClass(instance);

    // No caption or border: the skin is the whole window. The minimise box
    // lets the taskbar button minimise it.
    HWND window = CreateFramelessWindow(instance, kMainWindowClass, WS_MINIMIZEBOX | WS_CLIPCHILDREN,
                                        kMainWindowWidth, kMainWindowHeight);
    if (window == nullptr) return nullptr;
    State().window = window;

    CreateRows(window, TitleBarRows(), -1, nullptr);
    CreateRows(window, PageButtonRows(), -1, nullptr);
    CreateRows(window, StatusLineRows(), -1, nullptr);
    HWND pageTabs = CreatePageTabs(window, kPageTabs, kPageTabsPlace);
    State().controls[kPageTabs] = pageTabs;
    CreateRows(pageTabs, MainPageRows(), 0, pageTabs);
    CreateRows(pageTabs, StandbyPageRows(), 1, pageTabs);
    for (int page = 2; page < kPageCount; ++page) CreateRows(pageTabs, InformationPageRows(page), page, pageTabs);
    FinishStandbyPage(pageTabs);
    CreateTipBalloon(window);
    CreateScriptHost(window);
    return window;
}

HWND MainWindow() { return State().window; }

HWND Control(int id) {
    const auto found = State().controls.find(id);
    return found != State().controls.end() ? found->second : nullptr;
}

bool PreTranslateDialogMessage(MSG& message) {
    if (message.hwnd == nullptr) return false;
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    char className[64] = {};
    GetClassNameA(root, className, sizeof(className));
    // Only our own top-level windows: tooltips and message boxes navigate themselves.
    if (std::strncmp(className, "Quenvar", 7) != 0) return false;
    return IsDialogMessageA(root, &message) != FALSE;
}

int RunMessageLoop() {
    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (PreTranslateDialogMessage(message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace quenvar
