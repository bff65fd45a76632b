#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "OneLine.h"
#include "ProgramData.h"

namespace quarlo::cli {

// A project file read as the program opens it: the old format when the name ends in ".qvd",
// the current format otherwise. A read error is written to `err` as one line naming the
// file, the line and the item; the result is then null. Input the reader took but the
// engine would read differently goes to `tolerated` and to `err`, one line each.
std::unique_ptr<TProgramData> readProject(ProjectTables& tables, const std::string& path, std::ostream& err,
                                          std::vector<std::string>& tolerated);

}  // namespace quarlo::cli
