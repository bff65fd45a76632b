#pragma once

#include <stdexcept>
#include <string>

namespace quarlo {

// An input/output error of a text file: the file cannot be opened, read or saved, or its
// words are not what the format prescribes. The readers of the project data file and the plot data
// file catch exactly this class and show what() to the user; the text names the line and
// the item at fault ("Error on Line 2 Item 3", a carriage return, what was expected).
class EInOutError : public std::runtime_error {
public:
    explicit EInOutError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace quarlo
