#include <QAbstractItemView>
#include <QMdiSubWindow>
#include <QtTest>

#include <cmath>

#include "CommandRules.h"
#include "MainFormFixture.h"
#include "OptionCommands.h"
#include "ProjectFileNames.h"

using namespace quarlo;
using namespace quarlo::test;

namespace {

bool enabled(const QWidget& form, const QString& name)
{
    if (QToolButton* button = findButton(form, name))
        return button->isEnabled();
    QAction* action = findAction(form, name);
    return action && action->isEnabled();
}

bool checked(const QWidget& form, const QString& name)
{
    QAction* action = findAction(form, name);
    return action && action->isChecked();
}

}  // namespace

class MainEnableRulesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { startProgram(); }
    void init()
    {
        m_form = showMainForm();
        QVERIFY(m_dir.isValid());
    }
    void cleanup() { m_form.reset(); }

    // The curve source decides between the soil layers and the user's curves; the load
    // method, down-drag and factor switches each enable their own table. Expected values are
    // the examples' own records (curve source on line 3, the sections present after it).
    void theDataMenuFollowsTheExamplesSwitches_data()
    {
        QTest::addColumn<QString>("example");
        QTest::addColumn<bool>("generated");
        QTest::addColumn<bool>("tipMovements");
        QTest::addColumn<bool>("headLoads");
        QTest::addColumn<bool>("downdrag");
        QTest::addColumn<bool>("tzFactors");
        QTest::newRow("generated, English") << "driven-pile-clay-english.qv3d" << true << true << true << false
                                            << false;
        QTest::newRow("generated, S.I.") << "drilled-shaft-si.qv3d" << true << true << true << false << false;
        QTest::newRow("user curves, English") << "user-curves-english.qv3d" << false << false << false << false
                                              << false;
        QTest::newRow("user curves, S.I.") << "user-curves-si.qv3d" << false << true << true << true << true;
    }

    void theDataMenuFollowsTheExamplesSwitches()
    {
        QFETCH(QString, example);
        QFETCH(bool, generated);
        QFETCH(bool, tipMovements);
        QFETCH(bool, headLoads);
        QFETCH(bool, downdrag);
        QFETCH(bool, tzFactors);
        m_form->Files().OpenFileName(examplePath(example), true);
        openMenu(*m_form, "DataMenu");
        QCOMPARE(enabled(*m_form, "SoilLayerCoordinates1"), generated);
        QCOMPARE(enabled(*m_form, "SoilParameters1"), !generated);
        QCOMPARE(enabled(*m_form, "PileProperties1"), !generated);
        QCOMPARE(enabled(*m_form, "TipMovement1"), tipMovements);
        QCOMPARE(enabled(*m_form, "Topload1"), headLoads);
        QCOMPARE(enabled(*m_form, "Settlements1"), downdrag);
        QCOMPARE(enabled(*m_form, "tzfactortable"), tzFactors);
        QCOMPARE(enabled(*m_form, "SpeedButton7"), generated);
        for (const char* always : {"DataTitle", "material"})
            QVERIFY2(enabled(*m_form, always), always);
        // The curve source shows in the Options menu the same way.
        openMenu(*m_form, "Option1");
        QCOMPARE(checked(*m_form, "miCircular"), generated);
        QCOMPARE(checked(*m_form, "miNonCircular"), !generated);
    }

    void theGraphicsMenuNeedsLoadedPlotsAndThePlotFile_data()
    {
        QTest::addColumn<QString>("example");
        QTest::newRow("generated curves") << "driven-pile-clay-english.qv3d";
        QTest::newRow("user curves") << "user-curves-si.qv3d";
    }

    void theGraphicsMenuNeedsLoadedPlotsAndThePlotFile()
    {
        QFETCH(QString, example);
        const QStringList items{"mLoad", "mAxial", "mtzcurves", "mTip", "ExportExcel"};
        openMenu(*m_form, "GraphicsMenu");
        for (const QString& item : items)
            QVERIFY2(!enabled(*m_form, item), qPrintable(item));

        const QString project = copyExample(m_dir, example);
        m_form->Files().OpenFileName(project, true);
        const QString plotFile = QString::fromStdString(PlotFileName(project.toStdString()));
        m_form->SetPlotsLoaded(true);
        openMenu(*m_form, "GraphicsMenu");
        for (const QString& item : items)
            QVERIFY2(!enabled(*m_form, item), "plots loaded, but no plot file");

        writeFile(plotFile, "plots");
        openMenu(*m_form, "GraphicsMenu");
        for (const QString& item : items)
            QVERIFY2(enabled(*m_form, item), qPrintable(item));

        // A plot file deleted outside the program disables them at the next opening.
        QVERIFY(QFile::remove(plotFile));
        openMenu(*m_form, "GraphicsMenu");
        for (const QString& item : items)
            QVERIFY2(!enabled(*m_form, item), qPrintable(item));
    }

    void thePlotButtonsNeedLoadedPlotsAndThePlotFile()
    {
        const QStringList buttons{"SpeedButton8", "SpeedButton9", "SpeedButton10"};
        for (const QString& button : buttons)
            QVERIFY2(!enabled(*m_form, button), "disabled at start");
        const QString project = copyExample(m_dir, "drilled-shaft-si.qv3d");
        writeFile(QString::fromStdString(PlotFileName(project.toStdString())), "plots");
        m_form->Files().OpenFileName(project, true);
        for (const QString& button : buttons)
            QVERIFY2(!enabled(*m_form, button), "plots not loaded");
        m_form->SetPlotsLoaded(true);
        for (const QString& button : buttons)
            QVERIFY2(enabled(*m_form, button), qPrintable(button));
        for (const char* always : {"SpeedButton1", "SpeedButton2", "SpeedButton3", "SpeedButton4", "SpeedButton5",
                                   "SpeedButton6"})
            QVERIFY2(enabled(*m_form, always), always);
    }

    void theComputationMenuEnablesEachTextCommandWithItsFile()
    {
        openMenu(*m_form, "ComputationMenu");
        for (const char* item : {"CompInput", "CompKernel", "CompOutput"})
            QVERIFY2(!enabled(*m_form, item), "a new project has no files");
        const QString project = copyExample(m_dir, "user-curves-english.qv3d");
        m_form->Files().OpenFileName(project, true);
        writeFile(QString::fromStdString(ReportFileName(project.toStdString())), "report");
        openMenu(*m_form, "ComputationMenu");
        QVERIFY(enabled(*m_form, "CompInput"));
        QVERIFY(!enabled(*m_form, "CompKernel"));
        QVERIFY(enabled(*m_form, "CompOutput"));
        QVERIFY(enabled(*m_form, "CompRun"));
    }

    // Each option item inverts its switch, shows it checked the next time the menu opens,
    // enables its data entry, and marks the project modified: the switches are saved with it.
    void optionChecksFollowEveryToggle_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("dataEntry");
        QTest::newRow("tip movements") << "SpecifyTipDisplacement1" << int(ProjectOption::TipMovements)
                                       << "TipMovement1";
        QTest::newRow("head loads") << "AssignLoad1" << int(ProjectOption::HeadLoads) << "Topload1";
        QTest::newRow("down-drag") << "Downdrag1" << int(ProjectOption::Downdrag) << "Settlements1";
        QTest::newRow("t-z factors") << "ApplyFactors" << int(ProjectOption::TzFactors) << "tzfactortable";
        QTest::newRow("Q-w factors") << "ApplyQwFactors" << int(ProjectOption::QwFactors) << "QwFactorTable";
    }

    void optionChecksFollowEveryToggle()
    {
        QFETCH(QString, item);
        QFETCH(int, option);
        QFETCH(QString, dataEntry);
        const auto projectOption = static_cast<ProjectOption>(option);
        const bool before = OptionOn(m_form->Project(), projectOption);
        for (const bool expected : {!before, before}) {
            choose(*m_form, item);
            QCOMPARE(OptionOn(m_form->Project(), projectOption), expected);
            openMenu(*m_form, "Option1");
            QCOMPARE(checked(*m_form, item), expected);
            openMenu(*m_form, "DataMenu");
            QCOMPARE(enabled(*m_form, dataEntry), expected);
        }
        QVERIFY(m_form->IsModified());
    }

    void choosingUserCurvesSwitchesTheDataEntriesAndTheButton()
    {
        choose(*m_form, "miNonCircular");
        QVERIFY(!m_form->Project().CurvesGenerated);
        QVERIFY(m_form->IsModified());
        QVERIFY(!enabled(*m_form, "SpeedButton7"));
        QVERIFY(!enabled(*m_form, "SoilLayerCoordinates1"));
        QVERIFY(enabled(*m_form, "SoilParameters1"));
        QVERIFY(enabled(*m_form, "PileProperties1"));
        openMenu(*m_form, "PileSection1");
        QVERIFY(checked(*m_form, "miNonCircular"));
        QVERIFY(!checked(*m_form, "miCircular"));

        choose(*m_form, "miCircular");
        QVERIFY(m_form->Project().CurvesGenerated);
        QVERIFY(enabled(*m_form, "SpeedButton7"));
        QVERIFY(enabled(*m_form, "SoilLayerCoordinates1"));
        QVERIFY(!enabled(*m_form, "SoilParameters1"));
    }

    void choosingTheCurveSourceInUseChangesNothing()
    {
        choose(*m_form, "miCircular");
        QVERIFY(m_form->Project().CurvesGenerated);
        QVERIFY(!m_form->IsModified());
        QVERIFY(checked(*m_form, "miCircular"));
    }

    // The example's pile is 720 in long with its first layer bottom at 240 in; in S.I. they are
    // 720 x 0.0254 = 18.288 m and 6.096 m (the factor's ten digits allow a relative 1e-10).
    void theUnitSwitchConvertsTheProjectItsTablesAndItsWindows()
    {
        m_form->Files().OpenFileName(examplePath("driven-pile-clay-english.qv3d"), true);
        QCOMPARE(double(m_form->Project().PileLength), 720.0);
        TGridTableChart& layers = m_form->Tables().D2();
        QCOMPARE(double(layers.Data(1, 0).AsFloat()), 240.0);
        choose(*m_form, "SoilLayerCoordinates1");
        auto* dataWindow = new CountingChild(QStringLiteral("Pile Properties"));
        m_form->Area().AddChild(dataWindow);

        choose(*m_form, "SIUnits1");
        QCOMPARE(m_form->Project().Units(), 2);
        QVERIFY(std::fabs(double(m_form->Project().PileLength) - 18.288) < 18.288e-10);
        QVERIFY(std::fabs(double(layers.Data(1, 0).AsFloat()) - 6.096) < 6.096e-10);
        QCOMPARE(layers.Units(), 2);
        QVERIFY(m_form->IsModified());
        QCOMPARE(dataWindow->unitSwitches, 1);
        if (layers.WindowOpen())
            QVERIFY2(windowShows(layers.WindowTitle(), QString::fromStdString(layers.Data(1, 0).Text())),
                     "the open soil-layer window shows the converted depth");
        openMenu(*m_form, "OptionsUnits");
        QVERIFY(checked(*m_form, "SIUnits1"));
        QVERIFY(!checked(*m_form, "EnglishUnits1"));
    }

    void choosingTheUnitSystemInUseChangesNothing()
    {
        m_form->Files().OpenFileName(examplePath("drilled-shaft-si.qv3d"), true);
        openMenu(*m_form, "OptionsUnits");
        QVERIFY(checked(*m_form, "SIUnits1"));
        const long double length = m_form->Project().PileLength;
        choose(*m_form, "SIUnits1");
        QCOMPARE(m_form->Project().PileLength, length);
        QVERIFY(!m_form->IsModified());
    }

    // A window holding a refused entry keeps it: nothing is switched under it.
    void optionsWaitForARefusedEntry()
    {
        auto* dataWindow = new CountingChild(QStringLiteral("Pile Properties"));
        dataWindow->refuse = true;
        m_form->Area().AddChild(dataWindow);
        choose(*m_form, "SIUnits1");
        choose(*m_form, "Downdrag1");
        choose(*m_form, "miNonCircular");
        QCOMPARE(m_form->Project().Units(), 1);
        QVERIFY(!m_form->Project().DowndragOn);
        QVERIFY(m_form->Project().CurvesGenerated);
        QVERIFY(!checked(*m_form, "SIUnits1"));
        QVERIFY(!checked(*m_form, "Downdrag1"));
        QVERIFY(checked(*m_form, "miCircular"));
        QCOMPARE(dataWindow->unitSwitches, 0);
        QVERIFY(!m_form->IsModified());
    }

private:
    // Some cell of the child window titled `title` shows `text`.
    bool windowShows(const std::string& title, const QString& text) const
    {
        for (QMdiSubWindow* child : m_form->Area().subWindowList()) {
            if (child->windowTitle() != QString::fromStdString(title))
                continue;
            for (QAbstractItemView* view : child->findChildren<QAbstractItemView*>()) {
                const QAbstractItemModel* model = view->model();
                for (int row = 0; model && row < model->rowCount(); ++row)
                    for (int column = 0; column < model->columnCount(); ++column)
                        if (model->data(model->index(row, column)).toString() == text)
                            return true;
            }
        }
        return false;
    }

    std::unique_ptr<TMainForm> m_form;
    QTemporaryDir m_dir;
};

QTEST_MAIN(MainEnableRulesTest)
#include "MainEnableRulesTest.moc"
