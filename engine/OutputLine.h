#pragma once

#include "Real.h"

#include <string>
#include <string_view>

namespace quarlo {

// Builds one fixed-form output line field by field, after the Fortran edit descriptors
// the report and the plot data file are specified in (nX, In, Fw.d, Ew.d, An).
// A value that does not fit its field fills the field with asterisks.
class OutputLine {
public:
    OutputLine();

    OutputLine& x(int n);                                  // nX: n blanks
    OutputLine& text(std::string_view literal);            // a quoted text as it stands
    OutputLine& a(std::string_view field, int n);          // An: first n characters, blank padded
    OutputLine& i(int width, long long value);             // In
    OutputLine& f(int width, int decimals, Real value);    // Fw.d
    OutputLine& e(int width, int decimals, Real value);    // Ew.d
    OutputLine& freeInt(long long value);                  // free-format integer, one blank before

    // Empties the line and keeps its room, for a writer that builds many lines in turn.
    OutputLine& clear() {
        m_text.clear();
        return *this;
    }

    const std::string& str() const { return m_text; }

private:
    std::string m_text;
};

}  // namespace quarlo
