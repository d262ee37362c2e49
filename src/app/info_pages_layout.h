// The tables of the information pages 2 to 6 of PageTabs: static texts about
// the program and its makers, and the sponsor's banner.
#pragma once

#include <span>

#include "app/control_table.h"

namespace quenvar {

// The rows of page (2..6); empty for any other page.
std::span<const ControlRow> InformationPageRows(int page);

}  // namespace quenvar
