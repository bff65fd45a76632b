#include <QtTest>

#include <dlfcn.h>
#include <sys/resource.h>

#include <csignal>

#include "FileDialogDriver.h"
#include "RunFixture.h"

using namespace quarlo;
using namespace quarlo::test;

namespace {

const QString kEngineNotLoaded = QStringLiteral("Attempt to initialize DLL failed\n");

// The file of a shared library this program has loaded already (Qt's core): loading it
// again by a link to it gives the same library, which has no engine entry.
QString loadedLibraryWithoutEntry()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&qVersion), &info) == 0 || !info.dli_fname)
        return {};
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).canonicalFilePath();
}

// A folder below `root` whose path is at least `bytes` bytes long.
QString deepFolder(const QString& root, int bytes)
{
    QString deep = root;
    while (deep.toUtf8().size() < bytes)
        deep += QStringLiteral("/") + QString(40, QLatin1Char('d'));
    QDir().mkpath(deep);
    return deep;
}

// While it lives, no file this process writes may grow beyond `bytes`: a write past it fails
// as on a full disk (the signal that would end the process is ignored meanwhile).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_before);
        m_signal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_before;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_before);
        std::signal(SIGXFSZ, m_signal);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_before{};
    void (*m_signal)(int) = SIG_DFL;
};

}  // namespace

