#include <QDesktopServices>
#include <QSettings>
#include <QtTest>

#include "FileTestFixture.h"
#include "TextEditor.h"

using namespace quarlo;
using namespace quarlo::test;

namespace {

const QString kEditorFailed = QStringLiteral("An error occurred in running the Word Processor");

// Takes the place of the desktop's opener: records the files it is asked to open.
class DesktopOpener : public QObject {
    Q_OBJECT
public:
    DesktopOpener() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }
    ~DesktopOpener() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

    QStringList opened;

public Q_SLOTS:
    void open(const QUrl& url) { opened << url.toLocalFile(); }
};

// The three text commands and the tool button, each with the file it opens.
void addTextCommands()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("file");
    QTest::newRow("Edit Input Text") << "CompInput" << "pier 4.qv3d";
    QTest::newRow("Edit Processor-Run Notes") << "CompKernel" << "pier 4.qv3r";
    QTest::newRow("Edit Output Text") << "CompOutput" << "pier 4.qv3o";
    QTest::newRow("tool button Edit Output Text") << "SpeedButton5" << "pier 4.qv3o";
}

}  // namespace

class TextEditorCommandsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { startProgram(); }
    void init()
    {
        startFileTest(m_dir, m_form);
        // A project with all three text files beside it; a blank in the name, which must
        // reach the editor as part of one argument.
        m_project = copyExample(*m_dir, "drilled-shaft-si.qv3d", "pier 4.qv3d");
        writeFile(m_dir->filePath("pier 4.qv3o"), "report");
        writeFile(m_dir->filePath("pier 4.qv3r"), "run notes");
        m_form->Files().OpenFileName(m_project, true);
    }
    void cleanup() { endFileTest(m_dir, m_form); }

    // The configured editor starts with the file's full path as its one argument.
    void theEditorGetsTheFile_data() { addTextCommands(); }
    void theEditorGetsTheFile()
    {
        QFETCH(QString, item);
        QFETCH(QString, file);
        const QString editor = m_dir->filePath("editor");
        const QString received = m_dir->filePath("received.txt");
        writeFile(editor, QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$#\" \"$1\" > '%1'\n").arg(received).toUtf8());
        QFile::setPermissions(editor, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        m_form->EditorPath() = editor;
        ModalAnswerer answerer;
        choose(*m_form, item);
        QCOMPARE(answerer.texts(), QStringList());
        QTRY_VERIFY(QFileInfo(received).size() > 0);
        QFile arguments(received);
        QVERIFY(arguments.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(arguments.readAll()), QStringLiteral("1\n") + m_dir->filePath(file) + '\n');
    }

    // A text editor path that names no program says so, for every text command.
    void aMissingEditorIsReported_data() { addTextCommands(); }
    void aMissingEditorIsReported()
    {
        QFETCH(QString, item);
        m_form->EditorPath() = m_dir->filePath("no such editor");
        ModalAnswerer answerer;
        choose(*m_form, item);
        QCOMPARE(answerer.texts(), QStringList{kEditorFailed});
        QVERIFY(m_form->isVisible());
    }

    // Without an editor of the user's choice, the desktop opens the file with its program.
    void withoutAnEditorTheDesktopOpensTheFile_data() { addTextCommands(); }
    void withoutAnEditorTheDesktopOpensTheFile()
    {
        QFETCH(QString, item);
        QFETCH(QString, file);
        m_form->EditorPath().clear();
        DesktopOpener desktop;
        ModalAnswerer answerer;
        choose(*m_form, item);
        QCOMPARE(answerer.texts(), QStringList());
        QCOMPARE(desktop.opened, QStringList{m_dir->filePath(file)});
    }

    // The text editor is a stored setting: read when the program starts, stored when it ends.
    void theEditorIsKeptInTheSettings()
    {
        const QString editor = m_dir->filePath("my editor");
        m_form->EditorPath() = editor;
        m_form->close();
        QSettings settings("Vortel", "QUARLO");
        QCOMPARE(settings.value("2014.3.2/Word Processor").toString(), editor);

        m_form = showMainForm();
        QCOMPARE(m_form->EditorPath(), editor);
    }

    // The settings are stored after the windows closed, so an editor chosen in a window that
    // was still open is kept too.
    void anEditorChosenInAnOpenWindowIsKept()
    {
        struct OptionsWindow : CountingChild {
            QString* editorPath = nullptr;
            bool FormCloseQuery() override
            {
                *editorPath = QStringLiteral("/opt/editor/bin/edit");
                return true;
            }
        };
        auto* options = new OptionsWindow;
        options->editorPath = &m_form->EditorPath();
        m_form->Area().AddChild(options);
        m_form->Area().AddChild(new CountingChild);
        m_form->close();
        QCOMPARE(QSettings("Vortel", "QUARLO").value("2014.3.2/Word Processor").toString(),
                 QStringLiteral("/opt/editor/bin/edit"));
    }

    // The table windows' View/Edit uses the same call.
    void theCallSaysWhetherAProgramStarted()
    {
        QVERIFY(!OpenInTextEditor(m_dir->filePath("no such editor"), m_project));
        QVERIFY(OpenInTextEditor(QStringLiteral("/bin/true"), m_project));
    }

private:
    std::unique_ptr<TMainForm> m_form;
    std::unique_ptr<ProjectFolder> m_dir;
    QString m_project;
};

QTEST_MAIN(TextEditorCommandsTest)
#include "TextEditorCommandsTest.moc"
