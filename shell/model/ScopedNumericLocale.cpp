#include "ScopedNumericLocale.h"

#include <clocale>

namespace quarlo {

ScopedNumericLocale::ScopedNumericLocale(const char* name) {
    if (const char* current = std::setlocale(LC_NUMERIC, nullptr)) {
        m_previous = current;
        m_changed = std::setlocale(LC_NUMERIC, name) != nullptr;
    }
}

ScopedNumericLocale::~ScopedNumericLocale() {
    if (m_changed) {
        std::setlocale(LC_NUMERIC, m_previous.c_str());
    }
}

}  // namespace quarlo
