#pragma once

#include <string>
#include <vector>

#include "HelpPage.h"

namespace quarlo {

// The help's own first page, joining the manuals: "contents.md" beside the manuals' folders.
inline constexpr const char* kContentsPagePath = "contents.md";

// The name a manual's folder is shown under: "User's Manual" for "user", "Technical Manual"
// for "technical", the folder's own name for any other.
std::string ManualName(const std::string& folder);

// The pages in reading order: the User's Manual, the Technical Manual, then any other
// folder by name; in each, the index page first, then its chapters in the order the index
// links them, then any page the index does not link, by name.
std::vector<const HelpPage*> ReadingOrder(const std::vector<HelpPage>& pages);

// The contents page (Markdown): for each manual, its title page and its chapters, each
// linked under its title (its first heading, or its file name when it has none).
std::string ContentsPage(const std::vector<HelpPage>& pages);

// The title a page is listed under.
std::string ListedTitle(const HelpPage& page);

}  // namespace quarlo
