// SPDX-License-Identifier: GPL-3.0-or-later
// Self-capacitance and self-resonance of the coil sheet (sources in
// coilsheet.h), and the sentences that name them.
#include "coil/coilsheet.h"

#include "coil/currentsheet.h"
#include "coil/selfcapacitance.h"
#include "coil/sheetmath.h"

#include <QCoreApplication>
#include <cmath>
#include <numbers>

namespace {

constexpr double kLuce = 299.792458; // m·MHz
constexpr double kPi = std::numbers::pi;
// μ0 = 4π·10⁻⁷ H/m, so ε0 = 1 / (μ0 c²) = 10⁷ / (4π c²) in pF/m with c in
// m·MHz, and the helix's Z0 / 2π = μ0 c / 2π = 0.2 c in Ω.
constexpr double kEpsilon0 = 1e7 / (4 * kPi * kLuce * kLuce);
constexpr double kZ0Su2Pi = 0.2 * kLuce;

// Knight's methods are fitted over the shapes Medhurst measured; the ends of
// the range hold for the notes' thin wire too, a millionth off the former.
bool inRange(const CoilSpec &c)
{
    const double forma = c.lengthMm / HelixDiameterMm(c);
    return ValidCoil(c) && forma >= kMedhurstMinRatio * (1 - 1e-5) && forma <= kMedhurstMaxRatio;
}

// Knight's velocity factor of the free helix at its first self-resonance
// (his VFnom), ℓ/D the shape, εi inside the helix, εx = 1 outside.
std::optional<double> velocityFactor(double lOverD, double kNagaoka, double epsI)
{
    const double x = kPi / (2 * lOverD) + 0.117 * std::exp(-22 * std::exp(-0.75 * lOverD));
    const double i0 = std::cyl_bessel_i(0.0, x), i1 = std::cyl_bessel_i(1.0, x);
    const double k0 = std::cyl_bessel_k(0.0, x), k1 = std::cyl_bessel_k(1.0, x);
    // The permittivity the wave sees, inside and outside weighted by Nagaoka's coefficient.
    const double eRad = (1 + kNagaoka + epsI * (1 - kNagaoka)) / 2;
    const double vf0 = 1 / std::sqrt(eRad);
    const double vfHelix = vf0 * std::sqrt(i0 * k0 / (i1 * k1)); // Ollendorff's sheath helix
    // The helix's capacitances per metre to far away and across its ends, pF/m.
    const double cFar = eRad * 2 * kEpsilon0 / (1 + std::log(1 + lOverD));
    const double arg = 1.015 + lOverD * lOverD;
    const double cEnds = kEpsilon0 * (epsI + 1) / std::acosh(arg);
    const double r0 = vf0 * kZ0Su2Pi * std::sqrt(2 * i0 * k0 * i1 * k1); // R0 · tan ψ, Ω
    const double b = 1e6 * lOverD / (kLuce * kPi * (cFar + cEnds) * r0);
    const double a = kPi / (2 * vfHelix);
    // z = atan(b / z) / a: z − atan(b/z)/a rises from below zero at 0 through
    // zero before vfHelix (atan stays under π/2). Bisection, to the last bit:
    // until no double lies between the two ends (a NaN, never met, ends it too).
    double basso = 0, alto = vfHelix;
    while (true) {
        const double z = (basso + alto) / 2;
        if (!(z > basso && z < alto))
            return Finite(z);
        (z - std::atan(b / z) / a > 0 ? alto : basso) = z;
    }
}

} // namespace

std::optional<double> MedhurstSelfCapacitancePf(const CoilSpec &c)
{
    return ValidCoil(c) ? SelfCapacitancePf(HelixDiameterMm(c), c.lengthMm) : std::nullopt;
}

std::optional<double> KnightSelfCapacitancePf(const CoilSpec &c)
{
    if (!inRange(c))
        return std::nullopt;
    const double dw = HelixDiameterMm(c), forma = dw / c.lengthMm;
    const double sinPsi = c.lengthMm / c.turns / (kPi * dw);
    if (!(sinPsi < 1))
        return std::nullopt;
    const double kc = 0.717439 * forma + 0.933048 * std::pow(forma, 1.5) + 0.106 * forma * forma;
    const double epsI = RelativePermittivity(c.former);
    return Finite(4 * kEpsilon0 / kPi * c.lengthMm / 1000 * (1 + kc * (1 + epsI) / 2)
                  / (1 - sinPsi * sinPsi));
}