// Run Analysis where something stands in its way: each ends the command with its message,
// or silently where the user chose so, and leaves the project, its earlier results, the
// current folder and the locale as they were.
class RunFailuresTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { startProgram(); }
    void init() { m_run.start(); }
    void cleanup() { m_run.end(); }

    // The library folder holds no engine, a file that is no library, or a library without
    // the entry. The earlier run's results stay as they were and stay shown.
    void withoutAnEngineNothingElseChanges_data()
    {
        QTest::addColumn<QString>("library");
        QTest::addColumn<QString>("reason");
        QTest::newRow("library removed") << "" << "Library could not be located: ";
        QTest::newRow("not a library") << "text" << "Library failed to properly initialize: ";
        QTest::newRow("no entry") << "link" << "has no entry _IQUARLO";
    }

    void withoutAnEngineNothingElseChanges()
    {
        QFETCH(QString, library);
        QFETCH(QString, reason);
        m_run.openExample("drilled-shaft-si.qv3d", "pier.qv3d");
        ModalAnswerer answerer;
        SummaryAnswerer summaries(answerer);
        choose(*m_run.form, "CompRun");
        const QByteArray report = readAll(m_run.file("pier.qv3o"));
        const QString folder = QDir::currentPath();
        const std::string locale = numericLocale();

        QTemporaryDir engineFolder;
        const QString engine = engineFolder.filePath(QString::fromLatin1(RunBridge::kLibraryFileName));
        if (library == QLatin1String("text"))
            writeFile(engine, "not a library\n");
        if (library == QLatin1String("link"))
            QVERIFY(QFile::link(loadedLibraryWithoutEntry(), engine));
        m_run.bridge().SetLibraryFolder(engineFolder.path());
        answerer.clear();
        choose(*m_run.form, "CompRun");

        QCOMPARE(answerer.texts().size(), 1);
        QVERIFY2(answerer.lastText().startsWith(kEngineNotLoaded), qPrintable(answerer.lastText()));
        QVERIFY2(answerer.lastText().contains(reason), qPrintable(answerer.lastText()));
        QCOMPARE(summaries.shown.size(), 1);
        QCOMPARE(readAll(m_run.file("pier.qv3o")), report);
        QVERIFY(m_run.form->PlotsLoaded());
        QCOMPARE(m_run.loads.size(), 1);
        QCOMPARE(m_run.workEntries(), QStringList());
        QCOMPARE(QDir::currentPath(), folder);
        QCOMPARE(numericLocale(), locale);
    }

    // A project never saved asks for a name first; cancelling that ends the command.
    void cancellingSaveAsRunsNothing()
    {
        ModalAnswerer answerer;
        FileDialogDriver dialogs(answerer);
        dialogs.cancel();
        choose(*m_run.form, "CompRun");

        QCOMPARE(dialogs.shown.size(), 1);
        QCOMPARE(dialogs.shown.first().title, QStringLiteral("Save NewQUARLO.qv3d As"));
        QCOMPARE(answerer.texts(), QStringList());
        QCOMPARE(m_run.projectFolderFiles(), QStringList());
        QCOMPARE(m_run.workEntries(), QStringList());
        QVERIFY(m_run.loads.isEmpty());
    }

    // The project cannot be saved: the engine would analyse the file as it was before the
    // user's changes, so the run stops with the reason.
    void aFailedSaveStopsTheRun()
    {
        const QString project = m_run.openExample("drilled-shaft-si.qv3d", "pier.qv3d");
        QFile::setPermissions(project, QFile::ReadOwner);
        ModalAnswerer answerer;
        SummaryAnswerer summaries(answerer);
        choose(*m_run.form, "CompRun");

        QCOMPARE(answerer.texts().size(), 1);
        QVERIFY2(answerer.lastText().startsWith(QStringLiteral("An error occured during saving\nCannot save ")),
                 qPrintable(answerer.lastText()));
        QVERIFY(answerer.lastText().endsWith(QStringLiteral("Permission denied")));
        QVERIFY(summaries.shown.isEmpty());
        QCOMPARE(m_run.projectFolderFiles(), QStringList{"pier.qv3d"});
        QCOMPARE(m_run.workEntries(), QStringList());
    }

    // The private folder for names.dat cannot be made (its parent is a file): the run stops
    // with the reason and the engine is not called.
    void namesFileThatCannotBeWrittenStopsTheRun()
    {
        m_run.openExample("drilled-shaft-si.qv3d", "pier.qv3d");
        const QString notAFolder = m_run.file("not a folder");
        writeFile(notAFolder, "");
        m_run.bridge().SetWorkFolderParent(notAFolder);
        ModalAnswerer answerer;
        SummaryAnswerer summaries(answerer);
        choose(*m_run.form, "CompRun");

        QCOMPARE(answerer.texts().size(), 1);
        QVERIFY2(answerer.lastText().startsWith(QStringLiteral("An error occured while writing file names\n")),
                 qPrintable(answerer.lastText()));
        QVERIFY(summaries.shown.isEmpty());
        QCOMPARE(m_run.projectFolderFiles(), (QStringList{"not a folder", "pier.qv3d"}));
    }

    // names.dat is cut short (the disk fills while it is written): the engine would read
    // names cut short, so the run stops with the reason. The project lies deep enough that
    // names.dat, which holds its path four times, is over 900 bytes; the project file is
    // under 800.
    void aNamesFileWrittenInPartStopsTheRun()
    {
        const QString project = deepFolder(m_run.folder->path(), 220) + QStringLiteral("/pier.qv3d");
        QVERIFY(QFile::copy(examplePath("drilled-shaft-si.qv3d"), project));
        QFile::setPermissions(project, QFile::ReadOwner | QFile::WriteOwner);
        m_run.form->Files().OpenFileName(project, true);
        ModalAnswerer answerer;
        SummaryAnswerer summaries(answerer);
        {
            const FileSizeLimit fullDisk(800);
            choose(*m_run.form, "CompRun");
        }

        QCOMPARE(answerer.texts().size(), 1);
        QVERIFY2(answerer.lastText().startsWith(QStringLiteral("An error occured while writing file names\n")),
                 qPrintable(answerer.lastText()));
        QVERIFY2(answerer.lastText().endsWith(QStringLiteral("File too large")), qPrintable(answerer.lastText()));
        QVERIFY(summaries.shown.isEmpty());
        QVERIFY(QFileInfo(project).size() < 800);
        QCOMPARE(QDir(QFileInfo(project).path()).entryList(QDir::Files), QStringList{"pier.qv3d"});
        QCOMPARE(m_run.workEntries(), QStringList());
    }

    // A project whose full path is longer than the engine reads would have the engine read
    // and write other files: it is refused before the call.
    void aPathTheEngineCannotHoldIsRefused()
    {
        const QString deep = deepFolder(m_run.folder->path(), 260);
        const QString project = deep + QStringLiteral("/pier.qv3d");
        QVERIFY(QFile::copy(examplePath("drilled-shaft-si.qv3d"), project));
        QFile::setPermissions(project, QFile::ReadOwner | QFile::WriteOwner);
        m_run.form->Files().OpenFileName(project, true);
        ModalAnswerer answerer;
        SummaryAnswerer summaries(answerer);
        choose(*m_run.form, "CompRun");

        QCOMPARE(answerer.texts().size(), 1);
        QVERIFY2(answerer.lastText().startsWith(QStringLiteral("The analysis cannot be run: the full path of the file ") +
                                                project),
                 qPrintable(answerer.lastText()));
        QVERIFY(summaries.shown.isEmpty());
        QCOMPARE(QDir(deep).entryList(QDir::Files), QStringList{"pier.qv3d"});
        QCOMPARE(m_run.workEntries(), QStringList());
    }

private:
    RunFixture m_run;
};

QTEST_MAIN(RunFailuresTest)
#include "RunFailuresTest.moc"
