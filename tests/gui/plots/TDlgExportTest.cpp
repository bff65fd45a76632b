#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "GraphDefinitions.h"
#include "GuiTestSupport.h"
#include "LoadPlotFile.h"
#include "TDlgExport.h"
#include "XlsxPackage.h"

using namespace quarlo;

namespace {

constexpr const char* kExample = "driven-pile-clay-english";

const QStringList kCaptions = {"Load Distribution", "Axial Load vs Settlement", "t-z Curves",
                               "Tip Resistance Curve"};

// The value a cell holds, or NaN when it holds none.
double cellNumber(const QMap<QString, QString>& cells, const QString& reference)
{
    bool ok = false;
    const double value = cells.value(reference).toDouble(&ok);
    return ok ? value : qQNaN();
}

// Records the text of a label each time it is drawn.
class PaintedTexts : public QObject {
public:
    QStringList texts;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            const QString text = static_cast<QLabel*>(watched)->text();
            if (texts.isEmpty() || texts.last() != text)
                texts << text;
        }
        return false;
    }
};

}  // namespace

class TDlgExportTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        test::isolateSettings();
        QVERIFY(m_dir.isValid());
        // The plot data of a bundled example, made by the runner as a run of the program does.
        m_project = m_dir.filePath(QString::fromLatin1(kExample) + ".qv3d");
        QVERIFY(QFile::copy(test::examplePath(QString::fromLatin1(kExample) + ".qv3d"), m_project));
        QProcess runner;
        runner.start(QStringLiteral(QUARLO_BIN_DIR "/quarlo-run"), {m_project});
        QVERIFY(runner.waitForFinished(60000));
        QCOMPARE(runner.exitCode(), 0);
        QVERIFY(loadPlots(m_graphs));
    }

    void cleanup() { m_dialog.reset(); }

    void listsTheFourGraphsCheckedWhenPlotsAreLoaded()
    {
        openDialog(m_graphs, true);
        QCOMPARE(m_dialog->windowTitle(), QString("Export to Excel"));
        QListWidget* list = plotList();
        QCOMPARE(list->count(), 4);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(list->item(i)->text(), kCaptions[i]);
            QVERIFY(list->item(i)->flags().testFlag(Qt::ItemIsEnabled));
            QCOMPARE(list->item(i)->checkState(), Qt::Checked);
        }
        QCOMPARE(&m_dialog->GetPlotPt(3), &m_graphs.pltTZcurves);
        QCOMPARE(m_dialog->GetNPlots(), 4);
        QVERIFY(generateButton()->isEnabled());
        QCOMPARE(button("Button1")->text(), QString("Select All"));
        QCOMPARE(button("Button2")->text(), QString("Unselect All"));
        QCOMPARE(generateButton()->text(), QString("Generate Excel File"));
        QCOMPARE(button("Button4")->text(), QString("Close Window"));
    }

    void withoutResultsNothingCanBeChosen()
    {
        openDialog(m_graphs, false);
        QListWidget* list = plotList();
        QCOMPARE(list->count(), 4);
        m_dialog->Button1Click();
        for (int i = 0; i < 4; ++i) {
            QVERIFY(!list->item(i)->flags().testFlag(Qt::ItemIsEnabled));
            QCOMPARE(list->item(i)->checkState(), Qt::Unchecked);
        }
        QVERIFY(!generateButton()->isEnabled());
    }

    void selectAndUnselectAllFollowTheGenerateRule()
    {
        openDialog(m_graphs, true);
        m_dialog->Button2Click();
        QCOMPARE(m_dialog->GetNPlots(), 0);
        QVERIFY(!generateButton()->isEnabled());
        m_dialog->Button1Click();
        QCOMPARE(m_dialog->GetNPlots(), 4);
        QVERIFY(generateButton()->isEnabled());
    }

    // Entries toggled by hand (the space bar on the current entry) update the button too.
    void checkingByHandUpdatesTheGenerateButton()
    {
        openDialog(m_graphs, true);
        QListWidget* list = plotList();
        list->setFocus();
        for (int i = 0; i < 4; ++i) {
            list->setCurrentRow(i);
            QTest::keyClick(list, Qt::Key_Space);
        }
        QCOMPARE(m_dialog->GetNPlots(), 0);
        QVERIFY(!generateButton()->isEnabled());
        list->setCurrentRow(2);
        QTest::keyClick(list, Qt::Key_Space);
        QCOMPARE(list->item(2)->checkState(), Qt::Checked);
        QVERIFY(generateButton()->isEnabled());
    }

    void theSaveDialogProposesTheProjectsNameBesideIt()
    {
        openDialog(m_graphs, true);
        const QString expected = m_dir.filePath(QString::fromLatin1(kExample) + "-plots.xlsx");
        QString proposed;
        test::ModalAnswerer answerer;
        answerer.onDialog = [&](QDialog* dialog) {
            auto* files = qobject_cast<QFileDialog*>(dialog);
            QVERIFY(files);
            QCOMPARE(files->acceptMode(), QFileDialog::AcceptSave);
            proposed = files->selectedFiles().value(0);
            test::saveScreenshot(dialog, "TDlgExport-save");
            dialog->accept();
        };
        m_dialog->Button3Click();
        QCOMPARE(proposed, expected);
        QVERIFY(QFile::exists(expected));
        QCOMPARE(m_opened, QStringList{expected});
        QVERIFY(answerer.texts().isEmpty());
        QVERIFY(statusText().startsWith("Complete."));
        test::saveScreenshot(m_dialog.get());
        copyToScreenshots(expected);
    }

    void cancellingTheSaveDialogWritesNothing()
    {
        openDialog(m_graphs, true);
        test::ModalAnswerer answerer;
        answerer.onDialog = [](QDialog* dialog) { dialog->reject(); };
        const QStringList before = QDir(m_dir.path()).entryList(QDir::Files);
        m_dialog->Button3Click();
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), before);
        QVERIFY(m_opened.isEmpty());
    }

    void theWorkbookHoldsTheLegendThenEachPlotsDataAndChart()
    {
        const test::XlsxPackage workbook(exportAll("sheets.xlsx"));
        QCOMPARE(workbook.sheetNames(), (QStringList{"Legend", "Page_1", "Plot_1", "Page_2", "Plot_2", "Page_3",
                                                     "Plot_3", "Page_4", "Plot_4"}));
        const QMap<QString, QString> legend = workbook.cells("Legend");
        QCOMPARE(legend.value("B2"), QString("     N    "));
        QCOMPARE(legend.value("C2"), QString("                             Plot Name                             "));
        QCOMPARE(legend.value("D2"), QString("  Sheet Name  "));
        QCOMPARE(legend.value("E2"), QString("  Chart Name  "));
        QCOMPARE(legend.value("F2"), QString("          Status          "));
        const QMap<QString, QString> links = workbook.links("Legend");
        for (int k = 1; k <= 4; ++k) {
            const QString row = QString::number(k + 2);
            QCOMPARE(legend.value("B" + row), QString::number(k));
            QCOMPARE(legend.value("C" + row), kCaptions[k - 1]);
            QCOMPARE(legend.value("D" + row), QString("Page_%1").arg(k));
            QCOMPARE(links.value("D" + row), QString("Page_%1!A1").arg(k));
            QCOMPARE(legend.value("E" + row), QString("Plot_%1").arg(k));
            QCOMPARE(legend.value("F" + row), QString("Complete"));
        }
        QVERIFY(!legend.contains("B7"));
        // The header's blanks widen the plot-name column beyond the default 8.43.
        QVERIFY(workbook.columnWidths("Legend").value(3) > 30);
    }

    // The first t-z curve of the example at depth 0: its file gives the pairs t, z as
    // 0 0, 0.576 0.01, 1.216 0.02, and the sheet puts z in X and t in Y.
    void theDataSheetHoldsTheTitlesAndEveryPointOfEveryCurve()
    {
        const test::XlsxPackage workbook(exportAll("data.xlsx"));
        const QMap<QString, QString> page = workbook.cells("Page_3");
        QCOMPARE(page.value("A1"), QString("t-z Curves"));
        QCOMPARE(page.value("G1"), QString("Go to Legend Page"));
        QCOMPARE(workbook.links("Page_3").value("G1"), QString("Legend!A1"));
        QCOMPARE(page.value("A2"), QString("X"));
        QCOMPARE(page.value("B2"), QString("Displacement, z (in)"));
        QCOMPARE(page.value("A3"), QString("Y"));
        QCOMPARE(page.value("B3"), QString("Unit Load Transfer, t (lbs/in^2)"));
        QCOMPARE(page.value("A4"), QString("0 in"));
        QCOMPARE(page.value("A5"), QString("X"));
        QCOMPARE(page.value("B5"), QString("Y"));
        QCOMPARE(cellNumber(page, "A6"), 0.0);
        QCOMPARE(cellNumber(page, "B6"), 0.0);
        QCOMPARE(cellNumber(page, "A7"), 0.01);
        QCOMPARE(cellNumber(page, "B7"), 0.576);
        QCOMPARE(cellNumber(page, "A8"), 0.02);
        QCOMPARE(cellNumber(page, "B8"), 1.216);

        // Every point of the last curve (columns AC and AD), as read from the plot data file.
        const TGraphPlot& tz = m_graphs.pltTZcurves;
        QCOMPARE(tz.CurveCount(), 15);
        QCOMPARE(page.value("AC4"), QString::fromStdString(tz.Curve(14).LegendText()));
        for (int i = 0; i < tz.PointCount(); ++i) {
            const QString row = QString::number(6 + i);
            QCOMPARE(cellNumber(page, "AC" + row), double(tz.CurvePoint(14, i).X));
            QCOMPARE(cellNumber(page, "AD" + row), double(tz.CurvePoint(14, i).Y));
        }
        QVERIFY(!page.contains("AC" + QString::number(6 + tz.PointCount())));
    }

    // The t-z plot has 15 curves of 10 points: the 14th needs columns AA and AB.
    void eachChartSeriesIsNamedAndTakesItsColumns_data()
    {
        QTest::addColumn<int>("series");
        QTest::addColumn<QString>("xFormula");
        QTest::addColumn<QString>("yFormula");
        QTest::newRow("first") << 1 << "Page_3!$A$6:$A$15" << "Page_3!$B$6:$B$15";
        QTest::newRow("thirteenth") << 13 << "Page_3!$Y$6:$Y$15" << "Page_3!$Z$6:$Z$15";
        QTest::newRow("fourteenth") << 14 << "Page_3!$AA$6:$AA$15" << "Page_3!$AB$6:$AB$15";
        QTest::newRow("fifteenth") << 15 << "Page_3!$AC$6:$AC$15" << "Page_3!$AD$6:$AD$15";
    }

    void eachChartSeriesIsNamedAndTakesItsColumns()
    {
        QFETCH(int, series);
        QFETCH(QString, xFormula);
        QFETCH(QString, yFormula);
        if (!m_chartBook)
            m_chartBook = std::make_unique<test::XlsxPackage>(exportAll("charts.xlsx"));
        const test::XlsxChart chart = m_chartBook->chart("Plot_3");
        QVERIFY(chart.found);
        QCOMPARE(chart.series.size(), 15);
        const test::XlsxSeries& one = chart.series[series - 1];
        QCOMPARE(one.name, QString::fromStdString(m_graphs.pltTZcurves.Curve(series - 1).LegendText()));
        QCOMPARE(one.xFormula, xFormula);
        QCOMPARE(one.yFormula, yFormula);
    }

    void chartsAreScattersWithTitledAxesAndDepthGrowingDownward_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("xTitle");
        QTest::addColumn<QString>("yTitle");
        QTest::addColumn<bool>("reversed");
        QTest::newRow("load distribution") << "Plot_1" << "Total Capacity  (kips)" << "Depth  (ft)" << true;
        QTest::newRow("load-settlement") << "Plot_2" << "Axial Load  (kips)" << "Settlement  (in)" << true;
        QTest::newRow("t-z curves") << "Plot_3" << "Displacement, z (in)" << "Unit Load Transfer, t (lbs/in^2)"
                                    << false;
        QTest::newRow("tip curve") << "Plot_4" << "Q (lbs)" << "w (in)" << true;
    }

    void chartsAreScattersWithTitledAxesAndDepthGrowingDownward()
    {
        QFETCH(QString, sheet);
        QFETCH(QString, xTitle);
        QFETCH(QString, yTitle);
        QFETCH(bool, reversed);
        if (!m_chartBook)
            m_chartBook = std::make_unique<test::XlsxPackage>(exportAll("charts.xlsx"));
        const test::XlsxChart chart = m_chartBook->chart(sheet);
        QVERIFY(chart.found);
        QCOMPARE(chart.scatterStyle, QString("lineMarker"));
        QVERIFY(!chart.hasTitle);
        QVERIFY(chart.hasLegend);
        QCOMPARE(chart.x.title, xTitle);
        QCOMPARE(chart.y.title, yTitle);
        QVERIFY(chart.x.majorGridlines);
        QVERIFY(chart.y.majorGridlines);
        QVERIFY(!chart.x.reversed);
        QCOMPARE(chart.y.reversed, reversed);
    }

    void uncheckingEveryPlotGivesTheLegendSheetOnly()
    {
        openDialog(m_graphs, true);
        m_dialog->Button2Click();
        const QString path = m_dir.filePath("legend-only.xlsx");
        m_dialog->GenerateTo(path);
        const test::XlsxPackage workbook(path);
        QCOMPARE(workbook.sheetNames(), QStringList{"Legend"});
        const QMap<QString, QString> legend = workbook.cells("Legend");
        QCOMPARE(legend.size(), 5);
        QCOMPARE(legend.value("B2"), QString("     N    "));
    }

    void aPlotWithoutCurvesGetsItsDataSheetWithoutAChart()
    {
        GraphDefinitions graphs;
        QVERIFY(loadPlots(graphs));
        graphs.PltQW.SetCurveCount(0);
        openDialog(graphs, true);
        const QString path = m_dir.filePath("no-tip-curve.xlsx");
        m_dialog->GenerateTo(path);
        const test::XlsxPackage workbook(path);
        QCOMPARE(workbook.sheetNames().mid(6), (QStringList{"Plot_3", "Page_4"}));
        const QMap<QString, QString> legend = workbook.cells("Legend");
        QVERIFY(!legend.contains("E6"));
        QCOMPARE(legend.value("F6"), QString("Complete"));
        QCOMPARE(workbook.cells("Page_4").value("B3"), QString("w (in)"));
    }

    // A name the workbook would take for a formula is taken from its cell, which shows it.
    void aCurveNamedLikeAFormulaKeepsItsName()
    {
        GraphDefinitions graphs;
        QVERIFY(loadPlots(graphs));
        graphs.pltAxial.Curve(0).Name = "=1+2";
        openDialog(graphs, true);
        const QString path = m_dir.filePath("formula-name.xlsx");
        m_dialog->GenerateTo(path);
        const test::XlsxPackage workbook(path);
        QCOMPARE(workbook.cells("Page_2").value("A4"), QString("=1+2"));
        const test::XlsxChart chart = workbook.chart("Plot_2");
        QCOMPARE(chart.series.size(), 1);
        QCOMPARE(chart.series[0].nameFormula, QString("Page_2!$A$4"));
    }

    void anUnwritableWorkbookGivesTheReasonAndLeavesNoFile_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing folder") << "missing/plots.xlsx" << "No such file or directory";
        QTest::newRow("read-only workbook") << "readonly.xlsx" << "Permission denied";
    }

    void anUnwritableWorkbookGivesTheReasonAndLeavesNoFile()
    {
        QFETCH(QString, target);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QFile old(dir.filePath("readonly.xlsx"));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("the engineer's workbook");
        old.close();
        QVERIFY(old.setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadGroup));
        openDialog(m_graphs, true);
        test::ModalAnswerer answerer;
        const QString path = dir.filePath(target);
        m_dialog->GenerateTo(path);
        QCOMPARE(answerer.texts(), QStringList{"Cannot save " + path + ": " + reason});
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"readonly.xlsx"});
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("the engineer's workbook"));
        QVERIFY(m_opened.isEmpty());
        QCOMPARE(statusText(), QString("The workbook was not written."));
    }

    // Nothing of a refused export escapes the button's handler: the reason is shown and no
    // file is left.
    void aGraphTooWideForAWorksheetIsRefusedByName()
    {
        GraphDefinitions graphs;
        QVERIFY(loadPlots(graphs));
        graphs.pltTZcurves.SetCurveCount(8193);
        openDialog(graphs, true);
        test::ModalAnswerer answerer;
        const QString path = m_dir.filePath("too-wide.xlsx");
        m_dialog->GenerateTo(path);
        QCOMPARE(answerer.texts(),
                 QStringList{"The plot \"t-z Curves\" has 8193 curves; a worksheet has columns for at most 8192."});
        QVERIFY(!QFile::exists(path));
        QVERIFY(m_opened.isEmpty());
    }

    // The status line is drawn at every step while the workbook is written, and ends
    // "Complete".
    void theStatusLineShowsTheProgressOfEachPlot()
    {
        openDialog(m_graphs, true);
        m_dialog->Button2Click();
        plotList()->item(2)->setCheckState(Qt::Checked);
        plotList()->item(3)->setCheckState(Qt::Checked);
        PaintedTexts painted;
        QLabel* status = m_dialog->findChild<QLabel*>("LabelStatus");
        status->installEventFilter(&painted);
        m_dialog->GenerateTo(m_dir.filePath("progress.xlsx"));
        const QString saved = "Complete. The workbook is saved as \"" + m_dir.filePath("progress.xlsx") + "\".";
        QCOMPARE(painted.texts, (QStringList{"t-z Curves (1 of 2): In Progress, Data",
                                             "t-z Curves (1 of 2): In Progress, Chart",
                                             "Tip Resistance Curve (2 of 2): In Progress, Data",
                                             "Tip Resistance Curve (2 of 2): In Progress, Chart",
                                             "Writing the workbook file...", saved}));
    }

    void withoutAProgramForWorkbooksTheDialogSaysWhereTheFileIs()
    {
        openDialog(m_graphs, true);
        m_dialog->SetOpener([](const QString&) { return false; });
        test::ModalAnswerer answerer;
        // The box is wider than the dialog: drawn over a larger backdrop, so it shows whole.
        QWidget backdrop;
        backdrop.resize(640, 444);
        answerer.screenshotNextBox(&backdrop, "TDlgExport-not-opened");
        const QString path = m_dir.filePath("not-opened.xlsx");
        m_dialog->GenerateTo(path);
        QVERIFY(QFile::exists(path));
        QCOMPARE(answerer.texts(),
                 QStringList{"The workbook is saved as \"" + path +
                             "\", but no program to open it was found. Please open it with a spreadsheet program."});
        QCOMPARE(statusText(), "Complete. The workbook is saved as \"" + path + "\".");
    }

