#include <QFileDialog>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "ChildArea.h"
#include "ElevationModel.h"
#include "GuiTestSupport.h"
#include "PdfFile.h"
#include "ProgramData.h"
#include "TDlgSideView.h"

using namespace quarlo;

namespace {

// A child that only takes the activation away from the view.
class OtherChild : public QWidget, public ChildWindow {};

}  // namespace

class TDlgSideViewTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        test::isolateSettings();
        QVERIFY(m_dir.isValid());
    }

    void init() { m_tables = std::make_unique<ProjectTables>(); }

    void cleanup()
    {
        m_area.reset();
        m_alone.reset();
        m_project.reset();
        m_tables.reset();
    }

    void drawsThePileAndTheLayersOfTheExample_data()
    {
        QTest::addColumn<QString>("example");
        QTest::addColumn<double>("drawnWidth");
        QTest::addColumn<double>("length");
        QTest::addColumn<QList<double>>("bottoms");
        QTest::addColumn<QStringList>("labels");
        // 16 in pipe, 720 in long: 1.5 × 16 = 24 in wide, in inches like the depths.
        QTest::newRow("driven pile, English")
            << "driven-pile-clay-english.qv3d" << 24.0 << 720.0 << QList<double>{240, 480, 900}
            << QStringList{"depth= 0 - 240; Clay", "depth= 240 - 480; Sand", "depth= 480 - 900; Clay"};
        // 0.9 m shaft, 15 m long: 1.35 m wide, in metres like the depths.
        QTest::newRow("drilled shaft, SI") << "drilled-shaft-si.qv3d" << 1.35 << 15.0 << QList<double>{8, 20}
                                           << QStringList{"depth= 0 - 8; Clay", "depth= 8 - 20; Sand"};
    }

    void drawsThePileAndTheLayersOfTheExample()
    {
        QFETCH(QString, example);
        QFETCH(double, drawnWidth);
        QFETCH(double, length);
        QFETCH(QList<double>, bottoms);
        QFETCH(QStringList, labels);
        openExample(example);
        QMdiSubWindow* window = showInArea();
        const ElevationModel& model = m_view->Model();
        QCOMPARE(model.State(), ElevationState::Usable);
        QCOMPARE(double(model.PileWidth()), drawnWidth);
        QCOMPARE(double(model.PileLength()), length);
        QCOMPARE(int(model.Layers().size()), bottoms.size());
        for (int i = 0; i < bottoms.size(); ++i) {
            QCOMPARE(double(model.Layers()[std::size_t(i)].bottom), bottoms[i]);
            QCOMPARE(QString::fromStdString(model.Layers()[std::size_t(i)].label), labels[i]);
        }

        const QImage image = m_view->grab().toImage();
        const int middle = model.PixelY(model.PileLength() / 2);
        const int edge = model.PixelX(model.PileWidth() / 2);
        QCOMPARE(image.pixelColor(model.PixelX(0), middle), ink());
        QCOMPARE(image.pixelColor(edge - 1, middle), ink());  // a pile drawn 12 times too thin misses it
        QCOMPARE(image.pixelColor(edge + 3, middle), paper());
        QCOMPARE(image.pixelColor(model.PixelX(0), model.PixelY(model.PileLength()) + 3), paper());
        QCOMPARE(image.pixelColor(image.width() - 5, model.PixelY(0)), ink());
        for (const double bottom : bottoms)
            QCOMPARE(image.pixelColor(image.width() - 5, model.PixelY(bottom)), ink());
        const int labelTop = model.PixelY(0) + m_view->fontMetrics().height();
        QVERIFY(inkIn(image, QRect(0, labelTop, 100, m_view->fontMetrics().height())));

        if (example.contains("english"))
            test::saveScreenshot(window, "TDlgSideView");
        else
            test::saveScreenshot(window, "TDlgSideView-si");
    }

    void readOutShowsTheDepthUnderThePointer_data()
    {
        QTest::addColumn<QString>("example");
        QTest::addColumn<QString>("caption");
        // 600 × 410 pixels is far wider than the pile, so the depths fill the height:
        // 0 to 900 × 1.05 = 945 in, and row 205 is half of it.
        QTest::newRow("English") << "driven-pile-clay-english.qv3d" << "  Depth: 472.5";
        // 0 to 20 × 1.05 = 21 m; half is 10.5.
        QTest::newRow("SI") << "drilled-shaft-si.qv3d" << "  Depth: 10.5";
    }

    void readOutShowsTheDepthUnderThePointer()
    {
        QFETCH(QString, example);
        QFETCH(QString, caption);
        openExample(example);
        showAlone(QSize(600, 410));
        QCOMPARE(m_view->windowTitle(), QString("Elevation View"));
        moveMouse(QPoint(300, 205));
        QCOMPARE(m_view->windowTitle(), caption);
    }

    void aWindowWithoutClientAreaGivesNoReadOutUntilItHasOneAgain()
    {
        openExample("drilled-shaft-si.qv3d");
        showAlone(QSize(600, 410));
        m_view->resize(600, 0);
        QCOMPARE(m_view->Model().State(), ElevationState::Unusable);
        moveMouse(QPoint(300, 0));
        QCOMPARE(m_view->windowTitle(), QString("Elevation View"));
        m_view->resize(600, 410);
        moveMouse(QPoint(300, 205));
        QCOMPARE(m_view->windowTitle(), QString("  Depth: 10.5"));
    }

    void activationRebuildsFromTheProject()
    {
        openExample("drilled-shaft-si.qv3d");
        QMdiSubWindow* viewWindow = showInArea();
        QMdiSubWindow* other = m_area->AddChild(new OtherChild);
        m_project->PileLength = 18;
        m_project->Tables().D2().Data(1, 1).SetAsFloat(25);
        QCOMPARE(double(m_view->Model().PileLength()), 15.0);
        m_area->setActiveSubWindow(viewWindow);
        QCOMPARE(double(m_view->Model().PileLength()), 18.0);
        QCOMPARE(m_view->Model().Layers().back().label, std::string("depth= 8 - 25; Sand"));
        QVERIFY(other);
    }

    void aPileWithoutDiameterIsDrawnAsALine()
    {
        openExample("drilled-shaft-si.qv3d");
        m_project->OuterDiameter = 0;
        showAlone(QSize(600, 410));
        const ElevationModel& model = m_view->Model();
        QCOMPARE(model.State(), ElevationState::Usable);
        const QImage image = m_view->grab().toImage();
        const int middle = model.PixelY(model.PileLength() / 2);
        QCOMPARE(image.pixelColor(model.PixelX(0), middle), ink());
        QCOMPARE(image.pixelColor(model.PixelX(0) + 2, middle), paper());
    }

    void aNewProjectShowsOnlyTheBackground()
    {
        m_project = std::make_unique<TProgramData>(*m_tables);
        showAlone(QSize(600, 410));
        QCOMPARE(m_view->Model().State(), ElevationState::Blank);
        QImage image = m_view->grab().toImage();
        QPainter blank(&image);
        for (const QWidget* child : m_view->findChildren<QWidget*>())
            blank.fillRect(child->geometry(), paper());
        blank.end();
        QVERIFY(!inkIn(image, image.rect()));
        moveMouse(QPoint(300, 205));
        QCOMPARE(m_view->windowTitle(), QString("Elevation View"));
    }

    void hasTheLabelAndThePrintButtonInPlace()
    {
        m_project = std::make_unique<TProgramData>(*m_tables);
        showAlone(QSize(608, 410));
        QCOMPARE(m_view->objectName(), QString("TDlgSideView"));
        auto* label = m_view->findChild<QLabel*>("lblPileGeometry");
        QVERIFY(label);
        QCOMPARE(label->text(), QString("Pile Geometry"));
        QCOMPARE(label->pos(), QPoint(528, 16));
        auto* print = m_view->findChild<QPushButton*>("btnPrint");
        QVERIFY(print);
        QCOMPARE(print->text(), QString("Print"));
        QCOMPARE(print->geometry(), QRect(504, 368, 57, 33));
    }

    void printsOneLandscapePageToPdfWhenNoPrinterIsInstalled()
    {
        if (!QPrinterInfo::availablePrinters().isEmpty())
            QSKIP("A printer is installed here: the print dialog would be shown instead of the PDF path.");
        openExample("driven-pile-clay-english.qv3d");
        showAlone(QSize(608, 410));
        const QString target = m_dir.filePath("elevation.pdf");
        QString proposed;
        test::ModalAnswerer answerer;
        answerer.onDialog = [&](QDialog* dialog) {
            auto* files = qobject_cast<QFileDialog*>(dialog);
            QVERIFY(files);
            proposed = files->selectedFiles().value(0);
            files->selectFile(target);
            dialog->accept();
        };
        m_view->findChild<QPushButton*>("btnPrint")->click();
        QCOMPARE(answerer.texts().size(), 1);
        QCOMPARE(proposed, test::examplePath("driven-pile-clay-english-elevation.pdf"));
        const test::PdfFile pdf(target);
        QVERIFY(pdf.valid());
        QCOMPARE(pdf.pageCount(), 1);
        QVERIFY(pdf.landscape());
        if (!qEnvironmentVariableIsEmpty("QUARLO_SCREENSHOT_DIR") &&
            !test::renderPdfScreenshot(target, "TDlgSideView-print"))
            qWarning("pdftoppm (Debian's poppler-utils) is not installed: the printout is not rendered.");
    }

