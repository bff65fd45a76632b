#pragma once

#include <string>

namespace quarlo {

// The files of one project are named from its project data file by their extension; these
// are the only places that rule is written.
//
// `fileName` with its extension replaced by `extension` (".qv3p"), or with `extension`
// appended when its name part has none. Only the part after the last directory separator
// counts, so a full stop in a folder name is not taken for an extension.
std::string WithExtension(const std::string& fileName, const std::string& extension);

std::string ReportFileName(const std::string& projectFile);    // ".qv3o", the output report
std::string PlotFileName(const std::string& projectFile);      // ".qv3p", the plot data file
std::string RunNotesFileName(const std::string& projectFile);  // ".qv3r", the run notes

// The name shown in the main window's caption and in the Save As title: the file name without
// its folder; a name whose extension is exactly ".qv3" (any case) loses everything from its
// first full stop on; a result longer than one character starts with an upper-case letter.
// A project file ending in ".qv3d" therefore keeps its extension: /any/test.qv3d shows as
// "Test.qv3d".
std::string DisplayName(const std::string& fileName);

// The project file a command-line argument names: ".qv3d" is appended when the name part has
// no full stop, so "QUARLO2014 /jobs/pier4" opens /jobs/pier4.qv3d.
std::string CommandLineProjectName(const std::string& argument);

}  // namespace quarlo
