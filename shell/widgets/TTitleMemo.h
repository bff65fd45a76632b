#pragma once

#include <QPlainTextEdit>

namespace quarlo {

// The project title's text box: one line of at most 80 characters, wrapped to the box.
// Enter inserts no line break; typed, pasted and dropped text keeps to the limit, with
// line breaks turned into blanks; Tab moves on to the next control.
class TTitleMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TTitleMemo(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    // What of `text` fits in place of the current selection.
    QString fitted(const QString& text) const;
};

}  // namespace quarlo
