#pragma once

#include <string>
#include <vector>

namespace quarlo {

// What the program's command line asks for: the arguments the file commands read (the first
// names the project to open) and whether the project's analysis runs once it is open.
struct StartupOptions {
    bool runAnalysis = false;
    std::vector<std::string> projectArguments;
};

// "--run" anywhere asks for the run; "--" ends the options, so that a project whose name
// begins with "--" can still be named after it. Every other argument is passed on as it
// stands, in its order.
StartupOptions ParseStartupOptions(const std::vector<std::string>& arguments);

// The run asked for on the command line goes ahead: a project was named and read without
// error (`fileName` is no longer the new project's name). A project that could not be read
// is not run: the user has just been told what is wrong with it.
bool RunsAtStartup(const StartupOptions& options, const std::string& fileName, const std::string& readError);

}  // namespace quarlo
