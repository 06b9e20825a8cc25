// SPDX-License-Identifier: GPL-3.0-or-later
// The coil sheet, and the coil physics under it, on any coil, wire, conductor, former and frequencies: 0,
// negatives, 1e300, infinities and NaN among them. Every figure comes back empty or as numbers of a coil that
// can be wound: finite, none with more digits than the sheet gives. The sanitizers watch the rest.
#include "fuzzsupport.h"
#include "sheet/schedacalcolo.h"

#include <QRegularExpression>

// A size: one of the values no coil has, or any double, or one a coil may have (10⁻³ to 10⁵).
static const double kStrange[] = {0, -0.0, -1, 1e-300, 1e300, HUGE_VAL, -HUGE_VAL, NAN, 5e-324, 1.7e308};
static double Size(FuzzInput &in)
{
    const std::uint32_t kind = in.Below(4);
    return kind == 0 ? kStrange[in.Below(std::size(kStrange))]
        : kind == 1  ? in.Take<double>()
                     : std::pow(10.0, in.Below(8001) / 1000.0 - 3);
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput in{data, size};
    const QLocale &locale = kLocales[in.Below(4)];
    BobinaSeguita bobina{Size(in), Size(in), Size(in), {}, {}};
    const std::optional<double> filo = in.Below(5) == 0 ? std::nullopt : std::optional(Size(in));
    const auto conduttore = Conductor(in.Below(3));
    const auto supporto = Former(in.Below(6));
    for (std::uint32_t n = in.Below(4); n > 0; --n)
        bobina.frequenzeMhz << Size(in);
    const Scheda scheda = CalcolaScheda(bobina, filo, conduttore, supporto, bobina.frequenzeMhz, locale);
    const std::string coil = Text(bobina.diametroMm) + " x " + Text(bobina.lunghezzaMm) + " mm, "
        + Text(bobina.spire) + " turns, wire " + Text(filo) + " in " + locale.name().toStdString();
    // A number: a digit, then digits and the separators; too long with one digit more than the sheet gives.
    static const QRegularExpression nonFinito(QStringLiteral("nan|inf"),
                                              QRegularExpression::CaseInsensitiveOption),
        troppoLungo(QStringLiteral("(?:\\d[.,\u202f\u00a0]*){%1}").arg(kCifreMassime + 1));
    for (const QString &figura : scheda.figure)
        FUZZ_CHECK(!figura.contains(nonFinito) && !figura.contains(troppoLungo), coil + ": " + Text(figura));
    return 0;
}
