#include "BatchRunner.h"
#include "CheckCommand.h"
#include "ConvertCommand.h"
#include "ResultPrinter.h"
#include "RunSummaries.h"

#include <charconv>
#include <iostream>
#include <string>
#include <vector>

#ifndef QUARLO_VERSION
#define QUARLO_VERSION "2014.3.2"
#endif

namespace {

constexpr int kUsageError = 2;

void printHelp(std::ostream& out) {
    out << "Usage: quarlo-run [options] PROJECT.qv3d...\n"
           "       quarlo-run --check PROJECT\n"
           "       quarlo-run --convert IN OUT\n"
           "\n"
           "Runs the load-settlement analysis of each project data file and writes, next to it,\n"
           "the output report (.qv3o), the plot data file (.qv3p) and the run notes (.qv3r),\n"
           "exactly as a run from the program does. One status line per project follows.\n"
           "\n"
           "Options:\n"
           "  -j N, --jobs N   run up to N projects at the same time (default 1)\n"
           "  --format F       results as text (default: tables after each status line),\n"
           "                   csv or json (on standard output; status lines go to standard error)\n"
           "  -h, --help       show this text\n"
           "\n"
           "--check reads a project as the program opens it, without running it, and lists\n"
           "reading errors (line and item) and suspicious input; exit status 1 when any.\n"
           "--convert writes IN (old format when it ends in .qvd) to OUT in the current format,\n"
           "never over IN; nothing is written when IN cannot be read.\n"
           "\n"
           "Exit status: 0 when every run completed with status 0, 1 when any run failed\n"
           "or ended with a non-zero status, 2 for a wrong command line.\n";
}

bool parseJobs(const std::string& text, int& jobs) {
    const auto result = std::from_chars(text.data(), text.data() + text.size(), jobs);
    return result.ec == std::errc() && result.ptr == text.data() + text.size() && jobs >= 1;
}

struct Options {
    std::vector<std::string> projects;
    int jobs = 1;
    quarlo::cli::ResultFormat format = quarlo::cli::ResultFormat::Text;
};

// The value of an option given as "-j 2" (next argument) or "-j2" (attached).
std::string optionValue(const std::string& arg, int argc, char** argv, int& i) {
    const bool attached = arg.rfind("-j", 0) == 0 && arg.size() > 2;
    if (attached)
        return arg.substr(2);
    return i + 1 < argc ? argv[++i] : std::string();
}

// Fills `options` from the command line; returns the exit code when the runner has
// nothing more to do (help shown, or a wrong command line), -1 to go on.
int parseArguments(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "-h" || arg == "--help") {
            printHelp(std::cout);
            return 0;
        }
        if (arg == "-j" || arg == "--jobs" || arg.rfind("-j", 0) == 0) {
            if (!parseJobs(optionValue(arg, argc, argv, i), options.jobs)) {
                std::cerr << "quarlo-run: " << arg << " needs a positive number\n";
                return kUsageError;
            }
        } else if (arg == "--format") {
            if (i + 1 >= argc || !quarlo::cli::parseResultFormat(argv[++i], options.format)) {
                std::cerr << "quarlo-run: --format needs text, csv or json\n";
                return kUsageError;
            }
        } else if (arg.size() > 1 && arg.front() == '-') {
            std::cerr << "quarlo-run: unknown option " << arg << " (see --help)\n";
            return kUsageError;
        } else {
            options.projects.push_back(arg);
        }
    }
    if (options.projects.empty()) {
        printHelp(std::cerr);
        return kUsageError;
    }
    return -1;
}

// Runs every project; the status lines and text tables go to standard output, or to
// standard error when the results go to standard output as csv or json.
int runProjects(const Options& options) {
    bool allCompleted = true;
    std::vector<quarlo::cli::ProjectRun> runs = quarlo::cli::runAll(options.projects, QUARLO_VERSION, options.jobs);
    quarlo::cli::summarizeRuns(runs);
    const bool text = options.format == quarlo::cli::ResultFormat::Text;
    for (const quarlo::cli::ProjectRun& run : runs) {
        quarlo::cli::printRun(text ? std::cout : std::cerr, run);
        if (text) {
            quarlo::cli::printResultTables(std::cout, run.outcome.results);
            if (run.summary)
                quarlo::cli::printDownDragLines(std::cout, *run.summary);
        }
        allCompleted = allCompleted && run.outcome.status == 0;
    }
    if (!text)
        quarlo::cli::printResults(std::cout, runs, options.format);
    return allCompleted ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--check")
        return quarlo::cli::checkProject(argv[2], std::cout);
    if (argc == 4 && std::string(argv[1]) == "--convert")
        return quarlo::cli::convertProject(argv[2], argv[3], std::cerr);
    Options options;
    const int exitCode = parseArguments(argc, argv, options);
    return exitCode >= 0 ? exitCode : runProjects(options);
}
