// SPDX-License-Identifier: GPL-3.0-or-later
// The converter's formulas without a window: its figures, the rounding to quantities, the run-time errors.
#include "common/columns.h"
#include "converter/conversione.h"
#include "numbers/runtimeerror.h"
#include <QTest>

namespace {
enum Formula { Induttanza, Spaziatura, Spire, Taglio, Meta, Filo, InduttanzaBarre, SpaziaturaBarre };
// The formula on its arguments (quantities; the scroll bars' values are whole numbers), as a double.
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
void riga(const char *n, Formula f, QList<double> x, double v, int e = 0)
{
    QTest::newRow(n) << int(f) << x << v << e;
}
} // namespace

class TestConversione : public QObject
{
    Q_OBJECT
private slots:
    void formule_data()
    {
        columns<int, QList<double>, double, int>("formula", "x", "atteso", "errore");
        riga("L of the default coil: N 50, D 75, length 35", Induttanza, {50, 75, 35}, 204.5455);
        riga("L with 0.45 D = 0.049995 as 0.05, not 2.4640", Induttanza, {100, 0.1111, 0.0001}, 2.4637);
        riga("L with length + 0.45 D = 0", Induttanza, {50, 10, -4.5}, 0, 11);
        riga("spacing 27 / 62 to four decimals", Spaziatura, {27, 62}, 0.4355);
        riga("turns for 204.5455 uH, D 70, length 25.69", Spire, {204.5455, 70, 25.69}, 48.8604);
        riga("turns with L x 0.45 D = 0.000045 as 0, not 0.2121", Spire, {0.0001, 1, 0}, 0);
        riga("cut -0.05 down to -0.1", Taglio, {-0.05}, -0.1);
        riga("halves of 0.25, half to even 0", Meta, {0.25}, 0);
        riga("halves of 16383.75 beyond 16 bits", Meta, {16383.75}, 0, 6);
        riga("wire of N 53.7, D 70, length 37.59", Filo, {53.7, 70, 37.59}, 11.8093);
        riga("wire with pi squared 9.8696, not 50265.4825", Filo, {16000, 1000, 0}, 50265.4713);
        riga("bars 109 and 75 on D 70", InduttanzaBarre, {70, 109, 75}, 210.9308);
        riga("bars with 0.45 D kept as 0.049995, not 246.8642", InduttanzaBarre, {0.1111, 2000, 0}, 246.8889);
        riga("bar spacing 75 / 108", SpaziaturaBarre, {108, 75}, 0.6944444444444444);
    }
    void formule()
    {
        QFETCH(int, formula);
        QFETCH(QList<double>, x);
        double risultato = 0;
        int errore = 0;
        try {
            risultato = Applica(formula, x);
        } catch (const RuntimeError &e) {
            errore = e.code();
        }
        QTEST(errore, "errore");
        QTEST(risultato, "atteso");
    }
};
QTEST_APPLESS_MAIN(TestConversione)
#include "tst_conversione.moc"
