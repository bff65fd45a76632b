#pragma once

#include "Real.h"

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace quarlo {

// Builds one fixed-form output line field by field, after the Fortran edit descriptors
// the report and the plot data file are specified in (nX, In, Fw.d, Ew.d, An).
// A value that does not fit its field fills the field with asterisks.
class OutputLine {
public:
    OutputLine();

    // nX: n blanks, and a quoted text as it stands; inline, as every line has several.
    OutputLine& x(int n) {
        if (n > 0)
            fillBlanks(room(static_cast<std::size_t>(n)), static_cast<std::size_t>(n));
        return *this;
    }
    OutputLine& text(std::string_view literal) {
        literal.copy(room(literal.size()), literal.size());
        return *this;
    }
    OutputLine& a(std::string_view field, int n);          // An: first n characters, blank padded
    OutputLine& i(int width, long long value);             // In
    OutputLine& f(int width, int decimals, Real value);    // Fw.d
    OutputLine& e(int width, int decimals, Real value);    // Ew.d
    OutputLine& freeInt(long long value);                  // free-format integer, one blank before
    OutputLine& freeReal(Real value);                      // free-format real, one blank before

    // Empties the line and keeps its room, for a writer that builds many lines in turn.
    OutputLine& clear() {
        m_length = 0;
        return *this;
    }

    // The line's text; the reference holds until the line is changed.
    const std::string& str() const {
        m_storage.resize(m_length);
        return m_storage;
    }
    std::string_view view() const { return {m_storage.data(), m_length}; }

private:
    // Lengthens the line by n characters and returns where they go.
    char* room(std::size_t n) {
        if (m_length + n + kSlack > m_storage.size())
            grow(m_length + n + kSlack);
        char* place = m_storage.data() + m_length;
        m_length += n;
        return place;
    }
    void grow(std::size_t size);
    // Most runs of blanks are short: those are written with one store of kSlack blanks,
    // the excess landing in the line's slack or on characters written next.
    static void fillBlanks(char* place, std::size_t n) {
        if (n <= kSlack)
            std::memset(place, ' ', kSlack);
        else
            std::memset(place, ' ', n);
    }
    char* placeField(int width, int length);
    char* placeNumber(int width, bool minus, bool belowOne, int rest);
    void appendField(int width, std::string_view body);
    void appendNonFinite(int width, Real value);

    // The text is m_storage's first m_length characters. Fields are written straight into
    // storage kept larger than the line, since every size change of a std::string costs a
    // library call, and a report has a million fields.
    mutable std::string m_storage;
    // Storage past the line's end that may be scribbled on: short runs of blanks are then
    // one fixed-size store instead of a library call.
    static constexpr std::size_t kSlack = 16;
    std::size_t m_length = 0;
};

}  // namespace quarlo
