// Exporting the four result graphs of the largest project the program accepts to a workbook:
// the load distribution of 100 tip movements over 500 increments, 100 t-z curves of 100
// points, the load-settlement curve and the tip curve. The plot data comes from a run of the
// engine (quarlo-run) on the project bench/common writes; each iteration writes the whole
// workbook beside its target and renames it over the previous one.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QProcess>

#include <filesystem>
#include <memory>
#include <vector>

#include "GraphDefinitions.h"
#include "LargestProject.h"
#include "LoadPlotFile.h"
#include "TDlgExport.h"
#include "XlsxWorkbook.h"

namespace {

using namespace quarlo;

struct LargestPlots {
    GraphDefinitions graphs;
    std::filesystem::path project;
    std::string problem;

    LargestPlots()
    {
        project = bench::scratchDir() / "largest-export.qv3d";
        bench::writeLargestProject(project, 1);
        QProcess runner;
        runner.start(QStringLiteral(QUARLO_BIN_DIR "/quarlo-run"), {QString::fromStdString(project.string())});
        if (!runner.waitForFinished(120000) || runner.exitCode() != 0) {
            problem = "quarlo-run did not complete; build it first";
            return;
        }
        const PlotLoadResult loaded = LoadPlotFile(graphs, std::filesystem::path(project).replace_extension(".qv3p").string(), 1);
        if (!loaded.Loaded)
            problem = "the plot data file could not be read: " + loaded.Detail;
    }

    std::vector<const TGraphPlot*> all()
    {
        const auto four = graphs.ResultGraphs();
        return {four.begin(), four.end()};
    }

    std::size_t points()
    {
        std::size_t count = 0;
        for (const TGraphPlot* plot : all())
            count += static_cast<std::size_t>(plot->CurveCount()) * static_cast<std::size_t>(plot->PointCount());
        return count;
    }
};

LargestPlots& largest()
{
    static LargestPlots plots;
    return plots;
}

std::string workbookPath()
{
    return (bench::scratchDir() / "largest-plots.xlsx").string();
}

void BM_ExportLargestPlots(benchmark::State& state)
{
    LargestPlots& plots = largest();
    if (!plots.problem.empty()) {
        state.SkipWithError(plots.problem.c_str());
        return;
    }
    for (auto _ : state)
        ExportPlotsToWorkbook(plots.all(), workbookPath());
    state.counters["points"] = static_cast<double>(plots.points());
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(workbookPath()));
}
BENCHMARK(BM_ExportLargestPlots)->Unit(benchmark::kMillisecond);

// The same through the dialog, with its progress line drawn for every sheet.
void BM_ExportLargestPlotsFromDialog(benchmark::State& state)
{
    LargestPlots& plots = largest();
    if (!plots.problem.empty()) {
        state.SkipWithError(plots.problem.c_str());
        return;
    }
    TDlgExport dialog(plots.graphs, true, QString::fromStdString(plots.project.string()));
    dialog.SetOpener([](const QString&) { return true; });
    dialog.show();
    QApplication::processEvents();
    for (auto _ : state)
        dialog.GenerateTo(QString::fromStdString(workbookPath()));
}
BENCHMARK(BM_ExportLargestPlotsFromDialog)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
