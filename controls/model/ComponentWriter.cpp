#include "ComponentWriter.h"

#include <cmath>
#include <limits>

#include "ValueTag.h"

namespace quarlo {

namespace {

void append(std::vector<std::uint8_t>& bytes, ValueTag tag) {
    bytes.push_back(static_cast<std::uint8_t>(tag));
}

// A list of values of one kind, each written by `writeOne`.
template <class T, class Write>
void writeList(ComponentWriter& writer, const std::vector<T>& values, Write writeOne) {
    writer.WriteListBegin();
    for (const T& value : values) {
        (writer.*writeOne)(value);
    }
    writer.WriteListEnd();
}

// The 80-bit extended layout (64-bit mantissa with explicit integer bit, 15-bit exponent
// biased by 16383, sign bit) built arithmetically, so the bytes do not depend on how the
// compiler stores long double.
void extendedBytes(long double value, std::uint64_t& mantissa, std::uint16_t& signExponent) {
    const std::uint16_t sign = std::signbit(value) ? 0x8000 : 0;
    mantissa = 0;
    signExponent = sign;
    if (value == 0.0L) {
        return;
    }
    if (std::isnan(value)) {
        mantissa = 0xC000000000000000ULL;
        signExponent = sign | 0x7FFF;
        return;
    }
    if (std::isinf(value)) {
        mantissa = 0x8000000000000000ULL;
        signExponent = sign | 0x7FFF;
        return;
    }
    int exponent = 0;
    const long double fraction = std::frexp(std::fabs(value), &exponent);  // [0.5, 1)
    int biased = exponent - 1 + 16383;
    int shift = 64;
    if (biased <= 0) {  // subnormal in the extended format
        shift += biased - 1;
        biased = 0;
    }
    mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, shift));
    signExponent = static_cast<std::uint16_t>(sign | biased);
}

}  // namespace

void ComponentWriter::putLittleEndian(std::uint64_t value, int byteCount) {
    for (int i = 0; i < byteCount; ++i) {
        put(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

void ComponentWriter::WriteInteger(std::int32_t value) {
    const auto bits = static_cast<std::uint64_t>(static_cast<std::int64_t>(value));
    if (value >= std::numeric_limits<std::int8_t>::min() && value <= std::numeric_limits<std::int8_t>::max()) {
        append(m_bytes, ValueTag::Int8);
        putLittleEndian(bits, 1);
    } else if (value >= std::numeric_limits<std::int16_t>::min() &&
               value <= std::numeric_limits<std::int16_t>::max()) {
        append(m_bytes, ValueTag::Int16);
        putLittleEndian(bits, 2);
    } else {
        append(m_bytes, ValueTag::Int32);
        putLittleEndian(bits, 4);
    }
}

void ComponentWriter::WriteBoolean(bool value) { append(m_bytes, value ? ValueTag::True : ValueTag::False); }

void ComponentWriter::WriteString(const std::string& value) {
    if (value.size() <= 255) {
        append(m_bytes, ValueTag::String);
        putLittleEndian(value.size(), 1);
    } else {
        append(m_bytes, ValueTag::LongString);
        putLittleEndian(value.size(), 4);
    }
    m_bytes.insert(m_bytes.end(), value.begin(), value.end());
}

void ComponentWriter::WriteFloat(long double value) {
    std::uint64_t mantissa = 0;
    std::uint16_t signExponent = 0;
    extendedBytes(value, mantissa, signExponent);
    append(m_bytes, ValueTag::Extended);
    putLittleEndian(mantissa, 8);
    putLittleEndian(signExponent, 2);
}

void ComponentWriter::WriteListBegin() { append(m_bytes, ValueTag::List); }

void ComponentWriter::WriteListEnd() { append(m_bytes, ValueTag::EndOfList); }

void ComponentWriter::WriteStrings(const std::vector<std::string>& values) {
    writeList(*this, values, &ComponentWriter::WriteString);
}

void ComponentWriter::WriteIntegers(const std::vector<std::int32_t>& values) {
    writeList(*this, values, &ComponentWriter::WriteInteger);
}

}  // namespace quarlo
