#include "GridControls.h"

#include <QComboBox>
#include <QPushButton>

#include "GridTableAccess.h"
#include "TableGrid.h"

namespace quarlo {

namespace {

// Lines a dropped-down list shows before it scrolls.
constexpr int kListLines = 11;

QStringList itemTexts(const std::vector<std::string>& items)
{
    QStringList texts;
    for (const std::string& item : items)
        texts << QString::fromStdString(item);
    return texts;
}

}  // namespace

GridControls::GridControls(TableGrid* grid) : QObject(grid), m_grid(grid) {}

void GridControls::Clear()
{
    m_columns.clear();
}

QComboBox* GridControls::makeList(const GridTableAccess& access, int column, int control)
{
    const ControlSlot& slot = access.Control(column, control);
    auto* list = new QComboBox(m_grid->viewport());
    list->setObjectName(QStringLiteral("List%1").arg(slot.row + 1));
    list->addItems(itemTexts(access.ChoiceItems(column)));
    list->setMaxVisibleItems(kListLines);
    list->setCurrentIndex(slot.selectedIndex);
    // A click must not take the focus from the cell being edited: the grid checks that entry
    // before the choice is made.
    list->setFocusPolicy(Qt::TabFocus);
    connect(list, &QComboBox::activated, this,
            [this, column, control](int itemIndex) { Q_EMIT ItemChosen(column, control, itemIndex); });
    return list;
}

QPushButton* GridControls::makeButton(const GridTableAccess& access, int column, int control)
{
    const ControlSlot& slot = access.Control(column, control);
    auto* button = new QPushButton(QString::fromStdString(slot.caption), m_grid->viewport());
    button->setObjectName(QStringLiteral("Button%1").arg(slot.row + 1));
    button->setFocusPolicy(Qt::TabFocus);
    connect(button, &QPushButton::clicked, this, [this, column, control] { Q_EMIT ButtonPressed(column, control); });
    return button;
}

void GridControls::Rebuild(const GridTableAccess& access)
{
    m_columns.clear();
    QAbstractItemModel* model = m_grid->model();
    for (int c = 0; c < access.ColumnCount(); ++c) {
        const CellKind kind = access.Kind(c);
        if (kind == CellKind::Text)
            continue;
        Column widgets;
        widgets.column = c;
        for (int k = 0; k < access.ControlCount(c); ++k) {
            QWidget* widget = nullptr;
            if (kind == CellKind::Choice) {
                widgets.lists << makeList(access, c, k);
                widget = widgets.lists.last();
            } else {
                widgets.buttons << makeButton(access, c, k);
                widget = widgets.buttons.last();
            }
            m_grid->setIndexWidget(model->index(access.Control(c, k).row, c), widget);
        }
        m_columns << widgets;
    }
}

void GridControls::Sync(const GridTableAccess& access)
{
    for (const Column& widgets : std::as_const(m_columns)) {
        for (int k = 0; k < widgets.lists.size() && k < access.ControlCount(widgets.column); ++k) {
            QComboBox* list = widgets.lists[k];
            const int selected = access.Control(widgets.column, k).selectedIndex;
            if (list && list->currentIndex() != selected) {
                const QSignalBlocker quiet(list);
                list->setCurrentIndex(selected);
            }
        }
        for (int k = 0; k < widgets.buttons.size() && k < access.ControlCount(widgets.column); ++k) {
            if (QPushButton* button = widgets.buttons[k])
                button->setText(QString::fromStdString(access.Control(widgets.column, k).caption));
        }
    }
}

const GridControls::Column* GridControls::find(int column) const
{
    for (const Column& widgets : m_columns) {
        if (widgets.column == column)
            return &widgets;
    }
    return nullptr;
}

QComboBox* GridControls::List(int column, int control) const
{
    const Column* widgets = find(column);
    return widgets && control >= 0 && control < widgets->lists.size() ? widgets->lists[control].data() : nullptr;
}

QPushButton* GridControls::Button(int column, int control) const
{
    const Column* widgets = find(column);
    return widgets && control >= 0 && control < widgets->buttons.size() ? widgets->buttons[control].data()
                                                                         : nullptr;
}

}  // namespace quarlo
