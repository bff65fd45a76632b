#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ProjectTables.h"

namespace quarlo {

// The current project: its title, unit system, option switches and scalar pile values. The
// tables of the project live in ProjectTables, which outlives every TProgramData; a project
// resets and fills them when it is made and converts them when its unit system changes.
// Fields are read and written directly by the data windows; the unit system changes only
// through SetUnits, which converts every length along with it.
class TProgramData {
public:
    // The name a new project carries until the user names it; Save treats it as unnamed.
    static constexpr const char* kNewFileName = "NewQUARLO.qv3d";

    // CreateNew: a project with every default, its tables reset to MinRows rows of column
    // defaults and English units, marked as not modified.
    explicit TProgramData(ProjectTables& tables);
    TProgramData(const TProgramData&) = delete;
    TProgramData& operator=(const TProgramData&) = delete;

    // Reads a project data file, the old format (without modification factors) when
    // `currentFormat` is false. Always gives a project: after a read error it holds what was
    // read up to the error, with ReadError set for the caller to show, and its next Save
    // goes through Save As. `tolerated`, when given, receives the input that was read but
    // that the engine would take differently (see ProjectFileReader).
    static std::unique_ptr<TProgramData> CreateFromFile(ProjectTables& tables, const std::string& fileName,
                                                        bool currentFormat,
                                                        std::vector<std::string>* tolerated = nullptr);

    // Writes the project to FileName in the current format. The file is replaced only when
    // the new contents are completely on disk; on failure the old file is untouched, the
    // project stays modified and EInOutError carries the reason.
    void SaveToFile();

    // Switches the project to unit system `code` (clamped to 1..2), converting its own
    // lengths and every table; choosing the system already in use changes nothing.
    void SetUnits(int code);
    int Units() const { return m_units; }

    // Save must ask for a name first: the project was never named, came from an old-format
    // file (which is never overwritten), or was read with an error (so what was read does
    // not silently replace the user's file).
    bool SaveNeedsSaveAs() const;
    // The name Save As proposes: FileName, with ".qvd" changed to ".qv3d".
    std::string ProposedSaveName() const;
    // The file name ends in ".qvd" (any case): the old format, without modification factors.
    static bool IsOldFormatName(const std::string& fileName);

    ProjectTables& Tables() const { return m_tables; }

    std::string FileName = kNewFileName;
    std::string Title = "New Pile";
    // Kept only while the project is open; never written to the file.
    std::string DesignerName;
    std::string DesignDate;
    // Number of equal pile increments (NSEG of the engine).
    int Increments = 50;
    // 0 prints the load-transfer table along the pile for every tip movement; any other value
    // the summary only. No window edits it; a project read from a file keeps the file's value.
    int OutputDetail = 0;
    // True: the engine generates the curves from the soil layers (D2); false: the user enters
    // them (TblTZDepth2, TblQwcurve2).
    bool CurvesGenerated = true;
    long double Tolerance = 1e-5L;     // convergence tolerance, L
    long double PileLength = 0.0L;     // L
    long double OuterDiameter = 0.0L;  // L
    long double TipArea = 0.0L;        // L^2
    long double QMultiplier = 0.0L;    // on the loads Q of the Q-w curve
    long double WMultiplier = 0.0L;    // on the movements w of the Q-w curve
    bool TipMovementsOn = true;        // run for the tip movements of TblTipMove
    bool HeadLoadsOn = false;          // also run for the pile-head loads of TblTopload
    bool DowndragOn = false;           // down-drag from TblSettlement2
    bool TzFactorsOn = false;          // TblTZFactors2 on the t-z curves
    bool QwFactorsOn = false;          // QMultiplier and WMultiplier on the Q-w curve

    // The text of the error that stopped reading, empty when the file was read completely.
    std::string ReadError;

private:
    ProjectTables& m_tables;
    int m_units = 1;
    bool m_readFailed = false;
};

}  // namespace quarlo
