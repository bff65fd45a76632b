#include "Units.h"

namespace quarlo {

namespace {

// The one unit table of the program. Rows marked plainOnly exist only in the plain-variant
// tables and the numeric field.
struct TableRow {
    UnitRow row;
    bool plainOnly;
};

const TableRow kUnitTable[] = {
    {{'F', '0', "lbs", "kN", 224.8089237L}, false},
    {{'F', '1', "kips", "kN", 0.2248089237L}, false},
    {{'F', '2', "tons", "kN", 0.1124044745L}, false},
    {{'F', '4', "lb-sec2/in", "Mg", 5.7101483L}, true},
    {{'F', '5', "sec", "sec", 1.0L}, true},
    {{'F', '6', "slug", "Mg", 68.364249L}, true},
    {{'L', '0', "in", "m", 39.37007874L}, false},
    {{'L', '1', "in", "mm", 0.03937007874L}, false},
    {{'L', '2', "ft", "m", 3.280839895L}, false},
    {{'L', '3', "rad", "rad", 1.0L}, true},
};

}  // namespace

const UnitRow* findUnit(char kind, char digit, UnitVariant variant)
{
    for (const TableRow& entry : kUnitTable) {
        if (entry.row.kind != kind || entry.row.digit != digit)
            continue;
        if (entry.plainOnly && variant == UnitVariant::Chart)
            return nullptr;
        return &entry.row;
    }
    return nullptr;
}

const char* unitWord(const UnitRow& row, int code)
{
    return code == kUnitsEnglish ? row.english : row.si;
}

}  // namespace quarlo
