#include "RunHeader.h"

#include "OutputLine.h"

#include <array>

namespace quarlo {

namespace {

std::string trimRight(std::string_view text) {
    const auto end = text.find_last_not_of(' ');
    return std::string(end == std::string_view::npos ? std::string_view{} : text.substr(0, end + 1));
}

std::string twoDigits(int value) {
    std::string text = std::to_string(value);
    return text.size() < 2 ? "0" + text : text;
}

void writeRule(TextSink& report, char c) {
    report.write(OutputLine().x(5).text(std::string(73, c)));
}

}  // namespace

void writeConsoleBanner(std::ostream* console) {
    if (console != nullptr)
        *console << " PROGRAM QUARLO FOR COMPUTING LOAD VS. SETTLEMENT\n FOR AN AXIALLY LOADED PILE\n\n\n\n" << std::flush;
}

PathParts splitPath(std::string_view path) {
    PathParts parts;
    if (path.size() >= 2 && path[1] == ':') {
        parts.drive = trimRight(path.substr(0, 2));
        path.remove_prefix(2);
    }
    const auto slash = path.find_last_of("/\\");
    const std::size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
    parts.directory = trimRight(path.substr(0, nameStart));
    std::string_view file = path.substr(nameStart);
    const auto dot = file.find_last_of('.');
    if (dot != std::string_view::npos) {
        parts.extension = trimRight(file.substr(dot, 5));
        file = file.substr(0, dot);
    }
    parts.name = trimRight(file);
    return parts;
}

void writeRunHeader(TextSink& report, const RunFiles& files) {
    writeRule(report, '=');
    report.blank();
    report.write(OutputLine().x(20).text("  QUARLO for Windows, Version ").a(files.version, 12));
    report.blank();
    report.write(OutputLine().x(20).text("   A Program for Computing Load Vs Settlement "));
    report.write(OutputLine().x(20).text("           For an Axially Loaded Pile "));
    report.blank();
    writeRule(report, '=');
    report.blank(2);
    const PathParts input = splitPath(files.input);
    const auto fileName = [](std::string_view path) {
        const PathParts parts = splitPath(path);
        return parts.name + parts.extension;
    };
    report.write(OutputLine().x(5).text("Path to file locations      : ").text(input.drive + input.directory));
    report.write(OutputLine().x(5).text("Name of input data file     : ").text(fileName(files.input)));
    report.write(OutputLine().x(5).text("Name of output file         : ").text(fileName(files.report)));
    report.write(OutputLine().x(5).text("Name of plot output file    : ").text(fileName(files.plot)));
    report.blank();
}

void writeDateBlock(TextSink& report, const LocalTime& time) {
    static constexpr std::array<const char*, 12> months{"January", "February", "March",     "April",
                                                        "May",     "June",     "July",      "August",
                                                        "September", "October", "November", "December"};
    writeRule(report, '-');
    report.write(OutputLine().x(26).text("Time and Date of Analysis"));
    writeRule(report, '-');
    report.blank();
    if (time.month < 1 || time.month > 12)
        return;
    report.write(OutputLine()
                     .x(15).text("Date:  ").text(months[static_cast<std::size_t>(time.month - 1)]).x(1)
                     .text(twoDigits(time.day)).text(", ").i(4, time.year).x(5).text("Time:  ")
                     .text(twoDigits(time.hour) + ":" + twoDigits(time.minute) + ":" + twoDigits(time.second)));
}

}  // namespace quarlo
