#include "HelpWindow.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyle>
#include <QTextEdit>
#include <QToolBar>
#include <QUrlQuery>

#include "DocumentPages.h"
#include "HelpBrowser.h"
#include "HelpLibrary.h"
#include "HelpUrls.h"
#include "Messages.h"
#include "PrintTarget.h"

namespace quarlo {

namespace {

const QString kWindowTitle = QStringLiteral("QUARLO Help");
const QColor kMatchColour(255, 230, 120);

QAction* addTool(QToolBar& bar, const char* name, const QString& text, const QKeySequence& key)
{
    QAction* action = bar.addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(key);
    if (!key.isEmpty())
        action->setToolTip(QStringLiteral("%1 (%2)").arg(text, key.toString(QKeySequence::NativeText)));
    return action;
}

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QMainWindow(parent), m_library(std::make_unique<HelpLibrary>())
{
    setObjectName(QStringLiteral("Help"));
    setWindowTitle(kWindowTitle);
    // Closing the main window ends the program even while the help is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    m_browser = new HelpBrowser(*m_library, this);
    setCentralWidget(m_browser);
    buildToolBar();
    statusBar()->setObjectName(QStringLiteral("HelpStatus"));
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::pageChanged);
    connect(m_browser, qOverload<const QUrl&>(&QTextBrowser::highlighted), this,
            [this](const QUrl& link) { statusBar()->showMessage(link.isEmpty() ? QString() : link.toString()); });
    resize(900, 700);
}

HelpWindow::~HelpWindow() = default;

void HelpWindow::buildToolBar()
{
    QToolBar& bar = *addToolBar(QStringLiteral("Help"));
    bar.setObjectName(QStringLiteral("HelpToolBar"));
    bar.setMovable(false);
    bar.setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QAction* back = addTool(bar, "HelpBack", QStringLiteral("Back"), QKeySequence::Back);
    back->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    QAction* forward = addTool(bar, "HelpForward", QStringLiteral("Forward"), QKeySequence::Forward);
    forward->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
    addTool(bar, "HelpHome", QStringLiteral("Contents"), QKeySequence(Qt::ALT | Qt::Key_Home));
    bar.addSeparator();
    addTool(bar, "HelpPrint", QStringLiteral("Print..."), QKeySequence::Print);
    addTool(bar, "HelpExportPdf", QStringLiteral("Export PDF..."), {});
    bar.addSeparator();
    bar.addWidget(new QLabel(QStringLiteral(" Find: "), &bar));
    m_findBox = new QLineEdit(&bar);
    m_findBox->setObjectName(QStringLiteral("HelpFind"));
    m_findBox->setPlaceholderText(QStringLiteral("a word or phrase"));
    m_findBox->setClearButtonEnabled(true);
    m_findBox->setMinimumWidth(180);
    bar.addWidget(m_findBox);
    addTool(bar, "HelpFindPrevious", QStringLiteral("Previous"), QKeySequence::FindPrevious);
    addTool(bar, "HelpFindNext", QStringLiteral("Next"), QKeySequence::FindNext);
    addTool(bar, "HelpSearchAll", QStringLiteral("Search All Pages"), {});

    QAction* findShortcut = new QAction(this);
    findShortcut->setShortcut(QKeySequence::Find);
    addAction(findShortcut);
    connect(findShortcut, &QAction::triggered, this, [this] {
        m_findBox->setFocus(Qt::ShortcutFocusReason);
        m_findBox->selectAll();
    });

    const auto on = [this, &bar](const char* name, void (HelpWindow::*command)()) {
        QAction* action = bar.findChild<QAction*>(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, [this, command] { RunGuarded(this, [&] { (this->*command)(); }); });
    };
    on("HelpBack", &HelpWindow::GoBack);
    on("HelpForward", &HelpWindow::GoForward);
    on("HelpHome", &HelpWindow::GoHome);
    on("HelpPrint", &HelpWindow::PrintPage);
    on("HelpExportPdf", &HelpWindow::ExportPdf);
    on("HelpFindPrevious", &HelpWindow::FindPrevious);
    on("HelpFindNext", &HelpWindow::FindNext);
    on("HelpSearchAll", &HelpWindow::SearchAllPages);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(m_findBox, &QLineEdit::returnPressed, this, [this] { RunGuarded(this, [this] { FindNext(); }); });
    connect(m_findBox, &QLineEdit::textChanged, this, [this] { markMatches(); });
}

void HelpWindow::Open(const QString& pathAndAnchor)
{
    m_browser->setSource(HelpUrl(pathAndAnchor));
}

bool HelpWindow::HasPage(const QString& path) const
{
    return m_library->HasPage(path);
}

void HelpWindow::GoBack()
{
    m_browser->backward();
}

void HelpWindow::GoForward()
{
    m_browser->forward();
}

void HelpWindow::GoHome()
{
    Open(kHelpContentsPage);
}

void HelpWindow::pageChanged(const QUrl& url)
{
    const QString title = m_browser->documentTitle();
    // The contents page is titled as the help itself.
    setWindowTitle(title.isEmpty() || title == kWindowTitle ? kWindowTitle : kWindowTitle + QStringLiteral(" - ") + title);
    markMatches();
    // A page chosen among the search results opens at its first match.
    const bool fromSearch = HelpPath(m_previousPage) == kSearchResultsPage && HelpPath(url) != kSearchResultsPage;
    m_previousPage = url;
    if (fromSearch && url.fragment().isEmpty() && !m_findBox->text().trimmed().isEmpty())
        FindNext();
}

void HelpWindow::find(bool backward)
{
    const QString text = m_findBox->text().trimmed();
    if (text.isEmpty())
        return;
    const QTextDocument::FindFlags flags = backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    if (m_browser->find(text, flags))
        return;
    const QTextCursor here = m_browser->textCursor();
    m_browser->moveCursor(backward ? QTextCursor::End : QTextCursor::Start);
    if (!m_browser->find(text, flags)) {
        m_browser->setTextCursor(here);
        statusBar()->showMessage(QStringLiteral("\"%1\" is not on this page.").arg(text));
    }
}

void HelpWindow::FindNext()
{
    find(false);
}

void HelpWindow::FindPrevious()
{
    find(true);
}

void HelpWindow::markMatches()
{
    QList<QTextEdit::ExtraSelection> matches;
    const QString text = m_findBox->text().trimmed();
    if (!text.isEmpty()) {
        QTextEdit::ExtraSelection match;
        match.format.setBackground(kMatchColour);
        for (QTextCursor at = m_browser->document()->find(text); !at.isNull();
             at = m_browser->document()->find(text, at)) {
            match.cursor = at;
            matches << match;
        }
        statusBar()->showMessage(matches.isEmpty()      ? QStringLiteral("\"%1\" is not on this page.").arg(text)
                                 : matches.size() == 1 ? QStringLiteral("1 match on this page.")
                                                       : QStringLiteral("%1 matches on this page.").arg(matches.size()));
    }
    m_browser->setExtraSelections(matches);
}

void HelpWindow::SearchAllPages()
{
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("q"), m_findBox->text().trimmed());
    QUrl results = HelpUrl(kSearchResultsPage);
    results.setQuery(query);
    m_browser->setSource(results);
}

