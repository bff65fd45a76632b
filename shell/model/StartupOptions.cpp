#include "StartupOptions.h"

#include "ProgramData.h"

namespace quarlo {

StartupOptions ParseStartupOptions(const std::vector<std::string>& arguments)
{
    StartupOptions options;
    bool optionsEnded = false;
    for (const std::string& argument : arguments) {
        if (!optionsEnded && argument == "--")
            optionsEnded = true;
        else if (!optionsEnded && argument == "--run")
            options.runAnalysis = true;
        else
            options.projectArguments.push_back(argument);
    }
    return options;
}

bool RunsAtStartup(const StartupOptions& options, const std::string& fileName, const std::string& readError)
{
    return options.runAnalysis && !options.projectArguments.empty() && fileName != TProgramData::kNewFileName &&
           readError.empty();
}

}  // namespace quarlo
