#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>

#include "DataWindowHost.h"
#include "TdlgTitle.h"

using namespace quarlo;

class TdlgTitleTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { test::isolateSettings(); }

    void init()
    {
        m_host = std::make_unique<test::DataWindowHost>();
        m_host->openExample();
        m_window = m_host->showNew<TdlgTitle>(m_frame, *m_host->project);
    }

    void cleanup() { m_host.reset(); }

    void showsTheTitle()
    {
        QCOMPARE(m_frame->windowTitle(), QString("Project Title"));
        QCOMPARE(memo()->toPlainText(),
                 QString("16-in closed-end pipe pile, 60 ft, soft clay over sand over stiff clay"));
        QCOMPARE(box("DataEdit1")->text(), QString());
        QCOMPARE(m_window->focusWidget(), memo());
        box("DataEdit1")->setText("R. Engineer");
        box("DataEdit2")->setText("2014-03-02");
        test::saveScreenshot(m_frame, "TdlgTitle");
    }

    void typingStopsAtEightyCharacters()
    {
        clearMemo();
        QTest::keyClicks(memo(), QString(85, QLatin1Char('a')));
        QCOMPARE(memo()->toPlainText(), QString(80, QLatin1Char('a')));
        // At the limit a typed character replaces a selected one.
        QTextCursor cursor = memo()->textCursor();
        cursor.setPosition(0);
        cursor.setPosition(1, QTextCursor::KeepAnchor);
        memo()->setTextCursor(cursor);
        QTest::keyClicks(memo(), "B");
        QCOMPARE(memo()->toPlainText(), "B" + QString(79, QLatin1Char('a')));
    }

    void enterInsertsNoLineBreak()
    {
        clearMemo();
        QTest::keyClicks(memo(), "Pile A");
        QTest::keyClick(memo(), Qt::Key_Return);
        QTest::keyClick(memo(), Qt::Key_Enter);
        QTest::keyClicks(memo(), " revised");
        QCOMPARE(memo()->toPlainText(), QString("Pile A revised"));
    }

    void pastedTextKeepsToOneLineOfEightyCharacters()
    {
        clearMemo();
        QTest::keyClicks(memo(), QString(70, QLatin1Char('a')));
        QGuiApplication::clipboard()->setText("Line one\r\nline two");
        memo()->paste();
        QCOMPARE(memo()->toPlainText(), QString(70, QLatin1Char('a')) + "Line one  ");
        memo()->paste();
        QCOMPARE(memo()->toPlainText().size(), 80);
    }

    void aChangedTitleMarksTheProjectModified()
    {
        clearMemo();
        QTest::keyClicks(memo(), "Test pile 7");
        QVERIFY(m_host->area.CommitActiveChild());
        QCOMPARE(m_host->project->Title, std::string("Test pile 7"));
        QVERIFY(m_host->project->Tables().IsModified());
    }

    // The designer's name and the date are kept while the project is open but never saved:
    // a save question for them alone would offer to keep nothing.
    void designerAndDateAreKeptWithoutMarkingTheProject()
    {
        QTest::keyClicks(box("DataEdit1"), "R. Engineer");
        QTest::keyClicks(box("DataEdit2"), "2 March 2014");
        QVERIFY(m_frame->close());
        QCOMPARE(m_host->project->DesignerName, std::string("R. Engineer"));
        QCOMPARE(m_host->project->DesignDate, std::string("2 March 2014"));
        QVERIFY(!m_host->project->Tables().IsModified());

        m_window = m_host->showNew<TdlgTitle>(m_frame, *m_host->project);
        QCOMPARE(box("DataEdit1")->text(), QString("R. Engineer"));
        QCOMPARE(box("DataEdit2")->text(), QString("2 March 2014"));
    }

private:
    QPlainTextEdit* memo() const { return m_window->findChild<QPlainTextEdit*>("TitleMemo"); }
    QLineEdit* box(const char* name) const { return m_window->findChild<QLineEdit*>(name); }
    void clearMemo() const
    {
        memo()->setFocus();
        memo()->selectAll();
        QTest::keyClick(memo(), Qt::Key_Delete);
    }

    std::unique_ptr<test::DataWindowHost> m_host;
    TdlgTitle* m_window = nullptr;
    QMdiSubWindow* m_frame = nullptr;
};

QTEST_MAIN(TdlgTitleTest)
#include "TdlgTitleTest.moc"
