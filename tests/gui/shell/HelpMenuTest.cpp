#include <QtTest>

#include "HelpBrowser.h"
#include "HelpCommands.h"
#include "HelpUrls.h"
#include "HelpWindow.h"
#include "MainFormFixture.h"

using namespace quarlo;
using namespace quarlo::test;

class HelpMenuTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { startProgram(); }
    void init() { m_form = showMainForm(); }
    void cleanup() { m_form.reset(); }

    void contentsOpensTheHelpInAWindowBesideTheMainWindow()
    {
        choose(*m_form, QStringLiteral("HelpContents"));
        HelpWindow* help = m_form->Help().Window();
        QVERIFY(help);
        QVERIFY(help->isVisible());
        QVERIFY(help->isWindow());
        QCOMPARE(help->objectName(), QStringLiteral("Help"));
        QCOMPARE(HelpPath(help->Browser().source()), kHelpContentsPage);
        QCOMPARE(m_form->Area().subWindowList().size(), 0);
        // The program ends when its main window closes, whether or not the help is open.
        QVERIFY(!help->testAttribute(Qt::WA_QuitOnClose));
    }

    void eachManualOpensAtItsStart_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("manual");
        QTest::newRow("User's Manual") << "UsersManual1" << kUsersManualPage << "User's Manual";
        QTest::newRow("Technical Manual") << "TechnicalManual1" << kTechnicalManualPage << "Technical Manual";
    }

    void eachManualOpensAtItsStart()
    {
        QFETCH(QString, item);
        QFETCH(QString, page);
        QFETCH(QString, manual);
        ModalAnswerer answerer;
        choose(*m_form, item);
        HelpWindow* help = m_form->Help().Window();
        QVERIFY(help && help->isVisible());
        // A manual whose pages were not there when the program was built is said to be missing.
        if (!QFile::exists(QStringLiteral(QUARLO_SOURCE_DIR "/docs/manual/") + page)) {
            QCOMPARE(answerer.texts(), QStringList{QStringLiteral("The %1 is not part of this installation.").arg(manual)});
            QCOMPARE(HelpPath(help->Browser().source()), kHelpContentsPage);
            return;
        }
        QVERIFY(answerer.texts().isEmpty());
        QCOMPARE(help->Browser().source(), HelpUrl(page));
        QVERIFY(help->windowTitle().startsWith(QStringLiteral("QUARLO Help - ")));
    }

    void oneHelpWindowServesEveryCommandAndKeepsItsHistory()
    {
        choose(*m_form, QStringLiteral("HelpContents"));
        HelpWindow* help = m_form->Help().Window();
        choose(*m_form, QStringLiteral("TechnicalManual1"));
        QCOMPARE(m_form->Help().Window(), help);
        QCOMPARE(QApplication::topLevelWidgets().count(help), 1);
        help->GoBack();
        QCOMPARE(HelpPath(help->Browser().source()), kHelpContentsPage);
    }

    void theHelpStaysOpenWhileProjectsChange()
    {
        choose(*m_form, QStringLiteral("TechnicalManual1"));
        choose(*m_form, QStringLiteral("FileNew"));
        QVERIFY(m_form->Help().Window()->isVisible());
        QCOMPARE(m_form->Help().Window()->Browser().source(), HelpUrl(kTechnicalManualPage));
    }

    void aClosedHelpWindowOpensAgainWhereItWasAsked()
    {
        choose(*m_form, QStringLiteral("HelpContents"));
        m_form->Help().Window()->close();
        QVERIFY(!m_form->Help().Window()->isVisible());
        choose(*m_form, QStringLiteral("TechnicalManual1"));
        QVERIFY(m_form->Help().Window()->isVisible());
        QCOMPARE(m_form->Help().Window()->Browser().source(), HelpUrl(kTechnicalManualPage));
    }

    void checkForUpdatesSaysWhichVersionAndWhereUpdatesComeFrom()
    {
        ModalAnswerer answerer;
        choose(*m_form, QStringLiteral("CheckforUpdates1"));
        QCOMPARE(answerer.boxes().size(), 1);
        const QString text = answerer.lastText();
        QVERIFY2(text.startsWith(QStringLiteral("QUARLO 2014 version 2014.3.2 is installed.")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("installation package")));
        // No web address that may one day lead nowhere.
        QVERIFY(!text.contains(QStringLiteral("http")) && !text.contains(QStringLiteral("www")));
        QCOMPARE(answerer.boxes().first().title, QStringLiteral("QUARLO 3.0"));
    }

private:
    std::unique_ptr<TMainForm> m_form;
};

QTEST_MAIN(HelpMenuTest)
#include "HelpMenuTest.moc"
