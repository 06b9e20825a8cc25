// SPDX-License-Identifier: GPL-3.0-or-later
// The designer's recalculation without a window: the results it shows, in order, until a fault stops it.
#include "common/columns.h"
#include "designer/ricalcolo.h"
#include "numbers/format.h"
const QLocale c = QLocale::c(), it(QLocale::Italian, QLocale::Italy);
class TestRicalcolo : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        QFETCH(QLocale, locale);
        QLocale::setDefault(locale);
    }
    // Fields D L N C1 C2. Shown, |-joined: spacing, µH, f1, f2 (or empty), wire, square side, diagonal.
    void ricalcolo_data()
    {
        columns<QLocale, QString, QString>("locale", "campi", "mostrato");
        QTest::newRow("load values, it_IT") << it << "40 55 110 365 35"
                                            << "0,50|265,205|,512|1,652|13,823";
        QTest::newRow("C1 2.5 under it_IT") << it << "40 55 110 2.5 35"
                                            << "0,50|265,205|6,181|1,652|13,823";
        QTest::newRow("C1 0 and C2 -5: no frequency") << c << "40 55 110 0 -5"
                                                      << "0.50|265.205|||13.823";
        QTest::newRow("D 250") << c << "250 55 110 365 35"
                               << "0.50|4,514.925|.124|.400|86.394|22.150|31.325";
        // 500 turns on 1000 mm: the wire is π N D to the metre's thousandth, 1570.796 m.
        QTest::newRow("D 1000, 500 turns") << c << "1000 55 500 365 35"
                                           << "0.11|495,049.505|.012|.038|1570.796|88.600|125.300";
        QTest::newRow("a small coil at 202 MHz, to the kHz") << c << "10 10 3 10 1000"
                                                             << "3.33|0.062|202.013|20.201|0.095";
    }
    void ricalcolo()
    {
        QFETCH(QString, campi);
        const auto campo = [&campi](int i, const char *nome) {
            return Variante(campi.section(u' ', i, i), nome);
        };
        const Variante D = campo(0, "Diametro supporto"), L = campo(1, "Lunghezza bobina"),
                       N = campo(2, "Spire");
        QStringList esiti;
        const auto mostra = [&esiti](std::optional<double> x, const char *p) {
            esiti << (x ? Format(*x, p) : "");
        };
        mostra(Ricalcolo::Spaziatura(L, N), "##0.00");
        const double induttanza = Ricalcolo::Induttanza(D, N, L);
        mostra(induttanza, "##,##0.000");
        mostra(Ricalcolo::Frequenza(induttanza, campo(3, "pF Capacità 1")), "###.000");
        mostra(Ricalcolo::Frequenza(induttanza, campo(4, "pF Capacità 2")), "###.000");
        mostra(Ricalcolo::Filo(D, N, L), "##0.000");
        if (const std::optional<double> lato = Ricalcolo::LatoQuadro(D))
            mostra(lato, "##0.000"), mostra(Ricalcolo::DiagonaleQuadro(*lato), "##0.000");
        QTEST(esiti.join(u'|'), "mostrato");
        // Two texts are joined (the square loop's captions); any other pair is added as numbers.
        QCOMPARE(QStringList({(Variante("1") + Variante("2")).ToText(),
                              (Variante(std::int16_t{1}) + Variante(2.5)).ToText()}),
                 QStringList({"12", QLocale().toString(3.5)}));
    }
};
QTEST_GUILESS_MAIN(TestRicalcolo)
#include "tst_ricalcolo.moc"
