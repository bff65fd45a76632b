#include "ChapterSections.h"
#include "NumberText.h"

#include <string>

namespace quarlo::verification {

namespace {

std::string n(double value)
{
    return numberText(value, 7);
}

void writeHandCalculation(std::ostream& out, const DrivenPileHandWork& h)
{
    out << "1. Unit tip resistance at the tip (720 in), interpolated in the API clay layer between "
           "90 psi at 480 in and 135 psi at 900 in: q = 90 + 240 × 45 / 420 = "
        << n(h.q) << " psi. Ultimate tip load Qmax = 201.06193 in² × q = " << n(h.Qmax) << " lb.\n"
        << "2. The API tip curve has Q / Qmax = 0.0625 at w / D = 0.0005 (0.008 in), 0.125 at 0.001 "
           "(0.016 in), 0.25 at 0.002 (0.032 in), 0.5 at 0.013 (0.208 in) and 1 at 0.1 (1.6 in). Tip load "
           "at 0.01 in: (0.0625 + 0.002 / 0.008 × 0.0625) × Qmax = "
        << n(h.tipLoad1) << " lb; at 0.05 in: (0.25 + 0.018 / 0.176 × 0.25) × Qmax = " << n(h.tipLoad2)
        << " lb; at 1.6 in: Qmax = " << n(h.tipLoad7) << " lb.\n"
        << "3. The middle of the lowest increment lies at 711 in, between the generated curves 13 at "
           "690 in (the middle of the layer) and 14 at 794.995 in (halfway between the middle and 899.99 in, "
           "just above the layer's bottom). Their ultimate side friction, interpolated between 8 psi at "
           "480 in and 10 psi at 900 in: f13 = "
        << n(h.f13) << " psi, f14 = " << n(h.f14) << " psi.\n"
        << "4. The API clay t-z curve rises from the origin to t = 0.3 f at z = 0.0016 D = 0.0256 in. At the "
           "tip movement 0.01 in: t13 = 0.01 / 0.0256 × 0.3 × f13 = "
        << n(h.t13) << " psi and t14 = " << n(h.t14) << " psi; at 711 in, t = t13 + 21 / 104.995 × (t14 − t13) = "
        << n(h.t) << " psi.\n"
        << "5. Side area of an increment A = 18 × 16 × 3.1416 = " << n(h.A)
        << " in². Average load of the lowest increment = tip load + A × t / 2 = " << n(h.averageLoad) << " lb.\n"
        << "6. Movement of its middle = 0.01 in + (average load + tip load) / 2 × 9 in / AE = "
        << n(h.middleMovement)
        << " in: the tip movement plus the shortening of the lower half of the increment under the "
           "average load of that half. It differs from the 0.01 in at which step 4 read the curves by far less than the "
           "example's tolerance of 0.001 in, so the engine keeps its first pass and steps 4 and 5 give its "
           "final values.\n\n";
}

}  // namespace

void writeExampleSection(std::ostream& out, const Verification& v)
{
    const DrivenPileHandWork h = HandCheckedExample::handWork();
    const double shortening = h.middleMovement - 0.01;
    out << "## 3. Hand-checked example\n\n"
           "### What is computed\n\n"
           "The bundled example `driven-pile-clay-english.qv3d`: a 16 in closed-end pipe pile, 720 in long, "
           "in 40 increments of 18 in, through soft clay (Coyle and Reese, 0 to 240 in), sand (Mosher, 240 to "
           "480 in) and stiff clay (API, 480 to 900 in), with AE = 7.0607295E8 lb, a tip area of "
           "201.06193 in² and a tolerance of 0.001 in. The engine generates the t-z curves and the tip curve "
           "from the soil data. Compared are the tip loads of three of its tip movements, and the lowest "
           "increment at the first tip movement, 0.01 in, whose values bring in the generated t-z curves of "
           "the API clay, the interpolation between two curves, the side area and the first pass of the "
           "walk up the pile.\n\n"
           "### Hand calculation\n\n";
    writeHandCalculation(out, h);
    out << "### Tolerance\n\n"
        << ratioText(HandCheckedExample::kTolerance)
        << " for every value. The engine carries these values through the profile interpolation, the "
           "generation of the curves and the lookups in single precision, a few dozen roundings of 6E-8 "
           "each; a wrong point of a curve or a wrong interpolation would show far above it. The movement "
           "of the middle is mostly the tip movement: the tolerance holds the shortening in it ("
        << ratioText(shortening) << " in) to " << numberText(HandCheckedExample::kTolerance * h.middleMovement / shortening * 100, 2)
        << " %.\n\n"
           "### Results\n\n";
    writeComparisons(out, v.example);
}

}  // namespace quarlo::verification
