#include "HelpContents.h"

#include <algorithm>
#include <map>

#include "MarkdownText.h"

namespace quarlo {

namespace {

constexpr const char* kIndexName = "index.md";

std::string folderOf(const std::string& path)
{
    const auto slash = path.find('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string nameOf(const std::string& path)
{
    return path.substr(path.rfind('/') + 1);
}

// Folders in the order the manuals are read: the known ones first, then the others by name.
int folderRank(const std::string& folder)
{
    if (folder == "user")
        return 0;
    if (folder == "technical")
        return 1;
    return 2;
}

struct ReadingOrderOfFolders {
    bool operator()(const std::string& a, const std::string& b) const
    {
        return folderRank(a) != folderRank(b) ? folderRank(a) < folderRank(b) : a < b;
    }
};

using Manuals = std::map<std::string, std::vector<const HelpPage*>, ReadingOrderOfFolders>;

// One manual's pages: the index, its chapters in the index's order, the rest by name.
std::vector<const HelpPage*> manualOrder(std::vector<const HelpPage*> pages)
{
    std::sort(pages.begin(), pages.end(), [](const HelpPage* a, const HelpPage* b) { return a->path < b->path; });
    const auto index = std::find_if(pages.begin(), pages.end(),
                                    [](const HelpPage* page) { return nameOf(page->path) == kIndexName; });
    if (index == pages.end())
        return pages;
    std::map<std::string, int> rank{{(*index)->path, -1}};
    for (const std::string& target : LinkedFiles((*index)->markdown))
        rank.emplace(ResolvePagePath((*index)->path, target), static_cast<int>(rank.size()));
    const auto rankOf = [&](const HelpPage* page) {
        const auto found = rank.find(page->path);
        return found == rank.end() ? static_cast<int>(rank.size()) : found->second;
    };
    std::stable_sort(pages.begin(), pages.end(),
                     [&](const HelpPage* a, const HelpPage* b) { return rankOf(a) < rankOf(b); });
    return pages;
}

Manuals byManual(const std::vector<HelpPage>& pages)
{
    Manuals manuals;
    for (const HelpPage& page : pages) {
        const std::string folder = folderOf(page.path);
        if (!folder.empty())
            manuals[folder].push_back(&page);
    }
    return manuals;
}

std::string link(const HelpPage& page)
{
    return "[" + EscapeMarkdown(ListedTitle(page)) + "](" + page.path + ")";
}

std::string manualSection(const std::string& folder, const std::vector<const HelpPage*>& pages)
{
    std::string section = "## " + EscapeMarkdown(ManualName(folder)) + "\n\n";
    std::string chapters;
    for (const HelpPage* page : pages) {
        if (nameOf(page->path) == kIndexName)
            section += link(*page) + ": title page and contents\n\n";
        else
            chapters += "- " + link(*page) + "\n";
    }
    return section + chapters + (chapters.empty() ? "" : "\n");
}

}  // namespace

std::string ManualName(const std::string& folder)
{
    if (folder == "user")
        return "User's Manual";
    if (folder == "technical")
        return "Technical Manual";
    return folder;
}

std::string ListedTitle(const HelpPage& page)
{
    const std::string title = PageTitle(page.markdown);
    return title.empty() ? nameOf(page.path) : title;
}

std::vector<const HelpPage*> ReadingOrder(const std::vector<HelpPage>& pages)
{
    std::vector<const HelpPage*> ordered;
    for (const auto& [folder, manual] : byManual(pages))
        for (const HelpPage* page : manualOrder(manual))
            ordered.push_back(page);
    return ordered;
}

std::string ContentsPage(const std::vector<HelpPage>& pages)
{
    std::string contents =
        "# QUARLO Help\n\n"
        "Choose a manual or one of its chapters. Find searches the page shown; Search All Pages "
        "searches every page of the help.\n\n";
    for (const auto& [folder, manual] : byManual(pages))
        contents += manualSection(folder, manualOrder(manual));
    return contents;
}

}  // namespace quarlo