std::optional<double> HelicalSelfResonanceMhz(const CoilSpec &c)
{
    const std::optional<double> filo = HelixWireLengthM(c);
    const std::optional<double> kn = NagaokaCoefficient(HelixDiameterMm(c), c.lengthMm);
    if (!inRange(c) || !filo || !kn)
        return std::nullopt;
    const std::optional<double> vf =
        velocityFactor(c.lengthMm / HelixDiameterMm(c), *kn, RelativePermittivity(c.former));
    return vf ? Finite(*vf * kLuce / (2 * *filo)) : std::nullopt;
}

std::optional<double> FiguresHoldUpToMhz(const CoilSpec &c)
{
    const std::optional<double> fs = HelicalSelfResonanceMhz(c);
    return fs ? std::optional<double>(0.6 * *fs) : std::nullopt;
}

QString SourceNote(SheetFigure f)
{
    switch (f) {
    case SheetFigure::CurrentSheetInductance:
        return QCoreApplication::translate(
            "Coil",
            "Foglio di corrente (Lorenz, coefficiente di Nagaoka) sul diametro del centro del filo: "
            "esatto per un avvolgimento ideale.");
    case SheetFigure::RoundWireInductance:
        return QCoreApplication::translate(
            "Coil",
            "Correzione di Rosa per il filo tondo (Rosa 1908, Grover 1946): scarto dell'ordine "
            "dello 0,1-1 % da una bobina reale misurata a bassa frequenza.");
    case SheetFigure::ApparentInductance:
        return QCoreApplication::translate(
            "Coil",
            "Linea elicoidale in corto, L·tan(x)/x (Knight 2016): eredita l'incertezza della "
            "risonanza propria, circa 10 %, e cresce vicino a essa.");
    case SheetFigure::WireLength:
        return QCoreApplication::translate("Coil",
                                           "Elica sui centri del filo (diametro del supporto più un filo), "
                                           "terminali esclusi: esatta quanto le misure della bobina. Il "
                                           "progettista e il convertitore la misurano sul supporto: un po' "
                                           "meno.");
    case SheetFigure::WireMass:
        return QCoreApplication::translate(
            "Coil",
            "Filo nudo, densità IEC 60028 (rame) o IEC 60889 (alluminio); lo smalto aggiunge "
            "dall'1 al 5 %.");
    case SheetFigure::DcResistance:
        return QCoreApplication::translate(
            "Coil",
            "A 20 °C, resistività IEC 60028 o IEC 60889: entro il 2 % circa; +0,4 % per grado "
            "in più.");
    case SheetFigure::SkinDepth:
        return QCoreApplication::translate(
            "Coil", "Profondità di penetrazione √(ρ/(π f μ0)) per metallo non magnetico.");
    case SheetFigure::AcResistance:
        return QCoreApplication::translate("Coil",
                                           "Effetto pelle e di prossimità secondo Butterworth (1925, in "
                                           "Terman 1943), col fattore misurato da Medhurst (1947) per filo "
                                           "spesso e molte spire: circa 5 %; fino al 40 % in più per due o "
                                           "tre spire accostate; di più con filo ossidato.");
    case SheetFigure::Q:
        return QCoreApplication::translate("Coil",
                                           "Q = 2πf·L/R ridotto vicino alla risonanza propria. Le bobine "
                                           "reali stanno di solito sotto (terminali, saldature, supporto): "
                                           "la guida lo confronta con le misure pubblicate.");
    case SheetFigure::QWithoutSelfResonance:
        return QCoreApplication::translate("Coil",
                                           "Per questa forma (ℓ/D fuori da 0,1-50) la risonanza propria "
                                           "non si calcola: il Q non ne tiene conto, e va bene solo molto "
                                           "al di sotto di essa.");
    case SheetFigure::MedhurstCapacitance:
        return QCoreApplication::translate(
            "Coil",
            "Tabella di Medhurst (1947), bobine su bacchette piene di polistirolo, circa 5 %: "
            "in aria la capacità è minore.");
    case SheetFigure::KnightCapacitance:
        return QCoreApplication::translate(
            "Coil",
            "Formula di Knight (2016) con la permittività del supporto, pieno: circa 5 % dai "
            "dati di Medhurst.");
    case SheetFigure::SelfResonance:
        return QCoreApplication::translate(
            "Coil",
            "Metodo della linea elicoidale di Knight (2016): da +1 a +12 % sulle tre bobine "
            "misurate da Pettit; contate sul 10 %, di più per bobine corte su un supporto.");
    case SheetFigure::FiguresLimit:
        return QCoreApplication::translate(
            "Coil",
            "0,6 volte la risonanza propria: oltre, l'incertezza della risonanza si amplifica "
            "in tutte le grandezze che dipendono dalla frequenza.");
    }
    return QString();
}
