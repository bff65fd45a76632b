#include "ResultPrinter.h"

#include "OutputLine.h"
#include "RunSummaries.h"
#include "SolverTables.h"

#include <charconv>
#include <cstddef>
#include <string_view>

namespace quarlo::cli {

namespace {

ResultUnits unitsOf(const RunResults& r)
{
    return resultUnits(r.KUNITS);
}

// The shortest decimal text that reads back to the same single-precision value; a script
// gets the engine's numbers exactly, whatever the locale.
std::string exact(Real value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, static_cast<std::size_t>(result.ptr - buffer));
}

std::string quotedCsv(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + '"';
}

std::string quotedJson(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            constexpr char hex[] = "0123456789abcdef";
            out += "\\u00";
            out += hex[(c >> 4) & 0xF];
            out += hex[c & 0xF];
        } else {
            out += c;
        }
    }
    return out + '"';
}

void printRowTable(std::ostream& out, const char* title, const ResultUnits& u)
{
    std::string units = OutputLine().x(14).a(u.force, 3).x(13).a(u.length, 3).x(13).a(u.length, 3).x(13)
                            .text(u.force).str();
    out << "  " << title << '\n' << "        head load   head movement    tip movement        tip load\n"
        << units << '\n';
}

std::string exactOf(long double value)
{
    return exact(static_cast<Real>(value));
}

// The summary cells of a csv row: shaft_load to drag_load, empty where there is no value.
std::string summaryCells(const SummaryRow* row)
{
    if (row == nullptr || !row->Reached)
        return ",,,,,,";
    std::string cells = "," + exactOf(row->ShaftLoad) + "," + (row->TipShare ? exactOf(*row->TipShare) : "") + ",";
    if (!row->Plane)
        return cells + ",,,";
    const NeutralPlane& plane = *row->Plane;
    cells += neutralPlaneKey(plane.State);
    if (plane.State != NeutralPlaneState::Found)
        return cells + ",,,";
    return cells + "," + exactOf(plane.Depth) + "," + exactOf(plane.LargestLoad) + "," + exactOf(plane.DragLoad);
}

}  // namespace

ResultUnits resultUnits(int engineUnits)
{
    return engineUnits == 1 ? ResultUnits{"lb", "in"} : ResultUnits{"kN", "m"};
}

bool parseResultFormat(const std::string& text, ResultFormat& format)
{
    if (text == "text")
        format = ResultFormat::Text;
    else if (text == "csv")
        format = ResultFormat::Csv;
    else if (text == "json")
        format = ResultFormat::Json;
    else
        return false;
    return true;
}

void printResultTables(std::ostream& out, const RunResults& results)
{
    const ResultUnits u = unitsOf(results);
    if (!results.summary.empty()) {
        printRowTable(out, "Load-settlement", u);
        for (const SettlementRow& row : results.summary)
            out << settlementLine(row).view() << '\n';
    }
    if (!results.headLoads.empty()) {
        printRowTable(out, "Pile-head loads", u);
        for (const HeadLoadRow& row : results.headLoads) {
            if (row.reached)
                out << settlementLine(row.row).view() << '\n';
            else
                out << OutputLine().e(17, 4, row.row.headLoad).str() << "   not reached: above the largest computed head load\n";
        }
    }
}

void printResultsCsv(std::ostream& out, const std::vector<ProjectResults>& runs)
{
    out << "project,status,force_unit,length_unit,kind,row,segment,head_load,head_movement,tip_movement,"
           "tip_load,reached,depth,average_load,middle_movement,shaft_load,tip_share,neutral_plane,neutral_plane_depth,"
           "largest_axial_load,drag_load\n";
    for (const ProjectResults& run : runs) {
        const RunResults& r = *run.results;
        const ResultUnits u = unitsOf(r);
        const std::string lead = quotedCsv(run.project) + ',' + std::to_string(run.status) + ',' + u.force + ','
            + u.length + ',';
        for (std::size_t i = 0; i < r.summary.size(); ++i) {
            const SettlementRow& s = r.summary[i];
            out << lead << "settlement," << i + 1 << ",," << exact(s.headLoad) << ',' << exact(s.headMovement) << ','
                << exact(s.tipMovement) << ',' << exact(s.tipLoad) << ",,,,"
                << summaryCells(summaryRow(run.summary, SummaryRowKind::TipMovement, i)) << '\n';
        }
        for (std::size_t j = 0; j < r.headLoads.size(); ++j) {
            const HeadLoadRow& h = r.headLoads[j];
            out << lead << "head_load," << j + 1 << ",," << exact(h.row.headLoad) << ',';
            if (h.reached)
                out << exact(h.row.headMovement) << ',' << exact(h.row.tipMovement) << ',' << exact(h.row.tipLoad);
            else
                out << ",,";
            out << ',' << (h.reached ? "true" : "false") << ",,,"
                << summaryCells(summaryRow(run.summary, SummaryRowKind::HeadLoad, j)) << '\n';
        }
        for (std::size_t i = 0; i < r.distribution.size(); ++i) {
            for (std::size_t s = 0; s < r.distribution[i].size(); ++s) {
                const SegmentResult& seg = r.distribution[i][s];
                out << lead << "distribution," << i + 1 << ',' << s + 1 << ",,,,,," << exact(seg.depth) << ','
                    << exact(seg.averageLoad) << ',' << exact(seg.movement) << ",,,,,,\n";
            }
        }
    }
}

