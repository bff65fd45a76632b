#include "ProjectRun.h"

#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <system_error>

namespace quarlo::verification {

ScratchDirectory::ScratchDirectory()
{
    std::random_device seed;
    m_path = std::filesystem::temp_directory_path() / ("quarlo-verify-" + std::to_string(seed()));
    std::filesystem::create_directories(m_path);
}

ScratchDirectory::~ScratchDirectory()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::string readProjectText(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read the verification project " + file.string());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string withIncrements(const std::string& project, int NSEG)
{
    const std::size_t second = project.find('\n');
    if (second == std::string::npos)
        throw std::runtime_error("a verification project has no line with its number of increments");
    const std::size_t first = project.find_first_not_of(' ', second + 1);
    const std::size_t end = project.find_first_of(" \r\n", first);
    if (first == std::string::npos || end == std::string::npos)
        throw std::runtime_error("a verification project has no line with its number of increments");
    return project.substr(0, first) + std::to_string(NSEG) + project.substr(end);
}

RunOutcome runProject(const ScratchDirectory& scratch, const std::string& project)
{
    const std::filesystem::path input = scratch.path() / "case.qv3d";
    std::ofstream out(input, std::ios::binary);
    out << project;
    out.close();
    if (!out)
        throw std::runtime_error("cannot write the verification project " + input.string());
    const auto output = [&](const char* name) { return (scratch.path() / name).string(); };
    const RunFiles files{QUARLO_VERSION, input.string(), output("case.qv3o"), output("case.qv3p"), output("case.qv3r")};
    return runAnalysis(files, RunOptions{});
}

std::string describeStop(const RunOutcome& outcome)
{
    std::string text = "the engine stopped the run with status " + std::to_string(outcome.status);
    if (!outcome.failure.empty())
        text += ": " + outcome.failure;
    return text;
}

}  // namespace quarlo::verification
