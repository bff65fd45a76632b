#include "RunSummaryDialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include "RunSummaryContent.h"

namespace quarlo {

namespace {

QLabel* wrappedLabel(const std::string& text, const char* name, QWidget* parent)
{
    auto* label = new QLabel(QString::fromStdString(text), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// The lines the notes take when wrapped in a dialog `dialogWidth` wide, up to eight.
int noteListHeight(const QListWidget& list, int dialogWidth)
{
    constexpr int kMostLines = 8;
    const QFontMetrics metrics(list.font());
    const int textWidth = std::max(dialogWidth - 80, 100);
    int lines = 0;
    for (int i = 0; i < list.count() && lines < kMostLines; ++i)
        lines += 1 + metrics.horizontalAdvance(list.item(i)->text()) / textWidth;
    return std::min(lines, kMostLines) * metrics.lineSpacing() + 2 * list.frameWidth() + 6;
}

QTableWidgetItem* cell(const std::string& text, Qt::Alignment alignment)
{
    auto* item = new QTableWidgetItem(QString::fromStdString(text));
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

void fillDownDragRow(QTableWidget& table, int row, const DownDragLine& line)
{
    table.setItem(row, 0, cell(line.Row, Qt::AlignLeft));
    table.setItem(row, 1, cell(line.HeadLoad, Qt::AlignRight));
    if (!line.Found) {
        // Why there is no neutral plane takes the place of its three values.
        table.setItem(row, 2, cell(line.Remark, Qt::AlignLeft));
        table.setSpan(row, 2, 1, 3);
        return;
    }
    table.setItem(row, 2, cell(line.Depth, Qt::AlignRight));
    table.setItem(row, 3, cell(line.LargestLoad, Qt::AlignRight));
    table.setItem(row, 4, cell(line.DragLoad, Qt::AlignRight));
}

QTableWidget* downDragTable(const RunSummaryContent& content, QWidget* parent)
{
    auto* table = new QTableWidget(static_cast<int>(content.DownDragLines.size()),
                                   static_cast<int>(content.DownDragTitles.size()), parent);
    table->setObjectName(QStringLiteral("DownDragTable"));
    QStringList titles;
    for (const std::string& title : content.DownDragTitles)
        titles << QString::fromStdString(title);
    table->setHorizontalHeaderLabels(titles);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 8);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    table->setWordWrap(false);
    for (int row = 0; row < table->rowCount(); ++row)
        fillDownDragRow(*table, row, content.DownDragLines[static_cast<std::size_t>(row)]);
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

}  // namespace

RunSummaryDialog::RunSummaryDialog(const RunSummaryContent& content, const QString& projectName, bool reportExists,
                                   QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("RunSummary"));
    setWindowTitle(QStringLiteral("Run Summary - ") + projectName);
    new QVBoxLayout(this);
    // Wide enough for the down-drag table's five columns when there is one.
    const int width = content.DownDrag ? 720 : 560;
    addHeading(content);
    addNotes(content, width);
    addDownDrag(content);
    addButtons(reportExists);
    // The wrapped texts take their height from the width they get.
    resize(width, layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(width) : sizeHint().height());
}

void RunSummaryDialog::addHeading(const RunSummaryContent& content)
{
    auto* heading = new QHBoxLayout;
    auto* icon = new QLabel(this);
    const QStyle::StandardPixmap picture =
        content.Completed ? QStyle::SP_MessageBoxInformation : QStyle::SP_MessageBoxWarning;
    const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(picture, nullptr, this).pixmap(size, size));
    icon->setAlignment(Qt::AlignTop);
    heading->addWidget(icon);

    auto* texts = new QVBoxLayout;
    texts->addWidget(wrappedLabel(content.Completion, "RunCompletion", this));
    QLabel* status = wrappedLabel(content.Status, "RunStatus", this);
    QFont bold = status->font();
    bold.setBold(true);
    status->setFont(bold);
    texts->addWidget(status);
    texts->addWidget(wrappedLabel(content.Graphs, "RunGraphs", this));
    heading->addLayout(texts, 1);
    static_cast<QVBoxLayout*>(layout())->addLayout(heading);
}

void RunSummaryDialog::addNotes(const RunSummaryContent& content, int dialogWidth)
{
    auto* group = new QGroupBox(QStringLiteral("Run notes"), this);
    auto* list = new QListWidget(group);
    list->setObjectName(QStringLiteral("RunNotes"));
    list->setWordWrap(true);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->setFocusPolicy(Qt::NoFocus);
    for (const std::string& note : content.Notes)
        list->addItem(QString::fromStdString(note));
    if (content.Notes.empty())
        list->addItem(QStringLiteral("None."));
    // A few notes show whole; many scroll in a list of eight lines.
    list->setFixedHeight(noteListHeight(*list, dialogWidth));
    (new QVBoxLayout(group))->addWidget(list);
    layout()->addWidget(group);
}

void RunSummaryDialog::addDownDrag(const RunSummaryContent& content)
{
    if (!content.DownDrag)
        return;
    auto* group = new QGroupBox(QStringLiteral("Down-drag: neutral plane and drag load"), this);
    auto* box = new QVBoxLayout(group);
    if (!content.DownDragLines.empty()) {
        QTableWidget* table = downDragTable(content, group);
        const int rows = std::min(table->rowCount(), 10);
        table->setMinimumHeight(table->horizontalHeader()->height() + table->rowHeight(0) * rows +
                                2 * table->frameWidth() + 2);
        box->addWidget(table);
    }
    if (!content.DownDragProblem.empty())
        box->addWidget(wrappedLabel(content.DownDragProblem, "DownDragProblem", group));
    layout()->addWidget(group);
}

void RunSummaryDialog::addButtons(bool reportExists)
{
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* report = buttons->addButton(QStringLiteral("Open &Report"), QDialogButtonBox::ActionRole);
    report->setObjectName(QStringLiteral("OpenReport"));
    report->setEnabled(reportExists);
    // Enter closes the summary, wherever the focus is.
    report->setAutoDefault(false);
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("CloseSummary"));
    close->setDefault(true);
    connect(report, &QPushButton::clicked, this, [this] { done(kOpenReport); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout()->addWidget(buttons);
}

}  // namespace quarlo
