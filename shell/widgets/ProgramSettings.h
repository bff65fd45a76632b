#pragma once

#include <QString>

#include <string>
#include <vector>

namespace quarlo {

class RecentFiles;

// The user's settings kept from one start of the program to the next: the text editor and the
// recent-file list. Nothing else is stored outside the project file.
//
// They live in the user's settings of organisation "Vortel", application "QUARLO", in the
// group of this version, "2014.3.2": "Word Processor" holds the text editor, "File1" to
// "File10" the recent files, most recent first.
inline constexpr const char* kSettingsOrganisation = "Vortel";
inline constexpr const char* kSettingsApplication = "QUARLO";

struct ProgramSettings {
    QString editorPath;                    // empty: the desktop's program for each file
    std::vector<std::string> recentFiles;  // "File1" first, as stored (gaps included)
};

// The stored settings; settings that cannot be read give no editor and no recent files.
ProgramSettings ReadProgramSettings();
// Stores the editor and all ten recent-file values, empty ones included. A failure is not
// reported: the settings are a convenience, and the project never depends on them.
void WriteProgramSettings(const QString& editorPath, const RecentFiles& recentFiles);

}  // namespace quarlo
