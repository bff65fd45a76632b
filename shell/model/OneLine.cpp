#include "OneLine.h"

namespace quarlo {

std::string OneLine(const std::string& message) {
    std::string text;
    for (const char c : message) {
        if (c == '\r') {
            text += ": ";
        } else if (c != '\n') {
            text += c;
        }
    }
    return text;
}

}  // namespace quarlo
