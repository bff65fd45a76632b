#pragma once

#include <QDialog>
#include <QString>

#include <array>
#include <functional>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace quarlo {

class GraphDefinitions;
class TGraphPlot;
struct WorkbookSheet;

// The "Export to Excel" dialog: the four result graphs to choose from, and a workbook
// (.xlsx) written with a data sheet and a chart sheet for each chosen graph, then opened
// with the desktop's program for it. The main window makes it for its "Export Plots to
// Excel" command and shows it modally:
//     TDlgExport dialog(graphs, plotsLoaded, project.FileName, this);
//     dialog.exec();
class TDlgExport : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kCaption = "Export to Excel";

    // Opens the written workbook; false when no program could be started for it.
    using Opener = std::function<bool(const QString& fileName)>;

    // `plotsLoaded`: results are loaded, so the graphs may be exported. `projectFileName`
    // names the workbook the save dialog proposes (empty for a project never saved).
    TDlgExport(GraphDefinitions& graphs, bool plotsLoaded, const QString& projectFileName,
               QWidget* parent = nullptr);

    // Fills the list from the graphs' captions, each entry enabled and checked exactly when
    // plots are loaded; runs each time the dialog is shown.
    void FormActivate();
    void Button1Click();  // "Select All"
    void Button2Click();  // "Unselect All"
    void Button3Click();  // "Generate Excel File"
    void Button4Click();  // "Close Window"
    // What "Generate Excel File" does once the file is chosen: the checked graphs written to
    // the workbook `fileName` with the progress shown, then the workbook opened; a failure
    // is shown with its reason and leaves no partial file.
    void GenerateTo(const QString& fileName);

    // The graph of list entry k (1 to 4).
    const TGraphPlot& GetPlotPt(int k) const;
    // The number of checked entries.
    int GetNPlots() const;
    // "Generate Excel File" is enabled exactly when an entry is checked.
    void CheckGenerateBtn();

    // Replaces the desktop's way of opening the workbook (for tests).
    void SetOpener(Opener opener) { m_opener = std::move(opener); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    QString proposedFileName() const;
    QString chooseFile();
    std::vector<const TGraphPlot*> checkedPlots() const;
    void generate(const QString& fileName, const std::vector<const TGraphPlot*>& plots);
    void showProgress(const WorkbookSheet* sheet, const std::vector<const TGraphPlot*>& plots);
    void showStatus(const QString& text);
    void setAllChecked(bool checked);

    std::array<const TGraphPlot*, 4> m_plots;
    bool m_plotsLoaded;
    QString m_projectFileName;
    Opener m_opener;
    QListWidget* m_list = nullptr;
    QPushButton* m_generateButton = nullptr;
    QLabel* m_status = nullptr;
};

}  // namespace quarlo
