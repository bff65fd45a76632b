#pragma once

// What the tests of the file commands share: a folder of their own for project files, made the
// current directory, and the main window started on empty settings.

#include <QDir>
#include <QTemporaryDir>

#include <memory>

#include "MainFormFixture.h"

namespace quarlo::test {

// A fresh folder for one test's project files, made the current directory as opening a project
// there would. It leaves the current directory before it is removed, so that the next test
// never starts in a folder that no longer exists.
class ProjectFolder : public QTemporaryDir {
public:
    ProjectFolder() { QDir::setCurrent(path()); }
    ~ProjectFolder() { QDir::setCurrent(QDir::tempPath()); }
    ProjectFolder(const ProjectFolder&) = delete;
    ProjectFolder& operator=(const ProjectFolder&) = delete;
};

// Each test starts with no stored settings, in a folder of its own, the main window shown.
inline void startFileTest(std::unique_ptr<ProjectFolder>& folder, std::unique_ptr<TMainForm>& form)
{
    isolateSettings();
    folder = std::make_unique<ProjectFolder>();
    QVERIFY(folder->isValid());
    form = showMainForm();
}

// The window goes before the folder its project lies in.
inline void endFileTest(std::unique_ptr<ProjectFolder>& folder, std::unique_ptr<TMainForm>& form)
{
    form.reset();
    folder.reset();
}

}  // namespace quarlo::test
