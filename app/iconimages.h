#pragma once

#include <cstdint>
#include <span>

namespace ostrel {

// One of the program's icon images, compiled in by iconpack: premultiplied ARGB, row by row.
struct IconImage {
    int width;
    int height;
    const std::uint32_t* pixels;
};

// The icon at 32 pixels (the 16-colour image) and at 64 (the scalable drawing's render).
std::span<const IconImage> iconImages();

}  // namespace ostrel
