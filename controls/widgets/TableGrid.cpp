#include "TableGrid.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionHeader>
#include <QStyledItemDelegate>
#include <QTimer>

#include <exception>

#include "GridRules.h"
#include "Messages.h"
#include "TableGridModel.h"

namespace quarlo {

namespace {

// Makes the grid's cell editors and leaves their keys and focus to the grid: the grid, not
// the delegate, decides when an entry is stored and when the editor closes.
class CellEditorDelegate : public QStyledItemDelegate {
public:
    explicit CellEditorDelegate(TableGrid* grid) : QStyledItemDelegate(grid), m_grid(grid) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const override
    {
        auto* editor = new QLineEdit(parent);
        editor->setObjectName(QStringLiteral("CellEditor"));
        editor->setFrame(false);
        m_grid->EditorCreated(editor, index);
        return editor;
    }

protected:
    bool eventFilter(QObject*, QEvent*) override { return false; }

private:
    TableGrid* m_grid;
};

bool isNavigationKey(int key)
{
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return true;
    default:
        return false;
    }
}

bool isEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

TableGrid::TableGrid(QWidget* parent) : QTableView(parent)
{
    setObjectName(QStringLiteral("Grid"));
    setItemDelegate(new CellEditorDelegate(this));
    setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::AnyKeyPressed |
                    QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                    QAbstractItemView::EditKeyPressed);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    setTabKeyNavigation(true);
    setWordWrap(false);
    if (auto* corner = findChild<QAbstractButton*>()) {
        m_corner = corner;
        corner->installEventFilter(this);
    }
}

void TableGrid::SetGridModel(TableGridModel* model)
{
    m_model = model;
    setModel(model);
    connect(model, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        m_editor = nullptr;
        m_editorIndex = QPersistentModelIndex();
    });
}

void TableGrid::SetTopLeft(const QString& text)
{
    m_topLeft = text;
    if (m_corner)
        m_corner->update();
}

GridMetrics TableGrid::Metrics() const
{
    GridMetrics metrics;
    metrics.frame = frameWidth();
    metrics.rowHeight = verticalHeader()->defaultSectionSize();
    metrics.headerHeight = horizontalHeader()->sizeHint().height();
    metrics.numberColumnWidth = verticalHeader()->sizeHint().width();
    const int columns = model() ? model()->columnCount() : 0;
    for (int column = 0; column < columns; ++column)
        metrics.columnWidths.push_back(columnWidth(column));
    int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    if (style()->styleHint(QStyle::SH_ScrollView_FrameOnlyAroundContents, nullptr, this))
        bar += style()->pixelMetric(QStyle::PM_ScrollView_ScrollBarSpacing, nullptr, this);
    metrics.verticalScrollBar = bar;
    metrics.horizontalScrollBar = bar;
    return metrics;
}

int TableGrid::FirstRow() const
{
    return verticalScrollBar()->value();
}

int TableGrid::FirstColumn() const
{
    return horizontalScrollBar()->value();
}

