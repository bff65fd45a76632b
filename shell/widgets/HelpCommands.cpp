#include "HelpCommands.h"

#include <QMenu>

#include "MenuItems.h"
#include "NotAvailable.h"
#include "TAboutBox.h"
#include "TMainForm.h"

namespace quarlo {

HelpCommands::HelpCommands(TMainForm& form, QMenuBar& menuBar) : QObject(&form), m_form(form)
{
    QMenu& menu = *AddMenu(menuBar, "HelpMenu", QStringLiteral("&Help"));
    QWidget* boxes = &form;
    AddMenuItem(menu, "HelpContents", QStringLiteral("&Contents"), boxes, [this] { HelpContentsClick(); });
    menu.addSeparator();
    AddMenuItem(menu, "UsersManual1", QStringLiteral("User's Manual"), boxes, [this] { UsersManual1Click(); });
    AddMenuItem(menu, "TechnicalManual1", QStringLiteral("Technical Manual"), boxes,
                [this] { TechnicalManual1Click(); });
    AddMenuItem(menu, "HelpAbout", QStringLiteral("&About..."), boxes, [this] { HelpAboutClick(); });
    AddMenuItem(menu, "CheckforUpdates1", QStringLiteral("Check for Updates"), boxes,
                [this] { CheckforUpdates1Click(); });
    OnMenuOpening(menu, boxes, [this] { HelpMenuClick(); });
}

void HelpCommands::HelpContentsClick()
{
    ShowNotAvailableYet(&m_form, QStringLiteral("Contents"));
}

void HelpCommands::UsersManual1Click()
{
    ShowNotAvailableYet(&m_form, QStringLiteral("User's Manual"));
}

void HelpCommands::TechnicalManual1Click()
{
    ShowNotAvailableYet(&m_form, QStringLiteral("Technical Manual"));
}

void HelpCommands::HelpAboutClick()
{
    TAboutBox box(&m_form);
    box.exec();
}

void HelpCommands::CheckforUpdates1Click()
{
    ShowNotAvailableYet(&m_form, QStringLiteral("Check for Updates"));
}

void HelpCommands::HelpMenuClick()
{
    m_form.CommitActiveChild();
}

}  // namespace quarlo
