#pragma once

#include <QPersistentModelIndex>
#include <QPointer>
#include <QTableView>

#include "TableFormLayout.h"

#include <QLineEdit>

namespace quarlo {

class TableGridModel;

// The grid of a table window (object name "Grid"). Its editor is always open on the current
// text cell, and an entry is stored when the cursor leaves the cell (arrow and Tab keys,
// Enter, a click elsewhere), when the focus moves to another part of the window, and when
// the window asks (ValidateCurrentCell). A refused entry is shown in a message box; the
// cursor stays in the cell with the text as typed, so it can be corrected. Enter moves down
// the column, then on to the next column that takes typed entries.
class TableGrid : public QTableView {
    Q_OBJECT
public:
    explicit TableGrid(QWidget* parent = nullptr);

    void SetGridModel(TableGridModel* model);
    // The text of the top-left cell, above the row numbers.
    void SetTopLeft(const QString& text);

    // Stores the entry of the cell being edited. False when it was refused: the refusal has
    // been shown and the cursor is back in the cell.
    bool ValidateCurrentCell();
    // Moves the cursor to a cell, storing the entry it leaves first; false when that was
    // refused.
    bool MoveTo(int row, int column);
    // Opens the editor on the current cell when it takes typed entries.
    void OpenEditor();
    // Gives the keyboard to the editor of the current cell (or the grid without one).
    void TakeFocus();
    // The editor of the current cell; none while no text cell is current.
    QLineEdit* Editor() const { return m_editor; }

    // The grid's sizes as the window's layout needs them: frame, rows, header rows, number
    // column, columns (each with its grid line) and scroll bars.
    GridMetrics Metrics() const;
    // The first row and column in view.
    int FirstRow() const;
    int FirstColumn() const;
    // Shows the scroll bars `window` needs for a table of `rowCount` rows and scrolls it in
    // view; the grid must already have the size GridSize gives for it.
    void ShowWindow(const GridWindow& window, int rowCount);
    void SetScrollBars(const GridWindow& window, int rowCount);

    // Called by the editor delegate when it made the editor of `index`.
    void EditorCreated(QLineEdit* editor, const QModelIndex& index);

Q_SIGNALS:
    // An entry was stored: the values the window shows besides the grid follow.
    void EntryStored();

protected:
    void commitData(QWidget* editor) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool storeEditor();
    void refuse(const QString& message);
    void moveOnEnter();
    void revertEditor();
    void editorLostFocus();
    bool paintCorner(QWidget* corner);

    TableGridModel* m_model = nullptr;
    QPointer<QLineEdit> m_editor;
    QPersistentModelIndex m_editorIndex;
    QPointer<QWidget> m_corner;
    QString m_topLeft;
    // A refusal is being shown: the focus changes it causes store nothing.
    bool m_refusing = false;
    // The entry refused while the view itself moved the cursor: the editor stays open.
    bool m_keepEditor = false;
};

}  // namespace quarlo
