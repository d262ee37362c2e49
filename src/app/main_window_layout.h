// The tables of MainWindow's controls, one per screen area.
#pragma once

#include <span>

#include "app/control_table.h"

namespace quenvar {

// On MainWindow: the five title-bar buttons, the eight page buttons and the status line.
std::span<const ControlRow> TitleBarRows();
std::span<const ControlRow> PageButtonRows();
std::span<const ControlRow> StatusLineRows();

// On PageTabs.
std::span<const ControlRow> MainPageRows();
std::span<const ControlRow> StandbyPageRows();

// Page controls whose construction needs more than a row (tooltips, pictures).
void FinishStandbyPage(HWND pageTabs);

}  // namespace quenvar
