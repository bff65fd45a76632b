#pragma once

// What the main-window tests share: the window made and shown offscreen, its items found by
// name, its menus opened as the user opens them, and bundled examples copied where a test may
// put files beside them.

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ApplicationSetup.h"
#include "ChildArea.h"
#include "ChildWindow.h"
#include "FileCommands.h"
#include "GuiTestSupport.h"
#include "ProgramData.h"
#include "TMainForm.h"
#include "Table.h"
#include "TableChart.h"

namespace quarlo::test {

// The program's start, as far as a test needs it: settings isolated, the program's names.
inline void startProgram()
{
    isolateSettings();
    ConfigureApplication();
}

inline std::unique_ptr<TMainForm> showMainForm()
{
    auto form = std::make_unique<TMainForm>();
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get()))
        qWarning("the main window was not exposed");
    return form;
}

inline QAction* findAction(const QWidget& form, const QString& name)
{
    QAction* action = form.findChild<QAction*>(name);
    if (!action)
        qWarning("no action %s", qPrintable(name));
    return action;
}

inline QToolButton* findButton(const QWidget& form, const QString& name)
{
    return form.findChild<QToolButton*>(name);
}

// Drops the menu down and closes it again: its opening handler runs as for the user.
inline void openMenu(const QWidget& form, const QString& menuName)
{
    QMenu* menu = form.findChild<QMenu*>(menuName);
    QVERIFY2(menu, qPrintable(menuName));
    menu->popup(form.mapToGlobal(QPoint(0, 0)));
    menu->hide();
}

// Chooses the menu item or presses the tool-bar button named `name`.
inline void choose(const QWidget& form, const QString& name)
{
    if (QToolButton* button = findButton(form, name)) {
        button->click();
        return;
    }
    if (QAction* action = findAction(form, name))
        action->trigger();
}

// Copies a bundled example into `dir` and returns the copy's full path.
inline QString copyExample(const QTemporaryDir& dir, const QString& example, const QString& name = {})
{
    const QString target = dir.filePath(name.isEmpty() ? example : name);
    QFile::copy(examplePath(example), target);
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    return target;
}

inline void writeFile(const QString& path, const QByteArray& contents)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(contents);
}

// A child window standing in for a data window: it counts what the main window asks of it.
class CountingChild : public QWidget, public ChildWindow {
public:
    explicit CountingChild(const QString& title = QStringLiteral("Child")) { setWindowTitle(title); }
    bool FormDeactivate() override
    {
        ++stores;
        return !refuse;
    }
    void UnitsChanged() override { ++unitSwitches; }

    int stores = 0;
    int unitSwitches = 0;
    bool refuse = false;
};

// Records the tables the commands ask to show and passes each on to the table windows the
// program installed, so a table window opens exactly as it does for the user once there is
// one; the program's window makers are back in place when the recorder goes.
class TableShowRecorder {
public:
    TableShowRecorder()
        : m_chart(TGridTableChart::WindowFactory), m_plain(TGridTable::WindowFactory)
    {
        TGridTableChart::WindowFactory = [this](TGridTableChart& table, bool modal) {
            shown.push_back(table.Caption());
            return m_chart ? m_chart(table, modal) : nullptr;
        };
        TGridTable::WindowFactory = [this](TGridTable& table, bool modal) {
            shown.push_back(table.Caption());
            return m_plain ? m_plain(table, modal) : nullptr;
        };
    }
    ~TableShowRecorder()
    {
        TGridTableChart::WindowFactory = m_chart;
        TGridTable::WindowFactory = m_plain;
    }
    TableShowRecorder(const TableShowRecorder&) = delete;
    TableShowRecorder& operator=(const TableShowRecorder&) = delete;

    // Table windows are installed (after the table-window work has landed).
    bool windowsInstalled() const { return bool(m_chart); }

    std::vector<std::string> shown;

private:
    decltype(TGridTableChart::WindowFactory) m_chart;
    decltype(TGridTable::WindowFactory) m_plain;
};

}  // namespace quarlo::test
