#include "HelpPageHtml.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include "HeadingSlug.h"
#include "MarkdownText.h"

namespace quarlo {

namespace {

const QColor kRuleColour(0xb4, 0xb4, 0xb4);
const QColor kHeaderColour(0xee, 0xee, 0xee);

// Single ruled lines and room around the text of every cell; the header row shaded and
// repeated at the top of every printed page the table runs onto.
void formatTable(QTextTable& table)
{
    QTextTableFormat format = table.format();
    format.setBorderCollapse(true);
    format.setBorder(1);
    format.setBorderBrush(kRuleColour);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setCellSpacing(0);
    format.setHeaderRowCount(1);
    table.setFormat(format);
    for (int row = 0; row < table.rows(); ++row) {
        for (int column = 0; column < table.columns(); ++column) {
            QTextTableCell cell = table.cellAt(row, column);
            QTextTableCellFormat ruled = cell.format().toTableCellFormat();
            ruled.setBorder(1);
            ruled.setBorderBrush(kRuleColour);
            ruled.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
            ruled.setLeftPadding(6);
            ruled.setRightPadding(6);
            ruled.setTopPadding(2);
            ruled.setBottomPadding(2);
            if (row == 0)
                ruled.setBackground(kHeaderColour);
            cell.setFormat(ruled);
        }
    }
}

void formatTables(QTextFrame& frame)
{
    for (QTextFrame* child : frame.childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(child))
            formatTable(*table);
        formatTables(*child);
    }
}

}  // namespace

void AddHeadingAnchors(QTextDocument& document)
{
    HeadingSlugs slugs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 0 || block.text().isEmpty())
            continue;
        QTextCharFormat anchor;
        anchor.setAnchor(true);
        anchor.setAnchorNames({QString::fromStdString(slugs.Add(block.text().toStdString()))});
        QTextCursor heading(block);
        heading.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        heading.mergeCharFormat(anchor);
    }
}

QString HelpPageHtml(const QString& markdown)
{
    QTextDocument document;
    document.setMarkdown(markdown);
    AddHeadingAnchors(document);
    formatTables(*document.rootFrame());
    document.setMetaInformation(QTextDocument::DocumentTitle,
                                QString::fromStdString(PageTitle(markdown.toStdString())));
    return document.toHtml();
}

}  // namespace quarlo
