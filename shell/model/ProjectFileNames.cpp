#include "ProjectFileNames.h"

namespace quarlo {

namespace {

// The first character of the name part (after the last directory separator).
std::string::size_type namePartStart(const std::string& fileName) {
    const auto slash = fileName.find_last_of('/');
    return slash == std::string::npos ? 0 : slash + 1;
}

bool equalsIgnoringAsciiCase(const std::string& text, const std::string& lowerCase) {
    if (text.size() != lowerCase.size()) {
        return false;
    }
    for (std::string::size_type i = 0; i < text.size(); ++i) {
        const char c = text[i] >= 'A' && text[i] <= 'Z' ? static_cast<char>(text[i] - 'A' + 'a') : text[i];
        if (c != lowerCase[i]) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string WithExtension(const std::string& fileName, const std::string& extension) {
    const auto dot = fileName.find_last_of('.');
    if (dot == std::string::npos || dot < namePartStart(fileName)) {
        return fileName + extension;
    }
    return fileName.substr(0, dot) + extension;
}

std::string ReportFileName(const std::string& projectFile) {
    return WithExtension(projectFile, ".qv3o");
}

std::string PlotFileName(const std::string& projectFile) {
    return WithExtension(projectFile, ".qv3p");
}

std::string RunNotesFileName(const std::string& projectFile) {
    return WithExtension(projectFile, ".qv3r");
}

std::string DisplayName(const std::string& fileName) {
    std::string name = fileName.substr(namePartStart(fileName));
    const auto lastDot = name.find_last_of('.');
    if (lastDot != std::string::npos && equalsIgnoringAsciiCase(name.substr(lastDot), ".qv3")) {
        name.erase(name.find('.'));
    }
    // Only a plain ASCII letter is raised: the first byte of a multi-byte character must stay
    // as it is, or the name would no longer be valid text.
    if (name.size() > 1 && name[0] >= 'a' && name[0] <= 'z') {
        name[0] = static_cast<char>(name[0] - 'a' + 'A');
    }
    return name;
}

std::string CommandLineProjectName(const std::string& argument) {
    if (argument.find('.', namePartStart(argument)) == std::string::npos) {
        return argument + ".qv3d";
    }
    return argument;
}

}  // namespace quarlo
