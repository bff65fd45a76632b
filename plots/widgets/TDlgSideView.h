#pragma once

#include <QWidget>

#include "ChildWindow.h"
#include "ElevationModel.h"

class QLabel;
class QPainter;
class QPrinter;
class QPushButton;

namespace quarlo {

class TProgramData;

// The "Elevation View" child window: the pile in its soil layers to one scale across and
// down, the depth under the pointer in the caption, and "Print" for a landscape page (to a
// printer, or to a PDF file when none is installed). It reads the project directly and
// rebuilds its drawing each time it becomes the active child, so it follows edits made in
// other windows; it needs no analysis results.
class TDlgSideView : public QWidget, public ChildWindow {
    Q_OBJECT
public:
    static constexpr const char* kCaption = "Elevation View";
    static constexpr const char* kPrintJobName = "Soil-Pile Profile";

    explicit TDlgSideView(TProgramData& project, QWidget* parent = nullptr);

    // The size the window opens with: room for the drawing beside the fixed label and button.
    QSize sizeHint() const override;

    void FormActivate() override;
    void UnitsChanged() override;

    // What the window draws, for the main window's tests and for printing.
    const ElevationModel& Model() const { return m_model; }

    // The "Print" command.
    void PrintClick();
    // Draws the printout on a page of `printer`.
    void PaintPrintout(QPainter& painter, const QPrinter& printer) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void rebuild();

    TProgramData& m_project;
    ElevationModel m_model;
    QLabel* m_geometryLabel = nullptr;
    QPushButton* m_printButton = nullptr;
};

}  // namespace quarlo
