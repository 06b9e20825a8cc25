// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's seven modes and the converter's formulas without a window: results, refusals that name
// their field, run-time errors that name their cause, standard capacitors, the rounding to quantities.
#include "calculator/calcolo.h"
#include "common/columns.h"
#include "converter/conversione.h"

namespace {
const QLocale us(QLocale::English, QLocale::UnitedStates), it(QLocale::Italian, QLocale::Italy);
const TabellaValoriC tabella = [] {
    TabellaValoriC c{};
    CaricaValoriC(c);
    return c;
}();

// Texts by box: L Text1, C Text2, f Text3, D Text4, N Text5, length Text6, captioned by their letters. One
// outcome per row: the result box (in mode 7 then the labels C1, C2, L), or a message, or an error's cause.
void riga(const char *nome, int modo, QStringList t, const QLocale &l, const QStringList &mostrato,
          const QString &messaggio = {}, int errore = 0)
{
    t.resize(6);
    const TestiIngresso testi{t[0], t[1], t[2], t[3], t[4], t[5], {"L", "C", "f", "D", "N", "l"}};
    QTest::newRow(nome) << modo << testi << l << mostrato << messaggio << errore;
}
// The converter's formulas: each on its arguments, quantities (the scroll bars' values are whole numbers),
// as a double; a row gives them and the figure or the run-time error.
enum Formula { Induttanza, Spaziatura, Spire, Taglio, Meta, Filo, InduttanzaBarre, SpaziaturaBarre };
double Applica(int formula, const QList<double> &x)
{
    const auto q = [&x](int i) { return ToQuantity(x[i]); };
    switch (formula) {
    case Induttanza:
        return FromQuantity(CoilInductance(q(0), q(1), q(2)));
    case Spaziatura:
        return FromQuantity(Spacing(q(0), q(1)));
    case Spire:
        return FromQuantity(TurnsForInductance(q(0), q(1), q(2)));
    case Taglio:
        return FromQuantity(CutToTenth(q(0)));
    case Meta:
        return Halves(q(0));
    case Filo:
        return FromQuantity(WireLength(q(0), q(1), q(2)));
    case InduttanzaBarre:
        return FromQuantity(ScrollInductance(q(0), int(x[1]), int(x[2])));
    default:
        return ScrollSpacing(int(x[0]), int(x[1]));
    }
}
void conversione(const char *n, Formula f, QList<double> x, double v, int e = 0)
{
    QTest::newRow(n) << int(f) << x << v << e;
}
} // namespace

