#include "RecentFiles.h"

#include <algorithm>
#include <filesystem>

namespace quarlo {

namespace {

constexpr char kSeparator = static_cast<char>(std::filesystem::path::preferred_separator);

}  // namespace

bool RecentFiles::Add(const std::string& fileName)
{
    if (!m_entries.empty() && m_entries.front() == fileName)
        return false;
    auto found = std::find(m_entries.begin(), m_entries.end(), fileName);
    if (found == m_entries.end()) {
        if (Count() == kCapacity)
            m_entries.pop_back();
        m_entries.insert(m_entries.begin(), fileName);
    } else {
        std::rotate(m_entries.begin(), found, found + 1);
    }
    return true;
}

bool RecentFiles::Remove(const std::string& fileName)
{
    auto found = std::find(m_entries.begin(), m_entries.end(), fileName);
    if (found == m_entries.end())
        return false;
    m_entries.erase(found);
    return true;
}

void RecentFiles::Assign(const std::vector<std::string>& stored)
{
    m_entries.clear();
    for (const std::string& name : stored) {
        if (Count() == kCapacity)
            break;
        if (!name.empty() && std::find(m_entries.begin(), m_entries.end(), name) == m_entries.end())
            m_entries.push_back(name);
    }
}

std::vector<std::string> RecentFiles::Stored() const
{
    std::vector<std::string> stored = m_entries;
    stored.resize(kCapacity);
    return stored;
}

const std::string& RecentFiles::Entry(int index) const
{
    static const std::string none;
    return index >= 0 && index < Count() ? m_entries[static_cast<std::size_t>(index)] : none;
}

std::string RecentFileCaption(int index, const std::string& path, const std::string& currentDirectory)
{
    std::string shown = path;
    if (!currentDirectory.empty()) {
        std::string prefix = currentDirectory;
        // The root directory already ends in the separator.
        if (prefix.back() != kSeparator)
            prefix += kSeparator;
        // Only a path that begins with the directory lies inside it; the same letters further
        // into another path would cut it into a name that names nothing.
        if (path.size() > prefix.size() && path.compare(0, prefix.size(), prefix) == 0)
            shown = path.substr(prefix.size());
    }
    return std::to_string(index + 1) + " " + shown;
}

std::string MissingRecentFileMessage(const std::string& path)
{
    return "The file " + path + " no longer exists.\rIt has been removed from the list of recent files.";
}

}  // namespace quarlo
