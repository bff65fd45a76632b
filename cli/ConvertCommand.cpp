#include "ConvertCommand.h"

#include <filesystem>

#include "ProjectInput.h"
#include "WordReader.h"

namespace quarlo::cli {

namespace {

// Both names lead to one file (also through links or "..").
bool sameFile(const std::string& in, const std::string& out) {
    std::error_code error;
    if (std::filesystem::equivalent(in, out, error)) {
        return true;
    }
    std::error_code inError;
    std::error_code outError;
    const auto inPath = std::filesystem::weakly_canonical(in, inError);
    const auto outPath = std::filesystem::weakly_canonical(out, outError);
    return !inError && !outError && inPath == outPath;
}

}  // namespace

int convertProject(const std::string& in, const std::string& out, std::ostream& log) {
    if (sameFile(in, out)) {
        log << in << ": --convert will not write over its input; name another output file\n";
        return 1;
    }
    ProjectTables tables;
    std::vector<std::string> tolerated;
    const std::unique_ptr<TProgramData> project = readProject(tables, in, log, tolerated);
    if (!project) {
        log << out << ": not written\n";
        return 1;
    }
    project->FileName = out;
    try {
        project->SaveToFile();
    } catch (const EInOutError& error) {
        log << OneLine(error.what()) << "\n";
        return 1;
    }
    log << in << " -> " << out << "\n";
    return 0;
}

}  // namespace quarlo::cli
