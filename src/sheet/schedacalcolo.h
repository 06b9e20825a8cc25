// SPDX-License-Identifier: GPL-3.0-or-later
// What the coil sheet shows, without a window: the wire read as the user
// writes it (millimetres or a gauge), the figures of the coil as label texts
// with their units, the warnings, and the sheet as plain text for the
// clipboard and the printer.
#pragma once

#include "coil/coilsheet.h"

#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// The unit of the wire field: the bare diameter in millimetres, or an
// American (AWG) or British (SWG) gauge number.
enum class Calibro { Millimetri, Awg, Swg };

// The wire field read: the bare diameter in mm, or why the text is refused.
struct LetturaFilo
{
    std::optional<double> mm;
    QString rifiuto;
};

// Reads the wire field. Millimetres as every field of the program is read;
// gauges as whole numbers, with the thick gauges written 0, 00, 000 ... or
// 2/0, 3/0 ... (4/0 = 0000 is -3 in the gauge tables). An empty field is
// refused too: the wire is what the sheet is about.
LetturaFilo LeggiFilo(const QString &testo, Calibro calibro, const QLocale &locale = QLocale());

// The text the wire field gets back for a gauge: 18, 0, 2/0, 4/0 ...
QString TestoCalibro(int calibro, const QLocale &locale = QLocale());
// A bare diameter in mm written in a unit of the wire field: the millimetres
// themselves, or the gauge nearest to them.
QString TestoFilo(double mm, Calibro calibro, const QLocale &locale = QLocale());

// The coil the sheet follows, as its window pushes it: diameter and length in
// mm, the turns, and the window's frequencies in MHz (none in the converter).
// When the window shows no coil (a field refused, a computation failed), why
// not, and the sizes are not read.
struct BobinaSeguita
{
    double diametroMm = 0;
    double lunghezzaMm = 0;
    double spire = 0;
    QList<double> frequenzeMhz;
    QString nessunaBobina;
};

// The figures of the sheet, in the order the window and the text show them.
enum class Figura {
    LClassica,
    LNagaoka,
    LFilo,
    LunghezzaFilo,
    Peso,
    Rdc,
    Cpropria,
    Risonanza,
    // One value per frequency from here on.
    Pelle,
    Rac,
    Q,
    LApparente,
};
inline constexpr int kFigure = int(Figura::LApparente) + 1;

// No figure of the sheet has more digits than this: the largest a coil within
// the program's sizes reaches (1.1·10⁹ µH for 10 000 turns on 5 m).
inline constexpr int kCifreMassime = 12;

// A figure at one frequency, for the sheet as text: "Skin depth at 7.1 MHz".
struct FiguraAFrequenza
{
    double mhz = 0;
    QString valore;
};

// Everything the sheet writes: one text per figure (empty when the figure
// cannot be computed), each figure per frequency apart, and the warnings in
// plain Italian.
struct Scheda
{
    std::array<QString, kFigure> figure;
    std::array<QList<FiguraAFrequenza>, kFigure> aFrequenza;
    QStringList avvisi;
    // Q without the self-resonance's lowering: the shape is outside the range
    // where the self-resonance is known.
    bool qSenzaRisonanza = false;
};

// The sheet of a coil wound with wire of wireMm (empty: not known) of a
// conductor on a former, at the frequencies given (the typed one, or the
// window's). Figures carry the locale's separators and their unit; a figure
// per frequency gives one line per frequency, "f MHz: value". A coil, a wire or
// a frequency outside the sizes the program takes (numbers/campo.h) gives no
// figure, and a warning says why; so does a frequency at or above the
// self-resonance, where the coil behaves as a capacitor.
Scheda CalcolaScheda(const BobinaSeguita &bobina, std::optional<double> filoMm, Conductor conduttore,
                     Former supporto, const QList<double> &frequenzeMhz, const QLocale &locale = QLocale());

// The coil in one line: diameter, length, turns and pitch.
QString DescriviBobina(const BobinaSeguita &bobina, const QLocale &locale = QLocale());

// One line of the sheet as text: a caption and what stands beside it.
struct RigaScheda
{
    QString didascalia;
    QString valore;
};

// The sheet as plain text, a ham's note: title and the date in full, the
// coil, then one "caption: value unit" line per row (an empty value leaves the
// caption alone), then the warnings.
QString TestoScheda(const QString &bobina, const QList<RigaScheda> &righe, const QStringList &avvisi,
                    const QDateTime &quando, const QLocale &locale = QLocale());

// The note each figure carries as its tooltip: where the figure comes from and
// how far it may be trusted.
QString TooltipFor(Figura figura);

// A date in full as the locale writes it, with the time: the sheet's title on
// the clipboard and on paper.
QString DataScheda(const QDateTime &quando, const QLocale &locale = QLocale());
// A frequency as the sheet's text names it: to the kHz, no trailing zeros ("7.1").
QString FrequenzaScheda(double mhz, const QLocale &locale = QLocale());
