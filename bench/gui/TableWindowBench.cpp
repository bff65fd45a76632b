// Opening the table windows of the largest project the program accepts, offscreen: the
// depths of 100 user t-z curves (a button per curve) and one curve of 100 points with its
// chart. Each iteration opens the window, lets it paint once and closes it again.
#include <benchmark/benchmark.h>

#include <QApplication>

#include <memory>

#include "ChildArea.h"
#include "LargestProject.h"
#include "ProgramData.h"
#include "TableFormBase.h"
#include "TableWindows.h"

namespace {

using namespace quarlo;

struct LargestProject {
    ProjectTables tables;
    std::unique_ptr<TProgramData> project;
    ChildArea area;

    LargestProject()
    {
        const auto path = bench::scratchDir() / "largest-tables.qv3d";
        bench::writeLargestProject(path, 1);
        project = TProgramData::CreateFromFile(tables, path.string(), true);
        area.resize(1200, 900);
        area.show();
        InstallTableWindows(&area);
    }
};

LargestProject& largest()
{
    static LargestProject project;
    return project;
}

// Opens the window, lets it lay out and paint, and closes it.
template <class Table>
void openAndClose(Table& table)
{
    table.Show();
    QApplication::processEvents();
    table.CloseForms();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void BM_OpenCurveDepths(benchmark::State& state)
{
    TGridTableChart& depths = largest().tables.TblTZDepth2();
    for (auto _ : state)
        openAndClose(depths);
    state.counters["rows"] = depths.RowCount();
}
BENCHMARK(BM_OpenCurveDepths)->Unit(benchmark::kMillisecond);

void BM_OpenLargestCurve(benchmark::State& state)
{
    TGridTableChart& curve = *largest().tables.TblTZDepth2().Data(1, 99).SubTable();
    for (auto _ : state)
        openAndClose(curve);
    state.counters["rows"] = curve.RowCount();
}
BENCHMARK(BM_OpenLargestCurve)->Unit(benchmark::kMillisecond);

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
