#include <QDir>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSvgRenderer>
#include <QtTest>

#include "ImageAttributes.h"
#include "PlotLayout.h"
#include "PlotPixels.h"
#include "PlotWindowFixture.h"
#include "TDataEdit.h"

using namespace quarlo;
using namespace quarlo::test;

namespace {

constexpr const char* kExample = "driven-pile-clay-english.qv3d";
const QString kBitmap = QStringLiteral("Bitmap (*.bmp)");
const QString kPng = QStringLiteral("PNG image (*.png)");
const QString kSvg = QStringLiteral("SVG drawing (*.svg)");

// What the user enters in "Save Attributes"; pixels per inch as typed.
struct Attributes {
    QString ppi = QStringLiteral("72");
    QString colors = QStringLiteral("rb16Colors");
};

// The bits a pixel of a Windows bitmap file, from its header.
int bitmapBits(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray header = file.read(30);
    return header.size() < 30 ? -1 : quint8(header[28]) | quint8(header[29]) << 8;
}

QSet<QRgb> coloursOf(const QImage& image)
{
    QSet<QRgb> colours;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            colours.insert(rgb.pixel(x, y) | 0xff000000u);
    return colours;
}

QImage rendered(const QString& svgPath, QSize size)
{
    QSvgRenderer renderer(svgPath);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    return image;
}

// A pixel of a curve colour rather than of the black, grey and white of texts and grid.
bool colourful(QColor c)
{
    return std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()}) > 60;
}

// With QUARLO_SCREENSHOT_DIR set, keeps a PNG copy of a picture to look at.
void keepPicture(const QImage& image, const QString& name)
{
    const QString dir = qEnvironmentVariable("QUARLO_SCREENSHOT_DIR");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    image.save(QDir(dir).filePath(name + ".png"), "PNG");
}

}  // namespace

class PlotImageTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        isolateSettings();
        QVERIFY(m_fixture.start(kExample));
    }

    void init()
    {
        m_fixture.reset();
        m_form = m_fixture.open("pltLoad");
        QVERIFY(m_form);
    }

    // 6 x 4 in at 72 pixels per inch: 432 x 288 pixels, recorded as 2835 pixels a metre. A
    // name without an extension gets that of the type shown.
    void aPictureIsSixByFourInchesAtItsResolution_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("written");
        QTest::newRow("bitmap") << "graph.bmp" << kBitmap << "graph.bmp";
        QTest::newRow("PNG, extension added") << "graph" << kPng << "graph.png";
        QTest::newRow("PNG by its extension") << "other.png" << kBitmap << "other.png";
    }

    void aPictureIsSixByFourInchesAtItsResolution()
    {
        QFETCH(QString, typed);
        QFETCH(QString, filter);
        QFETCH(QString, written);
        const QStringList texts = save(typed, filter, {});
        QVERIFY2(texts.isEmpty(), qPrintable(texts.join('\n')));
        const QImage image(m_fixture.filePath(written));
        QCOMPARE(image.size(), QSize(432, 288));
        QCOMPARE(image.dotsPerMeterX(), 2835);
        keepPicture(image, "pltLoad-image-" + QFileInfo(written).suffix());
    }

    // At 10 pixels per inch, 60 x 40 pixels are less than an inch of the screen: only the
    // white background.
    void aPictureUnderAnInchStaysWhite()
    {
        save("small.png", kPng, {"10"});
        const QImage image(m_fixture.filePath("small.png"));
        QCOMPARE(image.size(), QSize(60, 40));
        QCOMPARE(coloursOf(image), QSet<QRgb>{0xffffffffu});
    }

    // The colours asked for: bits a pixel in the bitmap file and the colours it holds. The
    // load distribution's fifth curve is purple (128, 0, 128), which 16 bits cannot hold
    // exactly.
    void aBitmapInTheColoursAskedFor_data()
    {
        QTest::addColumn<QString>("colors");
        QTest::addColumn<int>("bits");
        QTest::addColumn<int>("mostColours");
        QTest::addColumn<bool>("purple");
        QTest::newRow("black and white") << "rbBlackWhite" << 1 << 2 << false;
        QTest::newRow("16 colours") << "rb16Colors" << 4 << 16 << true;
        QTest::newRow("256 colours") << "rb256Colors" << 8 << 256 << true;
        QTest::newRow("16 bits") << "rbHighColor" << 24 << 65536 << false;
        QTest::newRow("24 bits") << "rbTrueColor" << 24 << (1 << 24) << true;
    }

    void aBitmapInTheColoursAskedFor()
    {
        QFETCH(QString, colors);
        QFETCH(int, bits);
        QFETCH(int, mostColours);
        QFETCH(bool, purple);
        const QString name = colors + ".bmp";
        save(name, kBitmap, {"72", colors});
        const QString path = m_fixture.filePath(name);
        QCOMPARE(bitmapBits(path), bits);
        const QSet<QRgb> colours = coloursOf(QImage(path));
        QVERIFY2(colours.size() <= mostColours, qPrintable(QString::number(colours.size())));
        QCOMPARE(colours.contains(qRgb(128, 0, 128)), purple);
        if (colors == "rbBlackWhite")
            QCOMPARE(colours, (QSet<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 255)}));
        if (colors == "rb16Colors") {
            for (const QRgb colour : colours) {
                const PlotColor c{uchar(qRed(colour)), uchar(qGreen(colour)), uchar(qBlue(colour))};
                QVERIFY(std::find(SixteenColors.begin(), SixteenColors.end(), c) != SixteenColors.end());
            }
        }
        keepPicture(QImage(path), "pltLoad-image-" + colors.mid(2));
    }

    // A drawing of one page of 432 x 288, recording 6 x 4 in; it has no colours to choose.
    void anSvgDrawing()
    {
        bool colorsOffered = true;
        save("drawing.svg", kSvg, {}, [&](QDialog* dialog) {
            colorsOffered = dialog->findChild<QWidget*>("gbColors")->isEnabled();
            dialog->findChild<QPushButton*>("btnOK")->click();
        });
        QVERIFY(!colorsOffered);
        const QString path = m_fixture.filePath("drawing.svg");
        QSvgRenderer renderer(path);
        QVERIFY(renderer.isValid());
        QCOMPARE(renderer.viewBox(), QRect(0, 0, 432, 288));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QCOMPARE(text.count("<svg"), 1);
        QVERIFY(text.contains("width=\"152.4mm\""));
        keepPicture(rendered(path, {432, 288}), "pltLoad-image-svg");
    }

    // A drawing cannot clip: the curves of a zoomed view are cut to the graph by hand, so no
    // curve colour shows above or left of the graph, where the titles and labels stand.
    void aZoomedGraphIsCutToItsRectangleInADrawing()
    {
        const QRect graph = toQRect(m_form->ScreenTarget().PlotRect);
        const QPoint from = graph.topLeft() + QPoint(graph.width() / 3, graph.height() / 3);
        const QPoint to = graph.topLeft() + QPoint(graph.width() * 2 / 3, graph.height() * 2 / 3);
        QTest::mousePress(m_form, Qt::LeftButton, {}, from);
        QTest::mouseMove(m_form, to);
        QTest::mouseRelease(m_form, Qt::LeftButton, {}, to);
        QVERIFY(!(m_form->ViewRange() == m_form->FullRange()));
        save("zoomed.svg", kSvg, {});
        const QImage image = rendered(m_fixture.filePath("zoomed.svg"), {432, 288});
        const QRect inside = toQRect(ImagePlotRect(m_form->Plot(), {0, 0, 432, 288}, {96, 96}, 14)).adjusted(-2, -2, 2, 2);
        int outside = 0;
        for (int y = 0; y < inside.top(); ++y)
            for (int x = 0; x < image.width(); ++x)
                outside += colourful(image.pixelColor(x, y));
        for (int y = inside.top(); y < image.height(); ++y)
            for (int x = 0; x < inside.left(); ++x)
                outside += colourful(image.pixelColor(x, y));
        QCOMPARE(outside, 0);
        keepPicture(image, "pltLoad-image-svg-zoomed");
    }

    // A picture too large to make: the message, and no file.
    void aPictureTooLargeForMemoryIsRefused_data()
    {
        QTest::addColumn<QString>("ppi");
        QTest::newRow("1000000 per inch") << "1000000";
        QTest::newRow("largest resolution") << "2147483647";
    }

    void aPictureTooLargeForMemoryIsRefused()
    {
        QFETCH(QString, ppi);
        const QStringList texts = save("huge.bmp", kBitmap, {ppi});
        QCOMPARE(texts, QStringList{"There is not enough memory to complete this task."});
        QVERIFY(!QFile::exists(m_fixture.filePath("huge.bmp")));
    }

    // The fields open on 4 in, 6 in and 72 with 16 colours; a height under 2 in is refused
    // with the field's message and the dialog stays open.
    void theAttributesDialog()
    {
        QStringList refusals;
        QString heightLabel;
        const QStringList texts = save("never.bmp", kBitmap, {}, [&](QDialog* dialog) {
            auto* height = dialog->findChild<TDataEdit*>("deHeight");
            QCOMPARE(height->text(), QString("4"));
            QCOMPARE(dialog->findChild<TDataEdit*>("deWidth")->text(), QString("6"));
            QCOMPARE(dialog->findChild<TDataEdit*>("dePPI")->text(), QString("72"));
            QVERIFY(dialog->findChild<QRadioButton*>("rb16Colors")->isChecked());
            heightLabel = height->EditLabel()->text();
            saveScreenshotWithDialog(m_form, dialog, "TdlgFormat");
            ModalAnswerer boxes;
            height->setText("1");
            dialog->findChild<QPushButton*>("btnOK")->click();
            refusals = boxes.texts();
            QVERIFY(dialog->isVisible());
            QCOMPARE(height->text(), QString("2"));
            dialog->reject();
        });
        QCOMPARE(heightLabel, QString("&Height (in)"));
        QCOMPARE(refusals, QStringList{"Entry must be greater than or equal to 2"});
        QVERIFY(texts.isEmpty());
        QVERIFY(!QFile::exists(m_fixture.filePath("never.bmp")));
    }

    // A name typed without an extension that then names an existing file: the user is asked,
    // and saying no leaves the file as it was.
    void anExistingFileIsReplacedOnlyWhenTheUserSaysSo()
    {
        const QString kept = m_fixture.filePath("kept.bmp");
        QFile file(kept);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("an earlier picture");
        file.close();
        const QStringList texts = save("kept", kBitmap, {}, {}, {QMessageBox::No});
        QCOMPARE(texts.size(), 1);
        QVERIFY(texts[0].contains("kept.bmp already exists"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("an earlier picture"));
    }

private:
    // Saves the window's graph through the menu: the save dialog given `typed` with `filter`
    // shown, then "Save Attributes" filled from `attributes` (or handled by `onAttributes`).
    // Returns the texts of the message boxes.
    QStringList save(const QString& typed, const QString& filter, const Attributes& attributes,
                     const std::function<void(QDialog*)>& onAttributes = {},
                     const QList<QMessageBox::StandardButton>& answers = {})
    {
        ModalAnswerer answerer;
        answerer.queueAnswers(answers);
        answerer.onDialog = [&](QDialog* dialog) {
            if (qobject_cast<QFileDialog*>(dialog)) {
                saveAs(dialog, m_fixture.filePath(typed), filter);
                return;
            }
            QCOMPARE(dialog->objectName(), QString("TdlgFormat"));
            QCOMPARE(dialog->windowTitle(), QString("Save Attributes"));
            if (onAttributes) {
                onAttributes(dialog);
                return;
            }
            dialog->findChild<TDataEdit*>("dePPI")->setText(attributes.ppi);
            dialog->findChild<QRadioButton*>(attributes.colors)->setChecked(true);
            dialog->findChild<QPushButton*>("btnOK")->click();
        };
        m_form->Menu().Entry("PlotSave")->trigger();
        return answerer.texts();
    }

    PlotWindowFixture m_fixture;
    TPlotForm* m_form = nullptr;
};

QTEST_MAIN(PlotImageTest)
#include "PlotImageTest.moc"
