#include <QTemporaryDir>
#include <QtTest>

#include <cstdint>

#include "EDLLError.h"
#include "TDynamicLibrary.h"

using namespace quarlo;

namespace {

// The engine built beside the test programs.
std::string enginePath()
{
    return QUARLO_BIN_DIR "/libQUARLO2014_DLL.so";
}

using Entry = std::int32_t (*)(std::int32_t);

}  // namespace

// The loader on the real engine library and on files that are none.
class TDynamicLibraryTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Loaded, the engine's entry answers; any request other than a run returns 1 and touches
    // no file. Unloaded, no entry can be looked up.
    void loadsLooksUpAndFrees()
    {
        TDynamicLibrary library;
        QVERIFY(!library.IsLoaded());
        library.SetLibraryName(enginePath());
        library.Load();
        QVERIFY(library.IsLoaded());
        auto entry = reinterpret_cast<Entry>(library.GetProc("_IQUARLO"));
        QVERIFY(entry);
        QCOMPARE(entry(0), 1);
        QVERIFY(library.GetProc("IQUARLO"));
        QVERIFY(!library.GetProc("NO_SUCH_ENTRY"));
        library.Load();
        QVERIFY(library.IsLoaded());

        library.Unload();
        QVERIFY(!library.IsLoaded());
        QVERIFY_THROWS_EXCEPTION(EDLLNotOpenError, library.GetProc("_IQUARLO"));
    }

    // Naming another library frees the one loaded.
    void aNewNameFreesTheLibrary()
    {
        TDynamicLibrary library;
        library.SetLibraryName(enginePath());
        library.Load();
        library.SetLibraryName(enginePath());
        QVERIFY(!library.IsLoaded());
        QCOMPARE(library.LibraryName(), enginePath());
    }

    void aFileThatCannotBeLoaded_data()
    {
        QTest::addColumn<QByteArray>("contents");  // empty: no file at all
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << QByteArray() << "Library could not be located";
        QTest::newRow("not a library") << QByteArray("not a library\n") << "Library failed to properly initialize";
    }

    // Neither raises anything but an EDLLError, and the object stays unloaded.
    void aFileThatCannotBeLoaded()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = dir.filePath("libQUARLO2014_DLL.so");
        if (!contents.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(contents);
        }
        TDynamicLibrary library;
        library.SetLibraryName(path.toStdString());
        try {
            library.Load();
            QFAIL("the file was loaded");
        } catch (const EDLLError& error) {
            QCOMPARE(QString::fromStdString(error.what()), message);
            QVERIFY(!error.Detail().empty());
        }
        QVERIFY(!library.IsLoaded());
    }
};

QTEST_MAIN(TDynamicLibraryTest)
#include "TDynamicLibraryTest.moc"
