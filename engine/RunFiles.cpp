#include "RunFiles.h"

#include <ctime>

namespace quarlo {

LocalTime currentLocalTime() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    // localtime_r, not std::localtime: runs may proceed on several threads at once.
    if (localtime_r(&now, &parts) == nullptr)
        return {};
    return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec};
}

}  // namespace quarlo
