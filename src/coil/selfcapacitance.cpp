// SPDX-License-Identifier: GPL-3.0-or-later
#include "coil/selfcapacitance.h"

#include "coil/coilsheet.h"
#include "coil/sheetmath.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

struct PuntoMedhurst
{
    double ratio, h;
}; // ℓ/D, and H in pF per cm of diameter

// Medhurst's table (selfcapacitance.h), in increasing ℓ/D.
constexpr PuntoMedhurst kMedhurst[] = {
    {0.10, 0.96}, {0.15, 0.79}, {0.20, 0.70}, {0.25, 0.64}, {0.30, 0.60}, {0.35, 0.57}, {0.40, 0.54},
    {0.45, 0.52}, {0.50, 0.50}, {0.60, 0.48}, {0.70, 0.47}, {0.80, 0.46}, {0.90, 0.46}, {1.0, 0.46},
    {1.5, 0.47},  {2.0, 0.50},  {2.5, 0.56},  {3.0, 0.61},  {3.5, 0.67},  {4.0, 0.72},  {4.5, 0.77},
    {5.0, 0.81},  {6, 0.92},    {7, 1.01},    {8, 1.12},    {9, 1.22},    {10, 1.32},   {15, 1.86},
    {20, 2.36},   {25, 2.9},    {30, 3.4},    {40, 4.6},    {50, 5.8},
};
static_assert(kMedhurst[0].ratio == kMedhurstMinRatio && std::end(kMedhurst)[-1].ratio == kMedhurstMaxRatio);

// f² · L · C = 25330 with f in MHz, L in µH and C in pF (10⁶ / 4π²).
constexpr double kRisonanza = 25330;

// The resonance of L µH with C pF in MHz: √(25330 / (L · C)). With C above
// zero, an L that is not (zero, negative, infinite or no number) gives no
// finite frequency above zero either.
std::optional<double> risonanza(double microH, double pf)
{
    return Finite(std::sqrt(kRisonanza / (microH * pf)));
}

// A capacitance as the user would write it: no decimals when whole, otherwise
// one or two.
QString capacita(double pf, const QLocale &locale)
{
    const double centesimi = std::round(pf * 100);
    const int decimali = std::fmod(centesimi, 100) == 0 ? 0 : std::fmod(centesimi, 10) == 0 ? 1 : 2;
    return locale.toString(pf, 'f', decimali);
}

// A frequency to three significant figures (12,3 MHz; 1,23 MHz; 0,123 MHz),
// as good as the self-capacitance it comes from.
QString treCifre(double mhz, const QLocale &locale)
{
    const int decimali = std::clamp(2 - static_cast<int>(std::floor(std::log10(mhz))), 0, 3);
    return locale.toString(mhz, 'f', decimali);
}

} // namespace

std::optional<double> MedhurstH(double lengthOverDiameter)
{
    if (!(lengthOverDiameter >= kMedhurstMinRatio) || !(lengthOverDiameter <= kMedhurstMaxRatio))
        return std::nullopt;
    // The first point at or beyond the ratio; linear between it and the one before.
    const auto dopo = std::lower_bound(std::begin(kMedhurst), std::end(kMedhurst), lengthOverDiameter,
                                       [](const PuntoMedhurst &p, double r) { return p.ratio < r; });
    if (dopo->ratio == lengthOverDiameter)
        return dopo->h;
    const auto prima = std::prev(dopo);
    const double t = (lengthOverDiameter - prima->ratio) / (dopo->ratio - prima->ratio);
    return prima->h + t * (dopo->h - prima->h);
}

std::optional<double> SelfCapacitancePf(double diameterMm, double lengthMm)
{
    if (!PositiveFinite(diameterMm) || !PositiveFinite(lengthMm))
        return std::nullopt;
    // C = H · D in pF with D in cm: the diameter in mm over 10 (divided
    // first, so even the largest double stays finite).
    const std::optional<double> h = MedhurstH(lengthMm / diameterMm);
    if (!h)
        return std::nullopt;
    return *h * (diameterMm / 10);
}

std::optional<double> ResonanceWithSelfCapacitanceMhz(double microH, double tuningPf, double diameterMm,
                                                      double lengthMm)
{
    const std::optional<double> propria = SelfCapacitancePf(diameterMm, lengthMm);
    if (!propria || !PositiveFinite(tuningPf))
        return std::nullopt;
    // The coil's own capacitance lies across the tuning capacitor: they add.
    return risonanza(microH, tuningPf + *propria);
}

std::optional<double> SelfResonanceMhz(double diameterMm, double lengthMm, double turns)
{
    // A thin wire: a millionth of the diameter keeps the helix on the former.
    return HelicalSelfResonanceMhz(CoilSpec{diameterMm, lengthMm, turns, diameterMm * 1e-6});
}

QString SelfCapacitanceNote(double microH, double tuningPf, double diameterMm, double lengthMm, double turns,
                            const QLocale &locale)
{
    const std::optional<double> propria = SelfCapacitancePf(diameterMm, lengthMm);
    const std::optional<double> f = ResonanceWithSelfCapacitanceMhz(microH, tuningPf, diameterMm, lengthMm);
    const std::optional<double> fs = SelfResonanceMhz(diameterMm, lengthMm, turns);
    if (!propria || !f || !fs)
        return QString();
    QStringList lines;
    lines << QCoreApplication::translate("Coil", "Capacità propria della bobina (Medhurst): %1 pF")
                 .arg(locale.toString(*propria, 'f', 1));
    lines << QCoreApplication::translate("Coil", "Con la capacità propria (%1 + %2 pF): %3 MHz")
                 .arg(capacita(tuningPf, locale), locale.toString(*propria, 'f', 1),
                      locale.toString(*f, 'f', 3));
    lines << QCoreApplication::translate("Coil", "Risonanza propria della bobina: %1 MHz")
                 .arg(treCifre(*fs, locale));
    if (*f >= kSelfResonanceFraction * *fs) // the text says "un terzo": kSelfResonanceFraction is 1/3
        lines << QCoreApplication::translate(
            "Coil",
            "Attenzione: la frequenza supera un terzo della risonanza propria: qui la bobina "
            "non si comporta più come un'induttanza pura.");
    return lines.join(u'\n');
}

QString SelfCapacitanceLine(double diameterMm, double lengthMm, const QLocale &locale)
{
    const std::optional<double> propria = SelfCapacitancePf(diameterMm, lengthMm);
    return propria ? QCoreApplication::translate("Coil", "Capacità propria (Medhurst): %1 pF")
                         .arg(locale.toString(*propria, 'f', 1))
                   : QString();
}
