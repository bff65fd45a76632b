#include "OutputLine.h"
#include "TextSink.h"

#include <gtest/gtest.h>

#include <ostream>
#include <sstream>
#include <streambuf>

namespace quarlo {
namespace {

TEST(TextSink, EndsEveryLineWithCrLf) {
    std::ostringstream out;
    TextSink sink(&out);
    sink.write(OutputLine().text("AB"));
    sink.blank(2);
    sink.write(" ");
    EXPECT_EQ(out.str(), "AB\r\n\r\n\r\n \r\n");
}

TEST(TextSink, WithoutStreamDiscards) {
    TextSink sink;
    sink.write("ignored");
    EXPECT_FALSE(sink.attached());
}

// A device that takes `room` characters and then refuses, like a full disk.
class FullDevice : public std::streambuf {
public:
    explicit FullDevice(std::streamsize room) : m_room(room) {}
    std::streamsize written() const { return m_written; }

protected:
    int_type overflow(int_type c) override {
        if (m_room <= 0)
            return traits_type::eof();
        --m_room;
        ++m_written;
        return traits_type::not_eof(c);
    }

private:
    std::streamsize m_room;
    std::streamsize m_written = 0;
};

TEST(TextSink, ShortWriteMarksTheStreamBad) {
    FullDevice device(5);
    std::ostream out(&device);
    TextSink sink(&out);
    sink.write("ABC");
    EXPECT_TRUE(out.good());
    sink.write("DEF");
    EXPECT_TRUE(out.bad());
    EXPECT_EQ(device.written(), 5);
}

TEST(TextSink, WritesNothingMoreOnceTheStreamFailed) {
    FullDevice device(100);
    std::ostream out(&device);
    out.setstate(std::ios::failbit);
    TextSink sink(&out);
    sink.write("ABC");
    EXPECT_EQ(device.written(), 0);
}

}  // namespace
}  // namespace quarlo
