#include "ScopedCurrentDirectory.h"

#include <system_error>

#include "EInOutError.h"

namespace quarlo {

ScopedCurrentDirectory::ScopedCurrentDirectory(const std::filesystem::path& folder,
                                               const std::filesystem::path& fallback) {
    std::error_code error;
    m_previous = std::filesystem::current_path(error);
    m_fallback = fallback;
    std::filesystem::current_path(folder, error);
    if (error) {
        throw EInOutError("Cannot make " + folder.string() + " the current directory: " + error.message());
    }
}

ScopedCurrentDirectory::~ScopedCurrentDirectory() {
    // The folder left behind is one the caller is about to remove: staying in it would leave
    // the process in a directory that no longer exists.
    std::error_code error;
    if (!m_previous.empty()) {
        std::filesystem::current_path(m_previous, error);
    }
    if (m_previous.empty() || error) {
        std::filesystem::current_path(m_fallback, error);
    }
}

}  // namespace quarlo
