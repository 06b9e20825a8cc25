// SPDX-License-Identifier: GPL-3.0-or-later
#include "coil/accuracy.h"

#include "coil/currentsheet.h"
#include "coil/sheetmath.h"
#include "numbers/format.h"

#include <QCoreApplication>
#include <QStringList>

#include <cmath>

namespace {

// Diameters, lengths and turns as the user would write them: whole numbers
// without decimals, anything else with one or two.
QString misura(double value, const QLocale &locale)
{
    const double hundredths = std::round(value * 100);
    const bool whole = std::fmod(hundredths, 100) == 0;
    return Format(value, whole ? QStringLiteral("#,##0") : QStringLiteral("#,##0.0#"), locale);
}

QString induttanza(double microH, const QLocale &locale)
{
    return Format(microH, QStringLiteral("#,##0.000"), locale) + QStringLiteral(" µH");
}

// A deviation with its sign, one decimal; a deviation that rounds to zero has none.
QString scarto(double percent, const QLocale &locale)
{
    QString text = Format(percent, QStringLiteral("#,##0.0"), locale);
    if (std::round(percent * 10) > 0)
        text.prepend(u'+');
    return text + QStringLiteral(" %");
}

} // namespace

std::optional<double> ClassicInductance(double diameterMm, double lengthMm, double turns)
{
    if (!PositiveFinite(diameterMm) || !PositiveFinite(lengthMm) || !PositiveFinite(turns))
        return std::nullopt;
    const double value = 0.001 * diameterMm * diameterMm * turns * turns / (lengthMm + 0.45 * diameterMm);
    if (!PositiveFinite(value))
        return std::nullopt;
    return value;
}

std::optional<double> ClassicDeviationPercent(double diameter, double length)
{
    // Both inductances grow with N² and, at a fixed ℓ/D, with the size of the
    // coil alike, so one turn on the given coil tells the whole story.
    const std::optional<double> classic = ClassicInductance(diameter, length, 1);
    const std::optional<double> sheet = CurrentSheetInductance(diameter, length, 1);
    if (!classic || !sheet)
        return std::nullopt;
    return (*classic / *sheet - 1) * 100;
}

QString AccuracyNote(double shownMicroH, double diameterMm, double lengthMm, double turns,
                     const QLocale &locale, ShownFigure figure)
{
    // The current sheet refuses a coil that is not positive and finite, and
    // a shape outside its range, so ℓ/D is finite below.
    const std::optional<double> sheet = CurrentSheetInductance(diameterMm, lengthMm, turns);
    if (!PositiveFinite(shownMicroH) || !sheet)
        return QString();
    const double percent = (shownMicroH / *sheet - 1) * 100;
    const double ratio = lengthMm / diameterMm;
    if (!std::isfinite(percent))
        return QString();

    QStringList lines;
    if (figure == ShownFigure::Inductance) {
        lines << QCoreApplication::translate("Coil", "Induttanza a foglio di corrente (Nagaoka): %1")
                     .arg(induttanza(*sheet, locale));
        lines << QCoreApplication::translate("Coil", "Valore mostrato (formula classica): %1, scarto %2")
                     .arg(induttanza(shownMicroH, locale), scarto(percent, locale));
    } else {
        lines << QCoreApplication::translate("Coil",
                                             "Induttanza a foglio di corrente (Nagaoka) con queste spire: %1")
                     .arg(induttanza(*sheet, locale));
        lines << QCoreApplication::translate(
                     "Coil",
                     "Induttanza richiesta, per cui la formula classica ha dato le spire: %1, scarto %2")
                     .arg(induttanza(shownMicroH, locale), scarto(percent, locale));
    }
    lines << QCoreApplication::translate("Coil", "Bobina: diametro %1 mm, lunghezza %2 mm, %3 spire, ℓ/D %4")
                 .arg(misura(diameterMm, locale), misura(lengthMm, locale), misura(turns, locale),
                      Format(ratio, QStringLiteral("#,##0.00"), locale));
    if (ratio < kShortCoilRatio)
        lines << QCoreApplication::translate(
                     "Coil",
                     "Attenzione: bobina corta (ℓ/D sotto %1), qui la formula classica perde precisione.")
                     .arg(Format(kShortCoilRatio, QStringLiteral("0.0"), locale));
    return lines.join(u'\n');
}
