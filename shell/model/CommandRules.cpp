#include "CommandRules.h"

#include <filesystem>

#include "ProgramData.h"
#include "ProjectFileNames.h"

namespace quarlo {

namespace {

bool fileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

// The switch of `option`, writable or not as the project is.
template <class Project>
auto optionSwitch(Project& project, ProjectOption option) -> decltype((project.QwFactorsOn)) {
    switch (option) {
    case ProjectOption::TipMovements:
        return project.TipMovementsOn;
    case ProjectOption::HeadLoads:
        return project.HeadLoadsOn;
    case ProjectOption::Downdrag:
        return project.DowndragOn;
    case ProjectOption::TzFactors:
        return project.TzFactorsOn;
    case ProjectOption::QwFactors:
        break;
    }
    return project.QwFactorsOn;
}

}  // namespace

DataMenuEnables DataMenuRules(const TProgramData& project) {
    DataMenuEnables enables;
    enables.soilLayers = SoilLayersEnabled(project);
    enables.tzCurves = !project.CurvesGenerated;
    enables.qwCurve = !project.CurvesGenerated;
    enables.tipMovements = project.TipMovementsOn;
    enables.headLoads = project.HeadLoadsOn;
    enables.settlements = project.DowndragOn;
    enables.tzFactors = project.TzFactorsOn;
    enables.qwFactors = project.QwFactorsOn;
    return enables;
}

bool SoilLayersEnabled(const TProgramData& project) {
    return project.CurvesGenerated;
}

bool PlotCommandsEnabled(bool plotsLoaded, const std::string& projectFile) {
    return plotsLoaded && fileExists(PlotFileName(projectFile));
}

ComputationMenuEnables ComputationMenuRules(const std::string& projectFile) {
    ComputationMenuEnables enables;
    enables.inputText = fileExists(projectFile);
    enables.runNotes = fileExists(RunNotesFileName(projectFile));
    enables.outputText = fileExists(ReportFileName(projectFile));
    return enables;
}

bool OptionOn(const TProgramData& project, ProjectOption option) {
    return optionSwitch(project, option);
}

void ToggleOption(TProgramData& project, ProjectOption option) {
    bool& on = optionSwitch(project, option);
    on = !on;
    project.Tables().SetModified(true);
}

void SetCurveSource(TProgramData& project, bool generated) {
    if (project.CurvesGenerated == generated) {
        return;
    }
    project.CurvesGenerated = generated;
    project.Tables().SetModified(true);
}

void SwitchUnits(TProgramData& project, int code) {
    const int before = project.Units();
    project.SetUnits(code);
    if (project.Units() != before) {
        project.Tables().SetModified(true);
    }
}

}  // namespace quarlo
