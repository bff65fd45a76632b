#include "ApplicationSetup.h"

#include <QApplication>
#include <QIcon>

#include "Messages.h"
#include "ProgramSettings.h"
#include "ProgramTitles.h"

// Q_INIT_RESOURCE names a function of the global namespace, so it cannot be called from
// inside ours.
static void initMainIcons()
{
    Q_INIT_RESOURCE(MainIcons);
}

namespace quarlo {

void LoadProgramPictures()
{
    static const bool loaded = (initMainIcons(), true);
    (void)loaded;
}

void ConfigureApplication()
{
    LoadProgramPictures();
    QApplication::setOrganizationName(QString::fromLatin1(kSettingsOrganisation));
    QApplication::setApplicationName(QString::fromLatin1(kSettingsApplication));
    QApplication::setApplicationVersion(QStringLiteral(QUARLO_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/quarlo.svg")));
    // The installed menu entry quarlo.desktop: the desktop shows its name and icon for the
    // program's windows.
    QGuiApplication::setDesktopFileName(QStringLiteral("quarlo"));
    SetMessageTitle(QString::fromLatin1(kApplicationTitle));
}

}  // namespace quarlo
