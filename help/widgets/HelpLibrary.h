#pragma once

#include <QString>

#include <vector>

#include "HelpPage.h"
#include "HelpSearch.h"

namespace quarlo {

// The manuals built into the program: every page under ":/help" (the User's Manual in
// "user/", the Technical Manual in "technical/"), read once, and the pages made from them:
// the contents page joining both, and the results of a search of every page.
class HelpLibrary {
public:
    HelpLibrary();

    const std::vector<HelpPage>& Pages() const { return m_pages; }
    bool HasPage(const QString& path) const;
    // The Markdown of the page at `path` (the contents page included); empty when there is none.
    QString Markdown(const QString& path) const;
    QString ContentsMarkdown() const;
    QString SearchMarkdown(const QString& term) const;

private:
    const HelpPage* find(const QString& path) const;
    // The text of every page as shown, made on the first search.
    const std::vector<PageText>& shownTexts() const;

    std::vector<HelpPage> m_pages;
    mutable std::vector<PageText> m_shownTexts;
};

}  // namespace quarlo