bool HelpWindow::printOn(QPrinter& printer)
{
    // The page's foot names it as the window's title does.
    const QString footer = windowTitle();
    return PrintOnto(this, printer, [&](QPainter& painter, QPrinter& target) {
        PaintDocumentPages(painter, target, *m_browser->document(), footer);
    });
}

QString HelpWindow::pdfFileName() const
{
    const QString page = QFileInfo(HelpPath(m_browser->source())).completeBaseName();
    return (page.isEmpty() ? QStringLiteral("help") : page) + QStringLiteral(".pdf");
}

void HelpWindow::PrintPage()
{
    PrintJob job;
    job.documentName = windowTitle();
    job.pdfFileName = pdfFileName();
    if (const std::unique_ptr<QPrinter> printer = ChoosePrintTarget(this, job))
        printOn(*printer);
}

void HelpWindow::ExportPdf()
{
    QDir folder(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    if (!folder.exists())
        folder = QDir::home();
    const QString fileName = QFileDialog::getSaveFileName(this, QStringLiteral("Export to PDF"),
                                                          folder.filePath(pdfFileName()),
                                                          QStringLiteral("PDF documents (*.pdf)"));
    if (fileName.isEmpty())
        return;
    PrintJob job;
    job.documentName = windowTitle();
    const std::unique_ptr<QPrinter> printer = MakePdfPrinter(fileName, job);
    if (printOn(*printer))
        statusBar()->showMessage(QStringLiteral("The page was saved as %1.").arg(QDir::toNativeSeparators(printer->outputFileName())));
}

}  // namespace quarlo
