#include "ProjectInput.h"

namespace quarlo::cli {

std::unique_ptr<TProgramData> readProject(ProjectTables& tables, const std::string& path, std::ostream& err,
                                          std::vector<std::string>& tolerated) {
    auto project = TProgramData::CreateFromFile(tables, path, !TProgramData::IsOldFormatName(path), &tolerated);
    for (const std::string& note : tolerated) {
        err << path << ": " << note << "\n";
    }
    if (!project->ReadError.empty()) {
        err << path << ": " << OneLine(project->ReadError) << "\n";
        return nullptr;
    }
    return project;
}

}  // namespace quarlo::cli
