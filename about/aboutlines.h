#pragma once

#include <array>
#include <string_view>

namespace ostrel {

// The about message's four lines, in their scrambled form only.
extern const std::array<std::u16string_view, 4> kAboutLines;

}  // namespace ostrel
