#include <QDropEvent>
#include <QMimeData>
#include <QSettings>
#include <QtTest>

#include "FileTestFixture.h"
#include "RecentFiles.h"

using namespace quarlo;
using namespace quarlo::test;

namespace {

// The recent-file entries the File menu shows when it opens, in order.
QStringList shownEntries(const TMainForm& form)
{
    openMenu(form, "FileMenu");
    QStringList entries;
    for (int i = 1; i <= RecentFiles::kCapacity; ++i) {
        QAction* entry = findAction(form, QStringLiteral("RecentFile%1").arg(i));
        if (entry && entry->isVisible())
            entries << entry->text();
    }
    return entries;
}

bool recentSeparatorShown(const TMainForm& form)
{
    const QList<QAction*> items = form.findChild<QMenu*>("FileMenu")->actions();
    const int exit = items.indexOf(findAction(form, "FileExit"));
    return items.value(exit - 1)->isSeparator() && items.value(exit - 1)->isVisible();
}

// "File1" to "File10" as stored.
QStringList storedFiles()
{
    QSettings settings("Vortel", "QUARLO");
    settings.beginGroup("2014.3.2");
    QStringList files;
    for (int i = 1; i <= RecentFiles::kCapacity; ++i)
        files << settings.value(QStringLiteral("File%1").arg(i)).toString();
    return files;
}

void storeFiles(const QStringList& files)
{
    QSettings settings("Vortel", "QUARLO");
    settings.beginGroup("2014.3.2");
    for (int i = 0; i < files.size(); ++i)
        settings.setValue(QStringLiteral("File%1").arg(i + 1), files[i]);
}

// `files` followed by empty values up to ten.
QStringList paddedToTen(QStringList files)
{
    while (files.size() < RecentFiles::kCapacity)
        files << QString();
    return files;
}

void dropFiles(QWidget& target, const QStringList& files)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& file : files)
        urls << QUrl::fromLocalFile(file);
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &drop);
    QVERIFY(drop.isAccepted());
    // The window takes the files up once the drop is over.
    QCoreApplication::processEvents();
}

}  // namespace

class RecentFilesMenuTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { startProgram(); }
    void init()
    {
        startFileTest(m_dir, m_form);
        for (const char* name : {"a", "b", "c"})
            copyExample(*m_dir, "drilled-shaft-si.qv3d", QString::fromLatin1(name) + ".qv3d");
    }
    void cleanup() { endFileTest(m_dir, m_form); }

    void aFreshStartListsNoRecentFiles()
    {
        QCOMPARE(shownEntries(*m_form), QStringList());
        QVERIFY(!recentSeparatorShown(*m_form));
    }

    // The most recent first; a file opened again moves to the top, and the stored settings
    // follow every change of the list.
    void openedFilesHeadTheList()
    {
        for (const char* name : {"a", "b", "c", "b"})
            m_form->Files().OpenFileName(file(name), true);
        QCOMPARE(shownEntries(*m_form), (QStringList{"1 b.qv3d", "2 c.qv3d", "3 a.qv3d"}));
        QVERIFY(recentSeparatorShown(*m_form));
        auto* menu = m_form->findChild<QMenu*>("FileMenu");
        menu->popup(m_form->mapToGlobal(QPoint(0, 0)));
        saveScreenshot(menu, QStringLiteral("RecentFiles"));
        menu->hide();
        QCOMPARE(storedFiles(), paddedToTen({file("b"), file("c"), file("a")}));
    }

    // Files outside the current directory show with their whole path.
    void filesElsewhereShowTheirWholePath()
    {
        ProjectFolder other;
        const QString elsewhere = copyExample(other, "user-curves-si.qv3d");
        m_form->Files().OpenFileName(file("a"), true);
        m_form->Files().OpenFileName(elsewhere, true);
        QCOMPARE(shownEntries(*m_form), (QStringList{"1 user-curves-si.qv3d", "2 " + file("a")}));
    }

    void aPathWithAnAmpersandShowsIt()
    {
        const QString ampersand = copyExample(*m_dir, "drilled-shaft-si.qv3d", "pier & abutment.qv3d");
        m_form->Files().OpenFileName(ampersand, true);
        openMenu(*m_form, "FileMenu");
        QCOMPARE(findAction(*m_form, "RecentFile1")->text(), QStringLiteral("1 pier && abutment.qv3d"));
    }

    // A relative name is kept as the full path: the list must still name the file after the
    // current directory changed.
    void theListKeepsFullPaths()
    {
        m_form->Files().OpenFileName(QStringLiteral("a.qv3d"), true);
        QCOMPARE(m_form->Files().Recent().Entry(0), file("a").toStdString());
        QCOMPARE(QString::fromStdString(m_form->Project().FileName), file("a"));
    }

    void choosingAnEntryOpensItsProject()
    {
        m_form->Files().OpenFileName(file("a"), true);
        m_form->Files().OpenFileName(examplePath("user-curves-english.qv3d"), true);
        ModalAnswerer answerer;
        openMenu(*m_form, "FileMenu");
        choose(*m_form, "RecentFile2");
        QCOMPARE(answerer.texts(), QStringList());
        QCOMPARE(QString::fromStdString(m_form->Project().FileName), file("a"));
        QCOMPARE(m_form->Project().Units(), 2);
        QCOMPARE(m_form->Files().Recent().Entry(0), file("a").toStdString());
    }

    void choosingAnEntryAsksAboutUnsavedChangesFirst()
    {
        m_form->Files().OpenFileName(file("a"), true);
        m_form->Files().OpenFileName(file("b"), true);
        m_form->Project().Title = "Edited";
        m_form->SetModified(true);
        ModalAnswerer answerer;
        answerer.queueAnswers({QMessageBox::Cancel});
        openMenu(*m_form, "FileMenu");
        choose(*m_form, "RecentFile2");
        QCOMPARE(answerer.texts(), QStringList{"Do you want to save any changes?"});
        QCOMPARE(QString::fromStdString(m_form->Project().FileName), file("b"));
        QCOMPARE(m_form->Project().Title, std::string("Edited"));
    }

    // A file deleted since: the user is told, the entry goes, and the project stays.
    void anEntryWhoseFileIsGoneIsReportedAndRemoved()
    {
        for (const char* name : {"a", "b", "c"})
            m_form->Files().OpenFileName(file(name), true);
        QVERIFY(QFile::remove(file("b")));
        ModalAnswerer answerer;
        openMenu(*m_form, "FileMenu");
        choose(*m_form, "RecentFile2");
        QCOMPARE(answerer.texts(), QStringList{QStringLiteral("The file %1 no longer exists.\nIt has been removed "
                                                              "from the list of recent files.")
                                                   .arg(file("b"))});
        QCOMPARE(QString::fromStdString(m_form->Project().FileName), file("c"));
        QCOMPARE(shownEntries(*m_form), (QStringList{"1 c.qv3d", "2 a.qv3d"}));
        QCOMPARE(storedFiles(), paddedToTen({file("c"), file("a")}));
    }

    // The format follows the file's name: an old-format file reopened from the list reads
    // without error.
    void anOldFormatEntryOpensInTheOldFormat()
    {
        const QString old = m_dir->filePath("job.qvd");
        QVERIFY(QFile::copy(QStringLiteral(QUARLO_SOURCE_DIR "/tests/cli/data/convert-old-format.qvd"), old));
        m_form->Files().OpenFileName(old, false);
        m_form->Files().OpenFileName(file("a"), true);
        ModalAnswerer answerer;
        openMenu(*m_form, "FileMenu");
        choose(*m_form, "RecentFile2");
        QCOMPARE(answerer.texts(), QStringList());
        QCOMPARE(QString::fromStdString(m_form->Project().FileName), old);
        QCOMPARE(m_form->Project().Units(), 2);
    }

    // The stored list is read at start-up; gaps and repeats in it are dropped.
    void theListComesFromTheSettings()
    {
        m_form.reset();
        storeFiles({file("c"), QString(), file("a"), file("c")});
        m_form = showMainForm();
        QCOMPARE(shownEntries(*m_form), (QStringList{"1 c.qv3d", "2 a.qv3d"}));
    }

    void theListIsStoredWhenTheProgramEnds()
    {
        m_form->Files().OpenFileName(file("a"), true);
        QSettings("Vortel", "QUARLO").clear();
        m_form->close();
        QCOMPARE(storedFiles(), paddedToTen({file("a")}));
    }

    // The project named on the command line is opened, but it is no recent file.
    void theCommandLineProjectIsNotListed()
    {
        m_form->OpenStartupProject({m_dir->filePath("b")});
        QCOMPARE(QString::fromStdString(m_form->Project().FileName), file("b"));
        QCOMPARE(shownEntries(*m_form), QStringList());
    }

    // Of the files dropped on the window, the first is opened.
    void droppingTwoFilesOpensTheFirst()
    {
        ProjectFolder other;
        const QString first = copyExample(other, "user-curves-english.qv3d");
        ModalAnswerer answerer;
        dropFiles(*m_form, {first, file("a")});
        QCOMPARE(answerer.texts(), QStringList());
        QCOMPARE(QString::fromStdString(m_form->Project().FileName), first);
        QVERIFY(!m_form->Project().CurvesGenerated);
        QVERIFY(!findButton(*m_form, "SpeedButton7")->isEnabled());
        QCOMPARE(QDir::currentPath(), QDir(other.path()).canonicalPath());
        QCOMPARE(m_form->Files().Recent().Count(), 1);
    }

    void aDroppedOldFormatFileOpensInTheOldFormat()
    {
        const QString old = m_dir->filePath("job.qvd");
        QVERIFY(QFile::copy(QStringLiteral(QUARLO_SOURCE_DIR "/tests/cli/data/convert-old-format.qvd"), old));
        ModalAnswerer answerer;
        dropFiles(*m_form, {old});
        QCOMPARE(answerer.texts(), QStringList());
        QCOMPARE(QString::fromStdString(m_form->Project().FileName), old);
    }

    void aDropAsksAboutUnsavedChangesFirst()
    {
        m_form->Project().Title = "Edited";
        m_form->SetModified(true);
        ModalAnswerer answerer;
        answerer.queueAnswers({QMessageBox::Cancel});
        dropFiles(*m_form, {file("a")});
        QCOMPARE(answerer.texts(), QStringList{"Do you want to save any changes?"});
        QCOMPARE(m_form->Project().Title, std::string("Edited"));
    }

    void onlyFilesCanBeDropped()
    {
        QMimeData text;
        text.setText("a.qv3d");
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
        enter.ignore();
        QApplication::sendEvent(m_form.get(), &enter);
        QVERIFY(!enter.isAccepted());
    }

private:
    QString file(const char* name) const { return m_dir->filePath(QString::fromLatin1(name) + ".qv3d"); }

    std::unique_ptr<TMainForm> m_form;
    std::unique_ptr<ProjectFolder> m_dir;
};

QTEST_MAIN(RecentFilesMenuTest)
#include "RecentFilesMenuTest.moc"
