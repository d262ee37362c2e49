// PageTabs: the page container without tab headers. Every page is a set of
// child controls of PageTabs; only the selected page's controls are shown.
#pragma once

#include <windows.h>

#include "app/controls/place.h"

namespace quenvar {

void RegisterPageTabsClass(HINSTANCE instance);
HWND CreatePageTabs(HWND mainWindow, int id, const Place& place);

// Makes control a member of page (0..6); it is shown only while that page is selected.
void AddToPage(HWND pageTabs, int page, HWND control);

// Shows page ClampPageIndex(page) and hides the controls of every other page.
void SelectPage(int page);
int SelectedPage();

}  // namespace quenvar
