#include "HelpCommands.h"

#include <QMenu>

#include "HelpUrls.h"
#include "HelpWindow.h"
#include "MenuItems.h"
#include "Messages.h"
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

HelpCommands::~HelpCommands() = default;

HelpWindow& HelpCommands::window()
{
    if (!m_window)
        m_window = std::make_unique<HelpWindow>();
    return *m_window;
}

HelpWindow& HelpCommands::ShowHelp(const QString& pathAndAnchor)
{
    window().Open(pathAndAnchor);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    return *m_window;
}

void HelpCommands::HelpContentsClick()
{
    ShowHelp(kHelpContentsPage);
}

void HelpCommands::showManual(const QString& page, const QString& name)
{
    if (window().HasPage(page)) {
        ShowHelp(page);
        return;
    }
    ShowInformation(&ShowHelp(kHelpContentsPage), QStringLiteral("The %1 is not part of this installation.").arg(name));
}

void HelpCommands::UsersManual1Click()
{
    showManual(kUsersManualPage, QStringLiteral("User's Manual"));
}

void HelpCommands::TechnicalManual1Click()
{
    showManual(kTechnicalManualPage, QStringLiteral("Technical Manual"));
}

void HelpCommands::HelpAboutClick()
{
    TAboutBox box(&m_form);
    box.exec();
}

void HelpCommands::CheckforUpdates1Click()
{
    ShowInformation(&m_form, QStringLiteral("QUARLO 2014 version " QUARLO_VERSION " is installed.\n\n"
                                            "The program does not look for updates itself. New versions come as a "
                                            "new installation package from the organisation that gave you this copy, "
                                            "or as a new release of the source repository it was built from."));
}

void HelpCommands::HelpMenuClick()
{
    m_form.CommitActiveChild();
}

}  // namespace quarlo
