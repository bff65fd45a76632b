#include "HelpLibrary.h"

#include <QDirIterator>
#include <QFile>
#include <QTextDocument>

#include "HelpContents.h"
#include "HelpUrls.h"

namespace quarlo {

namespace {

const QString kResourceRoot = QStringLiteral(":/help/");

std::vector<HelpPage> readPages()
{
    std::vector<HelpPage> pages;
    QDirIterator pageFiles(kResourceRoot, {QStringLiteral("*.md")}, QDir::Files, QDirIterator::Subdirectories);
    while (pageFiles.hasNext()) {
        QFile file(pageFiles.next());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        pages.push_back({file.fileName().mid(kResourceRoot.size()).toStdString(), file.readAll().toStdString()});
    }
    return pages;
}

QString shownText(const std::string& markdown)
{
    QTextDocument document;
    document.setMarkdown(QString::fromStdString(markdown));
    return document.toPlainText();
}

}  // namespace

HelpLibrary::HelpLibrary() : m_pages(readPages()) {}

const HelpPage* HelpLibrary::find(const QString& path) const
{
    const std::string wanted = path.toStdString();
    for (const HelpPage& page : m_pages)
        if (page.path == wanted)
            return &page;
    return nullptr;
}

bool HelpLibrary::HasPage(const QString& path) const
{
    return path == kHelpContentsPage || find(path) != nullptr;
}

QString HelpLibrary::Markdown(const QString& path) const
{
    if (path == kHelpContentsPage)
        return ContentsMarkdown();
    const HelpPage* page = find(path);
    return page ? QString::fromStdString(page->markdown) : QString();
}

QString HelpLibrary::ContentsMarkdown() const
{
    return QString::fromStdString(ContentsPage(m_pages));
}

QString HelpLibrary::SearchMarkdown(const QString& term) const
{
    const std::string words = term.toStdString();
    return QString::fromStdString(SearchResultsPage(words, SearchPages(shownTexts(), words)));
}

const std::vector<PageText>& HelpLibrary::shownTexts() const
{
    if (m_shownTexts.empty()) {
        for (const HelpPage* page : ReadingOrder(m_pages))
            m_shownTexts.push_back({page->path, ListedTitle(*page), shownText(page->markdown).toStdString()});
    }
    return m_shownTexts;
}

}  // namespace quarlo
