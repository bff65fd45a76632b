#include "Utf8Text.h"

namespace quarlo {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The length of the sequence that `lead` begins and the bits it contributes; 0 when it
// begins none.
int sequenceLength(unsigned char lead, char32_t& bits)
{
    if (lead < 0x80) {
        bits = lead;
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        bits = lead & 0x1Fu;
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        bits = lead & 0x0Fu;
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        bits = lead & 0x07u;
        return 4;
    }
    return 0;
}

bool wellFormed(char32_t c, int length)
{
    static constexpr char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    return c >= smallest[length] && c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF);
}

}  // namespace

std::u32string DecodeUtf8(std::string_view text)
{
    std::u32string decoded;
    decoded.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        char32_t c = 0;
        const int length = sequenceLength(static_cast<unsigned char>(text[i]), c);
        int read = 1;
        while (read < length && i + read < text.size() && (static_cast<unsigned char>(text[i + read]) & 0xC0) == 0x80)
            c = (c << 6) | (static_cast<unsigned char>(text[i + read++]) & 0x3Fu);
        if (length == 0 || read < length || !wellFormed(c, length)) {
            decoded += kReplacement;
            i += length == 0 ? 1 : read;
            continue;
        }
        decoded += c;
        i += read;
    }
    return decoded;
}

void AppendUtf8(std::string& text, char32_t c)
{
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        text += static_cast<char>(0xE0 | (c >> 12));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (c >> 18));
        text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string EncodeUtf8(std::u32string_view text)
{
    std::string encoded;
    encoded.reserve(text.size());
    for (const char32_t c : text)
        AppendUtf8(encoded, c);
    return encoded;
}

char32_t LowerCase(char32_t c)
{
    if (c >= 'A' && c <= 'Z')
        return c + ('a' - 'A');
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)  // not the multiplication sign
        return c + 0x20;
    if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2)  // no capital final sigma
        return c + 0x20;
    return c;
}

}  // namespace quarlo
