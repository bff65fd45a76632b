#include <QtTest>

#include <string>

#include "FileDialogDriver.h"
#include "FileTestFixture.h"
#include "ProjectFileWriter.h"

using namespace quarlo;
using namespace quarlo::test;

namespace {

const QString kCurrentFormatFilter = QStringLiteral("QUARLO 2014 (*.qv3d)");
const QString kOldFormatFilter = QStringLiteral("QUARLO 2.0 (*.qvd)");
const QString kSaveQuestion = QStringLiteral("Do you want to save any changes?");

// What the Save As dialog is answered with, when one comes.
enum SaveAsAnswer { kNoDialog, kNamed, kCancelled };

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString projectFile(const TMainForm& form)
{
    return QString::fromStdString(form.Project().FileName);
}

// An edit the user has not saved yet: a new title.
void editTitle(TMainForm& form, const std::string& title = "Pier 4, edited")
{
    form.Project().Title = title;
    form.SetModified(true);
}

}  // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { startProgram(); }
    void init()
    {
        startFileTest(m_dir, m_form);
    }
    void cleanup() { endFileTest(m_dir, m_form); }

    // Every command that drops the project asks first. Only No, or Yes followed by a save
    // that succeeded, lets it go on; Cancel and a cancelled Save As keep the project, edits
    // and all.
    void theSaveQuestionComesBeforeTheProjectIsDropped_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("named");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("saveAs");
        QTest::addColumn<bool>("goesOn");
        QTest::addColumn<bool>("saved");
        for (const char* command : {"FileNew", "FileOpen", "FileExit"}) {
            const QByteArray c(command);
            QTest::newRow(c + ", No drops the edit")
                << command << true << int(QMessageBox::No) << int(kNoDialog) << true << false;
            QTest::newRow(c + ", Cancel keeps it")
                << command << true << int(QMessageBox::Cancel) << int(kNoDialog) << false << false;
            QTest::newRow(c + ", Yes saves first")
                << command << true << int(QMessageBox::Yes) << int(kNoDialog) << true << true;
            QTest::newRow(c + ", Yes, unnamed, named in Save As")
                << command << false << int(QMessageBox::Yes) << int(kNamed) << true << true;
            QTest::newRow(c + ", Yes, unnamed, Save As cancelled")
                << command << false << int(QMessageBox::Yes) << int(kCancelled) << false << false;
        }
    }

    void theSaveQuestionComesBeforeTheProjectIsDropped()
    {
        QFETCH(QString, command);
        QFETCH(bool, named);
        QFETCH(int, answer);
        QFETCH(int, saveAs);
        QFETCH(bool, goesOn);
        QFETCH(bool, saved);
        const QString project = named ? copyExample(*m_dir, "drilled-shaft-si.qv3d", "pier.qv3d")
                                      : m_dir->filePath("pier.qv3d");
        if (named)
            m_form->Files().OpenFileName(project, true);
        const QByteArray before = readAll(project);
        editTitle(*m_form);

        ModalAnswerer answerer;
        FileDialogDriver dialogs(answerer);
        answerer.queueAnswers({static_cast<QMessageBox::StandardButton>(answer)});
        if (saveAs == kNamed)
            dialogs.accept(project);
        else if (saveAs == kCancelled)
            dialogs.cancel();
        // Open's own dialog, once the question let it come.
        dialogs.accept(examplePath("user-curves-english.qv3d"));
        choose(*m_form, command);

        QCOMPARE(answerer.texts(), QStringList{kSaveQuestion});
        if (saved)
            QVERIFY(readAll(project).startsWith("Pier 4, edited\r\n"));
        else
            QCOMPARE(readAll(project), before);
        if (!goesOn) {
            QVERIFY(m_form->isVisible());
            QCOMPARE(m_form->Project().Title, std::string("Pier 4, edited"));
            QVERIFY(m_form->IsModified());
        } else if (command == QLatin1String("FileExit")) {
            QVERIFY(!m_form->isVisible());
        } else {
            const std::string next = command == QLatin1String("FileNew")
                                         ? "New Pile"
                                         : "14-in square precast concrete pile, 50 ft, user t-z and Q-w curves";
            QCOMPARE(m_form->Project().Title, next);
            QVERIFY(!m_form->IsModified());
        }
    }

    void anUnchangedProjectIsDroppedWithoutAQuestion()
    {
        m_form->Files().OpenFileName(examplePath("drilled-shaft-si.qv3d"), true);
        ModalAnswerer answerer;
        choose(*m_form, "SpeedButton2");
        QCOMPARE(answerer.texts(), QStringList());
        QCOMPARE(m_form->Project().FileName, std::string(TProgramData::kNewFileName));
        QCOMPARE(m_form->windowTitle(), QStringLiteral("QUARLO 2014.3.2 - NewQUARLO.qv3d"));
    }

    // The Open dialog lists the three file types; a file named neither .qv3d nor .qvd is read
    // in the format of the one chosen.
    void openReadsTheFormatOfTheChosenFileType()
    {
        QVERIFY(QFile::copy(QStringLiteral(QUARLO_SOURCE_DIR "/tests/cli/data/convert-old-format.qvd"),
                            m_dir->filePath("job.qvd")));
        ModalAnswerer answerer;
        FileDialogDriver dialogs(answerer);
        dialogs.accept(m_dir->filePath("job.qvd"), kOldFormatFilter);
        dialogs.screenshotNext(QStringLiteral("OpenDialog"));
        choose(*m_form, "SpeedButton1");

        QCOMPARE(dialogs.shown.size(), 1);
        const FileDialogDriver::Shown& shown = dialogs.shown.first();
        QCOMPARE(shown.objectName, QStringLiteral("OpenDialog"));
        QCOMPARE(shown.title, QStringLiteral("Open"));
        QCOMPARE(shown.nameFilters, (QStringList{kCurrentFormatFilter, kOldFormatFilter, "All Files (*)"}));
        QCOMPARE(shown.defaultSuffix, QStringLiteral("qv3d"));
        QCOMPARE(shown.acceptMode, QFileDialog::AcceptOpen);
        QVERIFY(shown.qtDialog);
        QCOMPARE(answerer.texts(), QStringList());
        QCOMPARE(m_form->Project().Title, std::string("Drilled shaft 0.9 m, 15 m long, stiff clay over dense sand"));
        QCOMPARE(m_form->windowTitle(), QStringLiteral("QUARLO 2014.3.2 - Job.qvd"));
        QCOMPARE(QDir::currentPath(), QDir(m_dir->path()).canonicalPath());

        // An old file keeps its format whatever file type is shown; a name that tells
        // nothing is read as the chosen type says, so an old file read as current ends early.
        dialogs.accept(m_dir->filePath("job.qvd"), kCurrentFormatFilter);
        choose(*m_form, "FileOpen");
        QCOMPARE(answerer.texts(), QStringList());
        QVERIFY(QFile::copy(m_dir->filePath("job.qvd"), m_dir->filePath("job.dat")));
        dialogs.accept(m_dir->filePath("job.dat"), kCurrentFormatFilter);
        choose(*m_form, "FileOpen");
        QCOMPARE(answerer.texts(), QStringList{"This file either invalid or incomplete."});
    }

    void openCancelledKeepsTheProject()
    {
        m_form->Files().OpenFileName(examplePath("drilled-shaft-si.qv3d"), true);
        const TProgramData* before = &m_form->Project();
        ModalAnswerer answerer;
        FileDialogDriver dialogs(answerer);
        dialogs.cancel();
        choose(*m_form, "FileOpen");
        QCOMPARE(dialogs.shown.size(), 1);
        QCOMPARE(&m_form->Project(), before);
    }

    void saveWritesANamedProjectWithoutADialog()
    {
        const QString project = copyExample(*m_dir, "driven-pile-clay-english.qv3d");
        m_form->Files().OpenFileName(project, true);
        editTitle(*m_form);
        ModalAnswerer answerer;
        FileDialogDriver dialogs(answerer);
        choose(*m_form, "SpeedButton3");
        QCOMPARE(dialogs.shown.size(), 0);
        QCOMPARE(answerer.texts(), QStringList());
        QVERIFY(!m_form->IsModified());
        QCOMPARE(readAll(project), QByteArray::fromStdString(ProjectFileWriter::Text(m_form->Project())));
        QVERIFY(readAll(project).startsWith("Pier 4, edited\r\n"));
    }

    // The tool button and Ctrl+S open no menu: Save itself has the active window store its
    // edit first, and saves nothing while the window refuses an entry.
    void saveStoresTheActiveWindowsEditFirst()
    {
        const QString project = copyExample(*m_dir, "drilled-shaft-si.qv3d", "pier.qv3d");
        m_form->Files().OpenFileName(project, true);
        struct TitleWindow : CountingChild {
            TProgramData* project = nullptr;
            bool FormDeactivate() override
            {
                if (!refuse)
                    project->Title = "Typed in the window";
                return CountingChild::FormDeactivate();
            }
        };
        auto* window = new TitleWindow;
        window->project = &m_form->Project();
        window->refuse = true;
        m_form->Area().AddChild(window);
        const QByteArray before = readAll(project);
        ModalAnswerer answerer;
        choose(*m_form, "SpeedButton3");
        QCOMPARE(readAll(project), before);
        QVERIFY(!m_form->SaveConfirmed());

        window->refuse = false;
        m_form->SetSaveConfirmed(true);
        choose(*m_form, "SpeedButton3");
        QVERIFY(readAll(project).startsWith("Typed in the window\r\n"));
        QVERIFY(m_form->SaveConfirmed());
        QCOMPARE(answerer.texts(), QStringList());
    }

    // A new project has no name yet: Save asks for one, proposing the new project's name.
    void saveOnANewProjectAsksForAName()
    {
        editTitle(*m_form);
        ModalAnswerer answerer;
        FileDialogDriver dialogs(answerer);
        dialogs.cancel();
        choose(*m_form, "FileSave");
        QCOMPARE(dialogs.shown.size(), 1);
        const FileDialogDriver::Shown& shown = dialogs.shown.first();
        QCOMPARE(shown.objectName, QStringLiteral("SaveDialog"));
        QCOMPARE(shown.title, QStringLiteral("Save NewQUARLO.qv3d As"));
        QCOMPARE(shown.proposal, m_dir->filePath("NewQUARLO.qv3d"));
        QCOMPARE(shown.nameFilters, (QStringList{kCurrentFormatFilter, kOldFormatFilter, "All Files (*)"}));
        QCOMPARE(shown.defaultSuffix, QStringLiteral("qv3d"));
        QCOMPARE(shown.acceptMode, QFileDialog::AcceptSave);
        QVERIFY(shown.qtDialog);
        // Cancelled: still unnamed, still modified, and a run would stop.
        QCOMPARE(m_form->Project().FileName, std::string(TProgramData::kNewFileName));
        QVERIFY(m_form->IsModified());
        QVERIFY(!m_form->SaveConfirmed());

        // A name typed without extension gets the project extension.
        m_form->SetSaveConfirmed(true);
        dialogs.accept(m_dir->filePath("pier"));
        QVERIFY(m_form->Files().Save());
        QCOMPARE(projectFile(*m_form), m_dir->filePath("pier.qv3d"));
        QVERIFY(readAll(m_dir->filePath("pier.qv3d")).startsWith("Pier 4, edited\r\n"));
        QCOMPARE(m_form->windowTitle(), QStringLiteral("QUARLO 2014.3.2 - Pier.qv3d"));
        QVERIFY(!m_form->IsModified());
        QVERIFY(m_form->SaveConfirmed());
        QCOMPARE(answerer.texts(), QStringList());
    }

    void saveAsTitlesTheDialogAndProposesTheName()
    {
        const QString project = copyExample(*m_dir, "drilled-shaft-si.qv3d", "pier.qv3d");
        m_form->Files().OpenFileName(project, true);
        ModalAnswerer answerer;
        FileDialogDriver dialogs(answerer);
        dialogs.accept(m_dir->filePath("pier-copy.qv3d"));
        choose(*m_form, "FileSaveAs");
        QCOMPARE(dialogs.shown.value(0).title, QStringLiteral("Save Pier.qv3d As"));
        QCOMPARE(dialogs.shown.value(0).proposal, project);
        QCOMPARE(readAll(m_dir->filePath("pier-copy.qv3d")), readAll(project));
        QCOMPARE(projectFile(*m_form), m_dir->filePath("pier-copy.qv3d"));
        QCOMPARE(m_form->windowTitle(), QStringLiteral("QUARLO 2014.3.2 - Pier-copy.qv3d"));
        // Save and Save As leave the recent files alone.
        QCOMPARE(m_form->Files().Recent().Count(), 1);
        QCOMPARE(m_form->Files().Recent().Entry(0), project.toStdString());
    }

    // What was read before a reading error is not silently written over the user's file:
    // Save asks, proposing the same name, so the user decides.
    void saveAfterAReadingErrorProposesTheSameName()
    {
        const QString broken = m_dir->filePath("broken.qv3d");
        writeFile(broken, "Broken pile\r\n40 0 1\r\n2 \r\nlayers\r\n");
        ModalAnswerer answerer;
        FileDialogDriver dialogs(answerer);
        m_form->Files().OpenFileName(broken, true);
        dialogs.cancel();
        choose(*m_form, "FileSave");
        QCOMPARE(dialogs.shown.size(), 1);
        QCOMPARE(dialogs.shown.first().title, QStringLiteral("Save Broken.qv3d As"));
        QCOMPARE(dialogs.shown.first().proposal, broken);
        QCOMPARE(readAll(broken), QByteArray("Broken pile\r\n40 0 1\r\n2 \r\nlayers\r\n"));

        QVERIFY(!m_form->SaveConfirmed());

        // Once saved under a name of the user's choice, Save asks no more.
        dialogs.accept(m_dir->filePath("repaired.qv3d"));
        QVERIFY(m_form->Files().Save());
        QVERIFY(readAll(m_dir->filePath("repaired.qv3d")).startsWith("Broken pile\r\n40 0 1\r\n"));
        QVERIFY(m_form->Files().Save());
        QCOMPARE(dialogs.shown.size(), 2);
        QCOMPARE(answerer.texts(), QStringList{"Error on Line 4 Item 1\nAn integer was expected but not found."});
    }

    // A save that fails says why, leaves the file on disk byte for byte as it was and keeps
    // the project modified under its name; after Yes to the question, the window stays open.
    // Both failures hold for every user, root included: a file marked read-only is refused,
    // and a folder that is a file cannot hold one.
    void aFailedSaveKeepsTheFileAndTheProject_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("reason");
        QTest::newRow("Save over a read-only file") << "FileSave" << "" << "Permission denied";
        QTest::newRow("Save As below a file") << "FileSaveAs" << "pier.qv3d/copy.qv3d" << "Not a directory";
        QTest::newRow("closing, Yes, read-only file") << "close" << "" << "Permission denied";
    }

    void aFailedSaveKeepsTheFileAndTheProject()
    {
        QFETCH(QString, command);
        QFETCH(QString, target);
        QFETCH(QString, reason);
        const QString project = copyExample(*m_dir, "drilled-shaft-si.qv3d", "pier.qv3d");
        m_form->Files().OpenFileName(project, true);
        editTitle(*m_form);
        QFile::setPermissions(project, QFile::ReadOwner);
        const QByteArray before = readAll(project);

        ModalAnswerer answerer;
        FileDialogDriver dialogs(answerer);
        if (!target.isEmpty())
            dialogs.accept(m_dir->filePath(target));
        if (command == QLatin1String("close")) {
            answerer.queueAnswers({QMessageBox::Yes});
            m_form->close();
            QCOMPARE(answerer.texts().value(0), kSaveQuestion);
        } else {
            choose(*m_form, command);
            QCOMPARE(answerer.boxes().size(), 1);
        }

        QVERIFY2(answerer.lastText().startsWith(QStringLiteral("Cannot save ")), qPrintable(answerer.lastText()));
        QVERIFY2(answerer.lastText().endsWith(reason), qPrintable(answerer.lastText()));
        QCOMPARE(readAll(project), before);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{"pier.qv3d"});
        QCOMPARE(projectFile(*m_form), project);
        QCOMPARE(m_form->windowTitle(), QStringLiteral("QUARLO 2014.3.2 - Pier.qv3d"));
        QVERIFY(m_form->isVisible());
        QVERIFY(m_form->IsModified());
        QCOMPARE(m_form->Project().Title, std::string("Pier 4, edited"));
    }

    // An old-format project is saved in the current format under the ".qv3d" name; the old
    // file is never written over.
    void anOldFormatFileIsSavedInTheCurrentFormat_data()
    {
        QTest::addColumn<QString>("oldFile");
        QTest::addColumn<QString>("title");
        QTest::newRow("generated curves, two loads")
            << QUARLO_SOURCE_DIR "/tests/cli/data/convert-old-format.qvd"
            << "Drilled shaft 0.9 m, 15 m long, stiff clay over dense sand";
        QTest::newRow("new pile") << QUARLO_SOURCE_DIR "/fuzz/corpus/project_reader/old-format.qvd" << "New Pile";
    }

    void anOldFormatFileIsSavedInTheCurrentFormat()
    {
        QFETCH(QString, oldFile);
        QFETCH(QString, title);
        const QString old = m_dir->filePath("job.qvd");
        QVERIFY(QFile::copy(oldFile, old));
        const QByteArray oldBytes = readAll(old);
        ModalAnswerer answerer;
        FileDialogDriver dialogs(answerer);
        dialogs.accept(old, kOldFormatFilter);
        choose(*m_form, "FileOpen");
        QCOMPARE(answerer.texts(), QStringList());
        QCOMPARE(QString::fromStdString(m_form->Project().Title), title);

        dialogs.accept(m_dir->filePath("job.qv3d"));
        dialogs.screenshotNext(QStringLiteral("SaveDialog"));
        choose(*m_form, "FileSave");
        QCOMPARE(dialogs.shown.size(), 2);
        QCOMPARE(dialogs.shown[1].title, QStringLiteral("Save Job.qvd As"));
        QCOMPARE(dialogs.shown[1].proposal, m_dir->filePath("job.qv3d"));
        QCOMPARE(readAll(old), oldBytes);
        // The records of the old format as they were, then the two modification-factor
        // sections it lacks, both off.
        QCOMPARE(readAll(m_dir->filePath("job.qv3d")), oldBytes + " 0\r\n 0\r\n");
        QCOMPARE(m_form->windowTitle(), QStringLiteral("QUARLO 2014.3.2 - Job.qv3d"));
        QCOMPARE(answerer.texts(), QStringList());

        // Named in the current format now, the project is saved without a dialog.
        QVERIFY(m_form->Files().Save());
        QCOMPARE(dialogs.shown.size(), 2);
    }

    // The program writes only the current format; a file named ".qvd" would be read back as
    // the old one and lose its modification factors.
    void anOldFormatNameChosenInSaveAsBecomesTheCurrentOne()
    {
        m_form->Files().OpenFileName(examplePath("user-curves-si.qv3d"), true);
        QVERIFY(m_form->Project().TzFactorsOn);
        ModalAnswerer answerer;
        FileDialogDriver dialogs(answerer);
        dialogs.accept(m_dir->filePath("fill.qvd"));
        QVERIFY(m_form->Files().SaveAs());
        QVERIFY(!QFile::exists(m_dir->filePath("fill.qvd")));
        QCOMPARE(readAll(m_dir->filePath("fill.qv3d")), readAll(examplePath("user-curves-si.qv3d")));
        QCOMPARE(projectFile(*m_form), m_dir->filePath("fill.qv3d"));

        // The ".qv3d" file of that name exists now: the user is asked before it is replaced.
        editTitle(*m_form);
        dialogs.accept(m_dir->filePath("fill.qvd"));
        answerer.queueAnswers({QMessageBox::No});
        QVERIFY(!m_form->Files().SaveAs());
        QCOMPARE(answerer.texts(), QStringList{"fill.qv3d already exists.\nDo you want to replace it?"});
        QCOMPARE(readAll(m_dir->filePath("fill.qv3d")), readAll(examplePath("user-curves-si.qv3d")));
        QVERIFY(m_form->IsModified());
        QVERIFY(!m_form->SaveConfirmed());
    }

    // An engineer's whole round: a project changed, saved under a new name, the program on to
    // a new project, the saved file opened again. Every value comes back, and the file is the
    // one the project model writes, so the engine reads what the program showed.
    void aSavedProjectOpensAgainWithEveryValue()
    {
        const QString example = copyExample(*m_dir, "drilled-shaft-si.qv3d");
        m_form->Files().OpenFileName(example, true);
        TProgramData& project = m_form->Project();
        project.Title = "Pier 7, shaft lengthened";
        project.Increments = 120;
        project.PileLength = 16.5L;
        project.DowndragOn = true;
        m_form->Tables().TblAE2().Data(0, 1).SetAsFloat(16.5L);
        m_form->Tables().TblTopload().Data(0, 1).SetAsFloat(3250.0L);
        m_form->Tables().TblSettlement2().Data(1, 0).SetAsFloat(0.012L);
        m_form->SetModified(true);
        const std::string expected = ProjectFileWriter::Text(project);

        const QString saved = m_dir->filePath("pier7.qv3d");
        ModalAnswerer answerer;
        FileDialogDriver dialogs(answerer);
        dialogs.accept(saved);
        choose(*m_form, "FileSaveAs");
        QCOMPARE(readAll(saved), QByteArray::fromStdString(expected));

        choose(*m_form, "FileNew");
        QCOMPARE(m_form->Project().Title, std::string("New Pile"));
        m_form->Files().OpenFileName(saved, true);
        QCOMPARE(answerer.texts(), QStringList());
        const TProgramData& reopened = m_form->Project();
        QCOMPARE(reopened.Title, std::string("Pier 7, shaft lengthened"));
        QCOMPARE(reopened.Increments, 120);
        QCOMPARE(double(reopened.PileLength), 16.5);
        QVERIFY(reopened.DowndragOn);
        QCOMPARE(reopened.Units(), 2);
        QCOMPARE(double(m_form->Tables().TblAE2().Data(0, 1).AsFloat()), 16.5);
        QCOMPARE(m_form->Tables().TblTopload().Data(0, 1).Text(), std::string("3250"));
        QCOMPARE(double(m_form->Tables().TblSettlement2().Data(1, 0).AsFloat()), 0.012);
        QCOMPARE(ProjectFileWriter::Text(reopened), expected);
        QVERIFY(!m_form->IsModified());
    }

    // Saved unchanged, a bundled example is the same file byte for byte, so it runs with the
    // same results.
    void anExampleSavedUnchangedIsTheSameFile_data()
    {
        QTest::addColumn<QString>("example");
        for (const char* example : {"driven-pile-clay-english.qv3d", "drilled-shaft-si.qv3d",
                                    "user-curves-english.qv3d", "user-curves-si.qv3d"})
            QTest::newRow(example) << example;
    }

    void anExampleSavedUnchangedIsTheSameFile()
    {
        QFETCH(QString, example);
        m_form->Files().OpenFileName(examplePath(example), true);
        ModalAnswerer answerer;
        FileDialogDriver dialogs(answerer);
        dialogs.accept(m_dir->filePath("copy.qv3d"));
        QVERIFY(m_form->Files().SaveAs());
        QCOMPARE(readAll(m_dir->filePath("copy.qv3d")), readAll(examplePath(example)));
    }

    // The plots are read after every opening when the project has its plot data file, without
    // error messages; the graphs install the reader.
    void plotsAreReadWhenTheProjectHasThem()
    {
        QStringList read;
        m_form->SetPlotFileLoader([&read](const QString& fileName, bool showErrors) {
            read << fileName + (showErrors ? QStringLiteral(" with errors") : QString());
            return true;
        });
        const QString project = copyExample(*m_dir, "drilled-shaft-si.qv3d", "pier.qv3d");
        m_form->Files().OpenFileName(project, true);
        QCOMPARE(read, QStringList());
        QVERIFY(!m_form->PlotsLoaded());

        writeFile(m_dir->filePath("pier.qv3p"), "plots");
        m_form->Files().OpenFileName(project, true);
        QCOMPARE(read, QStringList{m_dir->filePath("pier.qv3p")});
        QVERIFY(m_form->PlotsLoaded());
        QVERIFY(findButton(*m_form, "SpeedButton8")->isEnabled());

        choose(*m_form, "FileNew");
        QVERIFY(!m_form->PlotsLoaded());
        m_form->OpenStartupProject({project});
        QCOMPARE(read.size(), 2);
        QVERIFY(m_form->PlotsLoaded());
    }

    void aReadingErrorIsShownOverTheWindow()
    {
        const QString broken = m_dir->filePath("broken.qv3d");
        writeFile(broken, "Pier 4, broken\r\n40 0 2\r\n2 \r\n1\r\n1 1 0.0 x\r\n");
        ModalAnswerer answerer;
        answerer.screenshotNextBox(m_form.get(), QStringLiteral("ReadError"));
        m_form->Files().OpenFileName(broken, true);
        QCOMPARE(answerer.texts(), QStringList{"Error on Line 5 Item 4\nA floating point number was expected but "
                                               "not found."});
        QCOMPARE(m_form->windowTitle(), QStringLiteral("QUARLO 2014.3.2 - Broken.qv3d"));
        QCOMPARE(m_form->Project().Units(), 2);
    }

private:
    std::unique_ptr<TMainForm> m_form;
    // A folder of its own for each test, so no test finds the files of another.
    std::unique_ptr<ProjectFolder> m_dir;
};

QTEST_MAIN(FileCommandsTest)
#include "FileCommandsTest.moc"
