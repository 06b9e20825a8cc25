// The converter's formulas without a window: values of the default conversion
// pass by pass, the rounding to quantities where it shows, and the run-time
// error each fault raises.
#include "converter/conversione.h"
#include "numbers/runtimeerror.h"
#include "quantityprint.h"

#include <QTest>

namespace {

Quantity Q(double x)
{
    return ToQuantity(x);
}

enum Formula { Inductance, SpacingOf, Turns, Cut, HalvesOf, Wire, ScrollL, ScrollSpacingOf };

// The formula applied to its arguments, as a double for comparison.
double Apply(Formula formula, double a, double b, double c)
{
    switch (formula) {
    case Inductance:
        return FromQuantity(CoilInductance(Q(a), Q(b), Q(c)));
    case SpacingOf:
        return FromQuantity(Spacing(Q(a), Q(b)));
    case Turns:
        return FromQuantity(TurnsForInductance(Q(a), Q(b), Q(c)));
    case Cut:
        return FromQuantity(CutToTenth(Q(a)));
    case HalvesOf:
        return Halves(Q(a));
    case Wire:
        return FromQuantity(WireLength(Q(a), Q(b), Q(c)));
    case ScrollL:
        return FromQuantity(ScrollInductance(Q(a), int(b), int(c)));
    case ScrollSpacingOf:
        return ScrollSpacing(int(a), int(b));
    }
    return 0;
}

} // namespace

class TstConversione : public QObject
{
    Q_OBJECT
private slots:
    void formula_data();
    void formula();
    void searchPass_data();
    void searchPass();
};

void TstConversione::formula_data()
{
    QTest::addColumn<int>("formula");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("c");
    QTest::addColumn<double>("expected");
    QTest::addColumn<int>("error");

    // Inductance of turns, diameter, length.
    QTest::newRow("inductance, default departure coil") << int(Inductance) << 50.0 << 75.0 << 35.0 << 204.5455 << 0;
    QTest::newRow("inductance, fractional length") << int(Inductance) << 50.0 << 75.0 << 35.4 << 203.3623 << 0;
    QTest::newRow("inductance, stuck-pass departure") << int(Inductance) << 62.0 << 10.0 << 27.0 << 12.2032 << 0;
    // 0.45 x 0.1111 = 0.049995 is used as the quantity 0.05: unrounded it would give 2.4640.
    QTest::newRow("inductance, diameter term rounded") << int(Inductance) << 100.0 << 0.1111 << 0.0001 << 2.4637 << 0;
    QTest::newRow("inductance, denominator zero") << int(Inductance) << 50.0 << 10.0 << -4.5 << 0.0 << 11;
    QTest::newRow("inductance, zero over zero") << int(Inductance) << 50.0 << 0.0 << 0.0 << 0.0 << 6;

    // Spacing of length, turns.
    QTest::newRow("spacing, default") << int(SpacingOf) << 35.0 << 50.0 << 0.0 << 0.7 << 0;
    QTest::newRow("spacing, rounded to four decimals") << int(SpacingOf) << 27.0 << 62.0 << 0.0 << 0.4355 << 0;
    QTest::newRow("spacing, below a ten-thousandth") << int(SpacingOf) << 0.0001 << 50.0 << 0.0 << 0.0 << 0;
    QTest::newRow("spacing, zero turns") << int(SpacingOf) << 35.0 << 0.0 << 0.0 << 0.0 << 11;

    // Turns for inductance, diameter, length estimate.
    // 0.0001 x 0.45 = 0.000045 is the quantity 0: no turns, where the exact product gives 0.2121.
    QTest::newRow("turns, product rounded") << int(Turns) << 0.0001 << 1.0 << 0.0 << 0.0 << 0;
    // 0.45 x 0.1111 is used as 0.05 (unrounded 0.049995 gives 2012.5618).
    QTest::newRow("turns, diameter term rounded") << int(Turns) << 1000.0 << 0.1111 << 0.0 << 2012.6624 << 0;
    QTest::newRow("turns, new diameter zero, first pass") << int(Turns) << 204.5455 << 0.0 << 0.0 << 0.0 << 6;
    QTest::newRow("turns, new diameter zero, later pass") << int(Turns) << 204.5455 << 0.0 << 25.0 << 0.0 << 11;
    QTest::newRow("turns, negative new diameter") << int(Turns) << 204.5455 << -70.0 << 0.0 << 0.0 << 5;
    QTest::newRow("turns, negative inductance") << int(Turns) << -429.3893 << 70.0 << 0.0 << 0.0 << 5;

    QTest::newRow("cut, not rounded") << int(Cut) << 36.2999 << 0.0 << 0.0 << 36.2 << 0;
    QTest::newRow("cut, negative goes down") << int(Cut) << -0.05 << 0.0 << 0.0 << -0.1 << 0;

    QTest::newRow("halves, final default turns") << int(HalvesOf) << 53.8 << 0.0 << 0.0 << 108.0 << 0;
    QTest::newRow("halves, final default length") << int(HalvesOf) << 37.66 << 0.0 << 0.0 << 75.0 << 0;
    QTest::newRow("halves, half to even") << int(HalvesOf) << 0.25 << 0.0 << 0.0 << 0.0 << 0;
    QTest::newRow("halves, beyond 16 bits") << int(HalvesOf) << 16383.75 << 0.0 << 0.0 << 0.0 << 6;

    // Wire of turns, diameter, length.
    QTest::newRow("wire, default conversion") << int(Wire) << 53.7 << 70.0 << 37.59 << 11.8093 << 0;
    QTest::newRow("wire, stuck-pass example") << int(Wire) << 9.0 << 75.0 << 3.9195 << 2.1206 << 0;
    QTest::newRow("wire, no turns") << int(Wire) << 0.0 << 30.0 << 0.0 << 0.0 << 0;
    QTest::newRow("wire, straight") << int(Wire) << 0.0 << 70.0 << 100.0 << 0.1 << 0;
    // Large enough to show that pi squared is taken as 9.8696 (9.8696044 gives 50265.4825).
    QTest::newRow("wire, large coil") << int(Wire) << 16000.0 << 1000.0 << 0.0 << 50265.4713 << 0;

    // Scroll-bar inductance of diameter, v1, v2.
    QTest::newRow("scroll, one step in a reopened window") << int(ScrollL) << 70.0 << 1.0 << 0.0 << 0.0389 << 0;
    QTest::newRow("scroll, half a turn more") << int(ScrollL) << 70.0 << 109.0 << 75.0 << 210.9308 << 0;
    // Here 0.45 x D stays a double: 0.049995, where the quantity 0.05 would give 246.8642.
    QTest::newRow("scroll, diameter term not rounded") << int(ScrollL) << 0.1111 << 2000.0 << 0.0 << 246.8889 << 0;
    QTest::newRow("scroll, no diameter and no length") << int(ScrollL) << 0.0 << 2.0 << 0.0 << 0.0 << 6;
    QTest::newRow("scroll, denominator zero") << int(ScrollL) << -70.0 << 2.0 << 63.0 << 0.0 << 11;

    // Scroll-bar spacing of v1, v2.
    QTest::newRow("scroll spacing, default") << int(ScrollSpacingOf) << 108.0 << 75.0 << 0.0 << 75.0 / 108.0 << 0;
    QTest::newRow("scroll spacing, no turns") << int(ScrollSpacingOf) << 0.0 << 75.0 << 0.0 << 0.0 << 11;
    QTest::newRow("scroll spacing, neither") << int(ScrollSpacingOf) << 0.0 << 0.0 << 0.0 << 0.0 << 6;
}

