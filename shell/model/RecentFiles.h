#pragma once

#include <string>
#include <vector>

namespace quarlo {

// The project files opened most recently, most recent first, as the File menu lists them and
// the stored settings keep them. Names are compared as exact, case-sensitive strings: two
// spellings of one file are two entries.
class RecentFiles {
public:
    static constexpr int kCapacity = 10;

    // `fileName` becomes the first entry: an entry further down moves up, the entries above
    // it one place down; a new name pushes the last entry out of a full list. False when it
    // was the first entry already, so nothing changed and nothing need be stored.
    bool Add(const std::string& fileName);
    // Takes `fileName` off the list; false when it was not on it.
    bool Remove(const std::string& fileName);

    // The list as the settings kept it, "File1" first: empty values and repeats are skipped,
    // so the list has no gaps, and at most kCapacity entries are taken.
    void Assign(const std::vector<std::string>& stored);
    // The kCapacity values to store, "File1" first; places without an entry are empty.
    std::vector<std::string> Stored() const;

    int Count() const { return static_cast<int>(m_entries.size()); }
    // Entry `index`, counted from 0 (most recent); an index outside 0..Count()-1 gives "".
    const std::string& Entry(int index) const;

private:
    std::vector<std::string> m_entries;
};

// The caption of recent-file entry `index` (from 0) in the File menu: its number counted from
// 1, a blank and the path. A path inside `currentDirectory` is shown from there on, so after
// opening a project the files beside it show by their names alone.
std::string RecentFileCaption(int index, const std::string& path, const std::string& currentDirectory);

// What the user is told when a recent file chosen from the File menu is no longer there.
std::string MissingRecentFileMessage(const std::string& path);

}  // namespace quarlo
