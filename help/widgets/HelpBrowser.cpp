#include "HelpBrowser.h"

#include <QUrlQuery>

#include "HelpLibrary.h"
#include "HelpPageHtml.h"
#include "HelpUrls.h"
#include "MarkdownText.h"

namespace quarlo {

namespace {

QString missingPageMarkdown(const QString& path)
{
    return QStringLiteral("# Page not found\n\nThe help holds no page \"%1\".\n\n[Contents](%2)\n")
        .arg(QString::fromStdString(EscapeMarkdown(path.toStdString())), kHelpContentsPage);
}

}  // namespace

HelpBrowser::HelpBrowser(const HelpLibrary& library, QWidget* parent) : QTextBrowser(parent), m_library(library)
{
    setObjectName(QStringLiteral("HelpBrowser"));
    setOpenExternalLinks(true);
    // Room between the text and the window's edge; the document keeps it for every page.
    document()->setDocumentMargin(12);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name)
{
    const bool page = type == QTextDocument::HtmlResource || type == QTextDocument::MarkdownResource;
    if (page && !HelpPath(name).isEmpty())
        return pageHtml(name);
    return QTextBrowser::loadResource(type, name);
}

// The pages are Markdown by name, but what loadResource gives for them is HTML.
void HelpBrowser::doSetSource(const QUrl& name, QTextDocument::ResourceType type)
{
    if (!HelpPath(name.isRelative() ? source().resolved(name) : name).isEmpty())
        type = QTextDocument::HtmlResource;
    QTextBrowser::doSetSource(name, type);
}

QString HelpBrowser::pageHtml(const QUrl& url) const
{
    const QString path = HelpPath(url);
    if (path == kSearchResultsPage)
        return HelpPageHtml(m_library.SearchMarkdown(QUrlQuery(url).queryItemValue(QStringLiteral("q"), QUrl::FullyDecoded)));
    if (!m_library.HasPage(path))
        return HelpPageHtml(missingPageMarkdown(path));
    return HelpPageHtml(m_library.Markdown(path));
}

}  // namespace quarlo
