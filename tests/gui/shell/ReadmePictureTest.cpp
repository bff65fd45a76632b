#include <QMdiSubWindow>
#include <QProcess>
#include <QtTest>

#include "MainFormFixture.h"

using namespace quarlo;
using namespace quarlo::test;

// The picture of the main window in the README: a bundled example open with its soil layers
// and, when the program shows graphs, the load-distribution graph of its results (worked out
// beforehand by the runner); otherwise the pile in its soil layers. Saved as
// "main-window.png" with QUARLO_SCREENSHOT_DIR set.
class ReadmePictureTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        startProgram();
        QVERIFY(m_dir.isValid());
    }

    void theMainWindowWithAnExampleItsSoilLayersAndAGraph()
    {
        const QString project = copyExample(m_dir, QStringLiteral("drilled-shaft-si.qv3d"));
        QProcess runner;
        runner.start(QStringLiteral(QUARLO_BIN_DIR "/quarlo-run"), {project});
        QVERIFY(runner.waitForFinished(60000));
        QCOMPARE(runner.exitCode(), 0);

        const std::unique_ptr<TMainForm> form = showMainForm();
        form->resize(1200, 800);
        ModalAnswerer answerer;
        form->Files().OpenFileName(project, true);
        QCOMPARE(form->windowTitle(), QStringLiteral("QUARLO 2014.3.2 - Drilled-shaft-si.qv3d"));

        const bool graphs = findButton(*form, QStringLiteral("SpeedButton8"))->isEnabled();
        choose(*form, graphs ? QStringLiteral("SpeedButton8") : QStringLiteral("ViewSoilLayerCoordinates1"));
        choose(*form, QStringLiteral("material"));
        choose(*form, QStringLiteral("SoilLayerCoordinates1"));
        QCOMPARE(answerer.texts(), QStringList());
        const QList<QMdiSubWindow*> windows = form->Area().subWindowList(QMdiArea::CreationOrder);
        QCOMPARE(windows.size(), 3);
        // The soil layers across the top, the pile properties below them at their own sizes,
        // the picture in the rest.
        windows[2]->move(8, 8);
        windows[1]->move(8, windows[2]->geometry().bottom() + 8);
        const QPoint corner(windows[1]->geometry().right() + 8, windows[1]->y());
        windows[0]->showNormal();  // a graph opens maximized
        windows[0]->setGeometry(QRect(corner, QPoint(form->Area().width() - 8, form->Area().height() - 8)));
        saveScreenshot(form.get(), QStringLiteral("main-window"));
        form->Area().CloseAllChildren();
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(ReadmePictureTest)
#include "ReadmePictureTest.moc"
