#include <QPlainTextEdit>
#include <QtTest>

#include "ReportViewer.h"
#include "RunFixture.h"

using namespace quarlo;
using namespace quarlo::test;

// The run summary of the bundled examples, and the report read inside the program.
class RunSummaryTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { startProgram(); }
    void init() { m_run.start(); }
    void cleanup() { m_run.end(); }

    // The bundled down-drag example lists a neutral plane and drag load for each tip
    // movement, and why the pile-head loads have none. The first row, worked by hand from
    // the plot data file the run writes: the relative movement turns from -0.000489 m at
    // 9.75 m to +0.00074 m at 10.25 m, so at 9.75 + 0.5 x 0.489 / 1.229 = 9.949 m; the loads
    // either side carry on to 206.6 and 203.8 kN there, largest load 205.2 kN, and with the
    // head load of -148.3 kN a drag load of 353.5 kN (four significant digits, as written).
    void aDownDragRunListsNeutralPlanesAndDragLoads()
    {
        m_run.openExample("user-curves-si.qv3d", "downdrag.qv3d");
        ModalAnswerer answerer;
        SummaryAnswerer summaries(answerer);
        summaries.screenshotNext(QStringLiteral("RunSummaryDownDrag"));
        choose(*m_run.form, "CompRun");

        QCOMPARE(answerer.texts(), QStringList());
        QCOMPARE(summaries.shown.size(), 1);
        const ShownSummary& shown = summaries.shown.first();
        QCOMPARE(shown.downDragTitles, (QStringList{"Row", "Head load (kN)", "Neutral plane depth (m)",
                                                    "Axial load there (kN)", "Drag load (kN)"}));
        QCOMPARE(shown.downDrag.size(), 9);
        QCOMPARE(shown.downDrag.first(), (QStringList{"Tip movement 1", "-148.3", "9.949", "205.2", "353.5"}));
        for (int row = 0; row < 7; ++row) {
            QCOMPARE(shown.downDrag[row][0], QStringLiteral("Tip movement %1").arg(row + 1));
            QVERIFY2(!shown.downDrag[row][4].isEmpty(), qPrintable(shown.downDrag[row].join(" | ")));
        }
        QCOMPARE(shown.downDrag[7], (QStringList{"Head load 1", "800",
                                                 "the run writes no load distribution for pile-head loads", "", ""}));
        QCOMPARE(shown.notes,
                 (QStringList{"Head load 800 kN was accepted below the wanted load: the last solve gave 787.1 kN.",
                              "Head load 1600 kN was accepted below the wanted load: the last solve gave 1593 kN."}));
    }

    // Without a text editor of the user's choice and without a desktop program for the
    // report (none offscreen), Open Report shows it inside the program: read-only, in a
    // fixed-pitch font, lines as the engine wrote them.
    void theReportOpensInTheViewer()
    {
        m_run.openExample("drilled-shaft-si.qv3d", "pier.qv3d");
        m_run.form->EditorPath().clear();
        ModalAnswerer answerer;
        SummaryAnswerer summaries(answerer);
        summaries.openReportNext();
        choose(*m_run.form, "CompRun");

        QCOMPARE(answerer.texts(), QStringList());
        auto* viewer = m_run.form->findChild<ReportViewer*>(QStringLiteral("ReportViewer"));
        QVERIFY(viewer);
        QVERIFY(viewer->isVisible());
        QVERIFY(viewer->Text().isReadOnly());
        QVERIFY(QFontInfo(viewer->Text().font()).fixedPitch());
        QCOMPARE(viewer->Text().lineWrapMode(), QPlainTextEdit::NoWrap);
        QFile report(m_run.file("pier.qv3o"));
        QVERIFY(report.open(QIODevice::ReadOnly | QIODevice::Text));
        QCOMPARE(viewer->Text().toPlainText(), QString::fromUtf8(report.readAll()));
        QCOMPARE(viewer->windowTitle(), QStringLiteral("pier.qv3o"));
        saveScreenshot(m_run.form.get(), QStringLiteral("ReportViewer"));
    }

    // With an editor of the user's choice the report goes to it, as Edit Output Text sends it.
    void theReportGoesToTheChosenEditor()
    {
        m_run.openExample("drilled-shaft-si.qv3d", "pier.qv3d");
        const QString editor = m_run.file("editor");
        const QString received = m_run.file("received.txt");
        writeFile(editor, QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$1\" > '%1'\n").arg(received).toUtf8());
        QFile::setPermissions(editor, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        m_run.form->EditorPath() = editor;
        ModalAnswerer answerer;
        SummaryAnswerer summaries(answerer);
        summaries.openReportNext();
        choose(*m_run.form, "CompRun");

        QCOMPARE(answerer.texts(), QStringList());
        QTRY_VERIFY(QFileInfo(received).size() > 0);
        QCOMPARE(QString::fromUtf8(readAll(received)), m_run.file("pier.qv3o") + '\n');
        QVERIFY(!m_run.form->findChild<ReportViewer*>());
    }

private:
    RunFixture m_run;
};

QTEST_MAIN(RunSummaryTest)
#include "RunSummaryTest.moc"
