#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "GridControls.h"
#include "TTableChartForm.h"
#include "TableFileViewer.h"
#include "TableWindowFixture.h"

using namespace quarlo;
using namespace quarlo::test;

namespace {

QLineEdit* fileNameEdit(TableFormBase* form)
{
    return form->findChild<QLineEdit*>(QStringLiteral("FileNameEdit"));
}

QStringList columnTexts(TableFormBase* form, int column)
{
    QStringList texts;
    for (int row = 0; row < form->Grid()->model()->rowCount(); ++row)
        texts << cellText(form->Grid(), row, column);
    return texts;
}

}  // namespace

// Rows of numbers read into a chart table from a text file or the clipboard.
class TableImportTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { isolateSettings(); }

    void init()
    {
        m_fixture.Open(QStringLiteral("user-curves-english.qv3d"));
        m_curve = m_fixture.Show(m_fixture.tables.TblQwcurve2());
        QVERIFY(m_curve);
    }

    void cleanup()
    {
        SetTableFileViewer(nullptr);
        m_fixture.Close();
    }

    void aFileWithAHeaderLineFillsTheTable()
    {
        const QString path = writeFile("curve.txt", "Load, Movement\r\n0, 0\r\n150, 0.25\r\n320, 1.5\r\n");
        QVERIFY(!button(m_curve, "BtnRead")->isEnabled());
        fileNameEdit(m_curve)->setText(path);
        QVERIFY(button(m_curve, "BtnRead")->isEnabled());
        QVERIFY(button(m_curve, "BtnEdit")->isEnabled());
        QTest::mouseClick(button(m_curve, "BtnRead"), Qt::LeftButton);
        QCOMPARE(columnTexts(m_curve, 0), (QStringList{"0", "150", "320"}));
        QCOMPARE(columnTexts(m_curve, 1), (QStringList{"0", "0.25", "1.5"}));
        QVERIFY(m_fixture.tables.IsModified());
        saveScreenshot(m_curve->Host(), QStringLiteral("TblQwcurve2-imported"));
    }

    void linesBeyondTheMostRowsAreLeftOut()
    {
        QByteArray lines;
        for (int i = 0; i < 60; ++i)
            lines += QByteArray::number(i) + " " + QByteArray::number(i * 0.01) + "\n";
        fileNameEdit(m_curve)->setText(writeFile("long.dat", lines));
        QTest::mouseClick(button(m_curve, "BtnRead"), Qt::LeftButton);
        QCOMPARE(m_fixture.tables.TblQwcurve2().RowCount(), 50);
        QCOMPARE(m_curve->VisibleRows(), 5);
    }

    void aFileThatWentAwayIsNamedInAMessage()
    {
        const QString path = writeFile("gone.txt", "1 2\n");
        fileNameEdit(m_curve)->setText(path);
        QFile::remove(path);
        ModalAnswerer answerer;
        QTest::mouseClick(button(m_curve, "BtnRead"), Qt::LeftButton);
        QCOMPARE(answerer.texts(), QStringList{QStringLiteral("Cannot open file %1.").arg(path)});
        QCOMPARE(m_fixture.tables.TblQwcurve2().RowCount(), 5);
    }

    void pastedRows_data()
    {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QStringList>("loads");
        QTest::newRow("three rows of a Linux clipboard") << "10\t0.5\n20\t1\n30\t1.5\n" << QStringList{"10", "20", "30"};
        QTest::newRow("three spreadsheet rows") << "10\t0.5\r\n20\t1\r\n30\t1.5\r\n" << QStringList{"10", "20", "30"};
        QTest::newRow("last row without a line end") << "10 0.5\n20 1" << QStringList{"10", "20"};
    }

    void pastedRows()
    {
        QFETCH(QString, clipboard);
        QGuiApplication::clipboard()->setText(clipboard);
        QTest::mouseClick(button(m_curve, "BtnClip"), Qt::LeftButton);
        QTEST(columnTexts(m_curve, 0), "loads");
    }

    void anEmptyClipboardIsSaidSo()
    {
        QGuiApplication::clipboard()->clear();
        ModalAnswerer answerer;
        QTest::mouseClick(button(m_curve, "BtnClip"), Qt::LeftButton);
        QCOMPARE(answerer.texts(), QStringList{QStringLiteral("There is no text on the Clipboard")});
        QCOMPARE(m_fixture.tables.TblQwcurve2().RowCount(), 5);
        QVERIFY(!m_fixture.tables.IsModified());
    }

    void browseNamesTheChosenFile()
    {
        const QString path = writeFile("chosen.txt", "1 2\n");
        // The dialog opens in the folder of the name already given, here the test's own.
        fileNameEdit(m_curve)->setText(m_dir.filePath(QStringLiteral("none.txt")));
        ModalAnswerer answerer;
        answerer.onDialog = [&](QDialog* dialog) {
            auto* files = qobject_cast<QFileDialog*>(dialog);
            QVERIFY(files);
            QCOMPARE(files->objectName(), QStringLiteral("OpenDialog"));
            QCOMPARE(files->directory().absolutePath(), QDir(m_dir.path()).absolutePath());
            files->selectFile(path);
            static_cast<QDialog*>(files)->accept();
        };
        QTest::mouseClick(button(m_curve, "BtnBrowse"), Qt::LeftButton);
        QCOMPARE(fileNameEdit(m_curve)->text(), path);
        QVERIFY(button(m_curve, "BtnRead")->isEnabled());
    }

    void viewEditOpensTheFileOrSaysItCouldNot()
    {
        const QString path = writeFile("view.txt", "1 2\n");
        QStringList opened;
        SetTableFileViewer([&](const QString& file) {
            opened << file;
            return opened.size() == 1;
        });
        fileNameEdit(m_curve)->setText(path);
        ModalAnswerer answerer;
        QTest::mouseClick(button(m_curve, "BtnEdit"), Qt::LeftButton);
        QCOMPARE(opened, QStringList{path});
        QVERIFY(answerer.texts().isEmpty());
        QTest::mouseClick(button(m_curve, "BtnEdit"), Qt::LeftButton);
        QCOMPARE(answerer.texts(), QStringList{QStringLiteral("An error occurred in running the Word Processor")});
    }

private:
    QString writeFile(const char* name, const QByteArray& contents)
    {
        const QString path = m_dir.filePath(QString::fromLatin1(name));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(contents);
        return path;
    }

    TableWindowFixture m_fixture;
    TableFormBase* m_curve = nullptr;
    QTemporaryDir m_dir;
};

QTEST_MAIN(TableImportTest)
#include "TableImportTest.moc"
