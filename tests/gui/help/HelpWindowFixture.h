#pragma once

// What the help-window tests share: the window shown offscreen, and the places on a page
// where its anchors and links stand.

#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

#include <memory>

#include "HelpBrowser.h"
#include "HelpWindow.h"

namespace quarlo::test {

inline std::unique_ptr<HelpWindow> showHelpWindow(const QString& page)
{
    auto help = std::make_unique<HelpWindow>();
    help->Open(page);
    help->show();
    if (!QTest::qWaitForWindowExposed(help.get()))
        qWarning("the help window was not exposed");
    return help;
}

// The document position of the anchor named `name`, -1 when the page has none.
inline int anchorPosition(const QTextDocument& document, const QString& name)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
            if (fragment.fragment().charFormat().anchorNames().contains(name))
                return fragment.fragment().position();
    return -1;
}

// The document position of the first link whose target is `href` as written, -1 when none.
inline int linkPosition(const QTextDocument& document, const QString& href)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
            if (fragment.fragment().charFormat().anchorHref() == href)
                return fragment.fragment().position();
    return -1;
}

// The height, in the viewport, at which the text at `position` is shown.
inline int shownHeight(const HelpBrowser& browser, int position)
{
    const QTextBlock block = browser.document()->findBlock(position);
    return int(browser.document()->documentLayout()->blockBoundingRect(block).top()) -
           browser.verticalScrollBar()->value();
}

// The anchor `name` is where the view stands: at its top, or in view with the page scrolled
// to its end when the rest of the page is shorter than the view.
inline bool shownAtTop(const HelpBrowser& browser, const QString& name)
{
    const int position = anchorPosition(*browser.document(), name);
    if (position < 0)
        return false;
    const int height = shownHeight(browser, position);
    const bool atEnd = browser.verticalScrollBar()->value() == browser.verticalScrollBar()->maximum();
    return (height >= 0 && height < 30) || (atEnd && height >= 0 && height < browser.viewport()->height());
}

}  // namespace quarlo::test
