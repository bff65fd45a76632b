#pragma once

#include <charconv>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace quarlo::testing {

// The text of a plot data file, block by block, with the engine's CR LF line ends. Numbers
// are written in their shortest form: the reader takes words, not columns.
class PlotFileText {
public:
    PlotFileText& line(const std::string& text)
    {
        m_text += text + "\r\n";
        return *this;
    }
    PlotFileText& count(long long n) { return line(" " + std::to_string(n)); }
    PlotFileText& values(std::initializer_list<double> numbers)
    {
        std::string text;
        for (const double v : numbers)
            text += "  " + number(v);
        return line(text);
    }
    // A t-z curve: its line, then (t, z) pairs.
    PlotFileText& curve(int number, std::vector<std::pair<double, double>> tz, double depth)
    {
        line("  " + std::to_string(number) + " " + std::to_string(tz.size()) + " " + PlotFileText::number(depth));
        for (const auto& [t, z] : tz)
            values({t, z});
        return *this;
    }
    PlotFileText& counts(int tipMovements, int segments, int units)
    {
        return line(" " + std::to_string(tipMovements) + " " + std::to_string(segments) + " " +
                    std::to_string(units));
    }
    std::string str() const { return m_text; }

    static std::string number(double v)
    {
        char buffer[32];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, v);
        return std::string(buffer, result.ptr);
    }

private:
    std::string m_text;
};

// One t-z curve (1.5, 0.1) at depth 0, a two-point tip curve, and one tip movement over two
// segments: the smallest complete file, to which tests add what they look at.
inline PlotFileText minimalHead()
{
    PlotFileText text;
    text.count(1).curve(1, {{1.5, 0.1}}, 0).count(2).values({0, 0}).values({100, 0.5});
    return text;
}

}  // namespace quarlo::testing
