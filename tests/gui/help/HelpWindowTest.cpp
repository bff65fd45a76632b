#include <QFileDialog>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

#include "../plots/PdfFile.h"
#include "../shell/FileDialogDriver.h"
#include "GuiTestSupport.h"
#include "HelpUrls.h"
#include "HelpWindowFixture.h"

using namespace quarlo;
using namespace quarlo::test;

class HelpWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        isolateSettings();
        QVERIFY(m_dir.isValid());
    }
    void cleanup() { m_help.reset(); }

    void aLinkWithAnAnchorOpensThePageAtItsHeading()
    {
        m_help = showHelpWindow(QStringLiteral("technical/tz-qw-curves.md#t-z-curves"));
        const HelpBrowser& browser = m_help->Browser();
        QCOMPARE(m_help->windowTitle(), QStringLiteral("QUARLO Help - 2 t-z and Q-w curves"));
        const int heading = anchorPosition(*browser.document(), QStringLiteral("t-z-curves"));
        QVERIFY(heading > 0);
        QCOMPARE(browser.document()->findBlock(heading).text(), QStringLiteral("t-z curves"));
        // The heading stands at the top of the view, not somewhere further down the page.
        QVERIFY(shownAtTop(browser, QStringLiteral("t-z-curves")));
        saveScreenshot(m_help.get(), QStringLiteral("Help"));
    }

    void clickingALinkOpensItsPageAndBackAndForwardReturn()
    {
        m_help = showHelpWindow(kTechnicalManualPage);
        HelpBrowser& browser = m_help->Browser();
        const int link = linkPosition(*browser.document(), QStringLiteral("downdrag.md#neutral-plane-and-drag-load"));
        QVERIFY(link > 0);
        QTextCursor at(browser.document());
        at.setPosition(link + 1);
        QTest::mouseClick(browser.viewport(), Qt::LeftButton, {}, browser.cursorRect(at).center());
        QCOMPARE(browser.source(), HelpUrl(QStringLiteral("technical/downdrag.md#neutral-plane-and-drag-load")));
        QVERIFY(shownAtTop(browser, QStringLiteral("neutral-plane-and-drag-load")));

        m_help->GoBack();
        QCOMPARE(browser.source(), HelpUrl(kTechnicalManualPage));
        m_help->GoForward();
        QCOMPARE(HelpPath(browser.source()), QStringLiteral("technical/downdrag.md"));
        m_help->GoHome();
        QCOMPARE(browser.source(), HelpUrl(kHelpContentsPage));
        QCOMPARE(m_help->windowTitle(), QStringLiteral("QUARLO Help"));
    }

    void theContentsPageLinksBothManualsAndTheirChapters()
    {
        m_help = showHelpWindow(kHelpContentsPage);
        const QTextDocument& contents = *m_help->Browser().document();
        QVERIFY(linkPosition(contents, QStringLiteral("technical/index.md")) > 0);
        QVERIFY(linkPosition(contents, QStringLiteral("technical/tz-qw-curves.md")) > 0);
        QVERIFY(linkPosition(contents, QStringLiteral("technical/verification.md")) > 0);
        // The chapters are listed in the order the manual's own contents gives them.
        QVERIFY(linkPosition(contents, QStringLiteral("technical/load-transfer.md")) <
                linkPosition(contents, QStringLiteral("technical/tz-qw-curves.md")));
        if (m_help->HasPage(kUsersManualPage))
            QVERIFY(linkPosition(contents, kUsersManualPage) < linkPosition(contents, kTechnicalManualPage));
        saveScreenshot(m_help.get(), QStringLiteral("HelpContents"));
    }

    void theUsersManualReadsWithItsTablesAndExamples()
    {
        m_help = showHelpWindow(kUsersManualPage);
        if (!m_help->HasPage(kUsersManualPage))
            QSKIP("The User's Manual is not part of this build.");
        QVERIFY(m_help->windowTitle().startsWith(QStringLiteral("QUARLO Help - ")));
        saveScreenshot(m_help.get(), QStringLiteral("HelpUsersManual"));
        m_help->Open(QStringLiteral("user/report.md"));
        saveScreenshot(m_help.get(), QStringLiteral("HelpReportChapter"));
    }

    void aPageTheHelpDoesNotHoldSaysSo()
    {
        m_help = showHelpWindow(QStringLiteral("technical/no-such-chapter.md"));
        QCOMPARE(m_help->windowTitle(), QStringLiteral("QUARLO Help - Page not found"));
        QVERIFY(m_help->Browser().toPlainText().contains(QStringLiteral("technical/no-such-chapter.md")));
    }

    void theFindBoxMarksEveryMatchAndFindsThemInTurn()
    {
        m_help = showHelpWindow(QStringLiteral("technical/units-and-numbers.md"));
        HelpBrowser& browser = m_help->Browser();
        const int expected = browser.toPlainText().count(QStringLiteral("tolerance"), Qt::CaseInsensitive);
        QVERIFY(expected >= 2);
        m_help->FindBox().setText(QStringLiteral("Tolerance"));
        QCOMPARE(browser.extraSelections().size(), expected);
        QCOMPARE(m_help->statusBar()->currentMessage(), QStringLiteral("%1 matches on this page.").arg(expected));

        m_help->FindNext();
        const int first = browser.textCursor().selectionStart();
        QCOMPARE(browser.textCursor().selectedText().toLower(), QStringLiteral("tolerance"));
        for (int i = 1; i < expected; ++i)
            m_help->FindNext();
        QVERIFY(browser.textCursor().selectionStart() > first);
        // Past the last match the search starts again at the top.
        m_help->FindNext();
        QCOMPARE(browser.textCursor().selectionStart(), first);
        m_help->FindPrevious();
        QVERIFY(browser.textCursor().selectionStart() > first);
    }

    void aWordNotOnThePageIsSaidToBeMissing()
    {
        m_help = showHelpWindow(QStringLiteral("technical/uplift.md"));
        m_help->FindBox().setText(QStringLiteral("xylophone"));
        m_help->FindNext();
        QCOMPARE(m_help->statusBar()->currentMessage(), QStringLiteral("\"xylophone\" is not on this page."));
        QVERIFY(m_help->Browser().extraSelections().isEmpty());
    }

    void searchingAllPagesListsThemAndAResultOpensAtTheMatch()
    {
        m_help = showHelpWindow(kHelpContentsPage);
        m_help->FindBox().setText(QStringLiteral("neutral plane"));
        m_help->SearchAllPages();
        HelpBrowser& browser = m_help->Browser();
        QCOMPARE(HelpPath(browser.source()), kSearchResultsPage);
        QCOMPARE(m_help->windowTitle(), QStringLiteral("QUARLO Help - Search: neutral plane"));
        const int result = linkPosition(*browser.document(), QStringLiteral("technical/downdrag.md"));
        QVERIFY(result > 0);
        saveScreenshot(m_help.get(), QStringLiteral("HelpSearch"));

        browser.setSource(browser.source().resolved(QUrl(QStringLiteral("technical/downdrag.md"))));
        QCOMPARE(HelpPath(browser.source()), QStringLiteral("technical/downdrag.md"));
        QCOMPARE(browser.textCursor().selectedText().toLower(), QStringLiteral("neutral plane"));
    }

    void theShownPageExportsToAPdfOfSeveralPages()
    {
        m_help = showHelpWindow(QStringLiteral("technical/tz-qw-curves.md"));
        ModalAnswerer answerer;
        FileDialogDriver files(answerer);
        files.accept(m_dir.filePath(QStringLiteral("curves.pdf")));
        m_help->ExportPdf();
        QCOMPARE(files.shown.size(), 1);
        QVERIFY(files.shown.first().proposal.endsWith(QStringLiteral("/tz-qw-curves.pdf")));
        QVERIFY(answerer.texts().isEmpty());
        const PdfFile pdf(m_dir.filePath(QStringLiteral("curves.pdf")));
        QVERIFY2(pdf.valid(), qPrintable(pdf.path()));
        QVERIFY2(pdf.pageCount() >= 3, qPrintable(QString::number(pdf.pageCount())));
        renderPdfScreenshot(pdf.path(), QStringLiteral("HelpPrinted"));
    }

    void printingWithoutAPrinterOffersAPdf()
    {
        if (!QPrinterInfo::availablePrinters().isEmpty())
            QSKIP("A printer is installed here: the print dialog would be shown instead of the PDF path.");
        m_help = showHelpWindow(QStringLiteral("technical/uplift.md"));
        ModalAnswerer answerer;
        FileDialogDriver files(answerer);
        files.accept(m_dir.filePath(QStringLiteral("uplift.pdf")));
        m_help->PrintPage();
        QCOMPARE(answerer.texts(),
                 QStringList{"No printer is installed. Choose a file to save the page as a PDF document instead."});
        QVERIFY(PdfFile(m_dir.filePath(QStringLiteral("uplift.pdf"))).valid());
    }

    void aPdfThatCannotBeWrittenIsReported()
    {
        m_help = showHelpWindow(QStringLiteral("technical/uplift.md"));
        ModalAnswerer answerer;
        FileDialogDriver files(answerer);
        // No one, not even root, can make a file in /proc.
        const QString unwritable = QStringLiteral("/proc/uplift.pdf");
        files.accept(unwritable);
        m_help->ExportPdf();
        QCOMPARE(answerer.texts(),
                 QStringList{QStringLiteral("The page could not be written to \"%1\".").arg(unwritable)});
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<HelpWindow> m_help;
};

QTEST_MAIN(HelpWindowTest)
#include "HelpWindowTest.moc"
