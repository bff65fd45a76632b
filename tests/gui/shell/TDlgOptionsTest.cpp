#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "DataWindowHost.h"
#include "TDlgOptions.h"

using namespace quarlo;

class TDlgOptionsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        test::isolateSettings();
        m_program = m_dir.filePath("editor");
        QFile program(m_program);
        QVERIFY(program.open(QIODevice::WriteOnly));
        program.write("#!/bin/sh\n");
        program.close();
        program.setPermissions(program.permissions() | QFile::ExeOwner | QFile::ExeUser);
    }

    void init()
    {
        m_host = std::make_unique<test::DataWindowHost>();
        m_host->openExample();
        m_editorPath = "/usr/bin/mousepad";
        m_window = m_host->showNew<TDlgOptions>(m_frame, m_editorPath);
    }

    void cleanup() { m_host.reset(); }

    void showsTheEditorPath()
    {
        QCOMPARE(m_frame->windowTitle(), QString("Control Options"));
        QCOMPARE(box()->text(), QString("/usr/bin/mousepad"));
        QCOMPARE(box()->width(), 299);
        QCOMPARE(browse()->text(), QString("&Browse..."));
        test::saveScreenshot(m_frame, "TDlgOptions");
    }

    void aChosenProgramGivesItsFullPath()
    {
        test::ModalAnswerer answerer;
        QString proposed;
        answerer.onDialog = [&](QDialog* dialog) {
            auto* browser = qobject_cast<QFileDialog*>(dialog);
            QVERIFY(browser);
            QCOMPARE(browser->objectName(), QString("Browser"));
            QCOMPARE(browser->fileMode(), QFileDialog::ExistingFile);
            proposed = browser->selectedFiles().value(0);
            browser->setDirectory(m_dir.path());
            browser->selectFile("editor");
            dialog->accept();
        };
        QTest::mouseClick(browse(), Qt::LeftButton);
        QCOMPARE(proposed, QString("/usr/bin/mousepad"));
        QCOMPARE(box()->text(), m_program);
        QCOMPARE(m_editorPath, QString("/usr/bin/mousepad"));
        QVERIFY(m_frame->close());
        QCOMPARE(m_editorPath, m_program);
    }

    void cancellingKeepsTheBox()
    {
        test::ModalAnswerer answerer;
        bool asked = false;
        answerer.onDialog = [&](QDialog* dialog) {
            asked = true;
            dialog->reject();
        };
        QTest::mouseClick(browse(), Qt::LeftButton);
        QVERIFY(asked);
        QCOMPARE(box()->text(), QString("/usr/bin/mousepad"));
    }

    void aTypedPathIsUsedOnceTheWindowIsLeft()
    {
        box()->setText("/opt/editor/bin/edit");
        QVERIFY(m_host->area.CommitActiveChild());
        QCOMPARE(m_editorPath, QString("/opt/editor/bin/edit"));
        QVERIFY(!m_host->project->Tables().IsModified());
    }

private:
    QLineEdit* box() const { return m_window->findChild<QLineEdit*>("EdtWord"); }
    QPushButton* browse() const { return m_window->findChild<QPushButton*>("BtnBrowse"); }

    QTemporaryDir m_dir;
    QString m_program;
    QString m_editorPath;
    std::unique_ptr<test::DataWindowHost> m_host;
    TDlgOptions* m_window = nullptr;
    QMdiSubWindow* m_frame = nullptr;
};

QTEST_MAIN(TDlgOptionsTest)
#include "TDlgOptionsTest.moc"
