#include "NamesFile.h"

#include <array>
#include <string>

namespace quarlo {

namespace {

constexpr std::size_t kVersionWidth = 12;
constexpr std::size_t kNameWidth = 255;

bool readField(std::istream& in, std::size_t width, std::string& field) {
    std::string line;
    if (!std::getline(in, line))
        return false;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    field = line.substr(0, width);
    return true;
}

}  // namespace

bool readNamesFile(std::istream& in, RunFiles& files, std::ostream* console) {
    if (!readField(in, kVersionWidth, files.version))
        return false;
    files.version.resize(kVersionWidth, ' ');
    const std::array<std::string*, 4> names{&files.input, &files.report, &files.plot, &files.notes};
    for (std::string* name : names) {
        if (!readField(in, kNameWidth, *name)) {
            if (console != nullptr)
                *console << "  FILE ERRORS!\n";
            return true;
        }
        name->erase(name->find_last_not_of(' ') + 1);
    }
    return true;
}

}  // namespace quarlo
