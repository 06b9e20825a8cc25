// SPDX-License-Identifier: GPL-3.0-or-later
// A typed field read as the number of a coil, or refused with one message that
// names the field and what it holds: a text that is no number (or reads two
// ways), a value not above zero where a coil needs one, a value beyond what any
// coil a person can wind reaches. Every window and the coil sheet read their
// fields through here, before anything is computed or written.
#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// What a field holds, with the smallest and the largest value above zero the
// program takes for it: a former from 0.1 mm to 5 m across, a coil from 0.1 mm
// to 10 m long, from a tenth of a turn to 10 000 turns, 0.01 pF to 1 µF,
// 0.001 µH to 100 H, 1 kHz to 10 GHz, wire from 0.01 to 50 mm thick. Outside,
// no figure would describe a coil that can be wound, and the figures would run
// to dozens of digits or none.
enum class Grandezza { Diametro, Lunghezza, Spire, Capacita, Induttanza, Frequenza, Filo };
double Minimo(Grandezza grandezza);
double Massimo(Grandezza grandezza);

// Which values the field takes besides those from its smallest to its
// largest: none, zero, or zero and any below (the designer's capacitances:
// zero or less leaves their frequency blank).
enum class Ammessi { Positivi, ZeroEPositivi, Tutti };

// The calculator and the converter compute in quantities: their fields are
// taken rounded to four decimals, so a value that rounds to 0 is a 0.
enum class Precisione { Double, Quantita };

struct LetturaCampo
{
    std::optional<double> valore; // the number, as the window will use it
    QString rifiuto;              // otherwise why not, naming the field and its text
};

// Reads the text of the field with this caption: as every field reads
// (ReadField), then its sign and its size. An empty field is missing its value
// unless zero is taken, and then reads as 0.
LetturaCampo LeggiCampo(const QString &didascalia, const QString &testo, Grandezza grandezza,
                        Ammessi ammessi = Ammessi::Positivi, Precisione precisione = Precisione::Double,
                        const QLocale &locale = QLocale());

// A refused field, thrown by the windows' readers before anything is written;
// the handler guard shows it as the program's own message.
struct RifiutoCampo
{
    QString testo;
};

// Reads as LeggiCampo does, and throws the refusal.
double Leggi(const QString &didascalia, const QString &testo, Grandezza grandezza,
             Ammessi ammessi = Ammessi::Positivi, Precisione precisione = Precisione::Double,
             const QLocale &locale = QLocale());

// The cause a run-time report names: "Causa: "Spire" vale 0." for one field,
// every field of the computation for several.
QString CausaCampi(const QList<std::pair<QString, QString>> &campiETesti);
