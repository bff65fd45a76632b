#pragma once

#include <string>

namespace quarlo {

class TProgramData;

// The project data file in the current format, as the engine reads it: title, increments,
// output detail and units, the curve source with either the user curves or the soil layers,
// the stiffness profile, the Q-w curve of user curves, the pile values and the option
// sections, each written only when its option is on (else " 0"). Lines end with CR LF.
class ProjectFileWriter {
public:
    // The whole file. Numbers come from the cells' own 8-digit texts, so a value is written
    // exactly as the tables show it; layer boundaries are long numbers.
    static std::string Text(const TProgramData& project);
};

}  // namespace quarlo
