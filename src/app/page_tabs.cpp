#include "app/page_tabs.h"

#include <array>
#include <vector>

#include "app/page_index.h"
#include "app/standard_control_colors.h"
#include "platform/window_class.h"

namespace quenvar {
namespace {

constexpr char kClassName[] = "QuenvarPageTabs";

struct Pages {
    HWND container = nullptr;
    std::array<std::vector<HWND>, kPageCount> controls;
    int selected = 0;
};

Pages& ThePages() {
    static Pages pages;
    return pages;
}

LRESULT CALLBACK PageTabsProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND: {
        // Paints the whole client area: see-through children ask for it too.
        RECT client{};
        GetClientRect(window, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        return 1;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
        return AnswerControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_COMMAND:
    case WM_NOTIFY:
        // The pages' controls are handled where all controls are: on MainWindow.
        return SendMessageA(GetParent(window), message, wParam, lParam);
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

void RegisterPageTabsClass(HINSTANCE instance) {
    RegisterWindowClass(instance, kClassName, PageTabsProc);
}

HWND CreatePageTabs(HWND mainWindow, int id, const Place& place) {
    Pages& pages = ThePages();
    pages = Pages{};
    pages.container = CreateWindowExA(WS_EX_CONTROLPARENT, kClassName, "",
                                      WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, place.x, place.y,
                                      place.width, place.height, mainWindow,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                      reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(mainWindow, GWLP_HINSTANCE)),
                                      nullptr);
    return pages.container;
}

void AddToPage(HWND pageTabs, int page, HWND control) {
    Pages& pages = ThePages();
    if (pageTabs != pages.container || control == nullptr) return;
    page = ClampPageIndex(page);
    pages.controls[page].push_back(control);
    ShowWindow(control, page == pages.selected ? SW_SHOWNA : SW_HIDE);
}

void SelectPage(int page) {
    Pages& pages = ThePages();
    page = ClampPageIndex(page);
    if (page == pages.selected) return;
    // Keyboard input must not go on to a control the user can no longer see.
    HWND focus = GetFocus();
    for (HWND control : pages.controls[pages.selected]) {
        if (focus != nullptr && (focus == control || IsChild(control, focus))) SetFocus(GetParent(pages.container));
    }
    // Hide first, then show: the container never shows two pages at once.
    for (HWND control : pages.controls[pages.selected]) ShowWindow(control, SW_HIDE);
    pages.selected = page;
    for (HWND control : pages.controls[page]) ShowWindow(control, SW_SHOWNA);
}

int SelectedPage() { return ThePages().selected; }

}  // namespace quenvar
