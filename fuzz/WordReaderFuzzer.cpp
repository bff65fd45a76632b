// Any bytes as a project or plot data file, read by a sequence of whole lines, integers and
// floats that the input itself chooses. Reading may only end in EInOutError.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "WordReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The first bytes choose the reads, two bits each; the rest is the file.
    const std::size_t choices = size < 8 ? size : 8;
    const std::string_view text(reinterpret_cast<const char*>(data) + choices, size - choices);
    quarlo::TWordReader reader = quarlo::TWordReader::FromText(text);
    try {
        for (std::size_t read = 0;; ++read) {
            const unsigned choice = choices == 0 ? 0u : (data[(read / 4) % choices] >> (2 * (read % 4))) & 3u;
            if (choice == 0)
                reader.ReadLine();
            else if (choice == 1)
                reader.ReadInteger();
            else if (!std::isfinite(reader.ReadFloat()))
                std::abort();
        }
    } catch (const quarlo::EInOutError&) {
    }
    return 0;
}
