#include "TextSink.h"

namespace quarlo {

// Every line ends with CR LF whatever the platform, so files match the program's own.
// The line goes straight into the stream's buffer: a report has a hundred thousand lines,
// and the stream's own per-call checks cost more than the copy. A short write marks the
// stream bad, as its own write would, so a full disk is still noticed when it is closed.
// A line that fits a small stack buffer goes in with its CR LF in one call, which halves
// the calls into the stream library.
void TextSink::write(std::string_view line) {
    if (m_stream == nullptr || !m_stream->good())
        return;
    std::streambuf* buffer = m_stream->rdbuf();
    if (buffer == nullptr) {
        m_stream->setstate(std::ios::badbit);
        return;
    }
    char staged[256];
    if (line.size() + 2 <= sizeof staged) {
        line.copy(staged, line.size());
        staged[line.size()] = '\r';
        staged[line.size() + 1] = '\n';
        put(*buffer, std::string_view(staged, line.size() + 2));
        return;
    }
    if (put(*buffer, line))
        put(*buffer, "\r\n");
}

bool TextSink::put(std::streambuf& buffer, std::string_view text) {
    const auto size = static_cast<std::streamsize>(text.size());
    if (buffer.sputn(text.data(), size) == size)
        return true;
    m_stream->setstate(std::ios::badbit);
    return false;
}

void TextSink::blank(int count) {
    for (int n = 0; n < count; ++n)
        write(std::string_view{});
}

}  // namespace quarlo
