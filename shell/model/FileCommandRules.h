#pragma once

#include <string>

namespace quarlo {

// Rules of the file commands over file names, kept out of the windows.

// The title of the Save As dialog for the project file `fileName`: "Save " + its display name
// + " As".
std::string SaveAsTitle(const std::string& fileName);

// The name a project is saved under: the program writes only the current format, so an
// old-format name (".qvd", any case) becomes ".qv3d". Were the file kept under ".qvd", every
// later opening would read it as the old format and silently drop its modification factors.
std::string CurrentFormatFileName(const std::string& fileName);

// A file opened by its name alone (from the recent-file list, dropped on the window) is read
// in the old format exactly when its name says so (".qvd"). Any other name is read in the
// current format: reading a current-format file as the old one would stop before the
// modification factors without a word, and a later Save would write the project back
// without them.
bool OpensInCurrentFormat(const std::string& fileName);

// A file chosen in the Open dialog: its extension decides when it names one of the two formats
// (".qvd" old, ".qv3d" current), whichever file type the dialog showed, because the other
// reading fails on an old file and drops the factors of a current one; any other name is read
// as the file type chosen says.
bool OpensInCurrentFormat(const std::string& fileName, bool oldFormatChosen);

}  // namespace quarlo
