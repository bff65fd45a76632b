#pragma once

#include "RunFiles.h"
#include "TextSink.h"

#include <ostream>
#include <string>
#include <string_view>

namespace quarlo {

// A path split for the report's file-name block: drive and directory (with its trailing
// separator), base name and extension (with its period, at most 5 characters), each
// trimmed of trailing blanks. Both / and \ separate directories, and a leading "X:" is
// the drive, so paths written on either system show alike.
struct PathParts {
    std::string drive;
    std::string directory;
    std::string name;
    std::string extension;
};
PathParts splitPath(std::string_view path);

// The console lines that open a run; a null console discards them.
void writeConsoleBanner(std::ostream* console);

// Run header and file-name block, closed by an empty line.
void writeRunHeader(TextSink& report, const RunFiles& files);
// Date-and-time block; the date line is left out for a month outside 1-12.
void writeDateBlock(TextSink& report, const LocalTime& time);

}  // namespace quarlo
