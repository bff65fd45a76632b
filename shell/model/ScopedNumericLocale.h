#pragma once

#include <string>

namespace quarlo {

// Sets the C library's numeric locale (LC_NUMERIC) for the life of the object and puts the
// one it found back when it goes, on every way out of the scope. The engine reads and writes
// its numbers with a full stop; under a user's locale with a decimal comma it must not see
// that comma.
class ScopedNumericLocale {
public:
    explicit ScopedNumericLocale(const char* name = "C");
    ~ScopedNumericLocale();
    ScopedNumericLocale(const ScopedNumericLocale&) = delete;
    ScopedNumericLocale& operator=(const ScopedNumericLocale&) = delete;

private:
    // A copy: the C library may overwrite the text setlocale returned on the next call.
    std::string m_previous;
    bool m_changed = false;
};

}  // namespace quarlo
