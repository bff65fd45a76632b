// Any bytes as a project data file, read in the current and in the old format into the
// program's tables. Reading may only end in EInOutError. Whatever was read (completely or
// up to the error) is saved, read back and saved again: the two files must be the same, so
// the writer never produces a file its own reader takes differently.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "ProgramData.h"
#include "ProjectFileReader.h"
#include "ProjectFileWriter.h"
#include "WordReader.h"

namespace {

// The tables register by Identifier process-wide, so one set serves every input, as the
// main window's tables serve every project.
quarlo::ProjectTables& tables() {
    static quarlo::ProjectTables instance;
    return instance;
}

// Reads `text` into a new project as the program opens a file, errors included.
std::string readAndWrite(std::string_view text, bool currentFormat) {
    quarlo::TProgramData project(tables());
    tables().ClearRows();
    std::vector<std::string> tolerated;
    try {
        quarlo::TWordReader words = quarlo::TWordReader::FromText(text);
        quarlo::ProjectFileReader(project, words, tolerated).Read(currentFormat);
    } catch (const quarlo::EInOutError&) {
    }
    tables().PadToMinRows();
    return quarlo::ProjectFileWriter::Text(project);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const bool currentFormat : {true, false}) {
        const std::string saved = readAndWrite(text, currentFormat);
        if (readAndWrite(saved, true) != saved) {
            std::abort();
        }
    }
    return 0;
}
