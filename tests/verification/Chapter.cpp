#include "Chapter.h"

#include "ChapterSections.h"
#include "MarkdownTable.h"
#include "NumberText.h"

namespace quarlo::verification {

void writeComparisons(std::ostream& out, const CaseResult& result)
{
    if (!result.failure.empty()) {
        out << "No values: " << result.failure << ".\n\n";
        return;
    }
    MarkdownTable table({"Quantity", "Unit", "Expected", "Computed", "Relative difference", "Tolerance"});
    for (const Comparison& c : result.comparisons) {
        table.add({c.quantity, c.unit.empty() ? "-" : c.unit, numberText(c.expected, 7), numberText(c.computed, 7),
                   ratioText(c.relativeDifference()), ratioText(c.tolerance)});
    }
    table.write(out);
}

void writeIntroduction(std::ostream& out)
{
    out << "# Verification\n\n"
           "This chapter shows that the analysis engine computes what the load-transfer method says it "
           "computes. It rests on three kinds of evidence. A pile whose t-z and tip curves are straight "
           "lines has an exact solution in closed form, against which the engine's result is measured in "
           "both unit systems (section 1). The same pile, solved with ever shorter increments, shows how "
           "fast the engine's result approaches that solution (section 2). And one of the bundled example "
           "projects, whose curves the engine generates from soil data, is worked through by hand at the "
           "pile tip (section 3).\n\n"
           "Every case is a project data file that the engine reads and solves exactly as it does when the "
           "program runs an analysis. The tables were written by the verification program `quarlo_verify` "
           "through the command `make verify`, and show what the engine computed when the command last ran. "
           "The same comparisons run with the test suite (`quarlo_verify --check`), which fails as soon as "
           "a computed value leaves its tolerance.\n\n"
           "## Reading the tables\n\n"
           "*Expected* is the value worked out without the engine, *computed* the value the engine "
           "returned. The relative difference is `|computed − expected| / |expected|`, worked out before "
           "either value is rounded for display. The engine computes in single precision, which carries "
           "about seven significant digits, so both values are shown to seven. A tolerance is the largest "
           "relative difference accepted: it allows for what the case cannot avoid (the length of the "
           "increments, the rounding of single precision) with a margin, and is still small enough that a "
           "fault in the method would show.\n\n";
}

void writeSummary(std::ostream& out, const Verification& v)
{
    const Tally t = tally(v);
    out << "## Summary\n\n";
    if (t.outside == 0) {
        out << "All " << t.compared << " compared values lie within their tolerances.\n";
        return;
    }
    out << t.outside << " of the checks failed: ";
    bool first = true;
    for (const CaseResult* result : v.results()) {
        for (const Comparison& c : result->comparisons) {
            if (c.withinTolerance())
                continue;
            out << (first ? "" : "; ") << c.quantity << " (" << result->title << ")";
            first = false;
        }
        if (!result->failure.empty()) {
            out << (first ? "" : "; ") << result->title << " (the run did not complete)";
            first = false;
        }
    }
    out << ".\n";
}

void writeChapter(std::ostream& out, const Verification& v)
{
    writeIntroduction(out);
    writeClosedFormSection(out, v);
    writeConvergenceSection(out, v);
    writeExampleSection(out, v);
    writeSummary(out, v);
}

}  // namespace quarlo::verification