namespace {

void jsonRow(std::ostream& out, const SettlementRow& row)
{
    out << "\"head_load\": " << exact(row.headLoad) << ", \"head_movement\": " << exact(row.headMovement)
        << ", \"tip_movement\": " << exact(row.tipMovement) << ", \"tip_load\": " << exact(row.tipLoad);
}

// The summary fields of a row object: shaft load and tip share, and for a run with
// down-drag its neutral plane (or its state and why there is none).
void jsonSummary(std::ostream& out, const SummaryRow* row)
{
    if (row == nullptr || !row->Reached)
        return;
    out << ", \"shaft_load\": " << exactOf(row->ShaftLoad)
        << ", \"tip_share\": " << (row->TipShare ? exactOf(*row->TipShare) : "null");
    if (!row->Plane)
        return;
    const NeutralPlane& plane = *row->Plane;
    out << ", \"neutral_plane\": {\"state\": \"" << neutralPlaneKey(plane.State) << '"';
    if (plane.State == NeutralPlaneState::Found)
        out << ", \"depth\": " << exactOf(plane.Depth) << ", \"largest_axial_load\": " << exactOf(plane.LargestLoad)
            << ", \"drag_load\": " << exactOf(plane.DragLoad);
    else
        out << ", \"text\": " << quotedJson(NeutralPlaneWords(plane));
    out << '}';
}

void jsonProject(std::ostream& out, const ProjectResults& run)
{
    const RunResults& r = *run.results;
    const ResultUnits u = unitsOf(r);
    out << "  {\"project\": " << quotedJson(run.project) << ", \"status\": " << run.status
        << ", \"units\": {\"force\": \"" << u.force << "\", \"length\": \"" << u.length << "\"},\n   \"settlement\": [";
    for (std::size_t i = 0; i < r.summary.size(); ++i) {
        out << (i ? ",\n    {" : "\n    {");
        jsonRow(out, r.summary[i]);
        jsonSummary(out, summaryRow(run.summary, SummaryRowKind::TipMovement, i));
        out << '}';
    }
    out << "],\n   \"head_loads\": [";
    for (std::size_t j = 0; j < r.headLoads.size(); ++j) {
        const HeadLoadRow& h = r.headLoads[j];
        out << (j ? ",\n    {" : "\n    {") << "\"reached\": " << (h.reached ? "true, " : "false, ");
        if (h.reached)
            jsonRow(out, h.row);
        else
            out << "\"head_load\": " << exact(h.row.headLoad);
        jsonSummary(out, summaryRow(run.summary, SummaryRowKind::HeadLoad, j));
        out << '}';
    }
    out << "],\n   \"distribution\": [";
    for (std::size_t i = 0; i < r.distribution.size(); ++i) {
        out << (i ? ",\n    [" : "\n    [");
        for (std::size_t s = 0; s < r.distribution[i].size(); ++s) {
            const SegmentResult& seg = r.distribution[i][s];
            out << (s ? ", " : "") << "{\"depth\": " << exact(seg.depth) << ", \"average_load\": "
                << exact(seg.averageLoad) << ", \"movement\": " << exact(seg.movement) << '}';
        }
        out << ']';
    }
    out << "],\n   \"notes\": [";
    for (std::size_t n = 0; n < r.notes.size(); ++n)
        out << (n ? ", " : "") << quotedJson(r.notes[n]);
    out << "]}";
}

}  // namespace

void printResultsJson(std::ostream& out, const std::vector<ProjectResults>& runs)
{
    out << '[';
    for (std::size_t p = 0; p < runs.size(); ++p) {
        out << (p ? ",\n" : "\n");
        jsonProject(out, runs[p]);
    }
    out << "\n]\n";
}

void printResults(std::ostream& out, const std::vector<ProjectRun>& runs, ResultFormat format)
{
    std::vector<ProjectResults> all;
    for (const ProjectRun& run : runs)
        all.push_back({run.files.input, run.outcome.status, &run.outcome.results,
                       run.summary ? &*run.summary : nullptr});
    if (format == ResultFormat::Json)
        printResultsJson(out, all);
    else
        printResultsCsv(out, all);
}

}  // namespace quarlo::cli
