#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace quarlo {

// Reads the values written by ComponentWriter. A value of another kind than the one asked
// for raises Exception "Invalid property value"; running past the end raises Exception
// "Stream read error". Integers of any of the three sizes are accepted.
class ComponentReader {
public:
    explicit ComponentReader(std::vector<std::uint8_t> bytes);

    std::int32_t ReadInteger();
    bool ReadBoolean();
    std::string ReadString();
    long double ReadFloat();
    void ReadListBegin();
    // True, and the end marker consumed, when the list ends here.
    bool EndOfList();
    std::vector<std::string> ReadStrings();
    std::vector<std::int32_t> ReadIntegers();

    bool AtEnd() const { return m_pos == m_bytes.size(); }

private:
    std::uint8_t takeByte();
    std::uint64_t takeLittleEndian(int byteCount);
    [[noreturn]] static void invalidValue();

    std::vector<std::uint8_t> m_bytes;
    std::size_t m_pos = 0;
};

}  // namespace quarlo
