// The windows as a person uses them: what reaches the handlers, what the
// boxes say, and what stays on show when a computation is refused or fails.
#include "common/windowtest.h"

#include <QTest>

class TestWindows : public QObject
{
    Q_OBJECT
private slots:
    void typedNumbers_data();
    void typedNumbers();
    void notesFollowSteps();
};

// Each row types one text into one field and presses the window's button. A
// refusal names the field and quotes the text, and changes nothing on show.
void TestWindows::typedNumbers_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("form");
    QTest::addColumn<QStringList>("steps"); // buttons to click, or field=text to type
    QTest::addColumn<QString>("said");      // the box's text, in part; empty: no box
    QTest::addColumn<QString>("shown");     // a control=text that shows afterwards

    const QStringList mode2{"Cmd2", "Text3=7"};
    QTest::newRow("calculator, en_US 2,5 refused")
        << "en_US" << "Form1" << (mode2 + QStringList{"Text2=2,5", "CmdKalc"})
        << "Nel campo \"Capacità  pF\" il testo \"2,5\" non si legge tutto come numero.\n\n"
           "Scrivere il numero senza unità, con il separatore decimale del sistema: 2.5"
        << "SEO=0";
    QTest::newRow("calculator, it_IT 40mm refused")
        << "it_IT" << "Form1" << (mode2 + QStringList{"Text2=40mm", "CmdKalc"}) << "sistema: 2,5" << "SEO=0";
    QTest::newRow("calculator, it_IT 100,5 read whole")
        << "it_IT" << "Form1" << (mode2 + QStringList{"Text2=100,5", "CmdKalc"}) << "" << "SEO=5,144";
    QTest::newRow("calculator, it_IT 1.591,540 read whole")
        << "it_IT" << "Form1" << (mode2 + QStringList{"Text2=1.591,540", "CmdKalc"}) << "" << "SEO=0,325";
    QTest::newRow("calculator, abc still reads 0")
        << "en_US" << "Form1" << (mode2 + QStringList{"Text2=abc", "CmdKalc"}) << "Mettere i valori" << "SEO=0";
    QTest::newRow("converter, en_US 70,5 refused")
        << "en_US" << "Form3" << QStringList{"TextDIA2=70,5", "Command1"}
        << "Nel campo \"Diametro mm (Nuovi dati)\" il testo \"70,5\"" << "TextSPZ=0.70";
    QTest::newRow("converter, it_IT 70,5 read whole")
        << "it_IT" << "Form3" << QStringList{"TextDIA2=70,5", "Command1"} << "" << "TextSPZ=0,70";
    QTest::newRow("designer, text in a field")
        << "en_US" << "Form2" << QStringList{"Spire=abc", "CmdCalc"}
        << "Errore di run-time '13':\n\nTipo non corrispondente\n\nNel campo \"Spire\" il testo \"abc\" non è un numero."
        << "Spaz=0.50";
    QTest::newRow("designer, no turns")
        << "it_IT" << "Form2" << QStringList{"Spire=0", "CmdCalc"}
        << "Errore di run-time '11':\n\nDivisione per zero\n\nCausa: \"Spire\" vale 0." << "Spaz=0,50";
    QTest::newRow("designer, step from text")
        << "en_US" << "Form2" << QStringList{"LunBob=5x", "Option2", "Cmdpiu1"}
        << "Nel campo \"Lunghezza bobina\" il testo \"5x\" non è un numero." << "LunBob=5x";
}

void TestWindows::typedNumbers()
{
    QFETCH(QString, locale);
    QFETCH(QString, form);
    QFETCH(QStringList, steps);
    QFETCH(QString, said);
    QFETCH(QString, shown);
    WindowTest test(locale);
    QVERIFY(QTest::qWaitForWindowExposed(test.open(form)));
    for (const QString &step : steps) {
        if (step.contains(u'='))
            test.type(step.section(u'=', 0, 0), step.section(u'=', 1));
        else
            test.click(step);
    }
    QCOMPARE(test.boxes.count(), said.isEmpty() ? 0 : 1);
    if (!said.isEmpty()) {
        QVERIFY2(test.boxes.texts().constFirst().contains(said), qPrintable(test.boxes.texts().constFirst()));
        QCOMPARE(test.boxes.boxes().constFirst().buttons, 1);
        QCOMPARE(test.boxes.boxes().constFirst().title, QStringLiteral("Solenorium"));
    }
    QCOMPARE(test.text(shown.section(u'=', 0, 0)), shown.section(u'=', 1));
}

// The frequency notes speak of the coil and capacitor on show after every step,
// and of none when the figure cannot be computed.
void TestWindows::notesFollowSteps()
{
    WindowTest test(QStringLiteral("it_IT"));
    test.open(QStringLiteral("Form2"));
    const auto note = [&](const char *name) { return test.control(QString::fromLatin1(name))->toolTip(); };
    QVERIFY2(note("Freq2").contains(QStringLiteral("Con la capacità propria (35 + ")), qPrintable(note("Freq2")));
    QVERIFY(note("Freq1").contains(QStringLiteral("(365 + ")));
    QVERIFY(note("MicroH").contains(QStringLiteral("Capacità propria (Medhurst): ")));
    test.type(QStringLiteral("Cap2"), QStringLiteral("35"));
    test.click(QStringLiteral("Cmdpiu1"));
    QVERIFY2(note("Freq2").contains(QStringLiteral("(36 + ")), qPrintable(note("Freq2")));
    test.type(QStringLiteral("Cap2"), QStringLiteral("0"));
    test.click(QStringLiteral("CmdCalc"));
    QCOMPARE(note("Freq2"), QString());
    QVERIFY(!note("Freq1").isEmpty());

    test.open(QStringLiteral("Form1"));
    test.click(QStringLiteral("Cmd6"));
    for (const auto &[field, value] : {std::pair{"Text3", "7"}, {"Text2", "100"}, {"Text4", "20"}, {"Text6", "30"}})
        test.type(QString::fromLatin1(field), QString::fromLatin1(value));
    test.click(QStringLiteral("CmdKalc"));
    QVERIFY2(note("SEO").contains(QStringLiteral("Con la capacità propria (100 + ")), qPrintable(note("SEO")));
}

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
