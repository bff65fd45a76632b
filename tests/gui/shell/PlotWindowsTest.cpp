#include <QMdiSubWindow>
#include <QtTest>

#include "ExampleRun.h"
#include "GraphicsCommands.h"
#include "MainFormFixture.h"
#include "PlotMenu.h"
#include "TPlotForm.h"

using namespace quarlo;
using namespace quarlo::test;

namespace {

// The menu bar's menus as the user reads them, without their mnemonics.
QStringList menuTitles(const TMainForm& form)
{
    QStringList titles;
    for (QAction* action : form.menuBar()->actions())
        if (action->isVisible() && action->menu())
            titles << action->text().remove('&');
    return titles;
}

QList<TPlotForm*> plotWindows(const TMainForm& form)
{
    QList<TPlotForm*> windows;
    for (QMdiSubWindow* subWindow : form.Area().subWindowList())
        if (auto* plot = qobject_cast<TPlotForm*>(subWindow->widget()); plot && subWindow->isVisible())
            windows << plot;
    return windows;
}

TPlotForm* activePlot(const TMainForm& form)
{
    QMdiSubWindow* active = form.Area().activeSubWindow();
    return active ? qobject_cast<TPlotForm*>(active->widget()) : nullptr;
}

}  // namespace

class PlotWindowsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        startProgram();
        QVERIFY(m_dir.isValid());
        m_plotFile = runExample(m_dir, "driven-pile-clay-english.qv3d");
        QVERIFY(!m_plotFile.isEmpty());
        m_project = m_dir.filePath("driven-pile-clay-english.qv3d");
    }

    void init()
    {
        m_form = showMainForm();
        m_form->resize(1000, 700);
        m_form->Files().OpenFileName(m_project, true);
    }

    void cleanup() { m_form.reset(); }

    void readingThePlotFileEnablesTheGraphCommands()
    {
        const QStringList items{"mLoad", "mAxial", "mtzcurves", "mTip", "ExportExcel"};
        const QStringList buttons{"SpeedButton8", "SpeedButton9", "SpeedButton10"};
        QVERIFY(m_form->LoadPlotFile(m_plotFile, true));
        QVERIFY(m_form->PlotsLoaded());
        for (const QString& button : buttons)
            QVERIFY2(findButton(*m_form, button)->isEnabled(), qPrintable(button));
        openMenu(*m_form, "GraphicsMenu");
        for (const QString& item : items)
            QVERIFY2(findAction(*m_form, item)->isEnabled(), qPrintable(item));
        // Seven tip movements: seven load distributions, eight load-settlement points.
        QCOMPARE(m_form->Graphs().pltLoad.CurveCount(), 7);
        QCOMPARE(m_form->Graphs().pltAxial.PointCount(), 8);

        // A plot data file deleted outside the program: the next opening of the menu disables
        // its items and the plot buttons.
        QVERIFY(QFile::copy(m_plotFile, m_plotFile + ".kept"));
        QVERIFY(QFile::remove(m_plotFile));
        openMenu(*m_form, "GraphicsMenu");
        for (const QString& item : items)
            QVERIFY2(!findAction(*m_form, item)->isEnabled(), qPrintable(item));
        for (const QString& button : buttons)
            QVERIFY2(!findButton(*m_form, button)->isEnabled(), qPrintable(button));
        QVERIFY(QFile::rename(m_plotFile + ".kept", m_plotFile));
    }

    // A plot data file cut short: the reading error is shown only when asked for, with the
    // place where the reading stopped, and the graph commands stay disabled.
    void aPlotFileThatCannotBeReadIsReportedWhenAsked_data()
    {
        QTest::addColumn<bool>("showErrors");
        QTest::addColumn<int>("boxes");
        QTest::newRow("after a run") << true << 1;
        QTest::newRow("after Open") << false << 0;
    }

    void aPlotFileThatCannotBeReadIsReportedWhenAsked()
    {
        QFETCH(bool, showErrors);
        QFETCH(int, boxes);
        const QString cut = m_dir.filePath("cut.qv3p");
        writeFile(cut, " 1\n      1         3      0.0000E+00\n 0.0 0.0\n");
        ModalAnswerer answerer;
        QVERIFY(!m_form->LoadPlotFile(cut, showErrors));
        QVERIFY(!m_form->PlotsLoaded());
        QCOMPARE(answerer.texts().size(), boxes);
        if (boxes)
            QVERIFY(answerer.lastText().startsWith("An error occured in running the main program.\n\n"));
        QVERIFY(!findButton(*m_form, "SpeedButton8")->isEnabled());
    }

    void eachGraphCommandShowsItsGraphInOneWindow_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Load Distribution") << "mLoad" << "pltLoad" << "Load Distribution";
        QTest::newRow("Axial Load vs Settlement") << "mAxial" << "pltAxial" << "Axial Load vs Settlement";
        QTest::newRow("t-z Curves") << "mtzcurves" << "pltTZcurves" << "t-z Curves";
        QTest::newRow("Q-w Curve") << "mTip" << "PltQW" << "Tip Resistance Curve";
        QTest::newRow("button 8") << "SpeedButton8" << "pltLoad" << "Load Distribution";
        QTest::newRow("button 9") << "SpeedButton9" << "pltTZcurves" << "t-z Curves";
        QTest::newRow("button 10") << "SpeedButton10" << "pltAxial" << "Axial Load vs Settlement";
    }

    void eachGraphCommandShowsItsGraphInOneWindow()
    {
        QFETCH(QString, command);
        QFETCH(QString, window);
        QFETCH(QString, caption);
        QVERIFY(m_form->LoadPlotFile(m_plotFile, true));
        ModalAnswerer answerer;
        choose(*m_form, command);
        QCOMPARE(answerer.texts(), QStringList());
        TPlotForm* plot = activePlot(*m_form);
        QVERIFY(plot);
        QCOMPARE(plot->objectName(), window);
        QCOMPARE(QString::fromStdString(plot->Plot().Caption), caption);
        QVERIFY(plot->parentWidget()->isMaximized());
        QCOMPARE(m_form->Graphics().PlotWindow(plot->Plot()), static_cast<QWidget*>(plot));

        // Chosen again, with another window in front: the same window comes back.
        m_form->Area().AddChild(new CountingChild);
        choose(*m_form, command);
        QCOMPARE(activePlot(*m_form), plot);
        QCOMPARE(plotWindows(*m_form).size(), 1);
    }

    // The plot window's menu stands after File while the plot window is active, and only
    // then.
    void thePlotMenuComesAndGoesWithTheActivePlotWindow()
    {
        const QStringList without{"File", "Data", "Options", "Computation", "Graphics", "Window", "Help"};
        const QStringList with{"File", "Plot", "Data", "Options", "Computation", "Graphics", "Window", "Help"};
        QVERIFY(m_form->LoadPlotFile(m_plotFile, true));
        QCOMPARE(menuTitles(*m_form), without);
        choose(*m_form, "mLoad");
        QCOMPARE(menuTitles(*m_form), with);
        saveScreenshot(m_form.get(), "TMainForm-pltLoad");
        // Ctrl+Z drops the menu down from the menu bar.
        TPlotForm* load = activePlot(*m_form);
        load->setFocus();
        QTest::keyClick(load, Qt::Key_Z, Qt::ControlModifier);
        QTRY_COMPARE(m_form->menuBar()->activeAction(), load->ChildMenu()->menuAction());
        QTRY_VERIFY(load->ChildMenu()->isVisible());
        load->ChildMenu()->hide();

        auto* other = new CountingChild;
        QMdiSubWindow* otherWindow = m_form->Area().AddChild(other);
        QCOMPARE(menuTitles(*m_form), without);
        choose(*m_form, "mAxial");
        QCOMPARE(menuTitles(*m_form), with);
        QCOMPARE(activePlot(*m_form)->objectName(), QString("pltAxial"));
        // The bar shows the active plot's own menu, not the other plot's.
        QMenu* shown = nullptr;
        for (QAction* action : m_form->menuBar()->actions())
            if (action->menu() && action->text() == "&Plot")
                shown = action->menu();
        QCOMPARE(shown, activePlot(*m_form)->ChildMenu());

        m_form->Area().setActiveSubWindow(otherWindow);
        QCOMPARE(menuTitles(*m_form), without);
        m_form->Area().setActiveSubWindow(m_form->Area().subWindowList().first());
        QCOMPARE(menuTitles(*m_form), with);

        QVERIFY(m_form->CloseAllChildren());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(menuTitles(*m_form), without);
        QVERIFY(plotWindows(*m_form).isEmpty());
        QVERIFY(!m_form->Graphics().PlotWindow(m_form->Graphs().pltLoad));
    }

    // The graph opens maximized and stays so behind a data or table window opened over it,
    // which keeps the size it is laid out for.
    void windowsOpenedOverAGraphKeepTheirSize()
    {
        QVERIFY(m_form->LoadPlotFile(m_plotFile, true));
        choose(*m_form, "mLoad");
        QMdiSubWindow* graph = m_form->Area().activeSubWindow();
        choose(*m_form, "DataTitle");
        QMdiSubWindow* title = m_form->Area().activeSubWindow();
        QVERIFY(title != graph);
        QVERIFY(!title->isMaximized());
        QVERIFY(title->width() < graph->width() / 2);
        QVERIFY(graph->isMaximized());
        choose(*m_form, "SoilLayerCoordinates1");
        QVERIFY(!m_form->Area().activeSubWindow()->isMaximized());
        QVERIFY(graph->isMaximized());
        saveScreenshot(m_form.get(), "TMainForm-pltLoad-behind");
    }

    // A curve hidden in one window is hidden in the next window of the graph, also after the
    // plots were read again (after a run, or when the project is opened anew).
    void shownFlagsOutliveTheWindowAndAReading()
    {
        QVERIFY(m_form->LoadPlotFile(m_plotFile, true));
        choose(*m_form, "mLoad");
        activePlot(*m_form)->ToggleCurve(1);
        QVERIFY(m_form->CloseAllChildren());
        QVERIFY(m_form->LoadPlotFile(m_plotFile, true));
        choose(*m_form, "mLoad");
        QVERIFY(!activePlot(*m_form)->Plot().Curve(1).Shown);
        QVERIFY(activePlot(*m_form)->Plot().Curve(0).Shown);
    }

private:
    QTemporaryDir m_dir;
    QString m_project;
    QString m_plotFile;
    std::unique_ptr<TMainForm> m_form;
};

QTEST_MAIN(PlotWindowsTest)
#include "PlotWindowsTest.moc"
