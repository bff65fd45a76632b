#include <QMdiSubWindow>
#include <QtTest>

#include "ComputationCommands.h"
#include "DataCommands.h"
#include "MainFormFixture.h"
#include "OptionCommands.h"
#include "SingleChild.h"
#include "TDataEdit.h"
#include "WindowCommands.h"

using namespace quarlo;
using namespace quarlo::test;

namespace {

// The single-instance windows by the item that opens them.
SingleChild& singleChild(TMainForm& form, const QString& item)
{
    if (item == QLatin1String("DataTitle"))
        return form.Data().TitleWindow();
    if (item == QLatin1String("material"))
        return form.Data().MaterialWindow();
    if (item == QLatin1String("QwFactorTable"))
        return form.Data().QwFactorsWindow();
    if (item == QLatin1String("CompText"))
        return form.Options().TextEditorWindow();
    return form.Computation().ElevationView();
}

QStringList visibleEntries(const QMenu& menu)
{
    QStringList entries;
    for (QAction* action : menu.actions())
        if (action->isVisible() && action->objectName().startsWith(QLatin1String("WindowEntry")))
            entries << action->text();
    return entries;
}

}  // namespace

class MainChildWindowsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { startProgram(); }
    void init()
    {
        m_form = showMainForm();
        QVERIFY(m_dir.isValid());
    }
    void cleanup() { m_form.reset(); }

    // A menu whose commands act on the project first has the active window store its edits.
    void openingAMenuHasTheActiveChildStoreFirst_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<int>("stores");
        QTest::newRow("File") << "FileMenu" << 1;
        QTest::newRow("Data") << "DataMenu" << 1;
        QTest::newRow("Options") << "Option1" << 1;
        QTest::newRow("Computation") << "ComputationMenu" << 1;
        QTest::newRow("Help") << "HelpMenu" << 1;
        QTest::newRow("Graphics") << "GraphicsMenu" << 0;
        QTest::newRow("Window") << "ArrangeMenu" << 0;
    }

    void openingAMenuHasTheActiveChildStoreFirst()
    {
        QFETCH(QString, menu);
        QFETCH(int, stores);
        auto* child = new CountingChild;
        m_form->Area().AddChild(child);
        const int before = child->stores;
        openMenu(*m_form, menu);
        QCOMPARE(child->stores - before, stores);
    }

    // Each table command shows its own table, from the menu and from the tool bar; once the
    // table windows are installed, the table opens in a child window titled after it.
    void tableCommandsShowTheirTables_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<bool>("generated");
        QTest::addColumn<QString>("table");
        QTest::newRow("soil layers") << "SoilLayerCoordinates1" << true << "Soil Layers";
        QTest::newRow("soil-layer button") << "SpeedButton7" << true << "Soil Layers";
        QTest::newRow("t-z curves") << "SoilParameters1" << false << "Depths for User-Defined t-z Curves";
        QTest::newRow("Q-w curve") << "PileProperties1" << false << "Tip Load vs. Tip Movement";
        QTest::newRow("tip movements") << "TipMovement1" << true << "Tip Movements";
        QTest::newRow("head loads") << "Topload1" << true << "Pile-Head Loads";
        QTest::newRow("settlements") << "Settlements1" << true << "Soil Settlement Profile";
        QTest::newRow("t-z factors") << "tzfactortable" << true << "Modification Factors on t-z Curves";
    }

    void tableCommandsShowTheirTables()
    {
        QFETCH(QString, item);
        QFETCH(bool, generated);
        QFETCH(QString, table);
        TProgramData& project = m_form->Project();
        project.CurvesGenerated = generated;
        project.HeadLoadsOn = project.DowndragOn = project.TzFactorsOn = true;
        m_form->UpdateCurveMenus();
        m_form->CheckSpeedButtons();
        openMenu(*m_form, "DataMenu");
        TableShowRecorder recorder;
        ModalAnswerer answerer;
        choose(*m_form, item);
        QCOMPARE(answerer.texts(), QStringList());
        QCOMPARE(recorder.shown, std::vector<std::string>{table.toStdString()});
        if (recorder.windowsInstalled()) {
            QCOMPARE(m_form->Area().subWindowList().size(), 1);
            QVERIFY(m_form->Area().subWindowList().first()->windowTitle().startsWith(table));
        }
    }

    // Each of these windows exists at most once: choosing its command again brings it up;
    // after it closed, the command makes a new one.
    void singleInstanceWindowsOpenOnce_data()
    {
        QTest::addColumn<QString>("item");
        for (const char* item : {"DataTitle", "material", "QwFactorTable", "CompText", "ViewSoilLayerCoordinates1"})
            QTest::newRow(item) << item;
    }

    void singleInstanceWindowsOpenOnce()
    {
        QFETCH(QString, item);
        int made = 0;
        singleChild(*m_form, item).SetFactory([&made] {
            ++made;
            return new CountingChild(QStringLiteral("Window %1").arg(made));
        });
        auto* other = new CountingChild(QStringLiteral("Other"));
        m_form->Area().AddChild(other);

        choose(*m_form, item);
        choose(*m_form, item);
        QCOMPARE(made, 1);
        QCOMPARE(m_form->Area().subWindowList().size(), 2);
        QVERIFY(singleChild(*m_form, item).IsOpen());

        // Chosen while another window is active, the open window comes up again.
        m_form->Area().setActiveSubWindow(m_form->Area().subWindowList().first());
        QCOMPARE(m_form->Area().activeSubWindow()->widget(), other);
        choose(*m_form, item);
        QCOMPARE(m_form->Area().activeSubWindow()->widget(), singleChild(*m_form, item).Window());

        // The flag clears as the window closes, before Qt gets round to deleting it.
        QVERIFY(m_form->Area().activeSubWindow()->close());
        QVERIFY(!singleChild(*m_form, item).IsOpen());
        choose(*m_form, item);
        QCOMPARE(made, 2);
        QCOMPARE(m_form->Area().subWindowList().size(), 2);
    }

    void twoSingleInstanceWindowsAreTwoWindows()
    {
        m_form->Data().MaterialWindow().SetFactory([] { return new CountingChild(QStringLiteral("Pile Properties")); });
        m_form->Data().QwFactorsWindow().SetFactory(
            [] { return new CountingChild(QStringLiteral("Modification Factors on Q-w Curve")); });
        choose(*m_form, "material");
        choose(*m_form, "QwFactorTable");
        QCOMPARE(m_form->Area().subWindowList().size(), 2);
    }

    void theWindowMenuListsTheChildrenActiveFirst()
    {
        openMenu(*m_form, "ArrangeMenu");
        auto* menu = m_form->findChild<QMenu*>("ArrangeMenu");
        QCOMPARE(visibleEntries(*menu), QStringList());
        QVERIFY(!separatorShown(*menu));

        QList<QMdiSubWindow*> children;
        for (const char* title : {"Soil Layers ", "Clay & Sand", "Tip Movements "})
            children << m_form->Area().AddChild(new CountingChild(QString::fromLatin1(title)));
        openMenu(*m_form, "ArrangeMenu");
        const QStringList expected{"Tip Movements ", "Clay && Sand", "Soil Layers "};
        QCOMPARE(visibleEntries(*menu), expected);
        QVERIFY(separatorShown(*menu));

        choose(*m_form, "WindowEntry3");
        QCOMPARE(m_form->Area().activeSubWindow(), children.first());
    }

    void theWindowMenuListsAtMostFiftyChildren()
    {
        for (int i = 1; i <= 55; ++i)
            m_form->Area().AddChild(new CountingChild(QStringLiteral("Child %1").arg(i)));
        openMenu(*m_form, "ArrangeMenu");
        const QStringList entries = visibleEntries(*m_form->findChild<QMenu*>("ArrangeMenu"));
        QCOMPARE(entries.size(), WindowCommands::kListedChildren);
        QCOMPARE(entries.first(), QStringLiteral("Child 55"));
    }

    void aListedChildClosedSinceIsNotBroughtUp()
    {
        QMdiSubWindow* first = m_form->Area().AddChild(new CountingChild(QStringLiteral("First")));
        m_form->Area().AddChild(new CountingChild(QStringLiteral("Second")));
        openMenu(*m_form, "ArrangeMenu");
        QPointer<QMdiSubWindow> closed = first;
        QVERIFY(first->close());
        QTRY_VERIFY(closed.isNull());
        choose(*m_form, "WindowEntry2");
        QCOMPARE(m_form->Area().subWindowList().size(), 1);
    }

    void cascadeAndArrangeKeepEveryChild()
    {
        for (int i = 1; i <= 3; ++i)
            m_form->Area().AddChild(new CountingChild(QStringLiteral("Child %1").arg(i)));
        m_form->Area().subWindowList().first()->showMinimized();
        choose(*m_form, "WindowCascade");
        choose(*m_form, "WindowArrange");
        QCOMPARE(m_form->Area().subWindowList().size(), 3);
        for (QMdiSubWindow* child : m_form->Area().subWindowList())
            QVERIFY(m_form->Area().viewport()->rect().intersects(child->geometry()));
    }

    // Closing never drops a change silently: the question comes first, and only No or a
    // save that succeeded lets the window close.
    void closingAModifiedProjectAsksFirst_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closes");
        QTest::newRow("Cancel keeps it") << int(QMessageBox::Cancel) << false;
        QTest::newRow("No drops the change") << int(QMessageBox::No) << true;
        QTest::newRow("Yes without a save keeps it") << int(QMessageBox::Yes) << false;
    }

    void closingAModifiedProjectAsksFirst()
    {
        QFETCH(int, answer);
        QFETCH(bool, closes);
        choose(*m_form, "Downdrag1");
        ModalAnswerer answerer;
        answerer.queueAnswers({static_cast<QMessageBox::StandardButton>(answer)});
        m_form->close();
        QCOMPARE(answerer.boxes().first().text, QStringLiteral("Do you want to save any changes?"));
        QCOMPARE(answerer.boxes().first().icon, QMessageBox::Question);
        QCOMPARE(m_form->isVisible(), !closes);
        if (!closes)
            QVERIFY(m_form->Project().DowndragOn);
    }

    void closingAnUnchangedProjectAsksNothing()
    {
        ModalAnswerer answerer;
        m_form->Area().AddChild(new CountingChild);
        m_form->close();
        QCOMPARE(answerer.texts(), QStringList());
        QVERIFY(!m_form->isVisible());
        QTRY_COMPARE(m_form->Area().subWindowList().size(), 0);
    }

    void aChildHoldingARefusedEntryKeepsTheProgramOpen()
    {
        auto* child = new CountingChild;
        m_form->Area().AddChild(child);
        child->refuse = true;
        m_form->close();
        QVERIFY(m_form->isVisible());
        QCOMPARE(m_form->Area().subWindowList().size(), 1);
    }

    // The command line names the project, ".qv3d" appended to a bare name.
    void theCommandLineProjectOpens()
    {
        copyExample(m_dir, "user-curves-si.qv3d", "pier.qv3d");
        ModalAnswerer answerer;
        m_form->OpenStartupProject({m_dir.filePath("pier")});
        QCOMPARE(answerer.texts(), QStringList());
        QCOMPARE(m_form->windowTitle(), QStringLiteral("QUARLO 2014.3.2 - Pier.qv3d"));
        QCOMPARE(QString::fromStdString(m_form->Project().FileName), m_dir.filePath("pier.qv3d"));
        QCOMPARE(m_form->Project().Units(), 2);
        QVERIFY(!m_form->Project().CurvesGenerated);
        QVERIFY(!m_form->IsModified());
        QVERIFY(!findButton(*m_form, "SpeedButton7")->isEnabled());
    }

    // An old project named on the command line (a double-click in the file manager) is read in
    // the old format, and its next Save goes through Save As to a ".qv3d" name.
    void anOldCommandLineProjectOpensInTheOldFormat()
    {
        QVERIFY(QFile::copy(QStringLiteral(QUARLO_SOURCE_DIR "/tests/cli/data/convert-old-format.qvd"),
                            m_dir.filePath("job.qvd")));
        ModalAnswerer answerer;
        m_form->OpenStartupProject({m_dir.filePath("job.qvd")});
        QCOMPARE(answerer.texts(), QStringList());
        QCOMPARE(m_form->windowTitle(), QStringLiteral("QUARLO 2014.3.2 - Job.qvd"));
        QVERIFY(m_form->Project().ReadError.empty());
        QVERIFY(m_form->Project().SaveNeedsSaveAs());
    }

    void aMissingCommandLineProjectLeavesANewOne()
    {
        ModalAnswerer answerer;
        m_form->OpenStartupProject({m_dir.filePath("missing")});
        QCOMPARE(answerer.texts(), QStringList());
        QCOMPARE(m_form->Project().FileName, std::string(TProgramData::kNewFileName));
        QCOMPARE(m_form->windowTitle(), QStringLiteral("QUARLO 2014.3.2 - NewQUARLO.qv3d"));
    }

    void aReadingErrorIsShownAndWhatWasReadStays()
    {
        const QString broken = m_dir.filePath("broken.qv3d");
        writeFile(broken, "Broken pile\r\n40 0 1\r\n2 \r\nlayers\r\n");
        ModalAnswerer answerer;
        m_form->Files().OpenFileName(broken, true);
        QCOMPARE(answerer.texts(), QStringList{"Error on Line 4 Item 1\nAn integer was expected but not found."});
        QCOMPARE(m_form->Project().Title, std::string("Broken pile"));
        QCOMPARE(m_form->windowTitle(), QStringLiteral("QUARLO 2014.3.2 - Broken.qv3d"));
    }

    // Replacing the project closes the children first, so each stores its edits into the
    // project it was showing, which still exists at that moment.
    void openingAProjectClosesTheChildrenFirst()
    {
        const TProgramData* shown = &m_form->Project();
        const TProgramData* storedInto = nullptr;
        TMainForm* form = m_form.get();
        struct StoreProbe : CountingChild {
            std::function<void()> onStore;
            bool FormCloseQuery() override
            {
                onStore();
                return true;
            }
        };
        auto* probe = new StoreProbe;
        probe->onStore = [&] { storedInto = &form->Project(); };
        m_form->Area().AddChild(probe);
        m_form->Files().OpenFileName(examplePath("drilled-shaft-si.qv3d"), true);
        QCOMPARE(storedInto, shown);
        QTRY_COMPARE(m_form->Area().subWindowList().size(), 0);
        QCOMPARE(m_form->Project().Units(), 2);
    }

    void aChildRefusingToCloseKeepsTheProject()
    {
        auto* child = new CountingChild;
        m_form->Area().AddChild(child);
        child->refuse = true;
        const TProgramData* before = &m_form->Project();
        m_form->Files().OpenFileName(examplePath("drilled-shaft-si.qv3d"), true);
        QCOMPARE(&m_form->Project(), before);
        QCOMPARE(m_form->Project().Units(), 1);
    }

    void screenshotOfTheMainWindowWithAnExample()
    {
        m_form->Files().OpenFileName(examplePath("driven-pile-clay-english.qv3d"), true);
        choose(*m_form, "SoilLayerCoordinates1");
        QApplication::processEvents();
        saveScreenshot(m_form.get());
        QCOMPARE(m_form->windowTitle(), QStringLiteral("QUARLO 2014.3.2 - Driven-pile-clay-english.qv3d"));
    }

    // The data windows open from their commands, on the current project, one of each.
    void dataWindowsOpenFromTheirCommands_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("caption");
        QTest::newRow("title") << "DataTitle" << "TdlgTitle" << "Project Title";
        QTest::newRow("pile") << "material" << "TfrmMaterial" << "Pile Properties";
        QTest::newRow("Q-w factors") << "QwFactorTable" << "TfrmQwFactors"
                                     << "Enter Modifications Factors for Tip Resistance";
        QTest::newRow("text editor") << "CompText" << "TDlgOptions" << "Control Options";
        QTest::newRow("elevation") << "ViewSoilLayerCoordinates1" << "TDlgSideView" << "Elevation View";
        QTest::newRow("elevation button") << "SpeedButton6" << "TDlgSideView" << "Elevation View";
    }

    void dataWindowsOpenFromTheirCommands()
    {
        QFETCH(QString, item);
        QFETCH(QString, window);
        QFETCH(QString, caption);
        ModalAnswerer answerer;
        choose(*m_form, item);
        choose(*m_form, item);
        QCOMPARE(m_form->Area().subWindowList().size(), 1);
        QWidget* opened = m_form->Area().activeSubWindow()->widget();
        QCOMPARE(opened->objectName(), window);
        QCOMPARE(opened->windowTitle(), caption);
        QVERIFY(answerer.texts().isEmpty());
    }

    // With user-entered curves there are no soil layers to draw: the command says so.
    void theElevationViewNeedsGeneratedCurves()
    {
        ModalAnswerer answerer;
        m_form->Project().CurvesGenerated = false;
        choose(*m_form, QStringLiteral("ViewSoilLayerCoordinates1"));
        QCOMPARE(m_form->Area().subWindowList().size(), 0);
        QCOMPARE(answerer.texts().size(), 1);
        QVERIFY(answerer.lastText().contains(QStringLiteral("generated by the program")));
    }

    // Switching the unit system relabels and converts an open pile properties window at once.
    void theUnitSwitchRefreshesAnOpenPileWindow()
    {
        ModalAnswerer answerer;
        m_form->Project().PileLength = 720;
        choose(*m_form, QStringLiteral("material"));
        auto* length = m_form->findChild<TDataEdit*>(QStringLiteral("DataPL"));
        QVERIFY(length);
        QCOMPARE(length->EditLabel()->text(), QStringLiteral("Pile Length (in)"));
        choose(*m_form, QStringLiteral("SIUnits1"));
        QCOMPARE(length->EditLabel()->text(), QStringLiteral("Pile Length (m)"));
        // 720 in / 39.37007874 in per m: the unit table's factor, shown with all its digits.
        QVERIFY2(qAbs(length->text().toDouble() - 18.288) < 1e-9, qPrintable(length->text()));
        QVERIFY(answerer.texts().isEmpty());
    }

private:
    static bool separatorShown(const QMenu& menu)
    {
        for (QAction* action : menu.actions())
            if (action->isSeparator())
                return action->isVisible();
        return false;
    }

    std::unique_ptr<TMainForm> m_form;
    QTemporaryDir m_dir;
};

QTEST_MAIN(MainChildWindowsTest)
#include "MainChildWindowsTest.moc"
