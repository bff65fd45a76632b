// Program start to main window shown, offscreen.
//
// BM_ProgramStartToMainWindowShown starts this benchmark program afresh for every iteration, in
// a mode that does what QUARLO2014 does at start (application, names, main window, show) and
// quits once the window is exposed: the time a user waits, Qt's loading of its libraries,
// plugins and fonts included. Its time is wall-clock (manual time); the child's CPU time is
// the counter child_cpu_ms.
//
// BM_MainWindowShown makes and shows the main window inside one running application: the
// program's own share of the start, without the process and Qt's first-use costs.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QWindow>

#include <sys/resource.h>

#include <cstring>
#include <memory>

#include "ApplicationSetup.h"
#include "TMainForm.h"

namespace {

constexpr const char* kStartOnce = "--start-once";

void waitUntilExposed(QWidget& window)
{
    while (!window.windowHandle() || !window.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// The program's start: what QUARLO2014 does before the user sees its window.
int startOnce(int argc, char** argv)
{
    QApplication application(argc, argv);
    quarlo::ConfigureApplication();
    quarlo::TMainForm form;
    form.show();
    waitUntilExposed(form);
    return 0;
}

double childCpuMilliseconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

void BM_ProgramStartToMainWindowShown(benchmark::State& state)
{
    const double cpuBefore = childCpuMilliseconds();
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        const int exitCode = QProcess::execute(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kStartOnce)});
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
        if (exitCode != 0)
            state.SkipWithError("the program did not start");
    }
    state.counters["child_cpu_ms"] =
        benchmark::Counter((childCpuMilliseconds() - cpuBefore) / double(state.iterations()));
}
BENCHMARK(BM_ProgramStartToMainWindowShown)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_MainWindowShown(benchmark::State& state)
{
    for (auto _ : state) {
        auto form = std::make_unique<quarlo::TMainForm>();
        form->show();
        waitUntilExposed(*form);
        state.PauseTiming();
        form.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_MainWindowShown)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], kStartOnce) == 0)
        return startOnce(argc, argv);
    QApplication application(argc, argv);
    quarlo::ConfigureApplication();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
