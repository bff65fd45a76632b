#include "RunNotes.h"

#include <algorithm>
#include <filesystem>

#include "NumberFormat.h"
#include "WordReader.h"

namespace quarlo {

namespace {

std::vector<std::string> tokens(std::string_view line)
{
    std::vector<std::string> words;
    std::size_t at = 0;
    while ((at = line.find_first_not_of(' ', at)) != std::string_view::npos) {
        const std::size_t end = std::min(line.find(' ', at), line.size());
        words.emplace_back(line.substr(at, end - at));
        at = end;
    }
    return words;
}

// A unit label as written, without the colon or semicolon that may follow it.
std::string unitLabel(std::string word)
{
    while (!word.empty() && (word.back() == ':' || word.back() == ';' || word.back() == ','))
        word.pop_back();
    return word;
}

bool startsWith(const std::vector<std::string>& words, std::initializer_list<const char*> lead, std::size_t from = 0)
{
    std::size_t i = from;
    for (const char* word : lead) {
        if (i >= words.size() || words[i] != word)
            return false;
        ++i;
    }
    return true;
}

// "TIP MOVEMENT w UM: THE SEGMENT AT DEPTH x UL DID NOT CONVERGE ..."
void readSegmentNote(const std::vector<std::string>& words, RunNote& note)
{
    if (words.size() < 10 || !startsWith(words, {"THE", "SEGMENT", "AT", "DEPTH"}, 4))
        return;
    note.TipMovement = parseDecimal(words[2]);
    note.Depth = parseDecimal(words[8]);
    if (note.TipMovement && note.Depth) {
        note.Kind = RunNoteKind::SegmentNotConverged;
        note.LengthUnit = unitLabel(words[9]);
    }
}

RunNoteKind headLoadKind(const std::vector<std::string>& words)
{
    if (startsWith(words, {"NOT", "REACHED,"}, 4))
        return RunNoteKind::HeadLoadNotReached;
    if (startsWith(words, {"THE", "50", "SEARCH", "STEPS"}, 4))
        return RunNoteKind::HeadLoadStepsUsedUp;
    if (startsWith(words, {"ACCEPTED", "BELOW"}, 4))
        return RunNoteKind::HeadLoadBelowWanted;
    if (startsWith(words, {"SOLVED", "AT", "ZERO"}, 4))
        return RunNoteKind::HeadLoadAtZeroTipMovement;
    return RunNoteKind::Other;
}

// "HEAD LOAD q UF: <what happened> ... q' UF": the wanted load first, the computed one last.
void readHeadLoadNote(const std::vector<std::string>& words, RunNote& note)
{
    if (words.size() < 5)
        return;
    note.Load = parseDecimal(words[2]);
    note.ForceUnit = unitLabel(words[3]);
    for (std::size_t i = words.size(); i-- > 5;) {
        if ((note.ComputedLoad = parseDecimal(words[i])))
            break;
    }
    if (note.Load && note.ComputedLoad)
        note.Kind = headLoadKind(words);
}

// "RUN STOPPED WITH STATUS n: reason"
void readStopNote(std::string_view line, const std::vector<std::string>& words, RunNote& note)
{
    if (words.size() < 5)
        return;
    const std::optional<long double> status = parseDecimal(unitLabel(words[4]));
    const std::size_t colon = line.find(": ");
    if (!status || colon == std::string_view::npos)
        return;
    note.Kind = RunNoteKind::RunStopped;
    note.Status = static_cast<int>(*status);
    note.Reason = std::string(line.substr(colon + 2));
}

}  // namespace

RunNote ParseRunNote(std::string_view line)
{
    RunNote note;
    note.Text = std::string(line);
    const std::vector<std::string> words = tokens(line);
    if (startsWith(words, {"TIP", "MOVEMENT"}))
        readSegmentNote(words, note);
    else if (startsWith(words, {"HEAD", "LOAD"}))
        readHeadLoadNote(words, note);
    else if (startsWith(words, {"RUN", "STOPPED", "WITH", "STATUS"}))
        readStopNote(line, words, note);
    if (note.Kind != RunNoteKind::Other)
        return note;
    // A line that only began like a known note keeps none of what was read from it.
    RunNote other;
    other.Text = note.Text;
    return other;
}

std::vector<RunNote> ParseRunNotes(const std::vector<std::string>& lines)
{
    std::vector<RunNote> notes;
    for (const std::string& line : lines) {
        if (line.find_first_not_of(" \t") != std::string::npos)
            notes.push_back(ParseRunNote(line));
    }
    return notes;
}

std::vector<RunNote> ReadRunNotesFile(const std::string& fileName)
{
    std::error_code error;
    if (!std::filesystem::exists(fileName, error))
        return {};
    const TWordReader file(fileName);
    std::vector<std::string> lines;
    for (const TWordContainer& line : file.Lines())
        lines.push_back(line.Line);
    return ParseRunNotes(lines);
}

}  // namespace quarlo
