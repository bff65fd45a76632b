#include "Verification.h"

namespace quarlo::verification {

namespace {

std::filesystem::path project(const std::filesystem::path& sourceDir, const char* name)
{
    return sourceDir / "tests" / "verification" / "projects" / name;
}

}  // namespace

Verification::Verification(const std::filesystem::path& sourceDir)
    : englishCase(kEnglishPile, project(sourceDir, "closed-form-english.qv3d")),
      siCase(kSiPile, project(sourceDir, "closed-form-si.qv3d")),
      study(kEnglishPile, project(sourceDir, "closed-form-english.qv3d")),
      exampleCase(sourceDir / "examples" / "driven-pile-clay-english.qv3d")
{
}

void Verification::run()
{
    const ScratchDirectory scratch;
    english = englishCase.run(scratch);
    si = siCase.run(scratch);
    convergence = study.run(scratch);
    example = exampleCase.run(scratch);
}

Tally tally(const Verification& v)
{
    Tally t;
    for (const CaseResult* result : v.results()) {
        if (!result->failure.empty())
            ++t.outside;
        for (const Comparison& c : result->comparisons) {
            ++t.compared;
            if (!c.withinTolerance())
                ++t.outside;
        }
    }
    return t;
}

}  // namespace quarlo::verification
