#include "UnitsDisplay.h"

#include <span>

namespace quarlo {

namespace {

void replaceAll(std::string& text, std::string_view symbol, std::string_view word)
{
    for (std::size_t at = text.find(symbol); at != std::string::npos;
         at = text.find(symbol, at + word.size()))
        text.replace(at, symbol.size(), word);
}

// Replaces `symbol` (e.g. "F2", or "F" for the bare symbol) by the word of its row.
void replaceSymbol(std::string& text, std::string_view symbol, int code, UnitVariant variant)
{
    const char digit = symbol.size() > 1 ? symbol[1] : '0';
    if (const UnitRow* row = findUnit(symbol[0], digit, variant))
        replaceAll(text, symbol, unitWord(*row, code));
}

// Symbols with a digit go before the bare ones, which would otherwise eat their letter.
constexpr std::string_view kChartOrder[] = {"F2", "F1", "F0", "F", "L2", "L1", "L0", "L"};
constexpr std::string_view kPlainOrder[] = {"F2", "F1", "F4", "F5", "F6", "F0", "F",
                                            "L3", "L2", "L1", "L0", "L"};
constexpr std::string_view kFieldForceOrder[] = {"F6", "F5", "F4", "F2", "F1", "F"};
constexpr std::string_view kFieldLengthOrder[] = {"L2", "L1", "L3", "L"};

void replaceFirstPresent(std::string& text, std::span<const std::string_view> order, int code)
{
    for (std::string_view symbol : order) {
        if (text.find(symbol) != std::string::npos) {
            replaceSymbol(text, symbol, code, UnitVariant::Plain);
            return;
        }
    }
}

}  // namespace

std::string DisplayUnits(std::string_view unitString, int code, UnitVariant variant)
{
    std::string text(unitString);
    if (code != kUnitsEnglish && code != kUnitsSI)
        return text;
    using Order = std::span<const std::string_view>;
    const Order order = variant == UnitVariant::Chart ? Order(kChartOrder) : Order(kPlainOrder);
    for (std::string_view symbol : order)
        replaceSymbol(text, symbol, code, variant);
    return text;
}

std::string DisplayFieldUnits(std::string_view unitString, int code)
{
    std::string text(unitString);
    if (code == kUnitsSymbols)
        return text;
    replaceFirstPresent(text, kFieldForceOrder, code);
    replaceFirstPresent(text, kFieldLengthOrder, code);
    return text;
}

}  // namespace quarlo
