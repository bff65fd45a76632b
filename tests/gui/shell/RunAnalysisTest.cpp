#include <QtTest>

#include <cmath>

#include "GraphDefinitions.h"
#include "RunFixture.h"
#include "ScopedNumericLocale.h"

using namespace quarlo;
using namespace quarlo::test;

namespace {

const QString kStatusCompleted = QStringLiteral("Status 0: run completed");

bool plotButtonsEnabled(const TMainForm& form)
{
    return findButton(form, "SpeedButton8")->isEnabled() && findButton(form, "SpeedButton9")->isEnabled() &&
           findButton(form, "SpeedButton10")->isEnabled();
}

bool graphicsItemsEnabled(const TMainForm& form)
{
    openMenu(form, "GraphicsMenu");
    for (const char* item : {"mLoad", "mAxial", "mtzcurves", "mTip", "ExportExcel"})
        if (!findAction(form, item)->isEnabled())
            return false;
    return true;
}

}  // namespace

// Run Analysis on the real engine: what a run writes, what the program then shows, and that
// nothing of the run is left behind.
class RunAnalysisTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { startProgram(); }
    void init() { m_run.start(); }
    void cleanup() { m_run.end(); }

    // The bundled drilled shaft, run under a user locale with a decimal comma: the engine
    // writes its three files, the graphs are read from the plot file, the Graphics menu and
    // the plot buttons come on, and the summary gives the status and the run's one note (the
    // second pile-head load was accepted at 2990 kN, as the engine's note says). The folder
    // and the locale are the user's again afterwards, and no names.dat is left.
    void aCompleteRunShowsItsResults()
    {
        const QString project = m_run.openExample("drilled-shaft-si.qv3d", "pier.qv3d");
        const ScopedNumericLocale userLocale("de_DE.UTF-8");
        const std::string locale = numericLocale();
        const QString folder = QDir::currentPath();
        m_run.form->Area().AddChild(new CountingChild);

        ModalAnswerer answerer;
        SummaryAnswerer summaries(answerer);
        summaries.screenshotNext();
        choose(*m_run.form, "CompRun");

        QCOMPARE(answerer.texts(), QStringList());
        QCOMPARE(m_run.projectFolderFiles(), (QStringList{"pier.qv3d", "pier.qv3o", "pier.qv3p", "pier.qv3r"}));
        QCOMPARE(m_run.loads, QStringList{m_run.file("pier.qv3p")});
        QVERIFY(m_run.form->PlotsLoaded());
        QVERIFY(plotButtonsEnabled(*m_run.form));
        QVERIFY(graphicsItemsEnabled(*m_run.form));
        QVERIFY(m_run.form->Area().subWindowList().isEmpty());

        QCOMPARE(summaries.shown.size(), 1);
        const ShownSummary& shown = summaries.shown.first();
        QCOMPARE(shown.completion,
                 QStringLiteral("Computations are completed. Please, check output file for results or error messages."));
        QCOMPARE(shown.status, kStatusCompleted);
        QCOMPARE(shown.graphs, QStringLiteral("The graphs show the results of this run."));
        QCOMPARE(shown.notes, QStringList{"Head load 3000 kN was accepted below the wanted load: the last solve "
                                          "gave 2990 kN."});
        QVERIFY(shown.downDrag.isEmpty());
        QVERIFY(shown.reportButtonEnabled);

        QCOMPARE(QDir::currentPath(), folder);
        QCOMPARE(numericLocale(), locale);
        if (locale == "de_DE.UTF-8")
            QCOMPARE(std::localeconv()->decimal_point, ",");
        QCOMPARE(m_run.workEntries(), QStringList());
        QCOMPARE(m_run.form->Project().FileName, ModelFileName(project));
    }

    // The load-settlement graph after a run holds the engine's head loads and movements, worked
    // by hand in docs/hand-checks.md (first and second tip movement of each example): point 0
    // is the origin, the head load as written to four significant digits (held to half a unit
    // of its last digit, as is the movement), in kips for an English project (pounds / 1000), in kN for SI.
    void theLoadSettlementGraphHoldsTheRunsResults_data()
    {
        QTest::addColumn<QString>("example");
        QTest::addColumn<double>("load1");
        QTest::addColumn<double>("movement1");
        QTest::addColumn<double>("load2");
        QTest::addColumn<double>("movement2");
        QTest::newRow("SI, kN and m") << "drilled-shaft-si.qv3d" << 815.31 << 0.0014429 << 1458.40 << 0.0033539;
        QTest::newRow("English, kips and in")
            << "driven-pile-clay-english.qv3d" << 48.7446 << 0.032566 << 137.694 << 0.12710;
    }

    void theLoadSettlementGraphHoldsTheRunsResults()
    {
        QFETCH(QString, example);
        QFETCH(double, load1);
        QFETCH(double, movement1);
        QFETCH(double, load2);
        QFETCH(double, movement2);
        m_run.openExample(example, "pile.qv3d");
        ModalAnswerer answerer;
        SummaryAnswerer summaries(answerer);
        choose(*m_run.form, "CompRun");

        QCOMPARE(summaries.shown.size(), 1);
        QCOMPARE(summaries.shown.first().status, kStatusCompleted);
        const TGraphPlot& axial = m_run.form->Graphs().pltAxial;
        QCOMPARE(axial.CurveCount(), 1);
        QCOMPARE(double(axial.CurvePoint(0, 0).X), 0.0);
        QCOMPARE(double(axial.CurvePoint(0, 0).Y), 0.0);
        QVERIFY(asWritten(axial.CurvePoint(0, 1).X, load1));
        QVERIFY(asWritten(axial.CurvePoint(0, 1).Y, movement1));
        QVERIFY(asWritten(axial.CurvePoint(0, 2).X, load2));
        QVERIFY(asWritten(axial.CurvePoint(0, 2).Y, movement2));
    }

    // A project that stops the engine: its status is shown with its meaning, and the graphs
    // of the run before are not offered for it. The pile, 25 m long, reaches below the soil
    // layers, which end at 20 m: no tip curve (status 20).
    void aRunThatStopsShowsItsStatusAndNoStaleGraphs()
    {
        m_run.openExample("drilled-shaft-si.qv3d", "pier.qv3d");
        ModalAnswerer answerer;
        SummaryAnswerer summaries(answerer);
        choose(*m_run.form, "CompRun");
        QVERIFY(m_run.form->PlotsLoaded());

        m_run.form->Project().PileLength = 25;
        summaries.screenshotNext(QStringLiteral("RunSummaryStopped"));
        choose(*m_run.form, "CompRun");

        QCOMPARE(answerer.texts(), QStringList());
        QCOMPARE(summaries.shown.size(), 2);
        const ShownSummary& shown = summaries.shown.last();
        QCOMPARE(shown.status, QStringLiteral("Status 20: no tip curve: no soil layer reaches the pile tip (pile "
                                              "length below the bottom of every layer)"));
        QCOMPARE(shown.graphs,
                 QStringLiteral("The graphs are not available: the run stopped before its results were complete."));
        QCOMPARE(shown.notes, QStringList{"None."});
        QCOMPARE(m_run.loads.size(), 1);
        QVERIFY(!m_run.form->PlotsLoaded());
        QVERIFY(!plotButtonsEnabled(*m_run.form));
        QVERIFY(!graphicsItemsEnabled(*m_run.form));
        // The report of this run, which ends with the engine's warning, is the one offered.
        QVERIFY(shown.reportButtonEnabled);
        QFile report(m_run.file("pier.qv3o"));
        QVERIFY(report.open(QIODevice::ReadOnly));
        QVERIFY(report.readAll().contains("WARNING"));
    }

    // Two runs in a row load and free the engine each: the second starts afresh and gives the
    // same report, the date and time line apart.
    void twoRunsInARowWorkAlike()
    {
        m_run.openExample("driven-pile-clay-english.qv3d", "pile.qv3d");
        ModalAnswerer answerer;
        SummaryAnswerer summaries(answerer);
        choose(*m_run.form, "CompRun");
        const QByteArray first = withoutDateLine(m_run.file("pile.qv3o"));
        choose(*m_run.form, "CompRun");

        QCOMPARE(answerer.texts(), QStringList());
        QCOMPARE(summaries.shown.size(), 2);
        QCOMPARE(summaries.shown[0].status, kStatusCompleted);
        QCOMPARE(summaries.shown[1].status, kStatusCompleted);
        QCOMPARE(m_run.loads.size(), 2);
        QVERIFY(!first.isEmpty());
        QCOMPARE(withoutDateLine(m_run.file("pile.qv3o")), first);
    }

    // A run cannot start from inside another: the command says so and the first run goes on.
    void aRunFromInsideARunIsRefused()
    {
        m_run.openExample("drilled-shaft-si.qv3d", "pier.qv3d");
        ModalAnswerer answerer;
        SummaryAnswerer summaries(answerer);
        m_run.duringLoad = [this] { choose(*m_run.form, "CompRun"); };
        choose(*m_run.form, "CompRun");
        m_run.duringLoad = nullptr;

        QCOMPARE(answerer.texts(), QStringList{"Attempt to reinitialize DLL"});
        QCOMPARE(m_run.loads.size(), 1);
        QCOMPARE(summaries.shown.size(), 1);
        QCOMPARE(summaries.shown.first().status, kStatusCompleted);
    }

private:
    // `shown` is `expected` written with four significant digits: within half a unit of the
    // fourth digit.
    static bool asWritten(long double shown, double expected)
    {
        const double halfUnit = 0.5 * std::pow(10.0, std::floor(std::log10(std::abs(expected))) - 3);
        if (std::abs(double(shown) - expected) <= halfUnit * (1 + 1e-9))
            return true;
        qWarning("%.9g is not %.9g to four significant digits", double(shown), expected);
        return false;
    }

    static QByteArray withoutDateLine(const QString& fileName)
    {
        QFile file(fileName);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QByteArray kept;
        for (const QByteArray& line : file.readAll().split('\n'))
            if (!line.contains("Date:"))
                kept += line + '\n';
        return kept;
    }

    RunFixture m_run;
};

QTEST_MAIN(RunAnalysisTest)
#include "RunAnalysisTest.moc"
