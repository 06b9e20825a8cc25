// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's seven modes without a window: results, refusals that name their field, run-time errors
// that name their cause, standard capacitors.
#include "calculator/calcolo.h"
#include "common/columns.h"

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
    QTest::newRow(nome) << modo
                        << TestiIngresso{t[0], t[1], t[2], t[3], t[4], t[5], {"L", "C", "f", "D", "N", "l"}}
                        << l << mostrato << messaggio << errore;
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
        riga("1 L x C 0.00015 rounded half to even, 0.0002", 1, {"0.003", "0.05"}, us, {"11,253.888"});
        riga("2 inductance", 2, {"", "100", "7"}, us, {"5.169"});
        riga("3 capacitance", 3, {"10", "", "7"}, us, {"51.694"});
        riga("4 coil inductance", 4, {"", "", "", "20", "20", "30"}, us, {"4.103"});
        riga("5 turns", 5, {"4.1026", "", "", "20", "", "30"}, us, {"20.0"});
        riga("5 length 0 is not refused", 5, {"4.1026", "", "", "20", "", "0"}, us, {"9.6"});
        riga("6 turns for resonance", 6, {"", "100", "7", "20", "", "30"}, us, {"22.5"});
        riga("7 at 7 MHz", 7, {"", "", "7"}, us, {"8.3", "390.0", "390.0", "1.893"});
        riga("7 at 0.1 MHz, C over 8200 is 10000", 7, {"", "", "0.1"}, us,
             {"0.2", "10,000.0", "10,000.0", "132.500"});
        riga("7 at 803.3 MHz, C just below 3.3 takes 3.3", 7, {"", "", "803.3"}, us,
             {"963.6", "3.3", "3.3", "0.017"});
        riga("7 at 803.03 MHz, C exactly 3.3 takes 3.9", 7, {"", "", "803.03"}, us,
             {"886.4", "3.9", "3.9", "0.017"});
        riga("7 at 2500 MHz, C under 1.2 kept, it_IT", 7, {"", "", "2500"}, it,
             {"3.004,8", "1,1", "1,1", "0,005"});
        riga("no mode chosen", 0, {"10", "100", "7", "20", "20", "30"}, us, {""}, "Errore non contemplato!");
        riga("1 L 0", 1, {"0", "100"}, us, {""},
             "Mettere i valori: nel campo \"L\" il valore \"0\" non va bene");
        riga("2 C empty", 2, {"", "", "7"}, us, {""}, "Mettere i valori: nel campo \"C\" manca il valore.");
        riga("6 length 0", 6, {"", "100", "7", "20", "", "0"}, us, {""}, "Mettere i valori: nel campo \"l\"");
        riga("7 f 0.00005 read half to even as 0", 7, {"", "", "0.00005"}, us, {""},
             "Mettere il valore: nel campo \"f\"");
        riga("1 L x C rounds to 0: no division", 1, {"0.001", "0.04"}, us, {""},
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
};

QTEST_APPLESS_MAIN(TestCalcolo)
#include "tst_calcolo.moc"
