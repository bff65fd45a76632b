#include "CheckCommand.h"

#include "ProjectChecks.h"
#include "ProjectInput.h"

namespace quarlo::cli {

int checkProject(const std::string& path, std::ostream& out) {
    ProjectTables tables;
    std::vector<std::string> tolerated;
    const std::unique_ptr<TProgramData> project = readProject(tables, path, out, tolerated);
    if (!project) {
        return 1;
    }
    const std::vector<std::string> suspicious = suspiciousInput(*project);
    for (const std::string& finding : suspicious) {
        out << path << ": " << finding << "\n";
    }
    if (tolerated.empty() && suspicious.empty()) {
        out << path << ": no problems found\n";
        return 0;
    }
    return 1;
}

}  // namespace quarlo::cli
