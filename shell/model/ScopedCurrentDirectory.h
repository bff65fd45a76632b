#pragma once

#include <filesystem>

namespace quarlo {

// Makes a folder the process's current directory for the life of the object, and goes back
// to the one before when it goes, on every way out of the scope. When the folder before can
// no longer be named or entered (it was removed), the way back is `fallback`.
class ScopedCurrentDirectory {
public:
    // EInOutError with the system's reason when `folder` cannot be made current; nothing
    // has changed then.
    ScopedCurrentDirectory(const std::filesystem::path& folder, const std::filesystem::path& fallback);
    ~ScopedCurrentDirectory();
    ScopedCurrentDirectory(const ScopedCurrentDirectory&) = delete;
    ScopedCurrentDirectory& operator=(const ScopedCurrentDirectory&) = delete;

private:
    std::filesystem::path m_previous;  // empty when it could not be named
    std::filesystem::path m_fallback;
};

}  // namespace quarlo
