#pragma once

#include <cstddef>
#include <string_view>

namespace quenvar {

// The bytes of an RCDATA resource of the executable; empty when it is missing.
// Resources stay mapped for the life of the process, so the view never dangles.
std::string_view ResourceBytes(int id);

}  // namespace quenvar
