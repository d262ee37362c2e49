#pragma once

#include "platform/image.h"

namespace quenvar {

// The decoded image of an embedded PNG or JPEG resource, decoded on first use
// and kept for the life of the process (controls keep pointers to it).
// Null when the resource is missing or cannot be decoded.
const Image* ArtworkImage(int resourceId);

}  // namespace quenvar
