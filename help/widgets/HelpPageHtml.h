#pragma once

#include <QString>

class QTextDocument;

namespace quarlo {

// A Markdown page as the help window shows it: laid out by Qt's Markdown reader, tables
// ruled, every heading made an anchor by the name links use for it (HeadingSlug), the page's
// title as the document's title, written out as HTML.
QString HelpPageHtml(const QString& markdown);

// Makes every heading of `document` an anchor named as links write it; a heading met again
// on the page gets the next numbered name.
void AddHeadingAnchors(QTextDocument& document);

}  // namespace quarlo
