#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include "RecentFiles.h"

class QAction;
class QMenu;
class QMenuBar;

namespace quarlo {

class TMainForm;

// The "&File" menu: making, opening and saving projects, the recent files, and leaving the
// program; also the project named on the command line, files dropped on the window, and the
// question before unsaved changes would be dropped.
//
// No command drops the project before the new one can take its place: a child window holding
// a refused entry, Cancel, a cancelled Save As or a failed save each keep it open, modified.
class FileCommands : public QObject {
public:
    // The number of recent-file entries the menu holds.
    static constexpr int kRecentEntries = RecentFiles::kCapacity;

    FileCommands(TMainForm& form, QMenuBar& menuBar);

    void FileNewClick();
    void FileOpenClick();
    void FileSaveClick();
    void FileSaveAsClick();
    void FileExitClick();
    // The menu opens: the active child stores its edits, then the recent files are listed.
    void FileMenuClick();
    // Recent-file entry `index` (from 0) was chosen: the project is opened, or, when its file
    // is gone, the user is told and the entry leaves the list.
    void MyFilePopupHandler(int index);

    // Saves the project: under its name, or through Save As when it has to be named first
    // (never named, opened from an old-format file, or read with an error). True when the
    // project is on disk; false when the user cancelled Save As (SaveConfirmed is cleared
    // then) or a child window refused to store an entry. A write that fails raises
    // EInOutError with the system's reason; the file on disk is then as it was, the project
    // keeps its name and stays modified.
    bool Save();
    // Asks for a name and saves the project under it; otherwise as Save.
    bool SaveAs();

    // True when the project may be dropped: it has no unsaved change, or the user answered
    // No, or Yes and the save succeeded. Cancel, a save that failed or was cancelled, or a
    // child window holding a refused entry keep the project.
    bool QuerySaveChanges();

    // The project named by the first argument (".qv3d" appended to a bare name) becomes the
    // current one when that file exists; otherwise the new project stays. It is not added to
    // the recent files.
    void OpenStartupProject(const QStringList& arguments);
    // Replaces the project by the one read from `fileName` and makes its folder the current
    // directory; a reading error is shown and leaves what was read up to it. The file heads
    // the recent files.
    void OpenFileName(const QString& fileName, bool currentFormat);
    // Files dropped on the main window: the first is opened, after the save question.
    void FilesDropped(const QStringList& fileNames);

    // `fileName` heads the recent files; the settings are stored when the list changed.
    void UpdatePrevFile(const QString& fileName);
    const RecentFiles& Recent() const { return m_recent; }
    void SetRecent(const std::vector<std::string>& stored) { m_recent.Assign(stored); }

private:
    void buildRecentEntries();
    void showRecentEntries();
    // The project becomes the one read from `path`; false when a child refused to close.
    bool openProject(const QString& path, bool currentFormat);
    // The active child stores its edits before a save; false (SaveConfirmed cleared) when it
    // refused one.
    bool commitForSave();
    // Saves under `fileName`; the project keeps its old name when the save fails.
    void saveUnder(const QString& fileName);
    // Save, with a failure shown rather than raised: true when the project is on disk.
    bool saveShowingFailure();

    TMainForm& m_form;
    QMenu* m_menu = nullptr;
    RecentFiles m_recent;
    // Hidden until the recent-file list fills them; the separator after them is shown only
    // when there are recent files.
    QList<QAction*> m_recentEntries;
    QAction* m_recentSeparator = nullptr;
};

}  // namespace quarlo