void TableGrid::SetScrollBars(const GridWindow& window, int rowCount)
{
    const int columns = model() ? model()->columnCount() : 0;
    setVerticalScrollBarPolicy(window.rows < rowCount ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(window.columns < columns ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void TableGrid::ShowWindow(const GridWindow& window, int rowCount)
{
    SetScrollBars(window, rowCount);
    updateGeometries();
    verticalScrollBar()->setValue(window.firstRow);
    horizontalScrollBar()->setValue(window.firstColumn);
}

void TableGrid::EditorCreated(QLineEdit* editor, const QModelIndex& index)
{
    m_editor = editor;
    m_editorIndex = index;
    editor->installEventFilter(this);
}

bool TableGrid::ValidateCurrentCell()
{
    if (m_refusing)
        return false;
    if (!m_editor || !m_editorIndex.isValid())
        return true;
    return storeEditor();
}

bool TableGrid::storeEditor()
{
    const QString typed = m_editor->text();
    bool stored = false;
    try {
        stored = m_model->StoreEntry(m_editorIndex, typed);
    } catch (const std::exception& error) {
        refuse(QString::fromStdString(error.what()));
        return false;
    }
    m_editor->setText(m_model->data(m_editorIndex, Qt::EditRole).toString());
    if (stored)
        Q_EMIT EntryStored();
    return true;
}

void TableGrid::refuse(const QString& message)
{
    const QPersistentModelIndex cell = m_editorIndex;
    const QPointer<QLineEdit> editor = m_editor;
    m_refusing = true;
    ShowInformation(this, message);
    m_refusing = false;
    if (cell.isValid() && currentIndex() != cell)
        selectionModel()->setCurrentIndex(cell, QItemSelectionModel::ClearAndSelect);
    if (editor)
        editor->setFocus(Qt::OtherFocusReason);
}

bool TableGrid::MoveTo(int row, int column)
{
    if (!m_model || !ValidateCurrentCell())
        return false;
    const QModelIndex target = m_model->index(row, column);
    if (target.isValid() && target != currentIndex())
        setCurrentIndex(target);
    return true;
}

void TableGrid::OpenEditor()
{
    const QModelIndex current = currentIndex();
    if (m_model && m_model->IsTextCell(current) && !m_editor)
        edit(current);
}

void TableGrid::TakeFocus()
{
    if (m_editor)
        m_editor->setFocus(Qt::OtherFocusReason);
    else
        setFocus(Qt::OtherFocusReason);
}

void TableGrid::moveOnEnter()
{
    const QModelIndex current = currentIndex();
    if (!m_model || !current.isValid())
        return;
    std::vector<bool> typed;
    for (int column = 0; column < m_model->columnCount(); ++column)
        typed.push_back(m_model->IsTextCell(m_model->index(0, column)));
    const GridCell next = NextCellOnEnter({current.row(), current.column()}, m_model->rowCount(), typed);
    setCurrentIndex(m_model->index(next.row, next.column));
}

void TableGrid::revertEditor()
{
    if (!m_editor)
        return;
    m_editor->setText(m_model->data(m_editorIndex, Qt::EditRole).toString());
    m_editor->selectAll();
}

void TableGrid::commitData(QWidget* editor)
{
    // The view moved the cursor on its own (the moves the user makes are checked first): a
    // refusal here keeps the editor open and brings the cursor back.
    if (editor == m_editor && !m_refusing && !storeEditor())
        m_keepEditor = true;
}

void TableGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    if (editor == m_editor && m_keepEditor) {
        m_keepEditor = false;
        const QPersistentModelIndex cell = m_editorIndex;
        QTimer::singleShot(0, this, [this, cell] {
            if (cell.isValid())
                selectionModel()->setCurrentIndex(cell, QItemSelectionModel::ClearAndSelect);
            if (m_editor)
                m_editor->setFocus(Qt::OtherFocusReason);
        });
        return;
    }
    if (editor == m_editor) {
        m_editor = nullptr;
        m_editorIndex = QPersistentModelIndex();
    }
    QTableView::closeEditor(editor, hint);
}

void TableGrid::keyPressEvent(QKeyEvent* event)
{
    if (isEnter(event->key())) {
        if (ValidateCurrentCell())
            moveOnEnter();
        event->accept();
        return;
    }
    if (isNavigationKey(event->key()) && !ValidateCurrentCell()) {
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void TableGrid::mousePressEvent(QMouseEvent* event)
{
    if (!ValidateCurrentCell())
        return;
    QTableView::mousePressEvent(event);
}

// The focus went from the editor to another part of the window (the file name, a list over
// the grid): the entry is stored as when the cursor leaves the cell. Focus that leaves the
// window is the window's own business: deactivation and closing store through the window.
void TableGrid::editorLostFocus()
{
    if (m_refusing || !m_editor)
        return;
    QWidget* to = QApplication::focusWidget();
    QWidget* window = parentWidget() ? parentWidget() : this;
    if (!to || to == m_editor || m_editor->isAncestorOf(to) || !window->isAncestorOf(to))
        return;
    ValidateCurrentCell();
}

bool TableGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_corner && event->type() == QEvent::Paint)
        return paintCorner(m_corner);
    if (watched != m_editor)
        return QTableView::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (isEnter(key)) {
            if (ValidateCurrentCell())
                moveOnEnter();
            return true;
        }
        if (key == Qt::Key_Escape) {
            revertEditor();
            return true;
        }
    } else if (event->type() == QEvent::FocusOut) {
        editorLostFocus();
    }
    return false;
}

bool TableGrid::paintCorner(QWidget* corner)
{
    QPainter painter(corner);
    QStyleOptionHeader option;
    option.initFrom(corner);
    option.state |= QStyle::State_Enabled;
    option.rect = corner->rect();
    option.position = QStyleOptionHeader::OnlyOneSection;
    style()->drawControl(QStyle::CE_HeaderSection, &option, &painter, corner);
    const int rowHeight = verticalHeader()->defaultSectionSize();
    const QRect firstRow(corner->rect().left() + 4, 0, corner->width() - 4, qMin(rowHeight, corner->height()));
    painter.setPen(corner->palette().color(QPalette::ButtonText));
    painter.drawText(firstRow, Qt::AlignLeft | Qt::AlignVCenter, m_topLeft);
    return true;
}

}  // namespace quarlo
