#include "WindowCommands.h"

#include <QAction>
#include <QMdiSubWindow>
#include <QMenu>

#include "ChildArea.h"
#include "MenuItems.h"
#include "TMainForm.h"

namespace quarlo {

WindowCommands::WindowCommands(TMainForm& form, QMenuBar& menuBar) : QObject(&form), m_form(form)
{
    m_menu = AddMenu(menuBar, "ArrangeMenu", QStringLiteral("&Window"));
    QWidget* boxes = &form;
    AddMenuItem(*m_menu, "WindowCascade", QStringLiteral("&Cascade"), boxes, [this] { WindowCascadeClick(); });
    AddMenuItem(*m_menu, "WindowArrange", QStringLiteral("&Arrange Icons"), boxes, [this] { WindowArrangeClick(); });
    m_listSeparator = m_menu->addSeparator();
    m_listSeparator->setVisible(false);
    for (int i = 0; i < kListedChildren; ++i) {
        QAction* entry = AddMenuItem(*m_menu, "", QString(), boxes, [this, i] { ActivateMenuClick(i); });
        entry->setObjectName(QStringLiteral("WindowEntry%1").arg(i + 1));
        entry->setVisible(false);
        m_entries.append(entry);
    }
    OnMenuOpening(*m_menu, boxes, [this] { ArrangeMenuClick(); });
}

void WindowCommands::WindowCascadeClick()
{
    m_form.Area().cascadeSubWindows();
}

void WindowCommands::WindowArrangeClick()
{
    m_form.Area().tileSubWindows();
}

void WindowCommands::ArrangeMenuClick()
{
    m_listed.clear();
    const QList<QMdiSubWindow*> children = m_form.Area().ChildrenActiveFirst();
    for (int i = 0; i < kListedChildren; ++i) {
        QAction* entry = m_entries[i];
        if (i < children.size()) {
            QString caption = children[i]->windowTitle();
            // A title is shown as it stands: an ampersand in it is no mnemonic.
            entry->setText(caption.replace(QLatin1Char('&'), QLatin1String("&&")));
            m_listed.append(children[i]);
        }
        entry->setVisible(i < children.size());
    }
    m_listSeparator->setVisible(!children.isEmpty());
}

void WindowCommands::ActivateMenuClick(int index)
{
    if (index >= m_listed.size() || !m_listed[index])
        return;
    QMdiSubWindow* child = m_listed[index];
    if (child->isMinimized())
        child->showNormal();
    m_form.Area().setActiveSubWindow(child);
}

}  // namespace quarlo
