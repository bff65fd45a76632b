#include "ProgramData.h"

#include <algorithm>

#include "AtomicFile.h"
#include "FileCommandRules.h"
#include "ProjectFileReader.h"
#include "ProjectFileWriter.h"
#include "Units.h"
#include "WordReader.h"

namespace quarlo {

namespace {

// Inches in one metre: the project's own lengths convert with this factor, the tables with
// theirs (UnitFactor), which is the same number.
constexpr long double kInchesPerMetre = 39.37007874L;

}  // namespace

bool TProgramData::IsOldFormatName(const std::string& fileName) {
    if (fileName.size() < 4) {
        return false;
    }
    std::string extension = fileName.substr(fileName.size() - 4);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); });
    return extension == ".qvd";
}

TProgramData::TProgramData(ProjectTables& tables) : m_tables(tables) {
    m_tables.CloseForms();
    SetUnits(kUnitsEnglish);
    m_tables.ResetToMinRows();
    m_tables.SetModified(false);
}

std::unique_ptr<TProgramData> TProgramData::CreateFromFile(ProjectTables& tables, const std::string& fileName,
                                                           bool currentFormat, std::vector<std::string>* tolerated) {
    auto project = std::make_unique<TProgramData>(tables);
    project->FileName = fileName;
    tables.ClearRows();
    std::vector<std::string> ignored;
    try {
        TWordReader words(fileName);
        ProjectFileReader(*project, words, tolerated != nullptr ? *tolerated : ignored).Read(currentFormat);
    } catch (const EInOutError& error) {
        project->ReadError = error.what();
        project->m_readFailed = true;
    }
    tables.PadToMinRows();
    tables.SetModified(false);
    return project;
}

void TProgramData::SaveToFile() {
    writeFileAtomically(FileName, ProjectFileWriter::Text(*this));
    m_tables.SetModified(false);
    m_readFailed = false;
}

void TProgramData::SetUnits(int code) {
    code = std::clamp(code, kUnitsEnglish, kUnitsSI);
    if (code != m_units) {
        const long double factor = code == kUnitsEnglish ? kInchesPerMetre : 1.0L / kInchesPerMetre;
        Tolerance *= factor;
        PileLength *= factor;
        OuterDiameter *= factor;
        TipArea *= factor * factor;
    }
    m_units = code;
    m_tables.SetUnits(code);
}

bool TProgramData::SaveNeedsSaveAs() const {
    return FileName == kNewFileName || IsOldFormatName(FileName) || m_readFailed;
}

std::string TProgramData::ProposedSaveName() const {
    return CurrentFormatFileName(FileName);
}

}  // namespace quarlo
