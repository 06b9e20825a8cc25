// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet/schedacalcolo.h"

#include "coil/accuracy.h"
#include "coil/currentsheet.h"
#include "coil/sheetmath.h"
#include "numbers/campo.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <cmath>
#include <functional>

namespace {

// A figure with `cifre` significant digits (never more than six decimals) and
// its unit; empty when there is no figure, as every figure is above zero, and
// when it would round to nothing or run past kCifreMassime digits.
QString Cifra(std::optional<double> valore, int cifre, const QString &unita, const QLocale &locale)
{
    if (!valore || !PositiveFinite(*valore) || *valore < 5e-7 || *valore >= std::pow(10.0, kCifreMassime))
        return QString();
    const int decimali = std::clamp(cifre - 1 - int(std::floor(std::log10(*valore))), 0, 6);
    return locale.toString(*valore, 'f', decimali) + QChar(u' ') + unita;
}

// Whether a size lies where the program takes it: from its smallest to its largest.
bool InMisura(double valore, Grandezza grandezza)
{
    return valore >= Minimo(grandezza) && valore <= Massimo(grandezza);
}

std::optional<double> Per(std::optional<double> valore, double fattore)
{
    return valore ? std::optional(*valore * fattore) : std::nullopt;
}

} // namespace

LetturaFilo LeggiFilo(const QString &testo, Calibro calibro, const QLocale &locale)
{
    const QString t = testo.trimmed();
    if (t.isEmpty())
        return {{}, QCoreApplication::translate("SchedaBobina", "Scrivere il diametro del filo nudo.")};
    if (calibro == Calibro::Millimetri) {
        const LetturaCampo lettura =
            LeggiCampo(QCoreApplication::translate("SchedaBobina", "Filo nudo"), t, Grandezza::Filo,
                       Ammessi::Positivi, Precisione::Double, locale);
        return {lettura.valore, lettura.rifiuto};
    }
    // 0, 00, 000 ... and 2/0, 3/0 ... are the gauges thicker than 1: 1 - n.
    static const QRegularExpression zeri(QStringLiteral("^0+$"));
    static const QRegularExpression barra(QStringLiteral("^(\\d)\\s*/\\s*0$"));
    static const QRegularExpression intero(QStringLiteral("^-?\\d{1,3}$"));
    std::optional<int> numero;
    if (zeri.match(t).hasMatch())
        numero = 1 - int(t.size());
    else if (const auto m = barra.match(t); m.hasMatch())
        numero = 1 - m.captured(1).toInt();
    else if (intero.match(t).hasMatch())
        numero = t.toInt();
    const bool awg = calibro == Calibro::Awg;
    const std::optional<double> mm = !numero ? std::nullopt
        : awg                                ? AwgDiameterMm(*numero)
                                             : SwgDiameterMm(*numero);
    if (!mm)
        return {{},
                QCoreApplication::translate(
                    "SchedaBobina", "Il calibro %1 \"%2\" non esiste: scrivere un numero intero da %3 a %4.")
                    .arg(awg ? QStringLiteral("AWG") : QStringLiteral("SWG"), t,
                         TestoCalibro(awg ? kAwgFirst : kSwgFirst, locale),
                         locale.toString(awg ? kAwgLast : kSwgLast))};
    return {mm, {}};
}

QString TestoCalibro(int calibro, const QLocale &locale)
{
    if (calibro < 0)
        return QStringLiteral("%1/0").arg(1 - calibro);
    return locale.toString(calibro);
}

QString TestoFilo(double mm, Calibro calibro, const QLocale &locale)
{
    if (calibro == Calibro::Millimetri)
        return locale.toString(mm, 'f', mm >= 1 ? 2 : 3);
    const bool awg = calibro == Calibro::Awg;
    const auto diametro = [&](int g) { return awg ? AwgDiameterMm(g) : SwgDiameterMm(g); };
    std::optional<int> vicino;
    for (int g = awg ? kAwgFirst : kSwgFirst; g <= (awg ? kAwgLast : kSwgLast); ++g)
        if (const auto d = diametro(g);
            d && (!vicino || std::abs(*d - mm) < std::abs(*diametro(*vicino) - mm)))
            vicino = g;
    return vicino ? TestoCalibro(*vicino, locale) : QString();
}

