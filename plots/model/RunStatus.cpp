#include "RunStatus.h"

namespace quarlo {

namespace {

// One status or a range of them; the first entry that holds a status describes it.
struct StatusText {
    int first;
    int last;
    const char* summary;
    const char* meaning;
};

const StatusText kStatusTexts[] = {
    {0, 0, "completed", "run completed"},
    {1, 1, "stopped", "request code other than 2: nothing was done, no file touched"},
    {4, 4, "a depth lies below the unit-weight profile",
     "a depth lies below the last point of the unit-weight profile"},
    {5, 5, "a depth lies below the undrained-shear-strength profile",
     "a depth lies below the last point of the undrained-shear-strength profile"},
    {6, 6, "a depth lies below the side-friction profile",
     "a depth lies below the last point of the side-friction profile"},
    {7, 7, "a depth lies below the tip-resistance profile",
     "a depth lies below the last point of the tip-resistance profile"},
    {8, 8, "a depth lies below the friction-angle profile",
     "a depth lies below the last point of the friction-angle profile"},
    {10, 10, "names.dat is missing or unreadable",
     "names.dat is missing from the current directory, or its version line cannot be read"},
    {11, 11, "a file cannot be opened",
     "a file cannot be opened: the report, the project data file, the plot data file or the run-notes file; "
     "also a blank name (for example after \"  FILE ERRORS!\" when names.dat has only four lines), and a "
     "project data file named as one of the outputs, which would be emptied before it is read (then no file "
     "is touched)"},
    {12, 12, "the project data file cannot be read",
     "the project data file cannot be read: it ends early, or holds text where a number is expected, an "
     "integer field holds a non-integer (\"1.5\"), an integer out of range, a real too large for single "
     "precision (1E39; one too small for it, such as 1E-50, reads as 0), or two commas with nothing between"},
    {13, 13, "a count in the project data file is negative",
     "a count in the project data file (increments, curves, points, layers, AE points, tip movements, loads, "
     "settlement points, factor depths) is negative"},
    {14, 14, "an output file could not be written",
     "an output file could not be written completely (for example a full disk)"},
    {15, 15, "internal engine failure", "unexpected failure inside the engine, such as running out of memory"},
    {16, 19, "stopped", "reserved for the run sequence"},
    {20, 20, "curve generation stopped the run",
     "no tip curve: no soil layer reaches the pile tip (pile length below the bottom of every layer)"},
    {21, 21, "curve generation stopped the run", "no tip curve: the tip layer's soil type is not one of 1 to 6"},
    {22, 22, "curve generation stopped the run",
     "t-z curves of soil type 3, 4 or 5 (scaled by the diameter) with an outer diameter not greater than 0"},
    {23, 23, "curve generation stopped the run",
     "tip curve whose movements would all be 0 or negative: e50 x diameter not greater than 0 at a type-1 "
     "tip, or an outer diameter not greater than 0 for the other types"},
    {24, 24, "curve generation stopped the run",
     "a generated t-z or tip-curve value is not a finite number (for example Nq overflowing near 90 degrees)"},
    {25, 29, "curve generation stopped the run", "curve generation stopped the run"},
    {30, 30, "the load-transfer solution stopped the run",
     "no AE profile, or the pile stiffness AE is 0 (or not a finite number) at the middle of a segment"},
    {31, 31, "the load-transfer solution stopped the run", "fewer than one pile increment (NSEG < 1)"},
    {32, 32, "the load-transfer solution stopped the run", "no t-z curve, or a t-z curve without points"},
    {33, 33, "the load-transfer solution stopped the run", "the tip curve has no points"},
    {34, 34, "the load-transfer solution stopped the run",
     "a load, transfer or movement of the solution is not a finite number"},
    {35, 39, "the load-transfer solution stopped the run", "the load-transfer solution stopped the run"},
};

const StatusText* find(int status)
{
    for (const StatusText& text : kStatusTexts) {
        if (status >= text.first && status <= text.last)
            return &text;
    }
    return nullptr;
}

}  // namespace

std::string StatusSummary(int status)
{
    const StatusText* text = find(status);
    return text != nullptr ? text->summary : "stopped";
}

std::string StatusMeaning(int status)
{
    const StatusText* text = find(status);
    return text != nullptr ? text->meaning : "the run stopped with a status this program does not know";
}

}  // namespace quarlo
