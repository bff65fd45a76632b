#pragma once

#include <QWidget>

#include "ChildWindow.h"

class QPlainTextEdit;

namespace quarlo {

// A report read inside the program when neither a text editor of the user's choice nor a
// program of the desktop can open it: read-only, in a fixed-pitch font so the report's
// columns stand as the engine wrote them, lines never wrapped.
class ReportViewer : public QWidget, public ChildWindow {
    Q_OBJECT
public:
    // EInOutError when the file cannot be read.
    explicit ReportViewer(const QString& fileName, QWidget* parent = nullptr);

    QPlainTextEdit& Text() const { return *m_text; }
    // The report's widest lines, about 90 characters, and a screenful of them.
    QSize sizeHint() const override;

private:
    QPlainTextEdit* m_text;
};

}  // namespace quarlo
