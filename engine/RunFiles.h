#pragma once

#include <functional>
#include <ostream>
#include <string>

namespace quarlo {

// The four files of one run and the version text shown in the report header.
struct RunFiles {
    std::string version;   // first 12 characters are shown
    std::string input;     // project data file (.qv3d)
    std::string report;    // output report (.qv3o)
    std::string plot;      // plot data file (.qv3p)
    std::string notes;     // run notes (.qv3r)
};

// A local date and time as the report shows it; month 1-12.
struct LocalTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

struct RunOptions {
    // Stream for the progress lines; null discards them (parallel runs, tests).
    std::ostream* console = nullptr;
    // Source of the date-and-time block; empty means the machine's local time.
    std::function<LocalTime()> clock;
};

// The machine's local date and time, read without shared static state.
LocalTime currentLocalTime();

}  // namespace quarlo
