#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QtTest>

#include <clocale>

#include "TableWindowFixture.h"

using namespace quarlo;
using namespace quarlo::test;

// A user whose locale writes numbers with a decimal comma: the program's start-up has made
// that the C library's locale too. Cell entries and the project file still use the full stop.
class DecimalCommaEntryTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        isolateSettings();
        const std::lconv* numbers = std::localeconv();
        if (numbers->decimal_point[0] != ',')
            QSKIP("no locale with a decimal comma installed");
        QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));
    }

    void init() { m_fixture.Open(QStringLiteral("driven-pile-clay-english.qv3d")); }
    void cleanup() { m_fixture.Close(); }

    void anEntryWithAFullStopIsStoredAndSavedAsTyped()
    {
        TableFormBase* form = m_fixture.Show(m_fixture.tables.TblAE2());
        typeInto(form->Grid(), 1, 0, QStringLiteral("1.5"));
        QVERIFY(form->ValidateCurrentCell());
        QCOMPARE(m_fixture.tables.TblAE2().Data(0, 1).AsFloat(), 1.5L);
        QCOMPARE(cellText(form->Grid(), 1, 0), QStringLiteral("1.5"));
        QTemporaryDir dir;
        m_fixture.project->FileName = dir.filePath(QStringLiteral("comma.qv3d")).toStdString();
        m_fixture.project->SaveToFile();
        QFile saved(QString::fromStdString(m_fixture.project->FileName));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray text = saved.readAll();
        QVERIFY(text.contains("7.0607295E8 1.5\r\n"));
        QVERIFY(!text.contains("1,5"));
    }

private:
    TableWindowFixture m_fixture;
};

// The locale is chosen before the application exists: constructing it makes Qt take the
// user's locale into the C library, as the program's start-up does.
int main(int argc, char* argv[])
{
    qputenv("LC_ALL", "de_DE.UTF-8");
    QApplication application(argc, argv);
    DecimalCommaEntryTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "DecimalCommaEntryTest.moc"