class TestCalcolo : public QObject
{
    Q_OBJECT
private slots:
    void calcolo_data()
    {
        columns<int, TestiIngresso, QLocale, QStringList, QString, int>("modo", "testi", "locale", "mostrato",
                                                                        "messaggio", "errore");
        riga("1 frequency", 1, {"10", "100"}, us, {"5.033"});
        riga("1 L x C 0.00015 to even 0.0002", 1, {"0.003", "0.05"}, us, {"11,253.888"});
        riga("2 inductance", 2, {"", "100", "7"}, us, {"5.169"});
        riga("3 capacitance", 3, {"10", "", "7"}, us, {"51.694"});
        riga("4 coil inductance", 4, {"", "", "", "20", "20", "30"}, us, {"4.103"});
        riga("5 turns", 5, {"4.1026", "", "", "20", "", "30"}, us, {"20.0"});
        riga("5 length 0 is not refused", 5, {"4.1026", "", "", "20", "", "0"}, us, {"9.6"});
        riga("6 turns for resonance", 6, {"", "100", "7", "20", "", "30"}, us, {"22.5"});
        riga("7 at 7 MHz", 7, {"", "", "7"}, us, {"8.3", "390.0", "390.0", "1.893"});
        riga("7 at 0.1 MHz, C 10000", 7, {"", "", "0.1"}, us, {"0.2", "10,000.0", "10,000.0", "132.500"});
        riga("7 at 265 MHz, C of exactly 10 kept", 7, {"", "", "265"}, us,
             {"318.0", "10.0", "10.0", "0.050"});
        riga("7 at 803.03 MHz, C 3.3 takes 3.9", 7, {"", "", "803.03"}, us, {"886.4", "3.9", "3.9", "0.017"});
        riga("7 at 2500 MHz, C under 1.2", 7, {"", "", "2500"}, it, {"3.004,8", "1,1", "1,1", "0,005"});
        riga("no mode chosen", 0, {"10", "100", "7"}, us, {""}, "Errore non contemplato!");
        riga("1 L 0", 1, {"0", "100"}, us, {""}, "nel campo \"L\" il valore \"0\" non va bene");
        riga("6 length 0", 6, {"", "100", "7", "20", "", "0"}, us, {""}, "Mettere i valori: nel campo \"l\"");
        riga("7 f 0.00005 reads 0", 7, {"", "", "0.00005"}, us, {""}, "Mettere il valore: nel campo \"f\"");
        riga("1 L x C rounds to 0", 1, {"0.001", "0.04"}, us, {""},
             "Causa: \"L\" vale 0.001, \"C\" vale 0.04.", 11);
    }
    void calcolo()
    {
        QFETCH(int, modo);
        QFETCH(TestiIngresso, testi);
        QFETCH(QLocale, locale);
        QFETCH(QString, messaggio);
        EsitoCalcolo esito;
        QString causa;
        QTEST(errorOf([&] {
                  try {
                      esito = EseguiCalcolo(static_cast<std::int16_t>(modo), tabella, testi, locale);
                  } catch (const RuntimeError &e) {
                      causa = e.detail();
                      throw;
                  }
              }),
              "errore");
        QTEST((esito.passaBasso ? QStringList{esito.SEO, esito.LblC1, esito.LblC2, esito.LblFT}
                                : QStringList{esito.SEO}),
              "mostrato");
        QVERIFY2((esito.testoMessaggio + causa).contains(messaggio),
                 qPrintable(esito.testoMessaggio + causa));
        QCOMPARE(esito.messaggio, !esito.testoMessaggio.isEmpty());
        QCOMPARE(esito.critico, modo == 0);
    }
    void formule_data()
    {
        columns<int, QList<double>, double, int>("formula", "x", "atteso", "errore");
        conversione("L of the opening coil", Induttanza, {50, 75, 35}, 204.5455);
        conversione("L with 0.45 D rounded to 0.05", Induttanza, {100, 0.1111, 0.0001}, 2.4637);
        conversione("L with length + 0.45 D = 0", Induttanza, {50, 10, -4.5}, 0, 11);
        conversione("spacing 27 / 62 to four decimals", Spaziatura, {27, 62}, 0.4355);
        conversione("turns for 204.5455 uH on 70 mm", Spire, {204.5455, 70, 25.69}, 48.8604);
        conversione("cut -0.05 down to -0.1", Taglio, {-0.05}, -0.1);
        conversione("halves of 0.25, half to even 0", Meta, {0.25}, 0);
        conversione("halves of 16383.75 beyond 16 bits", Meta, {16383.75}, 0, 6);
        conversione("wire of N 53.7, D 70, length 37.59", Filo, {53.7, 70, 37.59}, 11.8093);
        conversione("wire with pi squared as 9.8696", Filo, {16000, 1000, 0}, 50265.4713);
        conversione("bars 109 and 75 on D 70", InduttanzaBarre, {70, 109, 75}, 210.9308);
        conversione("bars with 0.45 D not rounded", InduttanzaBarre, {0.1111, 2000, 0}, 246.8889);
    }
    void formule()
    {
        QFETCH(int, formula);
        QFETCH(QList<double>, x);
        double risultato = 0;
        QTEST(errorOf([&] { risultato = Applica(formula, x); }), "errore");
        QTEST(risultato, "atteso");
    }
};

QTEST_APPLESS_MAIN(TestCalcolo)
#include "tst_calcolo.moc"
