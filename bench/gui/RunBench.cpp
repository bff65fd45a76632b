// Run Analysis from the program on the largest project it accepts, offscreen: the save, the
// engine loaded, called and freed, the plots read, the child windows closed and the run
// summary made and shown (closed again as soon as it is up). The engine writes the full report
// (KPRINT 0: the load-transfer table of every tip movement), the heaviest case.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTimer>

#include <memory>

#include "ApplicationSetup.h"
#include "ComputationCommands.h"
#include "FileCommands.h"
#include "GraphDefinitions.h"
#include "LargestProject.h"
#include "LoadPlotFile.h"
#include "ModelFileNames.h"
#include "ProgramData.h"
#include "TMainForm.h"

namespace {

using namespace quarlo;

// Closes every modal window the moment it is up, as a user who has read it.
class ModalCloser : public QObject {
public:
    ModalCloser()
    {
        connect(&m_timer, &QTimer::timeout, this, [] {
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        });
        m_timer.start(1);
    }

private:
    QTimer m_timer;
};

struct RunSetup {
    TMainForm form;
    GraphDefinitions graphs;
    bool loaded = false;

    RunSetup()
    {
        const auto path = bench::scratchDir() / "largest-run.qv3d";
        bench::writeLargestProject(path, 0);
        form.Files().OpenFileName(QString::fromStdString(path.string()), true);
        // The graphs' own reader, which the plot windows read the file with.
        form.SetPlotFileLoader([this](const QString& fileName, bool) {
            loaded = LoadPlotFile(graphs, ModelFileName(fileName), form.Project().Units()).Loaded;
            return loaded;
        });
    }
};

void BM_RunLargestProjectFromTheProgram(benchmark::State& state)
{
    RunSetup setup;
    ModalCloser closer;
    for (auto _ : state) {
        setup.form.Computation().CompRunClick();
        if (!setup.loaded)
            state.SkipWithError("the run's plots were not read");
    }
    state.counters["tz_curves"] = setup.graphs.pltTZcurves.CurveCount();
    state.counters["load_curves"] = setup.graphs.pltLoad.CurveCount();
}
BENCHMARK(BM_RunLargestProjectFromTheProgram)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    ConfigureApplication();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
