#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>

#include "ProgramData.h"

namespace quarlo::testing {

// A fresh directory of its own, removed with everything in it.
class TempDir {
public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "quarlo-shell-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot make a temporary directory");
        }
        m_path = pattern;
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(m_path, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string file(const std::string& name) const { return (m_path / name).string(); }
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

inline std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// Joins lines with the file's CR LF line ends.
inline std::string crlf(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

inline std::string exampleFile(const std::string& name) {
    return std::string(QUARLO_SOURCE_DIR) + "/examples/" + name;
}

// The program's tables and a new project on them; one at a time, as in the program.
class ProjectTest : public ::testing::Test {
protected:
    ProjectTables tables;
    std::unique_ptr<TProgramData> project = std::make_unique<TProgramData>(tables);
    TempDir dir;

    // Saves the project under `name` in the test's directory and returns the bytes written.
    std::string saveAs(const std::string& name) {
        project->FileName = dir.file(name);
        project->SaveToFile();
        return readBytes(project->FileName);
    }

    // Replaces the project by the one read from `path`, as Open does; `path` is a copy, as it
    // may be the old project's own FileName.
    void open(std::string path, bool currentFormat = true) {
        project.reset();
        project = TProgramData::CreateFromFile(tables, path, currentFormat);
    }
};

}  // namespace quarlo::testing
