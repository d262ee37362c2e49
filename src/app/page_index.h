#pragma once

#include "app/control_ids.h"

namespace quenvar {

// Page numbers outside 0..6 are brought to the nearest page that exists;
// PageButton8 asks for page 7 and so shows page 6.
constexpr int ClampPageIndex(int page) { return page < 0 ? 0 : page >= kPageCount ? kPageCount - 1 : page; }

}  // namespace quenvar
