#include "LargestProject.h"

#include <fstream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace quarlo::bench {

fs::path scratchDir()
{
    const fs::path dir = fs::temp_directory_path() / ("quarlo-bench-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    return dir;
}

void writeLargestProject(const fs::path& path, int KPRINT)
{
    std::ofstream out(path, std::ios::binary);
    auto line = [&](const std::string& text) { out << text << "\r\n"; };
    auto num = [](double v) { return std::to_string(v); };
    line("Largest project: 500 increments, 100 tip movements, 100 curves of 100 points");
    line("500 " + std::to_string(KPRINT) + " 1");
    line("1 ");
    line("100");
    for (int k = 0; k < 100; ++k) {
        const double depth = k * 10.0;
        const double tmax = 2.0 + depth * 0.01;
        line(std::to_string(k + 1) + " " + num(depth) + " 100");
        for (int j = 0; j < 100; ++j) {
            const double z = j * 0.01;
            line(num(tmax * z / (z + 0.05)) + " " + num(z));
        }
    }
    line("50");
    for (int i = 0; i < 50; ++i)
        line(num(3.0e9 - i * 1.0e7) + " " + num(i * 1000.0 / 49));
    line("50");
    for (int i = 0; i < 50; ++i)
        line(num(4.0e5 * i / (i + 10.0)) + " " + num(i * 0.05));
    line("1E-6 1000 24 452.389");
    line("100");
    for (int i = 1; i <= 100; ++i)
        line(num(i * 0.01));
    line("50");
    for (int i = 1; i <= 50; ++i)
        line(num(i * 2.0e4));
    line("3");
    line("0 2");
    line("250 0.5");
    line("500 0");
    line(" 1");
    line("3");
    line("0 0.8 1");
    line("500 1 1.2");
    line("1000 1.1 1");
    line(" 0");
}

}  // namespace quarlo::bench
