#include "app/artwork.h"

#include <map>

#include "platform/resource_data.h"

namespace quenvar {

const Image* ArtworkImage(int resourceId) {
    static std::map<int, Image> images;
    auto found = images.find(resourceId);
    if (found == images.end()) {
        const std::string_view bytes = ResourceBytes(resourceId);
        const bool isJpeg = bytes.size() > 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
                            static_cast<unsigned char>(bytes[1]) == 0xD8;
        found = images.emplace(resourceId, isJpeg ? Image::FromJpeg(bytes) : Image::FromPng(bytes)).first;
    }
    return found->second.IsValid() ? &found->second : nullptr;
}

}  // namespace quenvar
