#pragma once

// Drives the file dialogs the File commands open, the way a user does: each dialog in turn is
// answered with a file (and a file type) or cancelled, and what it showed is recorded.

#include <QApplication>
#include <QFileDialog>
#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <optional>

#include "GuiTestSupport.h"

namespace quarlo::test {

class FileDialogDriver {
public:
    // What one dialog showed when it opened.
    struct Shown {
        QString objectName;
        QString title;
        QString proposal;  // the file it offered, with its full path
        QStringList nameFilters;
        QString defaultSuffix;
        QFileDialog::AcceptMode acceptMode = QFileDialog::AcceptOpen;
        bool qtDialog = false;
    };

    explicit FileDialogDriver(ModalAnswerer& answerer)
    {
        answerer.onDialog = [this](QDialog* dialog) { answer(dialog); };
    }

    // The next dialog is accepted with `fileName`, after the file type `nameFilter` was chosen
    // when one is given. The name must not need a question of the dialog's own (an existing
    // file to replace, a missing file to open).
    void accept(const QString& fileName, const QString& nameFilter = {})
    {
        m_answers.append(Answer{fileName, nameFilter});
    }
    // The next dialog is cancelled (as is every dialog without an answer).
    void cancel() { m_answers.append(std::nullopt); }
    // The next dialog is saved as a screenshot, once its answer is filled in.
    void screenshotNext(const QString& name) { m_screenshotName = name; }

    QList<Shown> shown;

private:
    struct Answer {
        QString fileName;
        QString nameFilter;
    };

    void answer(QDialog* dialog)
    {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        if (!files)
            return;
        shown.append({files->objectName(), files->windowTitle(), files->selectedFiles().value(0),
                      files->nameFilters(), files->defaultSuffix(), files->acceptMode(),
                      files->testOption(QFileDialog::DontUseNativeDialog)});
        const std::optional<Answer> next = m_answers.isEmpty() ? std::nullopt : m_answers.takeFirst();
        if (!next) {
            files->reject();
            return;
        }
        if (!next->nameFilter.isEmpty())
            files->selectNameFilter(next->nameFilter);
        // The dialog leaves a name field the user is typing in alone.
        if (QWidget* focus = QApplication::focusWidget())
            focus->clearFocus();
        files->selectFile(next->fileName);
        if (!m_screenshotName.isEmpty()) {
            saveScreenshot(files, m_screenshotName);
            m_screenshotName.clear();
        }
        static_cast<QDialog*>(files)->accept();
    }

    QList<std::optional<Answer>> m_answers;
    QString m_screenshotName;
};

}  // namespace quarlo::test
