#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class QAction;
class QMenu;
class QMenuBar;

namespace quarlo {

class TMainForm;

// The "&File" menu: making, opening and saving projects, the recent files, and leaving the
// program; also the project named on the command line and the question before unsaved
// changes would be dropped.
class FileCommands : public QObject {
public:
    // The number of recent-file entries the menu holds.
    static constexpr int kRecentEntries = 10;

    FileCommands(TMainForm& form, QMenuBar& menuBar);

    void FileNewClick();
    void FileOpenClick();
    void FileSaveClick();
    void FileSaveAsClick();
    void FileExitClick();
    // The menu opens: the active child stores its edits first.
    void FileMenuClick();

    // True when the project may be dropped: it has no unsaved change, or the user answered
    // No, or Yes and the save succeeded. Cancel, or a save that failed or was cancelled, keeps
    // the project.
    bool QuerySaveChanges();

    // The project named by the first argument (".qv3d" appended to a bare name) becomes the
    // current one when that file exists; otherwise the new project stays.
    void OpenStartupProject(const QStringList& arguments);
    // Replaces the project by the one read from `fileName`; a reading error is shown and
    // leaves what was read up to it.
    void OpenFileName(const QString& fileName, bool currentFormat);

private:
    TMainForm& m_form;
    QMenu* m_menu = nullptr;
    // Hidden until the recent-file list fills them; the separator after them is shown only
    // when there are recent files.
    QList<QAction*> m_recentEntries;
    QAction* m_recentSeparator = nullptr;
};

}  // namespace quarlo
