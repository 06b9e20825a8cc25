// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers/campo.h"

#include "numbers/localenumber.h"
#include "numbers/quantity.h"
#include "numbers/runtimeerror.h"
#include "numbers/val.h"

#include <QCoreApplication>

#include <cmath>

namespace {

QString tradotto(const char *testo)
{
    return QCoreApplication::translate("Campo", testo);
}

} // namespace

double Minimo(Grandezza grandezza)
{
    switch (grandezza) {
    case Grandezza::Diametro:
    case Grandezza::Lunghezza:
    case Grandezza::Spire:
        return 0.1;
    case Grandezza::Capacita:
    case Grandezza::Filo:
        return 0.01;
    case Grandezza::Induttanza:
    case Grandezza::Frequenza:
        break;
    }
    return 0.001;
}

double Massimo(Grandezza grandezza)
{
    switch (grandezza) {
    case Grandezza::Diametro:
        return 5000;
    case Grandezza::Lunghezza:
        return 10000;
    case Grandezza::Spire:
        return 10000;
    case Grandezza::Capacita:
        return 1e6;
    case Grandezza::Induttanza:
        return 1e8;
    case Grandezza::Frequenza:
        return 10000;
    case Grandezza::Filo:
        break;
    }
    return 50;
}

LetturaCampo LeggiCampo(const QString &didascalia, const QString &testo, Grandezza grandezza, Ammessi ammessi,
                        Precisione precisione, const QLocale &locale)
{
    const QString scritto = testo.trimmed();
    const auto rifiuto = [&](const char *motivo) {
        return LetturaCampo{std::nullopt, tradotto(motivo).arg(didascalia, scritto)};
    };
    if (scritto.isEmpty() && ammessi == Ammessi::Positivi)
        return {std::nullopt,
                tradotto(QT_TRANSLATE_NOOP("Campo", "Nel campo \"%1\" manca il valore.")).arg(didascalia)};
    FieldReading lettura;
    try {
        lettura = ReadField(scritto, locale);
    } catch (const RuntimeError &) {
        // Beyond the double range: too large for any field.
        lettura.kind = FieldReading::Kind::Number;
        lettura.value = HUGE_VAL;
    }
    if (lettura.kind == FieldReading::Kind::Ambiguous || lettura.kind == FieldReading::Kind::Unreadable)
        return {std::nullopt, FieldRefusalMessage(didascalia, scritto, locale)};
    if (lettura.kind == FieldReading::Kind::NoNumber && !scritto.isEmpty())
        return rifiuto(QT_TRANSLATE_NOOP("Campo", "Nel campo \"%1\" il testo \"%2\" non è un numero."));
    double valore = lettura.value;
    if (!(std::abs(valore) <= Massimo(grandezza)))
        return {std::nullopt,
                tradotto(QT_TRANSLATE_NOOP("Campo",
                                           "Nel campo \"%1\" il valore \"%2\" è troppo "
                                           "grande: il programma accetta fino a %3."))
                    .arg(didascalia, scritto, FormatLocaleNumber(Massimo(grandezza), locale))};
    if (precisione == Precisione::Quantita)
        valore = FromQuantity(ToQuantity(valore));
    if (ammessi == Ammessi::Positivi && !(valore > 0))
        return rifiuto(QT_TRANSLATE_NOOP("Campo",
                                         "Nel campo \"%1\" il valore \"%2\" non va bene: deve essere "
                                         "maggiore di zero."));
    if (ammessi == Ammessi::ZeroEPositivi && valore < 0)
        return rifiuto(QT_TRANSLATE_NOOP(
            "Campo", "Nel campo \"%1\" il valore \"%2\" non va bene: non può essere negativo."));
    if (valore > 0 && valore < Minimo(grandezza))
        return {std::nullopt,
                tradotto(QT_TRANSLATE_NOOP("Campo",
                                           "Nel campo \"%1\" il valore \"%2\" è troppo "
                                           "piccolo: il programma accetta da %3."))
                    .arg(didascalia, scritto, FormatLocaleNumber(Minimo(grandezza), locale))};
    return {valore + 0.0, {}}; // a typed -0 is 0
}

double Leggi(const QString &didascalia, const QString &testo, Grandezza grandezza, Ammessi ammessi,
             Precisione precisione, const QLocale &locale)
{
    const LetturaCampo lettura = LeggiCampo(didascalia, testo, grandezza, ammessi, precisione, locale);
    if (!lettura.valore)
        throw RifiutoCampo{lettura.rifiuto};
    return *lettura.valore;
}

QString CausaCampi(const QList<std::pair<QString, QString>> &campiETesti)
{
    QStringList campi;
    for (const auto &[didascalia, testo] : campiETesti)
        campi << tradotto(QT_TRANSLATE_NOOP("Campo", "\"%1\" vale %2")).arg(didascalia, testo.trimmed());
    return tradotto(QT_TRANSLATE_NOOP("Campo", "Causa: %1.")).arg(campi.join(QStringLiteral(", ")));
}
