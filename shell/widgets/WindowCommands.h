#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QAction;
class QMdiSubWindow;
class QMenu;
class QMenuBar;

namespace quarlo {

class TMainForm;

// The "&Window" menu: arranging the child windows and the list of open child windows.
class WindowCommands : public QObject {
public:
    // The most child windows the menu lists.
    static constexpr int kListedChildren = 50;

    WindowCommands(TMainForm& form, QMenuBar& menuBar);

    void WindowCascadeClick();
    // Tiles the child windows; minimized ones are lined up along the bottom of the area.
    void WindowArrangeClick();
    // The menu opens: the first 50 child windows are listed, the active one first.
    void ArrangeMenuClick();
    // Brings up the child window listed as entry `index` when the menu last opened.
    void ActivateMenuClick(int index);

private:
    TMainForm& m_form;
    QMenu* m_menu = nullptr;
    QAction* m_listSeparator = nullptr;
    QList<QAction*> m_entries;
    // The children the entries stood for when the menu opened; a child closed since is gone.
    QList<QPointer<QMdiSubWindow>> m_listed;
};

}  // namespace quarlo
