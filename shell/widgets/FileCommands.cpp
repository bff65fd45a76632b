#include "FileCommands.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QMenu>

#include "MenuItems.h"
#include "Messages.h"
#include "NotAvailable.h"
#include "ProgramData.h"
#include "ProjectFileNames.h"
#include "TMainForm.h"

namespace quarlo {

FileCommands::FileCommands(TMainForm& form, QMenuBar& menuBar) : QObject(&form), m_form(form)
{
    m_menu = AddMenu(menuBar, "FileMenu", QStringLiteral("&File"));
    QWidget* boxes = &form;
    AddMenuItem(*m_menu, "FileNew", QStringLiteral("&New"), boxes, [this] { FileNewClick(); },
                QKeySequence(Qt::CTRL | Qt::Key_N));
    AddMenuItem(*m_menu, "FileOpen", QStringLiteral("&Open..."), boxes, [this] { FileOpenClick(); },
                QKeySequence(Qt::CTRL | Qt::Key_O));
    AddMenuItem(*m_menu, "FileSave", QStringLiteral("&Save"), boxes, [this] { FileSaveClick(); },
                QKeySequence(Qt::CTRL | Qt::Key_S));
    AddMenuItem(*m_menu, "FileSaveAs", QStringLiteral("Save &As..."), boxes, [this] { FileSaveAsClick(); });
    m_menu->addSeparator();
    for (int i = 0; i < kRecentEntries; ++i) {
        QAction* entry = m_menu->addAction(QString());
        entry->setObjectName(QStringLiteral("RecentFile%1").arg(i + 1));
        entry->setVisible(false);
        m_recentEntries.append(entry);
    }
    m_recentSeparator = m_menu->addSeparator();
    m_recentSeparator->setVisible(false);
    AddMenuItem(*m_menu, "FileExit", QStringLiteral("E&xit"), boxes, [this] { FileExitClick(); });
    OnMenuOpening(*m_menu, boxes, [this] { FileMenuClick(); });
}

void FileCommands::FileNewClick()
{
    ShowNotAvailableYet(&m_form, QStringLiteral("New"));
}

void FileCommands::FileOpenClick()
{
    ShowNotAvailableYet(&m_form, QStringLiteral("Open"));
}

void FileCommands::FileSaveClick()
{
    ShowNotAvailableYet(&m_form, QStringLiteral("Save"));
}

void FileCommands::FileSaveAsClick()
{
    ShowNotAvailableYet(&m_form, QStringLiteral("Save As"));
}

void FileCommands::FileExitClick()
{
    m_form.close();
}

void FileCommands::FileMenuClick()
{
    m_form.CommitActiveChild();
}

bool FileCommands::QuerySaveChanges()
{
    if (!m_form.IsModified())
        return true;
    switch (AskYesNoCancel(&m_form, QStringLiteral("Do you want to save any changes?"))) {
    case QMessageBox::No:
        return true;
    case QMessageBox::Yes:
        FileSaveClick();
        // Going on after a save that failed or was cancelled would drop the changes.
        return !m_form.IsModified();
    default:
        return false;
    }
}

void FileCommands::OpenStartupProject(const QStringList& arguments)
{
    if (arguments.isEmpty())
        return;
    const QString fileName =
        QFile::decodeName(CommandLineProjectName(QFile::encodeName(arguments.first()).toStdString()).c_str());
    if (QFileInfo(fileName).isFile())
        OpenFileName(QFileInfo(fileName).absoluteFilePath(), true);
}

void FileCommands::OpenFileName(const QString& fileName, bool currentFormat)
{
    const std::string name = QFile::encodeName(fileName).toStdString();
    if (!m_form.ReplaceProject([&](ProjectTables& tables) {
            return TProgramData::CreateFromFile(tables, name, currentFormat);
        }))
        return;
    if (!m_form.Project().ReadError.empty())
        ShowInformation(&m_form, m_form.Project().ReadError);
}

}  // namespace quarlo