private:
    void openExample(const QString& fileName)
    {
        m_project = TProgramData::CreateFromFile(*m_tables, test::examplePath(fileName).toStdString(), true);
        QVERIFY2(m_project->ReadError.empty(), m_project->ReadError.c_str());
    }

    QMdiSubWindow* showInArea()
    {
        m_area = std::make_unique<ChildArea>();
        m_area->resize(760, 520);
        m_area->show();
        [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(m_area.get());
        // The area owns the view, as in the program.
        m_view = new TDlgSideView(*m_project);
        return m_area->AddChild(m_view);
    }

    void showAlone(const QSize& size)
    {
        m_alone = std::make_unique<TDlgSideView>(*m_project);
        m_view = m_alone.get();
        m_view->resize(size);
        m_view->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_view));
        m_view->FormActivate();
    }

    void moveMouse(const QPoint& position)
    {
        QMouseEvent move(QEvent::MouseMove, position, m_view->mapToGlobal(position), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(m_view, &move);
    }

    QColor ink() const { return m_view->palette().color(QPalette::Text); }
    QColor paper() const { return m_view->palette().color(QPalette::Base); }

    bool inkIn(const QImage& image, const QRect& area) const
    {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                if (image.pixelColor(x, y) != paper())
                    return true;
            }
        }
        return false;
    }

    QTemporaryDir m_dir;
    std::unique_ptr<ProjectTables> m_tables;
    std::unique_ptr<TProgramData> m_project;
    std::unique_ptr<ChildArea> m_area;
    std::unique_ptr<TDlgSideView> m_alone;
    QPointer<TDlgSideView> m_view;
};

QTEST_MAIN(TDlgSideViewTest)
#include "TDlgSideViewTest.moc"
