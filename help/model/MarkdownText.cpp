#include "MarkdownText.h"

#include <algorithm>

namespace quarlo {

namespace {

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// "Title ##" is "Title": a closing run of '#' after a blank belongs to the marks.
std::string_view withoutClosingMarks(std::string_view text)
{
    const auto end = text.find_last_not_of('#');
    if (end == std::string_view::npos)
        return {};
    if (end + 1 < text.size() && (text[end] == ' ' || text[end] == '\t'))
        return trimmed(text.substr(0, end));
    return text;
}

bool hasScheme(std::string_view target)
{
    const auto colon = target.find(':');
    const auto slash = target.find('/');
    return colon != std::string_view::npos && (slash == std::string_view::npos || colon < slash);
}

std::vector<std::string> splitPath(std::string_view path)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        const auto end = std::min(path.find('/', start), path.size());
        parts.emplace_back(path.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

}  // namespace

std::string EscapeMarkdown(std::string_view text)
{
    static constexpr std::string_view special = "\\`*_[]<>|~!#";
    std::string escaped;
    for (const char c : text) {
        if (special.find(c) != std::string_view::npos)
            escaped += '\\';
        escaped += c;
    }
    return escaped;
}

std::string PageTitle(std::string_view markdown)
{
    bool inFence = false;
    std::size_t start = 0;
    while (start < markdown.size()) {
        const auto end = std::min(markdown.find('\n', start), markdown.size());
        const std::string_view line = markdown.substr(start, end - start);
        start = end + 1;
        if (line.substr(0, 3) == "```" || line.substr(0, 3) == "~~~")
            inFence = !inFence;
        else if (!inFence && (line.substr(0, 2) == "# " || line.substr(0, 2) == "#\t"))
            return std::string(withoutClosingMarks(trimmed(line.substr(2))));
    }
    return {};
}

std::vector<std::string> LinkedFiles(std::string_view markdown)
{
    std::vector<std::string> files;
    for (auto open = markdown.find("]("); open != std::string_view::npos; open = markdown.find("](", open + 2)) {
        const auto close = markdown.find(')', open + 2);
        if (close == std::string_view::npos)
            break;
        std::string_view target = trimmed(markdown.substr(open + 2, close - open - 2));
        target = target.substr(0, target.find('#'));
        if (target.empty() || hasScheme(target) || target.find_first_of(" \n") != std::string_view::npos)
            continue;
        if (std::find(files.begin(), files.end(), target) == files.end())
            files.emplace_back(target);
    }
    return files;
}

std::string ResolvePagePath(std::string_view pagePath, std::string_view target)
{
    std::vector<std::string> resolved = splitPath(pagePath);
    resolved.pop_back();  // the page's own name
    for (const std::string& part : splitPath(target)) {
        if (part == "..") {
            if (resolved.empty())
                return {};
            resolved.pop_back();
        } else if (!part.empty() && part != ".") {
            resolved.push_back(part);
        }
    }
    std::string path;
    for (const std::string& part : resolved)
        path += (path.empty() ? "" : "/") + part;
    return path;
}

}  // namespace quarlo