private:
    bool loadPlots(GraphDefinitions& graphs)
    {
        const QString plotFile = m_dir.filePath(QString::fromLatin1(kExample) + ".qv3p");
        return LoadPlotFile(graphs, plotFile.toStdString(), 1).Loaded;
    }

    void openDialog(GraphDefinitions& graphs, bool plotsLoaded)
    {
        m_opened.clear();
        m_dialog = std::make_unique<TDlgExport>(graphs, plotsLoaded, m_project);
        m_dialog->SetOpener([this](const QString& fileName) {
            m_opened << fileName;
            return true;
        });
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
    }

    // The example's four plots exported to `name` in the test's folder.
    QString exportAll(const QString& name)
    {
        openDialog(m_graphs, true);
        const QString path = m_dir.filePath(name);
        test::ModalAnswerer answerer;
        m_dialog->GenerateTo(path);
        [&] { QVERIFY2(answerer.texts().isEmpty(), qPrintable(answerer.lastText())); }();
        return path;
    }

    static void copyToScreenshots(const QString& path)
    {
        const QString dir = qEnvironmentVariable("QUARLO_SCREENSHOT_DIR");
        if (dir.isEmpty())
            return;
        const QString copy = QDir(dir).filePath(QFileInfo(path).fileName());
        QFile::remove(copy);
        QFile::copy(path, copy);
    }

    QListWidget* plotList() const { return m_dialog->findChild<QListWidget*>("CheckListBoxPlots"); }
    QPushButton* button(const char* name) const { return m_dialog->findChild<QPushButton*>(name); }
    QPushButton* generateButton() const { return button("Button3"); }
    QString statusText() const { return m_dialog->findChild<QLabel*>("LabelStatus")->text(); }

    QTemporaryDir m_dir;
    QString m_project;
    GraphDefinitions m_graphs;
    std::unique_ptr<TDlgExport> m_dialog;
    std::unique_ptr<test::XlsxPackage> m_chartBook;
    QStringList m_opened;
};

QTEST_MAIN(TDlgExportTest)
#include "TDlgExportTest.moc"
