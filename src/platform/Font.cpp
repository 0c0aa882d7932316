#include "platform/Font.h"

namespace platform::font {

const std::uint8_t* glyph(unsigned char) {
    static const std::uint8_t box[cellHeight] = {0,    0,    0x7E, 0x42, 0x42, 0x42, 0x42, 0x42,
                                                 0x42, 0x42, 0x42, 0x7E, 0,    0,    0,    0};
    return box;
}

}  // namespace platform::font
