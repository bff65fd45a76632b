#pragma once

#include <filesystem>

namespace quarlo::bench {

// A scratch folder of this benchmark process, made on first use.
std::filesystem::path scratchDir();

// Writes the largest project the program accepts: 500 increments, 100 tip movements, 100
// user t-z curves of 100 points, 50 AE points, 50 tip-curve points, 50 head loads, with
// down-drag and t-z factors. KPRINT 0 writes the load-transfer table of every tip movement.
void writeLargestProject(const std::filesystem::path& path, int KPRINT);

}  // namespace quarlo::bench
