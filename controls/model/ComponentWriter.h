#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quarlo {

// Writes typed values in the component-stream encoding: a one-byte tag per value, integers
// in the smallest of 8, 16 and 32 bits that holds them, little-endian, 80-bit extended reals,
// strings with a one-byte length up to 255 characters and a four-byte length beyond.
class ComponentWriter {
public:
    void WriteInteger(std::int32_t value);
    void WriteBoolean(bool value);
    void WriteString(const std::string& value);
    void WriteFloat(long double value);
    void WriteListBegin();
    void WriteListEnd();
    void WriteStrings(const std::vector<std::string>& values);
    void WriteIntegers(const std::vector<std::int32_t>& values);

    const std::vector<std::uint8_t>& Bytes() const { return m_bytes; }

private:
    void put(std::uint8_t byte) { m_bytes.push_back(byte); }
    void putLittleEndian(std::uint64_t value, int byteCount);

    std::vector<std::uint8_t> m_bytes;
};

}  // namespace quarlo
