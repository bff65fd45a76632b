#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <clocale>
#include <cstdio>

#include "GraphDefinitions.h"
#include "GuiTestSupport.h"
#include "TDlgExport.h"
#include "XlsxPackage.h"

using namespace quarlo;

// A workbook written while the user's locale has a decimal comma: its numbers, column widths
// and chart data must still be written with full stops, or no spreadsheet program can read it.
class DecimalCommaExportTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        test::isolateSettings();
        QVERIFY(m_dir.isValid());
        const char* numeric = std::setlocale(LC_NUMERIC, nullptr);
        if (QByteArray(numeric) != "de_DE.UTF-8")
            QSKIP("no decimal-comma locale on this machine");
    }

    void numbersWidthsAndChartDataKeepTheFullStop()
    {
        GraphDefinitions graphs;
        graphs.pltLoad.SetCurveCount(1);
        graphs.pltLoad.SetPointCount(2);
        graphs.pltLoad.CurvePoint(0, 0) = {1.5L, 2.25L};
        graphs.pltLoad.CurvePoint(0, 1) = {2.5E-7L, 10};
        graphs.pltLoad.Curve(0).Name = "LegendTextOfThirteen";
        TDlgExport dialog(graphs, true, m_dir.filePath("pier.qv3d"));
        dialog.SetOpener([](const QString&) { return true; });
        dialog.show();
        const QString path = m_dir.filePath("pier-plots.xlsx");
        test::ModalAnswerer answerer;
        dialog.GenerateTo(path);
        QVERIFY2(answerer.texts().isEmpty(), qPrintable(answerer.lastText()));

        const test::XlsxPackage workbook(path);
        const QMap<QString, QString> page = workbook.cells("Page_1");
        QCOMPARE(page.value("A6"), QString("1.5"));
        QCOMPARE(page.value("B6"), QString("2.25"));
        QCOMPARE(page.value("A7"), QString("2.5E-07"));
        QCOMPARE(workbook.columnWidths("Page_1").value(1), 21.0 + 0.7109375);  // 20 characters and the margin
        static const QRegularExpression decimalComma(QStringLiteral("[0-9],[0-9]"));
        for (const QString& part : {workbook.sheetPart("Legend"), workbook.sheetPart("Page_1"),
                                    workbook.chartPart("Plot_1")}) {
            const QString xml = QString::fromUtf8(workbook.part(part));
            QVERIFY2(!xml.contains(decimalComma), qPrintable(part));
        }
        QVERIFY(QString::fromUtf8(workbook.part(workbook.chartPart("Plot_1"))).contains("<c:v>2.25</c:v>"));
        // The locale the program runs with is left as it was.
        QCOMPARE(QByteArray(std::setlocale(LC_NUMERIC, nullptr)), QByteArray("de_DE.UTF-8"));
        char text[8];
        std::snprintf(text, sizeof text, "%.1f", 1.5);
        QCOMPARE(QByteArray(text), QByteArray("1,5"));
    }

private:
    QTemporaryDir m_dir;
};

// The locale is chosen before the application exists: constructing it makes Qt take the
// user's locale into the C library, as the program's start-up does.
int main(int argc, char* argv[])
{
    qputenv("LC_ALL", "de_DE.UTF-8");
    QApplication application(argc, argv);
    DecimalCommaExportTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "DecimalCommaExportTest.moc"
