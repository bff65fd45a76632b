#pragma once

#include <string>
#include <vector>

namespace quarlo {

class TProgramData;

// Input that reads well but that the engine would take without complaint and compute
// nonsense from: soil layers whose bottoms do not go down, a pile tip below the last layer,
// tables with more rows than the program allows, generated curves without a pile diameter,
// an increment count outside the range the program accepts. One sentence per finding, in
// the project's units; none for a sound project.
std::vector<std::string> suspiciousInput(const TProgramData& project);

}  // namespace quarlo
