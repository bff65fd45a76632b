// Repainting the load-distribution graph of the largest project the program accepts,
// offscreen: 100 tip movements, a curve of 501 points each, a marker on every point. The
// plot data file comes from the runner on the project bench/common writes. Each iteration
// draws the whole window once, as an expose or a zoom does.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QProcess>

#include <cstdio>
#include <memory>

#include "ChildArea.h"
#include "GraphDefinitions.h"
#include "LargestProject.h"
#include "LoadPlotFile.h"
#include "TPlotForm.h"

namespace {

using namespace quarlo;

struct LargestPlots {
    GraphDefinitions graphs;
    ChildArea area;
    bool loaded = false;

    LargestPlots()
    {
        const auto project = bench::scratchDir() / "largest-plots.qv3d";
        bench::writeLargestProject(project, 1);
        QProcess runner;
        runner.start(QStringLiteral(QUARLO_BIN_DIR "/quarlo-run"), {QString::fromStdString(project.string())});
        runner.waitForFinished(120000);
        auto plotFile = project;
        plotFile.replace_extension(".qv3p");
        loaded = runner.exitCode() == 0 && LoadPlotFile(graphs, plotFile.string(), 1).Loaded;
        if (!loaded)
            std::fprintf(stderr, "the largest project's plot data could not be made\n");
        area.resize(1200, 900);
        area.show();
    }
};

// Made on first use, and gone before the application is: a window may not outlive it.
std::unique_ptr<LargestPlots> g_largest;

LargestPlots& largest()
{
    if (!g_largest)
        g_largest = std::make_unique<LargestPlots>();
    return *g_largest;
}

// Opens the window as the Graphics menu does (maximized in the document area), then paints it
// once per iteration.
void repaintLoadDistribution(benchmark::State& state, bool allCurvesActive)
{
    LargestPlots& plots = largest();
    if (!plots.loaded) {
        state.SkipWithError("no plot data");
        return;
    }
    plots.graphs.pltLoad.LimitActiveCurves = !allCurvesActive;
    auto* form = new TPlotForm(plots.graphs.pltLoad, QStringLiteral("pltLoad"));
    plots.area.AddChild(form);
    QApplication::processEvents();
    for (auto _ : state)
        form->repaint();
    state.counters["curves"] = plots.graphs.pltLoad.CurveCount();
    state.counters["points"] = plots.graphs.pltLoad.PointCount();
    state.counters["width"] = form->width();
    state.counters["height"] = form->height();
    plots.area.CloseAllChildren();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// As the window opens: the first 20 curves active and drawn.
void BM_RepaintLoadDistribution(benchmark::State& state)
{
    repaintLoadDistribution(state, false);
}
BENCHMARK(BM_RepaintLoadDistribution)->Unit(benchmark::kMillisecond);

// All 100 curves drawn, as when the plot does not limit its active curves.
void BM_RepaintLoadDistributionAllCurves(benchmark::State& state)
{
    repaintLoadDistribution(state, true);
}
BENCHMARK(BM_RepaintLoadDistributionAllCurves)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_largest.reset();
    return 0;
}
