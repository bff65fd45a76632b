#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <string>

#include "SingleChild.h"

namespace quarlo {

class TDynamicLibrary;
class TMainForm;

// The Run Analysis command: saves the project, hands its file names to the engine library
// through names.dat, calls the engine, reads the graphs of the run and shows what the run
// gave. The engine is loaded for each run and freed after it, so every run starts afresh.
//
// Nothing of the run outlives it: names.dat lies in a private folder that is made current
// only for the call and removed after it, and the numeric locale is "C" only during the call.
class RunBridge {
public:
    // The engine's entry: the request code in, the run status out.
    using EngineEntry = std::int32_t (*)(std::int32_t);

    static constexpr const char* kLibraryFileName = "libQUARLO2014_DLL.so";
    static constexpr const char* kEntryName = "_IQUARLO";

    explicit RunBridge(TMainForm& form);

    void CompRunClick();

    // The folder the engine library is loaded from: the program's own unless set.
    void SetLibraryFolder(const QString& folder) { m_libraryFolder = folder; }
    QString LibraryFolder() const;
    // Where the private folder for names.dat is made: the system's temporary folder unless set.
    void SetWorkFolderParent(const QString& folder) { m_workFolderParent = folder; }

private:
    bool saveProject();
    std::optional<int> runEngine();
    EngineEntry loadEngine(TDynamicLibrary& library);
    bool removeEarlierOutputs();
    int callEngine(EngineEntry entry, const QString& workFolder);
    void finishRun(int status);
    void showSummary(int status);
    void openReport(const QString& report);
    // The project data file's full path, as the engine is given it.
    std::string projectPath() const;

    TMainForm& m_form;
    QString m_libraryFolder;
    QString m_workFolderParent;
    // Set while the command runs: a second run may not start from inside the first.
    bool m_running = false;
    SingleChild m_reportViewer{QStringLiteral("Report")};
};

}  // namespace quarlo