Scheda CalcolaScheda(const BobinaSeguita &bobina, std::optional<double> filoMm, Conductor conduttore,
                     Former supporto, const QList<double> &frequenzeMhz, const QLocale &locale)
{
    Scheda scheda;
    auto &f = scheda.figure;
    const double d = bobina.diametroMm, l = bobina.lunghezzaMm, n = bobina.spire;
    const bool bobinaValida = InMisura(d, Grandezza::Diametro) && InMisura(l, Grandezza::Lunghezza)
        && InMisura(n, Grandezza::Spire);
    if (!bobinaValida)
        scheda.avvisi << QCoreApplication::translate(
            "SchedaBobina",
            "La bobina della finestra non ha diametro, lunghezza e spire "
            "che il programma accetta: nessuna figura.");
    f[int(Figura::LClassica)] =
        Cifra(bobinaValida ? ClassicInductance(d, l, n) : std::nullopt, 5, QStringLiteral("µH"), locale);
    f[int(Figura::LNagaoka)] =
        Cifra(bobinaValida ? CurrentSheetInductance(d, l, n) : std::nullopt, 5, QStringLiteral("µH"), locale);
    if (!bobinaValida || !filoMm || !InMisura(*filoMm, Grandezza::Filo))
        return scheda;

    const CoilSpec c{d, l, n, *filoMm, conduttore, supporto};
    if (!WireFitsPitch(c))
        scheda.avvisi << QCoreApplication::translate(
                             "SchedaBobina",
                             "Il filo (%1 mm) non sta nel passo (%2 mm): le spire si "
                             "sovrapporrebbero. Le figure del filo valgono per una bobina "
                             "che non si può avvolgere.")
                             .arg(locale.toString(*filoMm, 'f', 3), locale.toString(l / n, 'f', 3));
    f[int(Figura::LFilo)] = Cifra(RoundWireInductanceMicroH(c), 5, QStringLiteral("µH"), locale);
    f[int(Figura::LunghezzaFilo)] = Cifra(HelixWireLengthM(c), 4, QStringLiteral("m"), locale);
    f[int(Figura::Peso)] = Cifra(WireMassG(c), 3, QStringLiteral("g"), locale);
    f[int(Figura::Rdc)] = Cifra(DcResistanceOhm(c), 3, QStringLiteral("Ω"), locale);
    const QString medhurst = Cifra(MedhurstSelfCapacitancePf(c), 3, QStringLiteral("pF"), locale);
    const QString knight = Cifra(KnightSelfCapacitancePf(c), 3, QStringLiteral("pF"), locale);
    if (!medhurst.isEmpty() || !knight.isEmpty())
        f[int(Figura::Cpropria)] =
            QStringLiteral("%1 · %2").arg(medhurst.isEmpty() ? QStringLiteral("–") : medhurst,
                                          knight.isEmpty() ? QStringLiteral("–") : knight);
    const std::optional<double> fs = HelicalSelfResonanceMhz(c);
    f[int(Figura::Risonanza)] = Cifra(fs, 4, QStringLiteral("MHz"), locale);
    scheda.qSenzaRisonanza = QWithoutSelfResonance(c);

    // One line per frequency, each led by its frequency.
    QList<double> frequenze;
    for (const double mhz : frequenzeMhz) {
        if (InMisura(mhz, Grandezza::Frequenza))
            frequenze << mhz;
        else
            scheda.avvisi << QCoreApplication::translate(
                                 "SchedaBobina",
                                 "%1 MHz è fuori dalle frequenze che il programma accetta, "
                                 "da %2 a %3 MHz: nessuna figura a quella frequenza.")
                                 .arg(locale.toString(mhz, 'g', 6),
                                      locale.toString(Minimo(Grandezza::Frequenza), 'g', 6),
                                      locale.toString(Massimo(Grandezza::Frequenza), 'g', 6));
    }
    const std::optional<double> finoA = FiguresHoldUpToMhz(c);
    const auto perFrequenza = [&](Figura figura, const std::function<QString(double)> &valore) {
        QStringList righe;
        for (const double mhz : frequenze)
            if (const QString v = valore(mhz); !v.isEmpty()) {
                righe << QStringLiteral("%1 MHz: %2").arg(locale.toString(mhz, 'f', 3), v);
                scheda.aFrequenza[int(figura)].append({mhz, v});
            }
        f[int(figura)] = righe.join(u'\n');
    };
    perFrequenza(Figura::Pelle, [&](double mhz) {
        return Cifra(Per(SkinDepthMm(conduttore, mhz), 1000), 3, QStringLiteral("µm"), locale);
    });
    perFrequenza(Figura::Rac,
                 [&](double mhz) { return Cifra(AcResistanceOhm(c, mhz), 3, QStringLiteral("Ω"), locale); });
    perFrequenza(Figura::Q,
                 [&](double mhz) { return Cifra(UnloadedQ(c, mhz), 3, QString(), locale).trimmed(); });
    perFrequenza(Figura::LApparente, [&](double mhz) {
        return Cifra(ApparentInductanceMicroH(c, mhz), 5, QStringLiteral("µH"), locale);
    });
    for (const double mhz : frequenze) {
        if (fs && mhz >= *fs)
            scheda.avvisi << QCoreApplication::translate(
                                 "SchedaBobina",
                                 "A %1 MHz la bobina è sopra la sua risonanza propria "
                                 "(%2 MHz) e lì si comporta come un condensatore: nessuna "
                                 "resistenza, Q o induttanza apparente.")
                                 .arg(locale.toString(mhz, 'f', 3), locale.toString(*fs, 'f', 3));
        else if (finoA && mhz > *finoA)
            scheda.avvisi << QCoreApplication::translate("SchedaBobina",
                                                         "A %1 MHz la bobina è troppo vicina alla "
                                                         "sua risonanza propria: le figure valgono "
                                                         "fino a %2 MHz.")
                                 .arg(locale.toString(mhz, 'f', 3), locale.toString(*finoA, 'f', 3));
    }
    return scheda;
}

