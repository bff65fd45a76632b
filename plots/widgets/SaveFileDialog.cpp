#include "SaveFileDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "Messages.h"

namespace quarlo {

std::optional<ChosenFile> AskSaveFile(QWidget* parent, const QString& caption, const QString& proposed,
                                      const QStringList& filters)
{
    QFileDialog dialog(parent, caption, proposed, filters.join(QStringLiteral(";;")));
    dialog.setObjectName(QStringLiteral("SaveFileDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const int typeIndex = static_cast<int>(std::max<qsizetype>(filters.indexOf(dialog.selectedNameFilter()), 0));
    return ChosenFile{dialog.selectedFiles().constFirst(), typeIndex};
}

bool MayReplace(QWidget* parent, const QString& path)
{
    if (!QFileInfo::exists(path))
        return true;
    const QString question =
        QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(QDir::toNativeSeparators(path));
    return AskYesNoCancel(parent, question) == QMessageBox::Yes;
}

}  // namespace quarlo
