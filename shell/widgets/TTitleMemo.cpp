#include "TTitleMemo.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>

#include "ProjectTitle.h"

namespace quarlo {

TTitleMemo::TTitleMemo(QWidget* parent) : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

QString TTitleMemo::fitted(const QString& text) const
{
    const QTextCursor cursor = textCursor();
    const QString title = toPlainText();
    const QString kept = title.left(cursor.selectionStart()) + title.mid(cursor.selectionEnd());
    return QString::fromStdString(TitleInsertion(kept.toStdString(), text.toStdString()));
}

void TTitleMemo::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    const QString typed = event->text();
    const bool printable = !typed.isEmpty() && typed.at(0).isPrint() &&
                           !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (printable) {
        const QString insertion = fitted(typed);
        if (insertion != typed) {
            if (!insertion.isEmpty())
                insertPlainText(insertion);
            event->accept();
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(event);
}

void TTitleMemo::insertFromMimeData(const QMimeData* source)
{
    if (source && source->hasText())
        insertPlainText(fitted(source->text()));
}

void TTitleMemo::inputMethodEvent(QInputMethodEvent* event)
{
    if (!event->commitString().isEmpty())
        event->setCommitString(fitted(event->commitString()), event->replacementStart(), event->replacementLength());
    QPlainTextEdit::inputMethodEvent(event);
}

}  // namespace quarlo