void TstConversione::formula()
{
    QFETCH(int, formula);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, c);
    QFETCH(double, expected);
    QFETCH(int, error);

    double result = 0;
    int raised = 0;
    try {
        result = Apply(Formula(formula), a, b, c);
    } catch (const RuntimeError &fault) {
        raised = fault.code();
    }
    QCOMPARE(raised, error);
    if (error == 0)
        QCOMPARE(result, expected);
}

// One pass of the search from its length estimate: the turns solved and cut
// to the tenth, the length they take at the departure spacing, and their inductance.
void TstConversione::searchPass_data()
{
    QTest::addColumn<double>("inductance");
    QTest::addColumn<double>("diameter");
    QTest::addColumn<double>("spacing");
    QTest::addColumn<double>("estimate");
    QTest::addColumn<double>("solved");
    QTest::addColumn<double>("turns");
    QTest::addColumn<double>("length");
    QTest::addColumn<double>("newInductance");

    QTest::newRow("default pass 1") << 204.5455 << 70.0 << 0.7 << 0.0 << 36.262 << 36.2 << 25.34 << 112.969;
    QTest::newRow("default pass 2") << 204.5455 << 70.0 << 0.7 << 25.69 << 48.8604 << 48.8 << 34.16 << 177.7194;
    QTest::newRow("default pass 3") << 204.5455 << 70.0 << 0.7 << 34.51 << 52.493 << 52.4 << 36.68 << 197.3339;
    QTest::newRow("default pass 4") << 204.5455 << 70.0 << 0.7 << 37.03 << 53.4857 << 53.4 << 37.38 << 202.8549;
    QTest::newRow("default pass 5") << 204.5455 << 70.0 << 0.7 << 37.73 << 53.7581 << 53.7 << 37.59 << 204.517;
    QTest::newRow("default pass 6") << 204.5455 << 70.0 << 0.7 << 37.94 << 53.8396 << 53.8 << 37.66 << 205.0717;
    QTest::newRow("stuck example pass 1") << 12.2032 << 75.0 << 0.4355 << 0.0 << 8.5568 << 8.5 << 3.7018 << 10.8514;
    QTest::newRow("stuck example pass 2") << 12.2032 << 75.0 << 0.4355 << 3.9195 << 9.04 << 9.0 << 3.9195 << 12.0953;
    // (9.0 + 0.5) x 0.4355 = 4.13725, a quantity product: 4.1372. The turns stay at 9.0.
    QTest::newRow("stuck example pass 3") << 12.2032 << 75.0 << 0.4355 << 4.1372 << 9.0661 << 9.0 << 3.9195 << 12.0953;
}

void TstConversione::searchPass()
{
    QFETCH(double, inductance);
    QFETCH(double, diameter);
    QFETCH(double, spacing);
    QFETCH(double, estimate);
    QFETCH(double, solved);
    QFETCH(double, turns);
    QFETCH(double, length);
    QFETCH(double, newInductance);

    const Quantity raw = TurnsForInductance(Q(inductance), Q(diameter), Q(estimate));
    QCOMPARE(raw, Q(solved));
    const Quantity cut = CutToTenth(raw);
    QCOMPARE(cut, Q(turns));
    const Quantity newLength = cut * Q(spacing);
    QCOMPARE(newLength, Q(length));
    QCOMPARE(CoilInductance(cut, Q(diameter), newLength), Q(newInductance));
}

QTEST_APPLESS_MAIN(TstConversione)
#include "tst_conversione.moc"
