#include "HandOffFile.h"

#include <array>

#include "ProjectFileNames.h"

namespace quarlo {

namespace {

// The project data file first, then the outputs in the order names.dat lists them.
std::array<std::string, 4> runFiles(const std::string& projectFile) {
    return {projectFile, ReportFileName(projectFile), PlotFileName(projectFile), RunNotesFileName(projectFile)};
}

std::string lengthProblem(const std::string& file) {
    return "The analysis cannot be run: the full path of the file " + file + " is " + std::to_string(file.size()) +
           " bytes long, and the analysis reads file names of at most " + std::to_string(kEngineFileNameWidth) +
           " bytes.\rSave the project in a folder with a shorter path.";
}

}  // namespace

std::string NamesFileText(const std::string& version, const std::string& projectFile) {
    std::string text = version + "\r\n";
    for (const std::string& file : runFiles(projectFile)) {
        text += file + "\r\n";
    }
    return text;
}

std::string EngineFileNameProblem(const std::string& projectFile) {
    if (projectFile.find_first_of("\r\n") != std::string::npos) {
        return "The analysis cannot be run: the name of the project file " + projectFile +
               " holds a line break, which the analysis cannot read as part of a file name.\r"
               "Save the project under another name.";
    }
    if (!projectFile.empty() && projectFile.back() == ' ') {
        return "The analysis cannot be run: the name of the project file \"" + projectFile +
               "\" ends in a blank, which the analysis drops from file names.\rSave the project under another name.";
    }
    for (const std::string& file : runFiles(projectFile)) {
        if (file.size() > kEngineFileNameWidth) {
            return lengthProblem(file);
        }
    }
    return {};
}

}  // namespace quarlo
