#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QComboBox;
class QPushButton;
class QWidget;

namespace quarlo {

class GridTableAccess;
class TableGrid;

// The drop-down lists and sub-table buttons over the cells of list and button columns. The
// columns own what the controls show (their control slots: the row, the chosen item, the
// caption); these widgets only show it and pass the user's choices and clicks on.
class GridControls : public QObject {
    Q_OBJECT
public:
    explicit GridControls(TableGrid* grid);

    // Makes a widget for every control slot of the table's columns; the grid keeps each over
    // its cell as it scrolls.
    void Rebuild(const GridTableAccess& access);
    // Brings the widgets in step with their slots (a soil type chosen, a button re-captioned).
    void Sync(const GridTableAccess& access);
    void Clear();

    QComboBox* List(int column, int control) const;
    QPushButton* Button(int column, int control) const;

Q_SIGNALS:
    void ItemChosen(int column, int control, int itemIndex);
    void ButtonPressed(int column, int control);

private:
    struct Column {
        int column = 0;
        QList<QPointer<QComboBox>> lists;
        QList<QPointer<QPushButton>> buttons;
    };

    QComboBox* makeList(const GridTableAccess& access, int column, int control);
    QPushButton* makeButton(const GridTableAccess& access, int column, int control);
    const Column* find(int column) const;

    TableGrid* m_grid;
    QList<Column> m_columns;
};

}  // namespace quarlo
