#pragma once

#include <QFile>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <utility>

#include "ChildArea.h"
#include "GuiTestSupport.h"
#include "ProgramData.h"
#include "ProjectTables.h"

namespace quarlo::test {

// The bundled example every data-window test and screenshot starts from: English units,
// a 720 in pile of 16 in diameter in 40 increments, tolerance 0.001 in.
inline const char* const kExample = "driven-pile-clay-english.qv3d";

// Hosts the data windows as the main window does: the program's tables, the current
// project and a document area in which the windows are shown as child windows.
class DataWindowHost {
public:
    DataWindowHost()
    {
        area.resize(675, 455);
        area.show();
    }

    // Replaces the project by the one read from `path`; the windows are closed first, as
    // the main window closes them before it replaces the project.
    void open(const QString& path)
    {
        area.CloseAllChildren();
        QCoreApplication::processEvents();
        project.reset();
        project = TProgramData::CreateFromFile(tables, path.toStdString(), true);
        QVERIFY2(project->ReadError.empty(), project->ReadError.c_str());
    }
    void openExample() { open(examplePath(kExample)); }

    // A copy of the example with `from` (found once in it) replaced by `to`, opened as the
    // project.
    void openEditedExample(const QByteArray& from, const QByteArray& to)
    {
        QFile example(examplePath(kExample));
        QVERIFY(example.open(QIODevice::ReadOnly));
        QByteArray bytes = example.readAll();
        QCOMPARE(bytes.count(from), 1);
        bytes.replace(from, to);
        QFile copy(m_dir.filePath(kExample));
        QVERIFY(copy.open(QIODevice::WriteOnly | QIODevice::Truncate));
        copy.write(bytes);
        copy.close();
        open(copy.fileName());
    }

    // Shows `window` as the active child, as the main window's commands do.
    QMdiSubWindow* show(QWidget* window)
    {
        QMdiSubWindow* frame = area.AddChild(window);
        QCoreApplication::processEvents();
        return frame;
    }

    // A new `Window` made from `args` and the document area as its parent, shown as the
    // active child; `frame` receives its child window frame.
    template <class Window, class... Args>
    Window* showNew(QMdiSubWindow*& frame, Args&&... args)
    {
        auto* window = new Window(std::forward<Args>(args)..., &area);
        frame = show(window);
        return window;
    }

    // The object names of the controls that `steps` presses of Tab reach from `start`.
    static QStringList tabOrder(QWidget* start, int steps)
    {
        QStringList names;
        start->setFocus();
        QWidget* at = start;
        for (int step = 0; step < steps && at; ++step) {
            QTest::keyClick(at, Qt::Key_Tab);
            at = start->window()->focusWidget();
            names << (at ? at->objectName() : QString());
        }
        return names;
    }

    ProjectTables tables;
    std::unique_ptr<TProgramData> project;
    ChildArea area;

private:
    QTemporaryDir m_dir;
};

// Replaces the text of `field` by `text`, typed.
inline void typeOver(QWidget* field, const QString& text)
{
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

}  // namespace quarlo::test