QString DescriviBobina(const BobinaSeguita &bobina, const QLocale &locale)
{
    const auto mm = [&](double x) { return locale.toString(x, 'f', x == std::round(x) ? 0 : 2); };
    QString testo = QCoreApplication::translate("SchedaBobina", "Ø %1 mm, lunghezza %2 mm, %3 spire")
                        .arg(mm(bobina.diametroMm), mm(bobina.lunghezzaMm), mm(bobina.spire));
    if (bobina.spire > 0)
        testo += QCoreApplication::translate("SchedaBobina", ", passo %1 mm")
                     .arg(locale.toString(bobina.lunghezzaMm / bobina.spire, 'f', 3));
    return testo;
}

QString TestoScheda(const QString &bobina, const QList<RigaScheda> &righe, const QStringList &avvisi,
                    const QDateTime &quando, const QLocale &locale)
{
    QStringList testo{QCoreApplication::translate("SchedaBobina", "Scheda della bobina (%1)")
                          .arg(DataScheda(quando, locale)),
                      QCoreApplication::translate("SchedaBobina", "Bobina: %1").arg(bobina), QString()};
    for (const RigaScheda &riga : righe)
        testo << QStringLiteral("%1: %2").arg(riga.didascalia, riga.valore).trimmed();
    if (!avvisi.isEmpty())
        testo << QString() << QCoreApplication::translate("SchedaBobina", "Avvisi:");
    for (const QString &avviso : avvisi)
        testo << QStringLiteral("- ") + avviso;
    return testo.join(u'\n') + u'\n';
}

QString DataScheda(const QDateTime &quando, const QLocale &locale)
{
    return locale.toString(quando.date(), QLocale::LongFormat) + u' '
        + locale.toString(quando.time(), QLocale::ShortFormat);
}

QString FrequenzaScheda(double mhz, const QLocale &locale)
{
    QString testo = locale.toString(mhz, 'f', 3);
    if (testo.contains(locale.decimalPoint())) {
        while (testo.endsWith(u'0'))
            testo.chop(1);
        if (testo.endsWith(locale.decimalPoint()))
            testo.chop(locale.decimalPoint().size());
    }
    return testo;
}

QString TooltipFor(Figura figura)
{
    switch (figura) {
    case Figura::LClassica:
        return QCoreApplication::translate(
            "SchedaBobina",
            "La formula della finestra, quella di Wheeler con costanti arrotondate "
            "(H. A. Wheeler, \"Simple inductance formulas for radio coils\", Proc. "
            "IRE 16, 1928): entro l'1 % circa per bobine più lunghe di 0,4 diametri, "
            "in difetto per quelle più corte.");
    case Figura::LNagaoka:
        return QCoreApplication::translate(
            "SchedaBobina",
            "Il foglio di corrente con il coefficiente di Nagaoka (H. Nagaoka, 1909; "
            "E. B. Rosa e F. W. Grover, Bulletin of the Bureau of Standards 8, 1912): "
            "esatta per un foglio di corrente, non tiene conto del filo tondo e della "
            "spaziatura.");
    case Figura::LFilo:
        return SourceNote(SheetFigure::RoundWireInductance);
    case Figura::LunghezzaFilo:
        return SourceNote(SheetFigure::WireLength);
    case Figura::Peso:
        return SourceNote(SheetFigure::WireMass);
    case Figura::Rdc:
        return SourceNote(SheetFigure::DcResistance);
    case Figura::Cpropria:
        return SourceNote(SheetFigure::MedhurstCapacitance) + u'\n'
            + SourceNote(SheetFigure::KnightCapacitance);
    case Figura::Risonanza:
        return SourceNote(SheetFigure::SelfResonance);
    case Figura::Pelle:
        return SourceNote(SheetFigure::SkinDepth);
    case Figura::Rac:
        return SourceNote(SheetFigure::AcResistance);
    case Figura::Q:
        return SourceNote(SheetFigure::Q);
    case Figura::LApparente:
        return SourceNote(SheetFigure::ApparentInductance);
    }
    return QString();
}
