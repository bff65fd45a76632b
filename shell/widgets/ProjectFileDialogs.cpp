#include "ProjectFileDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QMessageBox>
#include <QTreeView>

#include "FileCommandRules.h"
#include "ModelFileNames.h"
#include "ProgramData.h"

namespace quarlo {

namespace {

const QString kCurrentFormatFilter = QStringLiteral("QUARLO 2014 (*.qv3d)");
const QString kOldFormatFilter = QStringLiteral("QUARLO 2.0 (*.qvd)");
// "*" rather than "*.*", which would hide the files without an extension here.
const QString kAllFilesFilter = QStringLiteral("All Files (*)");
constexpr int kDialogWidth = 780;
constexpr int kDialogHeight = 460;

// Qt's own dialog rather than the desktop's, so that every desktop shows the same file types
// and tests can drive it.
// The detail columns take the width their texts need and the name the rest; Qt's own widths
// cut a file's size, type and date short.
void showDetailsInFull(QFileDialog& dialog)
{
    auto* details = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    if (!details)
        return;
    QHeaderView& header = *details->header();
    header.setStretchLastSection(false);
    header.setSectionResizeMode(QHeaderView::ResizeToContents);
    header.setSectionResizeMode(0, QHeaderView::Stretch);
}

// Both dialogs start in the current directory, which opening a project makes its folder; the
// home folder stands in for a current directory removed since.
QString startDirectory()
{
    const QString current = QDir::currentPath();
    return current.isEmpty() ? QDir::homePath() : current;
}

void configure(QFileDialog& dialog, const char* name, const QString& title)
{
    dialog.setObjectName(QString::fromLatin1(name));
    dialog.setDirectory(startDirectory());
    dialog.setWindowTitle(title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters({kCurrentFormatFilter, kOldFormatFilter, kAllFilesFilter});
    dialog.setDefaultSuffix(QStringLiteral("qv3d"));
    // Wide enough that size, type and date show in full beside a project's name.
    dialog.resize(kDialogWidth, kDialogHeight);
    showDetailsInFull(dialog);
}

std::optional<QString> chosenFile(QFileDialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

// The dialog asked before replacing the name the user chose; a name changed after it closed
// has not been asked about yet.
bool mayReplace(QWidget* parent, const QString& title, const QString& fileName)
{
    if (!QFileInfo::exists(fileName))
        return true;
    const QString question = QStringLiteral("%1 already exists.\nDo you want to replace it?")
                                 .arg(QFileInfo(fileName).fileName());
    return QMessageBox::warning(parent, title, question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
}

}  // namespace

std::optional<OpenChoice> AskOpenFileName(QWidget* parent)
{
    QFileDialog dialog(parent);
    configure(dialog, "OpenDialog", QStringLiteral("Open"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    const std::optional<QString> chosen = chosenFile(dialog);
    if (!chosen)
        return std::nullopt;
    const bool oldFormatChosen = dialog.selectedNameFilter() == kOldFormatFilter;
    return OpenChoice{*chosen, OpensInCurrentFormat(ModelFileName(*chosen), oldFormatChosen)};
}

std::optional<QString> AskSaveFileName(QWidget* parent, const TProgramData& project)
{
    QFileDialog dialog(parent);
    const QString title = WindowFileName(SaveAsTitle(project.FileName));
    configure(dialog, "SaveDialog", title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // A new project's bare name lies in the start directory.
    dialog.selectFile(QDir(startDirectory()).absoluteFilePath(WindowFileName(project.ProposedSaveName())));
    const std::optional<QString> chosen = chosenFile(dialog);
    if (!chosen)
        return std::nullopt;
    const QString fileName = WindowFileName(CurrentFormatFileName(ModelFileName(*chosen)));
    if (fileName != *chosen && !mayReplace(parent, title, fileName))
        return std::nullopt;
    return fileName;
}

}  // namespace quarlo
