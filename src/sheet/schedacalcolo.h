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
struct BobinaSeguita
{
    double diametroMm = 0;
    double lunghezzaMm = 0;
    double spire = 0;
    QList<double> frequenzeMhz;
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

// Everything the sheet writes: one text per figure (empty when the figure
// cannot be computed), and the warnings in plain Italian.
struct Scheda
{
    std::array<QString, kFigure> figure;
    QStringList avvisi;
};

// The sheet of a coil wound with wire of wireMm (empty: not known) of a
// conductor on a former, at the frequencies given (the typed one, or the
// window's). Figures carry the locale's separators and their unit; a figure
// per frequency gives one line per frequency, "f MHz: value".
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

// The sheet as plain text: title and date, the coil, then one "caption: value"
// line per row (a value of several lines goes on below, indented; an empty one
// leaves the caption alone), then the warnings.
QString TestoScheda(const QString &bobina, const QList<RigaScheda> &righe, const QStringList &avvisi,
                    const QDateTime &quando, const QLocale &locale = QLocale());

// The note each figure carries as its tooltip: where the figure comes from and
// how far it may be trusted.
QString TooltipFor(Figura figura);
