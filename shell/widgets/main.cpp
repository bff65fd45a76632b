#include <QApplication>

#include <string>
#include <vector>

#include "ApplicationSetup.h"
#include "ComputationCommands.h"
#include "Messages.h"
#include "ProgramData.h"
#include "StartupOptions.h"
#include "TMainForm.h"

namespace {

std::vector<std::string> programArguments()
{
    std::vector<std::string> arguments;
    for (const QString& argument : QApplication::arguments().mid(1))
        arguments.push_back(argument.toStdString());
    return arguments;
}

QStringList toStringList(const std::vector<std::string>& arguments)
{
    QStringList list;
    for (const std::string& argument : arguments)
        list << QString::fromStdString(argument);
    return list;
}

}  // namespace

// QUARLO2014 [--run] [project]: opens the project; with --run its analysis runs as soon as it
// is open, as "Run Analysis" runs it, so its results and graphs are ready when the window shows.
int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    quarlo::ConfigureApplication();
    const quarlo::StartupOptions startup = quarlo::ParseStartupOptions(programArguments());
    quarlo::TMainForm mainForm;
    mainForm.show();
    // After showing, so that a reading error is reported over the window.
    mainForm.OpenStartupProject(toStringList(startup.projectArguments));
    if (quarlo::RunsAtStartup(startup, mainForm.Project().FileName, mainForm.Project().ReadError))
        quarlo::RunGuarded(&mainForm, [&] { mainForm.Computation().CompRunClick(); });
    return QApplication::exec();
}
