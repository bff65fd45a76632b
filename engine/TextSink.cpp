#include "TextSink.h"

namespace quarlo {

// Every line ends with CR LF whatever the platform, so files match the program's own.
void TextSink::write(std::string_view line) {
    if (m_stream == nullptr)
        return;
    m_stream->write(line.data(), static_cast<std::streamsize>(line.size()));
    m_stream->write("\r\n", 2);
}

void TextSink::blank(int count) {
    for (int n = 0; n < count; ++n)
        write(std::string_view{});
}

}  // namespace quarlo
