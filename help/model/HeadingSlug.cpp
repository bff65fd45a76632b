#include "HeadingSlug.h"

#include "Utf8Text.h"

namespace quarlo {

namespace {

bool inRange(char32_t c, char32_t first, char32_t last)
{
    return c >= first && c <= last;
}

// Numbers among the Latin-1 signs: superscripts two, three and one, and the vulgar fractions.
bool latin1Number(char32_t c)
{
    return c == 0xB2 || c == 0xB3 || c == 0xB9 || inRange(c, 0xBC, 0xBE);
}

// Letters among the Latin-1 signs: the ordinal indicators and the micro sign.
bool latin1Letter(char32_t c)
{
    return c == 0xAA || c == 0xB5 || c == 0xBA;
}

// Super- and subscript digits, the only numbers among the symbols from U+2000.
bool scriptDigit(char32_t c)
{
    return c == 0x2070 || inRange(c, 0x2074, 0x2079) || inRange(c, 0x2080, 0x2089);
}

bool keptOutsideAscii(char32_t c)
{
    if (inRange(c, 0x80, 0xBF))
        return latin1Number(c) || latin1Letter(c);
    if (c == 0xD7 || c == 0xF7)  // multiplication and division signs
        return false;
    if (inRange(c, 0x2000, 0x2BFF))  // punctuation, currency, letterlike, arrows, mathematics
        return scriptDigit(c);
    if (inRange(c, 0x3000, 0x303F) || inRange(c, 0xFE30, 0xFE4F) || inRange(c, 0xFF00, 0xFF0F))
        return false;  // CJK and full-width punctuation
    return true;
}

bool keptAscii(char32_t c)
{
    return inRange(c, 'a', 'z') || inRange(c, '0', '9') || c == '-' || c == '_';
}

}  // namespace

std::string HeadingSlug(std::string_view heading)
{
    std::string slug;
    for (char32_t c : DecodeUtf8(heading)) {
        c = LowerCase(c);
        if (c == ' ')
            slug += '-';
        else if (c < 0x80 ? keptAscii(c) : keptOutsideAscii(c))
            AppendUtf8(slug, c);
    }
    return slug;
}

std::string HeadingSlugs::Add(std::string_view heading)
{
    const std::string base = HeadingSlug(heading);
    std::string slug = base;
    int& suffix = m_lastSuffix[base];
    while (m_taken.count(slug))
        slug = base + "-" + std::to_string(++suffix);
    m_taken.insert(slug);
    return slug;
}

}  // namespace quarlo
