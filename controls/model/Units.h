#pragma once

#include <string_view>

namespace quarlo {

// Unit-system codes, as held by the project, every table and plot, and line 2 of the
// project file. The numeric field and the plots also take kUnitsSymbols: show the unit
// string itself.
constexpr int kUnitsEnglish = 1;  // pounds, inches; stresses in psi
constexpr int kUnitsSI = 2;       // kilonewtons, metres; stresses in kPa
constexpr int kUnitsSymbols = 3;

// Unit strings describe a quantity by symbols: F force, L length, a digit after F or L
// choosing a particular unit (F same as F0, L same as L0), "/" and "^", e.g. "F/L^2".
// The chart-variant tables (TGridTableChart) know F0-F2 and L0-L2; the plain-variant tables
// (TGridTable) and the numeric field add F4, F5, F6 and L3.
enum class UnitVariant { Chart, Plain };

// One symbol of the unit table. `factor` is the number of English units in one S.I. unit.
struct UnitRow {
    char kind;    // 'F' or 'L'
    char digit;   // '0' for the bare symbol
    const char* english;
    const char* si;
    long double factor;
};

// The row of symbol kind+digit, or nullptr when the variant does not know that digit.
const UnitRow* findUnit(char kind, char digit, UnitVariant variant);

// The word of a row in unit system `code` (English for kUnitsEnglish, S.I. otherwise).
const char* unitWord(const UnitRow& row, int code);

}  // namespace quarlo
