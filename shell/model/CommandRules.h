#pragma once

#include <string>

namespace quarlo {

class TProgramData;

// Which of the main window's commands are enabled, and what the option commands change, as
// plain rules over the project; the menus and the tool bar only apply them.

// The data entries of the Data menu that depend on the project's switches; every other item
// of that menu is always enabled.
struct DataMenuEnables {
    bool soilLayers = false;    // the soil layers (D2), from which the curves are generated
    bool tzCurves = false;      // the user's t-z curves (TblTZDepth2)
    bool qwCurve = false;       // the user's Q-w curve (TblQwcurve2)
    bool tipMovements = false;  // TblTipMove
    bool headLoads = false;     // TblTopload
    bool settlements = false;   // TblSettlement2, for down-drag
    bool tzFactors = false;     // TblTZFactors2
    bool qwFactors = false;     // the Q-w factors window
};
DataMenuEnables DataMenuRules(const TProgramData& project);

// The soil-layer table is the project's data only while the curves are generated from it
// (the Data menu item and the tool-bar button "Soil-Layer Data").
bool SoilLayersEnabled(const TProgramData& project);

// The graphs, their tool-bar buttons and the export need the plots read from the project's
// plot data file, and that file still there: a file deleted outside the program disables
// them again.
bool PlotCommandsEnabled(bool plotsLoaded, const std::string& projectFile);

// The Computation menu's text commands each need their file on disk.
struct ComputationMenuEnables {
    bool inputText = false;  // the project data file itself
    bool runNotes = false;   // ".qv3r"
    bool outputText = false; // ".qv3o"
};
ComputationMenuEnables ComputationMenuRules(const std::string& projectFile);

// The option switches of the project that the Options menu toggles.
enum class ProjectOption { TipMovements, HeadLoads, Downdrag, TzFactors, QwFactors };
bool OptionOn(const TProgramData& project, ProjectOption option);

// The option commands change project data that is saved with the project, so each change
// marks the project modified: closing or opening another project then asks first instead of
// dropping the change.
void ToggleOption(TProgramData& project, ProjectOption option);
// Chooses generated (true) or user-entered curves; choosing the source in use changes nothing.
void SetCurveSource(TProgramData& project, bool generated);
// Switches the unit system (1 English, 2 S.I.), converting every value; choosing the system in
// use changes nothing.
void SwitchUnits(TProgramData& project, int code);

}  // namespace quarlo
