#include <QApplication>

#include "ApplicationSetup.h"
#include "TMainForm.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    quarlo::ConfigureApplication();
    quarlo::TMainForm mainForm;
    mainForm.OpenStartupProject(QApplication::arguments().mid(1));
    mainForm.show();
    return QApplication::exec();
}
