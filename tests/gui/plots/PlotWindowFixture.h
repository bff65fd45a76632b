#pragma once

// Plot windows on plot data the engine really wrote for bundled examples, each shown in a
// document area as the program shows it, and the dialogs of their commands driven.

#include <QFileDialog>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "ChildArea.h"
#include "ExampleRun.h"
#include "GraphDefinitions.h"
#include "GuiTestSupport.h"
#include "LoadPlotFile.h"
#include "PlotLegendView.h"
#include "PlotMenu.h"
#include "TPlotForm.h"

namespace quarlo::test {

// Runs `example` (English units) once and opens its graphs in windows of a document area.
class PlotWindowFixture {
public:
    bool start(const QString& example)
    {
        m_plotFile = runExample(m_dir, example);
        return !m_plotFile.isEmpty();
    }

    void reset()
    {
        m_area.reset();
        m_graphs = std::make_unique<GraphDefinitions>();
        m_area = std::make_unique<ChildArea>();
        m_area->resize(960, 640);
        m_area->show();
        if (!QTest::qWaitForWindowExposed(m_area.get()))
            qWarning("the document area was not exposed");
    }

    // The window of graph `name` ("pltLoad", ...) on the example's data; with `curves`, on
    // its first curves only.
    TPlotForm* open(const QString& name, int curves = -1)
    {
        const PlotLoadResult result = LoadPlotFile(*m_graphs, m_plotFile.toStdString(), 1);
        if (!result.Loaded) {
            qWarning("%s", result.Detail.c_str());
            return nullptr;
        }
        if (curves >= 0)
            graph(name).SetCurveCount(curves);
        auto* form = new TPlotForm(graph(name), name);
        m_area->AddChild(form);
        if (!QTest::qWaitForWindowExposed(form))
            qWarning("the plot window was not exposed");
        // The first paint ends the opening; the legend keeps its place from then on.
        form->grab();
        return form;
    }

    TGraphPlot& graph(const QString& name)
    {
        if (name == "pltAxial")
            return m_graphs->pltAxial;
        if (name == "pltTZcurves")
            return m_graphs->pltTZcurves;
        if (name == "PltQW")
            return m_graphs->PltQW;
        return m_graphs->pltLoad;
    }

    QString filePath(const QString& name) const { return m_dir.filePath(name); }
    ChildArea& area() const { return *m_area; }

private:
    QTemporaryDir m_dir;
    QString m_plotFile;
    std::unique_ptr<GraphDefinitions> m_graphs;
    std::unique_ptr<ChildArea> m_area;
};

// Chooses `path` in a save dialog, showing the file type `filter` first, and confirms.
inline void saveAs(QDialog* dialog, const QString& path, const QString& filter = {})
{
    auto* files = qobject_cast<QFileDialog*>(dialog);
    QVERIFY2(files, qPrintable(dialog->objectName()));
    if (!filter.isEmpty())
        files->selectNameFilter(filter);
    files->selectFile(path);
    dialog->accept();
}

// The legend's lines as the user reads them.
inline QStringList legendLines(const PlotLegendView& legend)
{
    QStringList lines;
    for (const LegendEntry& entry : legend.Entries())
        lines << QString::fromStdString(LegendItemText(entry));
    return lines;
}

}  // namespace quarlo::test
