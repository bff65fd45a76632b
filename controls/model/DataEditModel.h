#pragma once

#include <string>
#include <utility>

namespace quarlo {

// The rules of a numeric entry field without its display: the text the user typed, the
// value it stands for, the closed range and integer-only switch it is checked against when
// the field is left, the canonical text of a value and the label that names the quantity
// and its unit. The field's window keeps its text equal to Text() and shows the messages
// the exit check returns.
class DataEditModel {
public:
    // The default bounds: the 80-bit value with exponent field 0x7FFE and significand
    // 0xFFFFFFFFFFFFFFB0 (about 1.189731E+4932), so that any value typed is within range.
    static constexpr long double kUnbounded = 0xFFFFFFFFFFFFFFB0p16320L;

    // The outcome of an exit check: accepted, or refused with the message to show. A value
    // outside the range is refused and replaced by the bound it violated.
    struct Check {
        bool valid = false;
        std::string message;
    };

    const std::string& Text() const { return m_text; }
    // The user's typing, taken as it is; it is checked when the field is left.
    void SetText(std::string text) { m_text = std::move(text); }

    // The value of the text (an expression is evaluated); EAssignError when it has none.
    long double Number() const;
    // Clamps `value` into MinVal..MaxVal and shows it in canonical form.
    void SetNumber(long double value);

    long double MinVal() const { return m_minVal; }
    long double MaxVal() const { return m_maxVal; }
    // A bound never crosses the other one; the value is pulled inside a narrowed range.
    void SetMinVal(long double value);
    void SetMaxVal(long double value);

    bool IntegerOnly() const { return m_integerOnly; }
    // Integer-only bounds are kept within the 32-bit range of a whole-number entry.
    void SetIntegerOnly(bool integerOnly);

    bool Hex() const { return m_hex; }
    // The value is shown as "$" and at least four hexadecimal digits.
    void SetHex(bool hex);

    int Units() const { return m_units; }
    // 1 English, 2 S.I., 3 the unit symbols as they stand; other codes are taken as the
    // nearest of these.
    void SetUnits(int code);
    const std::string& UnitsString() const { return m_unitsString; }
    void SetUnitsString(std::string unitsString) { m_unitsString = std::move(unitsString); }
    const std::string& Caption() const { return m_caption; }
    void SetCaption(std::string caption) { m_caption = std::move(caption); }

    // The caption, and the unit in the field's unit system in parentheses when it has one:
    // "Pile Length (in)".
    std::string LabelText() const;
    // The canonical text of a value: 18 significant digits, or hexadecimal with Hex.
    std::string FormatValue(long double value) const;

    // Checks the entry as the field is left or Enter is pressed: evaluates it, refuses a
    // fraction for an integer-only field and a value outside the range, and writes an
    // accepted value back in canonical form.
    Check ExitCheck();
    // The last exit check accepted the entry.
    bool Valid() const { return m_valid; }

    // Stores the field's value into `target` when the field shows another value than the
    // one `target` holds, and says whether it did. A value shown unchanged keeps every bit of
    // `target`, so opening and leaving a field never rounds the project's value to the 18
    // digits shown. The int form rounds to the nearest whole number.
    bool StoreInto(long double& target) const;
    bool StoreInto(int& target) const;

private:
    long double clampToRange(long double value) const;
    long double integerBound(long double value) const;

    std::string m_text = "0";
    long double m_minVal = -kUnbounded;
    long double m_maxVal = kUnbounded;
    bool m_integerOnly = false;
    bool m_hex = false;
    int m_units = 1;
    std::string m_unitsString;
    std::string m_caption;
    bool m_valid = false;
};

}  // namespace quarlo
