#include "ComponentReader.h"

#include <cmath>
#include <limits>

#include "Exception.h"
#include "ValueTag.h"

namespace quarlo {

ComponentReader::ComponentReader(std::vector<std::uint8_t> bytes) : m_bytes(std::move(bytes)) {}

namespace {

// A list of values of one kind, each read by `readOne`.
template <class T>
std::vector<T> readList(ComponentReader& reader, T (ComponentReader::*readOne)()) {
    reader.ReadListBegin();
    std::vector<T> values;
    while (!reader.EndOfList()) {
        values.push_back((reader.*readOne)());
    }
    return values;
}

}  // namespace

void ComponentReader::invalidValue() { throw Exception("Invalid property value"); }

std::uint8_t ComponentReader::takeByte() {
    if (m_pos >= m_bytes.size()) {
        throw Exception("Stream read error");
    }
    return m_bytes[m_pos++];
}

std::uint64_t ComponentReader::takeLittleEndian(int byteCount) {
    std::uint64_t value = 0;
    for (int i = 0; i < byteCount; ++i) {
        value |= static_cast<std::uint64_t>(takeByte()) << (8 * i);
    }
    return value;
}

std::int32_t ComponentReader::ReadInteger() {
    switch (static_cast<ValueTag>(takeByte())) {
    case ValueTag::Int8:
        return static_cast<std::int8_t>(takeLittleEndian(1));
    case ValueTag::Int16:
        return static_cast<std::int16_t>(takeLittleEndian(2));
    case ValueTag::Int32:
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(takeLittleEndian(4)));
    default:
        invalidValue();
    }
}

bool ComponentReader::ReadBoolean() {
    switch (static_cast<ValueTag>(takeByte())) {
    case ValueTag::False:
        return false;
    case ValueTag::True:
        return true;
    default:
        invalidValue();
    }
}

std::string ComponentReader::ReadString() {
    std::uint64_t length = 0;
    switch (static_cast<ValueTag>(takeByte())) {
    case ValueTag::String:
        length = takeLittleEndian(1);
        break;
    case ValueTag::LongString:
        length = takeLittleEndian(4);
        break;
    default:
        invalidValue();
    }
    // Checked before allocating: a corrupt length must not ask for gigabytes.
    if (length > m_bytes.size() - m_pos) {
        throw Exception("Stream read error");
    }
    std::string text(m_bytes.begin() + static_cast<std::ptrdiff_t>(m_pos),
                     m_bytes.begin() + static_cast<std::ptrdiff_t>(m_pos + length));
    m_pos += length;
    return text;
}

long double ComponentReader::ReadFloat() {
    if (static_cast<ValueTag>(takeByte()) != ValueTag::Extended) {
        invalidValue();
    }
    const std::uint64_t mantissa = takeLittleEndian(8);
    const auto signExponent = static_cast<std::uint16_t>(takeLittleEndian(2));
    const bool negative = (signExponent & 0x8000) != 0;
    const int biased = signExponent & 0x7FFF;
    long double magnitude = 0.0L;
    if (biased == 0x7FFF) {
        magnitude = (mantissa << 1) == 0 ? std::numeric_limits<long double>::infinity()
                                         : std::numeric_limits<long double>::quiet_NaN();
    } else {
        const int exponent = (biased == 0 ? 1 : biased) - 16383 - 63;
        magnitude = std::ldexp(static_cast<long double>(mantissa), exponent);
    }
    return negative ? -magnitude : magnitude;
}

void ComponentReader::ReadListBegin() {
    if (static_cast<ValueTag>(takeByte()) != ValueTag::List) {
        invalidValue();
    }
}

bool ComponentReader::EndOfList() {
    if (m_pos >= m_bytes.size()) {
        throw Exception("Stream read error");
    }
    if (static_cast<ValueTag>(m_bytes[m_pos]) != ValueTag::EndOfList) {
        return false;
    }
    ++m_pos;
    return true;
}

std::vector<std::string> ComponentReader::ReadStrings() {
    return readList(*this, &ComponentReader::ReadString);
}

std::vector<std::int32_t> ComponentReader::ReadIntegers() {
    return readList(*this, &ComponentReader::ReadInteger);
}

}  // namespace quarlo
