#include "TextSink.h"

namespace quarlo {

// Every line ends with CR LF whatever the platform, so files match the program's own.
// The line goes straight into the stream's buffer: a report has a hundred thousand lines,
// and the stream's own per-call checks cost more than the copy. A short write marks the
// stream bad, as its own write would, so a full disk is still noticed when it is closed.
void TextSink::write(std::string_view line) {
    if (m_stream == nullptr || !m_stream->good())
        return;
    std::streambuf* buffer = m_stream->rdbuf();
    const auto size = static_cast<std::streamsize>(line.size());
    if (buffer == nullptr || buffer->sputn(line.data(), size) != size || buffer->sputn("\r\n", 2) != 2)
        m_stream->setstate(std::ios::badbit);
}

void TextSink::blank(int count) {
    for (int n = 0; n < count; ++n)
        write(std::string_view{});
}

}  // namespace quarlo
