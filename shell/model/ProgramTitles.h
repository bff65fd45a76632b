#pragma once

#include <string>

namespace quarlo {

// The application's title: every message box of the program carries it.
inline constexpr const char* kApplicationTitle = "QUARLO 3.0";

// The main window's caption: the program and its version, then the project's display name.
std::string MainCaption(const std::string& projectFile);

}  // namespace quarlo
