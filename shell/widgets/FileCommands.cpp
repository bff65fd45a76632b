#include "FileCommands.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

#include "FileCommandRules.h"
#include "MenuItems.h"
#include "Messages.h"
#include "ModelFileNames.h"
#include "ProgramData.h"
#include "ProjectFileDialogs.h"
#include "ProjectFileNames.h"
#include "TMainForm.h"

namespace quarlo {

namespace {

// Projects are known by their full path in the platform's own spelling, so that the name
// stays right when the current directory changes and one file gets one recent-file entry.
QString fullPath(const QString& fileName)
{
    return QDir::toNativeSeparators(QFileInfo(fileName).absoluteFilePath());
}

}  // namespace

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
    buildRecentEntries();
    m_recentSeparator = m_menu->addSeparator();
    m_recentSeparator->setVisible(false);
    AddMenuItem(*m_menu, "FileExit", QStringLiteral("E&xit"), boxes, [this] { FileExitClick(); });
    OnMenuOpening(*m_menu, boxes, [this] { FileMenuClick(); });
}

void FileCommands::buildRecentEntries()
{
    for (int i = 0; i < kRecentEntries; ++i) {
        const QByteArray name = QStringLiteral("RecentFile%1").arg(i + 1).toLatin1();
        QAction* entry =
            AddMenuItem(*m_menu, name.constData(), QString(), &m_form, [this, i] { MyFilePopupHandler(i); });
        entry->setVisible(false);
        m_recentEntries.append(entry);
    }
}

void FileCommands::FileNewClick()
{
    if (!QuerySaveChanges())
        return;
    m_form.ReplaceProject([](ProjectTables& tables) { return std::make_unique<TProgramData>(tables); });
}

void FileCommands::FileOpenClick()
{
    if (!QuerySaveChanges())
        return;
    if (const std::optional<OpenChoice> choice = AskOpenFileName(&m_form))
        OpenFileName(choice->fileName, choice->currentFormat);
}

void FileCommands::FileSaveClick()
{
    Save();
}

void FileCommands::FileSaveAsClick()
{
    SaveAs();
}

void FileCommands::FileExitClick()
{
    m_form.close();
}

void FileCommands::FileMenuClick()
{
    m_form.CommitActiveChild();
    showRecentEntries();
}

void FileCommands::showRecentEntries()
{
    const std::string currentDirectory = ModelFileName(QDir::toNativeSeparators(QDir::currentPath()));
    for (int i = 0; i < kRecentEntries; ++i) {
        QAction* entry = m_recentEntries[i];
        entry->setVisible(i < m_recent.Count());
        if (!entry->isVisible())
            continue;
        QString caption = WindowFileName(RecentFileCaption(i, m_recent.Entry(i), currentDirectory));
        // A path is shown as it is; a single "&" would mark a mnemonic instead.
        entry->setText(caption.replace(QLatin1Char('&'), QStringLiteral("&&")));
    }
    m_recentSeparator->setVisible(m_recent.Count() > 0);
}

void FileCommands::MyFilePopupHandler(int index)
{
    const std::string entry = m_recent.Entry(index);
    if (entry.empty())
        return;
    const QString fileName = WindowFileName(entry);
    // Opening a file that is gone would give an empty project carrying its name.
    if (!QFileInfo(fileName).isFile()) {
        m_recent.Remove(entry);
        m_form.UpdateRegistry();
        ShowInformation(&m_form, MissingRecentFileMessage(entry));
        return;
    }
    if (QuerySaveChanges())
        OpenFileName(fileName, OpensInCurrentFormat(entry));
}

bool FileCommands::Save()
{
    if (!commitForSave())
        return false;
    if (m_form.Project().SaveNeedsSaveAs())
        return SaveAs();
    m_form.Project().SaveToFile();
    return true;
}

bool FileCommands::SaveAs()
{
    if (!commitForSave())
        return false;
    const std::optional<QString> chosen = AskSaveFileName(&m_form, m_form.Project());
    if (chosen)
        saveUnder(fullPath(*chosen));
    else
        m_form.SetSaveConfirmed(false);
    m_form.CheckSpeedButtons();
    m_form.CloseAllChildren();
    return chosen.has_value();
}

bool FileCommands::commitForSave()
{
    // An entry the active window refused is not in the project: saving now would write the
    // file without it while the user sees it on screen.
    if (m_form.CommitActiveChild())
        return true;
    m_form.SetSaveConfirmed(false);
    return false;
}

void FileCommands::saveUnder(const QString& fileName)
{
    TProgramData& project = m_form.Project();
    const std::string previous = project.FileName;
    project.FileName = ModelFileName(fileName);
    try {
        project.SaveToFile();
    } catch (...) {
        // Nothing was written under the new name: the project goes on under the name its
        // file on disk has.
        project.FileName = previous;
        throw;
    }
    m_form.SetCaption();
}

bool FileCommands::QuerySaveChanges()
{
    if (!m_form.CommitActiveChild())
        return false;
    if (!m_form.IsModified())
        return true;
    switch (AskYesNoCancel(&m_form, QStringLiteral("Do you want to save any changes?"))) {
    case QMessageBox::No:
        return true;
    case QMessageBox::Yes:
        // Going on after a save that failed or was cancelled would drop the changes.
        return saveShowingFailure();
    default:
        return false;
    }
}

bool FileCommands::saveShowingFailure()
{
    bool saved = false;
    RunGuarded(&m_form, [&] { saved = Save(); });
    return saved;
}

void FileCommands::OpenStartupProject(const QStringList& arguments)
{
    if (arguments.isEmpty())
        return;
    const std::string modelName = CommandLineProjectName(ModelFileName(arguments.first()));
    const QString fileName = WindowFileName(modelName);
    // A project double-clicked in the file manager may be an old one: its name says so.
    if (QFileInfo(fileName).isFile())
        openProject(fullPath(fileName), OpensInCurrentFormat(modelName));
}

void FileCommands::OpenFileName(const QString& fileName, bool currentFormat)
{
    const QString path = fullPath(fileName);
    if (!openProject(path, currentFormat))
        return;
    // The next Open dialog starts in the project's folder; a folder that cannot be made
    // current changes nothing else.
    QDir::setCurrent(QFileInfo(path).absolutePath());
    UpdatePrevFile(path);
}

bool FileCommands::openProject(const QString& path, bool currentFormat)
{
    const std::string name = ModelFileName(path);
    if (!m_form.ReplaceProject([&](ProjectTables& tables) {
            return TProgramData::CreateFromFile(tables, name, currentFormat);
        }))
        return false;
    if (!m_form.Project().ReadError.empty())
        ShowInformation(&m_form, m_form.Project().ReadError);
    m_form.LoadProjectPlots();
    return true;
}

void FileCommands::FilesDropped(const QStringList& fileNames)
{
    if (fileNames.isEmpty() || !QuerySaveChanges())
        return;
    const QString& first = fileNames.first();
    OpenFileName(first, OpensInCurrentFormat(ModelFileName(first)));
}

void FileCommands::UpdatePrevFile(const QString& fileName)
{
    if (m_recent.Add(ModelFileName(fileName)))
        m_form.UpdateRegistry();
}

}  // namespace quarlo
