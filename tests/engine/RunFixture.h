#pragma once

#include "RunFiles.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <random>
#include <string>

namespace quarlo::test {

// A fresh directory for one test's files, removed afterwards.
class ScratchDir {
public:
    ScratchDir() {
        std::random_device seed;
        m_path = std::filesystem::temp_directory_path() / ("quarlo-test-" + std::to_string(seed()));
        std::filesystem::create_directories(m_path);
    }
    ~ScratchDir() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::string file(const std::string& name) const { return (m_path / name).string(); }

    void write(const std::string& name, const std::string& text) const {
        std::ofstream(m_path / name, std::ios::binary) << text;
    }
    std::string read(const std::string& name) const {
        std::ifstream in(m_path / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    bool empty() const { return std::filesystem::is_empty(m_path); }

private:
    std::filesystem::path m_path;
};

// Runs with the current directory set to a scratch directory, restoring it afterwards.
class CurrentDir {
public:
    explicit CurrentDir(const std::filesystem::path& dir) : m_saved(std::filesystem::current_path()) {
        std::filesystem::current_path(dir);
    }
    ~CurrentDir() { std::filesystem::current_path(m_saved); }
    CurrentDir(const CurrentDir&) = delete;
    CurrentDir& operator=(const CurrentDir&) = delete;

private:
    std::filesystem::path m_saved;
};

// The four files of a run in `dir`, all named p: p.qv3d read, p.qv3o, p.qv3p and p.qv3r written.
inline RunFiles runFilesIn(const ScratchDir& dir)
{
    return RunFiles{"2014.3.2", dir.file("p.qv3d"), dir.file("p.qv3o"), dir.file("p.qv3p"), dir.file("p.qv3r")};
}

// The bundled example project `example` (its name without extension) as p.qv3d in `dir`.
inline void copyExample(const ScratchDir& dir, const std::string& example)
{
    std::filesystem::copy_file(std::filesystem::path(QUARLO_SOURCE_DIR) / "examples" / (example + ".qv3d"),
                               dir.path() / "p.qv3d");
}

// The morning every test run takes place, so that two reports compare equal.
inline const LocalTime kMorning{2015, 3, 7, 9, 5, 31};

inline RunOptions fixedClock(std::ostream* console = nullptr)
{
    RunOptions options;
    options.console = console;
    options.clock = [] { return kMorning; };
    return options;
}

}  // namespace quarlo::test
