// A colour as the marking rules and the running text give it: red, green and blue from 0 to 255.
#pragma once

#include <cstdint>

namespace pelmora {

struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Colour&) const = default;
};

}  // namespace pelmora
