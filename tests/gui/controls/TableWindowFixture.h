#pragma once

#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QtTest>

#include <memory>

#include "ChildArea.h"
#include "GuiTestSupport.h"
#include "ProgramData.h"
#include "TableFormBase.h"
#include "TableGrid.h"
#include "TableWindows.h"

namespace quarlo::test {

// The program's tables with a bundled example read into them, and a document area in which
// the tables' Show opens their windows, as the main window has.
class TableWindowFixture {
public:
    TableWindowFixture() = default;
    TableWindowFixture(const TableWindowFixture&) = delete;
    TableWindowFixture& operator=(const TableWindowFixture&) = delete;

    void Open(const QString& example)
    {
        project = TProgramData::CreateFromFile(tables, examplePath(example).toStdString(), true);
        QVERIFY2(project->ReadError.empty(), project->ReadError.c_str());
        area = std::make_unique<ChildArea>();
        area->resize(1100, 800);
        area->show();
        QVERIFY(QTest::qWaitForWindowExposed(area.get()));
        InstallTableWindows(area.get());
    }

    // Every window closes before the next test replaces the project, as New and Open do.
    void Close()
    {
        tables.CloseForms();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        area.reset();
        InstallTableWindows(nullptr);
        project.reset();
    }

    template <class Table>
    TableFormBase* Show(Table& table)
    {
        table.Show();
        return TableFormOf(table.Window());
    }

    ProjectTables tables;
    std::unique_ptr<TProgramData> project;
    std::unique_ptr<ChildArea> area;
};

// Puts the cursor on a cell and types `text` over what its editor shows.
inline void typeInto(TableGrid* grid, int row, int column, const QString& text)
{
    QVERIFY(grid->MoveTo(row, column));
    QLineEdit* editor = grid->Editor();
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, text);
}

inline QPushButton* button(TableFormBase* form, const char* objectName)
{
    return form->findChild<QPushButton*>(QString::fromLatin1(objectName));
}

inline QString cellText(TableGrid* grid, int row, int column)
{
    return grid->model()->index(row, column).data().toString();
}

// The window as the user sees it, frame and title included, named after the window.
inline void screenshot(TableFormBase* form)
{
    saveScreenshot(form->Host() ? form->Host() : form, form->objectName());
}

}  // namespace quarlo::test
