// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator/calcolo.h"

#include "numbers/campo.h"
#include "numbers/checkedmath.h"
#include "numbers/format.h"
#include "numbers/runtimeerror.h"
#include "numbers/val.h"

#include <QCoreApplication>
#include <initializer_list>

namespace {

const char *const kMettereIValori = QT_TRANSLATE_NOOP("Form1", "Mettere i valori");
const char *const kMettereIlValore = QT_TRANSLATE_NOOP("Form1", "Mettere il valore");
const char *const kErroreNonContemplato = QT_TRANSLATE_NOOP("Form1", "Errore non contemplato!");
const QString kTreDecimali = QStringLiteral("#,##0.000");
const QString kUnDecimale = QStringLiteral("#,##0.0");

// f² · L · C = 25330 with f in MHz, L in µH and C in pF.
constexpr double kRisonanza = 25330;

// A field refused: the mode's message names it.
struct CampoRifiutato
{
    QString testo;
};

// What each box holds, in its order: L, C, f, D, N, length.
constexpr std::array<Grandezza, 6> kGrandezze{Grandezza::Induttanza, Grandezza::Capacita,
                                              Grandezza::Frequenza,  Grandezza::Diametro,
                                              Grandezza::Spire,      Grandezza::Lunghezza};

// Reads the text of field TextN (1 to 6), above zero or, where the mode takes
// it, zero too.
Quantity leggi(const TestiIngresso &testi, int campo, const QLocale &locale,
               Ammessi ammessi = Ammessi::Positivi)
{
    const std::size_t i = static_cast<std::size_t>(campo - 1);
    const LetturaCampo lettura = LeggiCampo(testi.didascalie.at(i), testi.Testo(campo), kGrandezze.at(i),
                                            ammessi, Precisione::Quantita, locale);
    if (!lettura.valore)
        throw CampoRifiutato{lettura.rifiuto};
    return ToQuantity(*lettura.valore);
}

EsitoCalcolo rifiuto(const QString &text)
{
    EsitoCalcolo esito;
    esito.messaggio = true;
    esito.testoMessaggio = text;
    return esito;
}

// L = 25330 / (C × f²), the inductance resonating with C at f (f² first).
Quantity induttanzaRisonante(Quantity f, Quantity C)
{
    const double f2 = Power(FromQuantity(f), 2);
    return ToQuantity(Divide(kRisonanza, Multiply(FromQuantity(C), f2)));
}

// The single-layer formula solved for the turns: N = √(L(ℓ + 0.45 D) / (0.001 D²)).
Quantity spire(Quantity L, Quantity D, Quantity lunghezza)
{
    const Quantity p = L * (lunghezza + ToQuantity(Multiply(0.45, FromQuantity(D))));
    const double q = Multiply(Power(FromQuantity(D), 2), 0.001);
    return ToQuantity(Sqr(Divide(FromQuantity(p), q)));
}

EsitoCalcolo Calcola(std::int16_t Modo, const TabellaValoriC &ValoriC, const TestiIngresso &testi,
                     const QLocale &locale);

} // namespace

void CaricaValoriC(TabellaValoriC &ValoriC)
{
    static constexpr float serie[] = {
        1.2f, 1.5f, 1.8f, 2.2f, 2.7f, 3.3f, 3.9f, 4.7f, 5.6f, 6.8f, 8.2f, 10,   12,   15,   18,   22,
        27,   33,   39,   47,   56,   68,   82,   100,  120,  150,  180,  220,  270,  330,  390,  470,
        560,  680,  820,  1000, 1200, 1500, 1800, 2200, 2700, 3300, 3900, 4700, 5600, 6800, 8200, 10000,
    };
    static_assert(std::size(serie) == 48);
    for (std::size_t i = 0; i < std::size(serie); ++i)
        ValoriC[i + 1] = serie[i];
}

Quantity ValoreStandard(Quantity C, const TabellaValoriC &ValoriC)
{
    // The quantity's value against the single-precision entry widened to
    // double: entries such as 3.3 are held just below their decimal value, so a
    // C of exactly 3.3 moves up to 3.9.
    // From the 47th entry down, so the next one up is always in the table.
    for (std::size_t i = 47; i >= 1; --i) {
        if (FromQuantity(C) > static_cast<double>(ValoriC[i]))
            return ToQuantity(static_cast<double>(ValoriC[i + 1]));
    }
    return C;
}

PassaBasso CalcolaPassaBasso(Quantity f, const TabellaValoriC &ValoriC)
{
    PassaBasso filtro;
    // Designed 20 % above the working frequency.
    filtro.fc = ToQuantity(Multiply(FromQuantity(f), 1.2));
    // 50-ohm pi network: C = 10⁶ / (2π · 50 · fc) pF, L = 2 · 50 / (2π · fc) µH.
    filtro.Ccalcolo = ToQuantity(Divide(3180, FromQuantity(filtro.fc)));
    filtro.L = ToQuantity(Divide(15.9, FromQuantity(filtro.fc)));
    filtro.C = ValoreStandard(filtro.Ccalcolo, ValoriC);
    // Cut-off of the network with the standard capacitor: 318 / √(2 L C) MHz.
    const Quantity prodotto = filtro.L * (std::int16_t{2} * filtro.C);
    filtro.fcut = ToQuantity(Divide(318, Sqr(FromQuantity(prodotto))));
    return filtro;
}

