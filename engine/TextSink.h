#pragma once

#include "OutputLine.h"

#include <ostream>
#include <string_view>

namespace quarlo {

// A text file written front to back in lines ended by CR LF. Tests hand in a string
// stream; a run hands in its open file. A sink without a stream discards what it gets.
class TextSink {
public:
    TextSink() = default;
    explicit TextSink(std::ostream* stream) : m_stream(stream) {}

    void write(const OutputLine& line) { write(line.view()); }
    void write(std::string_view line);
    void blank(int count = 1);

    void attach(std::ostream* stream) { m_stream = stream; }
    bool attached() const { return m_stream != nullptr; }

private:
    bool put(std::streambuf& buffer, std::string_view text);

    std::ostream* m_stream = nullptr;
};

}  // namespace quarlo
