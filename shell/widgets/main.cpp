#include <QApplication>

#include "ApplicationSetup.h"
#include "TMainForm.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    quarlo::ConfigureApplication();
    quarlo::TMainForm mainForm;
    mainForm.show();
    // After showing, so that a reading error is reported over the window.
    mainForm.OpenStartupProject(QApplication::arguments().mid(1));
    return QApplication::exec();
}