EsitoCalcolo EseguiCalcolo(std::int16_t Modo, const TabellaValoriC &ValoriC, const TestiIngresso &testi,
                           const QLocale &locale)
{
    try {
        return Calcola(Modo, ValoriC, testi, locale);
    } catch (const CampoRifiutato &campo) {
        // "Mettere i valori: nel campo ..."
        QString motivo = campo.testo;
        motivo[0] = motivo[0].toLower();
        const char *messaggio = Modo == 7 ? kMettereIlValore : kMettereIValori;
        return rifiuto(QCoreApplication::translate("Form1", messaggio) + QStringLiteral(": ") + motivo);
    } catch (const RuntimeError &errore) {
        QList<std::pair<QString, QString>> campi;
        for (const int campo : CampiDelModo(Modo))
            campi.append({testi.didascalie.at(std::size_t(campo - 1)), testi.Testo(campo)});
        throw errore.withDetail(CausaCampi(campi));
    }
}

QList<int> CampiDelModo(std::int16_t Modo)
{
    switch (Modo) {
    case 1:
        return {1, 2};
    case 2:
        return {3, 2};
    case 3:
        return {1, 3};
    case 4:
        return {6, 5, 4};
    case 5:
        return {1, 4, 6};
    case 6:
        return {3, 2, 4, 6};
    case 7:
        return {3};
    default:
        return {};
    }
}

const QString &TestiIngresso::Testo(int campo) const
{
    const std::array testi{&Text1, &Text2, &Text3, &Text4, &Text5, &Text6};
    return *testi.at(static_cast<std::size_t>(campo - 1));
}

namespace {

EsitoCalcolo Calcola(std::int16_t Modo, const TabellaValoriC &ValoriC, const TestiIngresso &testi,
                     const QLocale &locale)
{
    EsitoCalcolo esito;
    switch (Modo) {
    case 1: { // resonant frequency from L and C: f = √(25330 / (C L)) MHz
        const Quantity L = leggi(testi, 1, locale);
        const Quantity C = leggi(testi, 2, locale);
        const Quantity f = ToQuantity(Sqr(Divide(kRisonanza, FromQuantity(C * L))));
        esito.SEO = Format(f, kTreDecimali, locale);
        return esito;
    }
    case 2: { // inductance from f and C, µH
        const Quantity f = leggi(testi, 3, locale);
        const Quantity C = leggi(testi, 2, locale);
        esito.SEO = Format(induttanzaRisonante(f, C), kTreDecimali, locale);
        return esito;
    }
    case 3: { // capacitance from L and f, pF
        const Quantity L = leggi(testi, 1, locale);
        const Quantity f = leggi(testi, 3, locale);
        const double f2 = Power(FromQuantity(f), 2);
        const Quantity C = ToQuantity(Divide(kRisonanza, Multiply(FromQuantity(L), f2)));
        esito.SEO = Format(C, kTreDecimali, locale);
        return esito;
    }
    case 4: { // inductance of the coil: L = 0.001 D² N² / (ℓ + 0.45 D) µH, D and ℓ in mm
        const Quantity lunghezza = leggi(testi, 6, locale);
        const Quantity N = leggi(testi, 5, locale);
        const Quantity D = leggi(testi, 4, locale);
        const double a = Power(FromQuantity(D), 2);
        const double b = Multiply(Power(FromQuantity(N), 2), a);
        const Quantity s = lunghezza + ToQuantity(Multiply(0.45, FromQuantity(D)));
        const Quantity L = ToQuantity(Multiply(Divide(b, FromQuantity(s)), 0.001));
        esito.SEO = Format(L, kTreDecimali, locale);
        esito.bobina = BobinaCalcolata{FromQuantity(D), FromQuantity(lunghezza), FromQuantity(N),
                                       FromQuantity(L), false};
        return esito;
    }
    case 5: { // turns for an inductance on a former; the length is not guarded
        const Quantity L = leggi(testi, 1, locale);
        const Quantity D = leggi(testi, 4, locale);
        // The length is not guarded: 0 gives the turns for a coil of no length, as it always has.
        const Quantity lunghezza = leggi(testi, 6, locale, Ammessi::ZeroEPositivi);
        const Quantity N = spire(L, D, lunghezza);
        esito.SEO = Format(N, kUnDecimale, locale);
        esito.bobina =
            BobinaCalcolata{FromQuantity(D), FromQuantity(lunghezza), FromQuantity(N), FromQuantity(L), true};
        return esito;
    }
    case 6: { // turns for the inductance that resonates with C at f
        const Quantity f = leggi(testi, 3, locale);
        const Quantity C = leggi(testi, 2, locale);
        const Quantity D = leggi(testi, 4, locale);
        const Quantity lunghezza = leggi(testi, 6, locale);
        const Quantity L = induttanzaRisonante(f, C);
        const Quantity N = spire(L, D, lunghezza);
        esito.SEO = Format(N, kUnDecimale, locale);
        esito.bobina =
            BobinaCalcolata{FromQuantity(D), FromQuantity(lunghezza), FromQuantity(N), FromQuantity(L), true,
                            FromQuantity(C)};
        return esito;
    }
    case 7: { // pi low-pass filter for a working frequency
        const Quantity f = leggi(testi, 3, locale);
        const PassaBasso filtro = CalcolaPassaBasso(f, ValoriC);
        esito.SEO = Format(filtro.fcut, kUnDecimale, locale);
        esito.passaBasso = true;
        esito.LblC1 = Format(filtro.C, kUnDecimale, locale);
        esito.LblC2 = esito.LblC1;
        esito.LblFT = Format(filtro.L, kTreDecimali, locale);
        return esito;
    }
    default: {
        EsitoCalcolo nessunModo = rifiuto(QCoreApplication::translate("Form1", kErroreNonContemplato));
        nessunModo.critico = true;
        return nessunModo;
    }
    }
}

} // namespace
