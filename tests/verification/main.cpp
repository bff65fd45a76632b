// quarlo_verify: runs the engine on the verification projects and compares what it computes
// with closed-form and hand-worked values.
//   quarlo_verify --write FILE   writes the verification chapter of the technical manual
//   quarlo_verify --check        only compares
// Either exits with 1 when a run does not complete or a value lies beyond its tolerance
// (one line each on standard error), 2 for a wrong command line.

#include "Chapter.h"
#include "CheckLines.h"
#include "Verification.h"

#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

namespace {

using namespace quarlo::verification;

int usage()
{
    std::cerr << "Usage: quarlo_verify --write FILE\n"
                 "       quarlo_verify --check\n";
    return 2;
}

// Written beside the target and renamed over it, so an interrupted run leaves the chapter
// as it was.
bool writeChapterFile(const std::filesystem::path& file, const Verification& v)
{
    const std::filesystem::path temporary = file.string() + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary);
        writeChapter(out, v);
        out.close();
        if (!out) {
            std::cerr << "quarlo_verify: cannot write " << temporary.string() << '\n';
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, file, error);
    if (error) {
        std::cerr << "quarlo_verify: cannot replace " << file.string() << ": " << error.message() << '\n';
        return false;
    }
    return true;
}

int verify(const std::string& chapterFile)
{
    Verification v(QUARLO_SOURCE_DIR);
    v.run();
    if (!chapterFile.empty() && !writeChapterFile(chapterFile, v))
        return 1;
    writeOutsideLines(std::cerr, v);
    const Tally t = tally(v);
    if (t.outside > 0) {
        std::cerr << "quarlo_verify: " << t.outside << " of the checks failed\n";
        return 1;
    }
    std::cout << "quarlo_verify: all " << t.compared << " values within their tolerances";
    if (!chapterFile.empty())
        std::cout << "; chapter written to " << chapterFile;
    std::cout << '\n';
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string option = argc > 1 ? argv[1] : "";
    try {
        if (option == "--check" && argc == 2)
            return verify({});
        if (option == "--write" && argc == 3)
            return verify(argv[2]);
    } catch (const std::exception& error) {
        std::cerr << "quarlo_verify: " << error.what() << '\n';
        return 1;
    }
    return usage();
}
