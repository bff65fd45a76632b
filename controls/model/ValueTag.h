#pragma once

#include <cstdint>

namespace quarlo {

// One-byte tags of the component-stream encoding in which tables keep their column lists.
enum class ValueTag : std::uint8_t {
    EndOfList = 0x00,
    List = 0x01,
    Int8 = 0x02,
    Int16 = 0x03,
    Int32 = 0x04,
    Extended = 0x05,
    String = 0x06,
    False = 0x08,
    True = 0x09,
    LongString = 0x0C,
};

}  // namespace quarlo
