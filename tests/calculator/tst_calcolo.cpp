// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's seven modes without a window: results, messages, refusals, run-time errors, capacitors.
#include "calculator/calcolo.h"
#include "common/columns.h"

namespace {
const QLocale us(QLocale::English, QLocale::UnitedStates), it(QLocale::Italian, QLocale::Italy);
const QString valori = QStringLiteral("Mettere i valori"),
              nessunModo = QStringLiteral("Errore non contemplato!");
const TabellaValoriC tabella = [] {
    TabellaValoriC c{};
    CaricaValoriC(c);
    return c;
}();

// Texts by box: L Text1, C Text2, f Text3, D Text4, N Text5, length Text6. One outcome per row: the
// result box (in mode 7 then the labels C1, C2, L), a message, the field read only in part, or an error.
void riga(const char *nome, int modo, QStringList t, const QLocale &l, const QStringList &mostrato,
          const QString &messaggio = {}, int campo = 0, int errore = 0)
{
    t.resize(6);
    QTest::newRow(nome) << modo << TestiIngresso{t[0], t[1], t[2], t[3], t[4], t[5]} << l << mostrato
                        << messaggio << campo << errore;
}
} // namespace

class TestCalcolo : public QObject
{
    Q_OBJECT
private slots:
    void calcolo_data()
    {
        columns<int, TestiIngresso, QLocale, QStringList, QString, int, int>(
            "modo", "testi", "locale", "mostrato", "messaggio", "campo", "errore");
        riga("1 frequency", 1, {"10", "100"}, us, {"5.033"});
        riga("1 C 2,5 under it_IT", 1, {"10", "2,5"}, it, {"31,831"});
        riga("1 L x C 0.00015 rounded half to even, 0.0002", 1, {"0.0003", "0.5"}, us, {"11,253.888"});
        riga("2 inductance", 2, {"", "100", "7"}, us, {"5.169"});
        riga("3 capacitance", 3, {"10", "", "7"}, us, {"51.694"});
        riga("4 coil inductance", 4, {"", "", "", "20", "20", "30"}, us, {"4.103"});
        riga("5 turns", 5, {"4.1026", "", "", "20", "", "30"}, us, {"20.0"});
        riga("5 length 0 is not refused", 5, {"4.1026", "", "", "20", "", "0"}, us, {"9.6"});
        riga("6 turns for resonance", 6, {"", "100", "7", "20", "", "30"}, us, {"22.5"});
        riga("7 at 7 MHz", 7, {"", "", "7"}, us, {"8.3", "390.0", "390.0", "1.893"});
        riga("7 at 0.1 MHz, C over 8200 is 10000", 7, {"", "", "0.1"}, us,
             {"0.2", "10,000.0", "10,000.0", "132.500"});
        riga("7 at 265 MHz, C exactly 10 stays", 7, {"", "", "265"}, us, {"318.0", "10.0", "10.0", "0.050"});
        riga("7 at 803.3 MHz, C just below 3.3 takes 3.3", 7, {"", "", "803.3"}, us,
             {"963.6", "3.3", "3.3", "0.017"});
        riga("7 at 803.03 MHz, C exactly 3.3 takes 3.9", 7, {"", "", "803.03"}, us,
             {"886.4", "3.9", "3.9", "0.017"});
        riga("7 at 2200 MHz, C just above 1.2 takes 1.5", 7, {"", "", "2200"}, us,
             {"2,370.2", "1.5", "1.5", "0.006"});
        riga("7 at 2500 MHz, it_IT", 7, {"", "", "2500"}, it, {"3.004,8", "1,1", "1,1", "0,005"});
        riga("no mode chosen", 0, {"10", "100", "7", "20", "20", "30"}, us, {""}, nessunModo);
        riga("1 L 0", 1, {"0", "100"}, us, {""}, valori);
        riga("1 C negative", 1, {"10", "-100"}, us, {""}, valori);
        riga("2 f 0", 2, {"", "100", "0"}, us, {""}, valori);
        riga("2 C empty", 2, {"", "", "7"}, us, {""}, valori);
        riga("3 L letters read as 0", 3, {"abc", "", "7"}, us, {""}, valori);
        riga("3 f negative", 3, {"10", "", "-7"}, us, {""}, valori);
        riga("4 N 0", 4, {"", "", "", "20", "0", "30"}, us, {""}, valori);
        riga("4 length 0", 4, {"", "", "", "20", "20", "0"}, us, {""}, valori);
        riga("4 D 0", 4, {"", "", "", "0", "20", "30"}, us, {""}, valori);
        riga("5 D 0", 5, {"4.1", "", "", "0", "", "30"}, us, {""}, valori);
        riga("5 L 0", 5, {"0", "", "", "20", "", "30"}, us, {""}, valori);
        riga("6 f 0", 6, {"", "100", "0", "20", "", "30"}, us, {""}, valori);
        riga("6 C 0", 6, {"", "0", "7", "20", "", "30"}, us, {""}, valori);
        riga("6 D 0", 6, {"", "100", "7", "0", "", "30"}, us, {""}, valori);
        riga("6 length 0", 6, {"", "100", "7", "20", "", "0"}, us, {""}, valori);
        riga("7 f 0.00005 read half to even as 0", 7, {"", "", "0.00005"}, us, {""}, "Mettere il valore");
        riga("1 C 2,5 under en_US read in part", 1, {"10", "2,5"}, us, {""}, "", 2);
        riga("7 f 7,9 MHz under it_IT read in part", 7, {"", "", "7,9 MHz"}, it, {""}, "", 3);
        riga("1 L x C 0.00005 rounded half to even, 0", 1, {"0.0001", "0.5"}, us, {""}, "", 0, 11);
        riga("5 negative length under the root", 5, {"1", "", "", "20", "", "-100"}, us, {""}, "", 0, 5);
        riga("4 N beyond the quantity range", 4, {"", "", "", "20", "1e15", "30"}, us, {""}, "", 0, 6);
    }
    void calcolo()
    {
        QFETCH(int, modo);
        QFETCH(TestiIngresso, testi);
        QFETCH(QLocale, locale);
        EsitoCalcolo esito;
        QTEST(
            errorOf([&] { esito = EseguiCalcolo(static_cast<std::int16_t>(modo), tabella, testi, locale); }),
            "errore");
        QTEST((esito.passaBasso ? QStringList{esito.SEO, esito.LblC1, esito.LblC2, esito.LblFT}
                                : QStringList{esito.SEO}),
              "mostrato");
        QTEST(esito.testoMessaggio, "messaggio");
        QTEST(esito.campoIllegibile, "campo");
        QCOMPARE(esito.messaggio, !esito.testoMessaggio.isEmpty() || esito.campoIllegibile != 0);
        QCOMPARE(esito.critico, esito.testoMessaggio == nessunModo);
    }

    // 1 to 48: the E12 series from 1.2 to 10000 pF, built from its 12 base values, compared exactly; 0, 49,
    // 50: 0.
    void tabellaC_data()
    {
        columns<int, float>("indice", "valore");
        QList<float> serie{0};
        for (int decade = 1; decade <= 10000; decade *= 10)
            for (const int decimi : {10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82})
                if (decimi * decade >= 12 && decimi * decade <= 100000)
                    serie << static_cast<float>(decimi * decade / 10.0);
        serie << 0 << 0;
        for (int i = 0; i < serie.size(); ++i)
            QTest::addRow("C[%d] = %g pF", i, double(serie[i])) << i << serie[i];
    }
    void tabellaC()
    {
        QFETCH(int, indice);
        QFETCH(float, valore);
        QCOMPARE(double(tabella.at(std::size_t(indice))), double(valore));
    }
};

QTEST_APPLESS_MAIN(TestCalcolo)
#include "tst_calcolo.moc"
