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

void BM_RunLargestProjectFromTheProgram(benchmark::State& state)
{
    const auto path = bench::scratchDir() / "largest-run.qv3d";
    bench::writeLargestProject(path, 0);
    TMainForm form;
    form.Files().OpenFileName(QString::fromStdString(path.string()), true);
    ModalCloser closer;
    for (auto _ : state) {
        form.Computation().CompRunClick();
        if (!form.PlotsLoaded())
            state.SkipWithError("the run's plots were not read");
    }
    state.counters["tz_curves"] = form.Graphs().pltTZcurves.CurveCount();
    state.counters["load_curves"] = form.Graphs().pltLoad.CurveCount();
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
