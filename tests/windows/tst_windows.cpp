// SPDX-License-Identifier: GPL-3.0-or-later
// The windows as a person uses them: clicks, typing and keys, then what shows. Every figure on show belongs
// to the inputs beside it: a refused field is named in the one message of its window and leaves no result
// of another coil, and the converter's new column is one coil, the one its sheet describes.
#include "common/columns.h"
#include "common/windowtest.h"
#include "toolkit/cutmark.h"

#include <QKeySequence>
#include <QTabBar>
#include <QToolTip>

class TestWindows : public QObject
{
    Q_OBJECT
private slots:
    void scenario_data();
    void scenario();
    void refusal_data();
    void refusal();
    void converterShowsOneCoil();
    void tenStepsChooseTheirRow();
    void language();
};

namespace {

// A step: "open:Form1", "tab:4", "Name" (click), "Name@2" (its third click point: a bar's upper arrow),
// "Name=text" (type over), "Name<Ctrl+Tab" (a key to the control; "focus<Return" to the focus widget).
void perform(WindowTest &test, const QString &step)
{
    if (step.startsWith(QLatin1String("open:"))) {
        test.open(step.mid(5));
    } else if (step.startsWith(QLatin1String("tab:"))) {
        test.window = test.app->Menu().Window();
        auto *tabs = test.control<QTabBar>("tbsOptions");
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(step.mid(4).toInt() - 1).center());
    } else if (step.contains(u'<')) {
        const QKeyCombination key = QKeySequence::fromString(step.section(u'<', 1))[0];
        const QString name = step.section(u'<', 0, 0);
        QWidget *target = name == QLatin1String("focus") ? QApplication::focusWidget() : test.control(name);
        QTest::keyClick(target, key.key(), key.keyboardModifiers());
    } else if (step.contains(u'=')) {
        test.type(step.section(u'=', 0, 0), step.section(u'=', 1));
    } else {
        test.click(step.section(u'@', 0, 0), step.section(u'@', 1).toInt());
    }
}

// What shows: "Name=text", "Name?" (shown, whole inside its window) or "Name!" (hidden), "box~part" ("box!~"
// a run-time report), "ends=", "passes=", "Modo=", "loaded=Form1", "unloaded=Form1", "focus=Name",
// "help=page", "Name.tip~part", "Name.tip=" (no note), "Name.on=1", "Name.cut=1" (marked as cut, the whole
// figure in the tooltip).
QString observe(WindowTest &test, const QString &check)
{
    const QString name = check.section(QRegularExpression("[=~?!.]"), 0, 0);
    const QString key = check.left(check.indexOf(QRegularExpression("[=~]")) + 1);
    const QString value = check.mid(key.size());
    if (name == QLatin1String("box")) {
        for (const CaughtBox &box : test.boxes)
            if (box.text.contains(value) && box.kind.endsWith(u'!') == check.startsWith(QLatin1String("box!"))
                && box.title == QLatin1String("Solenorium") && box.buttons == 1)
                return check;
        return "box: " + (test.boxes.isEmpty() ? QString() : test.boxes.last().text);
    }
    if (check.endsWith(u'?') || check.endsWith(u'!')) {
        QWidget *w = test.control(name);
        const QRect inWindow = w->geometry().translated(w->parentWidget()->mapTo(test.window, QPoint()));
        return name + (w->isVisibleTo(test.window) && test.window->rect().contains(inWindow) ? u'?' : u'!');
    }
    const QMap<QString, qsizetype> counts{{"ends", test.ends},
                                          {"passes", test.app->Converter().PassiUltimaRicerca()},
                                          {"Modo", test.app->Calculator().Modo}};
    if (counts.contains(name))
        return key + QString::number(counts[name]);
    if (name == QLatin1String("focus"))
        return key + (test.window->focusWidget() ? test.window->focusWidget()->objectName() : QString());
    if (name == QLatin1String("help")) {
        const QWidget *help = HelpWindow();
        return key + (help && help->isVisible() ? help->property("source").toUrl().path().mid(6) : QString());
    }
    if (name.endsWith(QLatin1String("loaded")))
        return test.form(value).IsLoaded() == (name == QLatin1String("loaded")) ? check : key;
    QWidget *w = test.control(name);
    const QString property = check.section(u'.', 1).section(QRegularExpression("[=~]"), 0, 0);
    if (property == QLatin1String("tip"))
        return key.endsWith(u'~') && w->toolTip().contains(value) ? check : key + w->toolTip();
    if (property == QLatin1String("on"))
        return key + QString::number(test.control<QAbstractButton>(name)->isChecked());
    // The mark on show, and the whole figure where the pointer rests.
    if (property == QLatin1String("cut")) {
        QHelpEvent hover(QEvent::ToolTip, w->rect().center(), w->mapToGlobal(w->rect().center()));
        QApplication::sendEvent(w, &hover);
        const QWidget *mark = w->findChild<QWidget *>("cutMark");
        const bool shown = IsCut(w) && mark && mark->isVisibleTo(test.window);
        return key + QString::number(shown && QToolTip::text().startsWith(test.text(name)));
    }
    return key + test.text(name);
}

// The results of each window: none may stand beside inputs it was not computed from.
const QMap<QString, QStringList> kResults{
    {"Form1", {"SEO", "LblC1!", "LblC2!", "LblFT!"}},
    {"Form2", {"Spaz", "MicroH", "Freq1", "Freq2", "FiloCm", "Label9", "Label10"}},
    {"Form3", {"TextIND", "TextSPZ", "LabelIND2", "LabelSPI", "LabelLUN", "LabelSPZ", "FiloCm"}}};

} // namespace

// Each scenario: its steps apart by blanks, what must show apart by "|".
void TestWindows::scenario_data()
{
    columns<QString, QString, QString, QString>("language", "locale", "steps", "shown");
    const auto row = [](const char *name, const char *steps, const char *shown, const char *locale = "C",
                        const char *language = "it") {
        QTest::newRow(name) << language << locale << steps << shown;
    };
    // The menu: each tab its page and its program.
    row("tab 1, the picture", "tab:3 tab:1", "Picture1?|Text1!|Text2!|cmdOK!|loaded=Form2");
    row("tab 5, the why", "tab:5", "Picture1!|Text1?|Text2!|cmdOK!|unloaded=Form1");
    row("clicking the open tab opens again", "tab:2 open:Form1 Command1 tab:2", "loaded=Form1");
    row("Vai al programma", "tab:4 cmdOK", "loaded=Form3|unloaded=Form1");
    row("other keys do not step", "frmOptions<Ctrl+B frmOptions<Tab tab:4 Text2 focus<Space",
        "unloaded=Form1|unloaded=Form3");
    row("Ctrl+Tab steps, and wraps", "frmOptions<Ctrl+Tab tab:5 frmOptions<Ctrl+Tab",
        "loaded=Form1|Picture1?|Text1!");
    row("Esc in the menu", "frmOptions<Esc", "ends=1");
    row("END, the last window", "cmdApply", "ends=1|unloaded=frmOptions");
    row("END with a program open", "open:Form2 open:frmOptions cmdApply", "ends=0|loaded=Form2");
    row("English F1 help", "open:Form3 TextDIA2<F1", "help=en/convertitore.html", "C", "en");
    // The calculator: each mode shows its own fields, and a result only beside what it was computed from.
    row("a mode shows its fields, no result of another", "open:Form1 Cmd7 Text3=7 CmdKalc Cmd1",
        "Modo=1|SEO=|LblC1!|Text1?|Text2?|Text3!");
    row("mode 7 fills the schematic", "open:Form1 Cmd7 Text3=7 CmdKalc",
        "SEO=8,3|LblC1=390,0|LblC2=390,0|LblFT=1,893|LblFT?|LblC1?|Image3?|Image1!", "it_IT");
    row("mode 6 note", "open:Form1 Cmd6 Text3=7 Text2=100 Text4=20 Text6=30 CmdKalc",
        "SEO.tip~richiesta, per cui la formula classica ha dato le spire|"
        "SEO.tip~Con la capacità propria (100 + ");
    row("no mode chosen", "open:Form1 CmdKalc", "box!~Errore non contemplato!");
    row("mode kept across a reopening", "open:Form1 Cmd2 Command1 open:Form1 CmdKalc",
        "Modo=2|Text2!|box~Mettere i valori: nel campo \"Frequenza Mhz\" il valore \"0\"");
    row("a result too long for its box", "open:Form1 Cmd2 Text3=0,01 Text2=0,01 CmdKalc",
        "SEO=25.330.000.000,000|SEO.cut=1", "it_IT");
    // The designer: its coil at load, its notes, its steps within their bounds, the lock, square coils.
    row("designer at load", "open:Form2",
        "MicroH=265,205|Spaz=0,50|Freq1=,512|Freq2=1,652|FiloCm=13,823|Label9=|focus=DiamSup|"
        "Image1?|Image2!|FiloCm.tip~misurato sul supporto",
        "it_IT");
    // With the coil's own capacitance across the capacitor: 1 / (2π √(265.205 µH · 37.89 pF)) = 1.588 MHz.
    row("frequency notes", "open:Form2 Cap2 Cmdpiu1",
        "Freq2.tip~(36 + 1,9 pF): 1,588 MHz|MicroH.tip~Capacità propria (Medhurst): 1,9 pF", "it_IT");
    row("a capacitance below 0 or empty: no frequency, no note", "open:Form2 Cap1=-5 Cap2= CmdCalc",
        "Freq1= |Freq2= |Freq2.tip=");
    row("a former of 250 mm: its square loop", "open:Form2 DiamSup=250 CmdCalc",
        "MicroH=4,514.925|Freq1=.124|FiloCm=86.394|Label9=lato cm 22.2|Label10=diagon. cm 31.3");
    row("500 turns on 1 m: the wire is π N D", "open:Form2 DiamSup=1000 Spire=500 CmdCalc",
        "Spaz=0.11|MicroH=495,049.505|Freq2=.038|FiloCm=1570.796");
    row("a small coil at 202 MHz, to the kHz", "open:Form2 DiamSup=10 LunBob=10 Spire=3 Cap1=10 CmdCalc",
        "Spaz=3.33|MicroH=0.062|Freq1=202.013");
    row("a click picks its row", "open:Form2 Cap1 Cmdpiu1", "Option4.on=1|Cap1=366|Freq1=.511");
    // Each row, chosen by a click in its field (another row chosen first), steps by 1 from a half inside its
    // lower bound, and from 1 below its upper bound onto it, by 10 from there: each steps once, then stops.
    row("DiamSup at 3.5", "open:Form2 Option5@0 DiamSup=4.5 Cmdmeno1 Cmdmeno1", "DiamSup=3.5");
    row("DiamSup at 1000", "open:Form2 Option5@0 DiamSup=999 Cmdpiu1 Cmdpiu1 piu10a", "DiamSup=1000");
    row("LunBob at 0.5", "open:Form2 Option1@0 LunBob=1.5 Cmdmeno1 Cmdmeno1", "LunBob=0.5");
    row("LunBob at 500", "open:Form2 Option1@0 LunBob=499 Cmdpiu1 Cmdpiu1 piu10b", "LunBob=500");
    row("Spire at 0.5", "open:Form2 Option2@0 Spire=1.5 Cmdmeno1 Cmdmeno1", "Spire=0.5");
    row("Spire at 500", "open:Form2 Option2@0 Spire=499 Cmdpiu1 Cmdpiu1 piu10c", "Spire=500");
    row("Cap1 at 0.5", "open:Form2 Option3@0 Cap1=1.5 Cmdmeno1 Cmdmeno1", "Cap1=0.5");
    row("Cap1 at 2000", "open:Form2 Option3@0 Cap1=1999 Cmdpiu1 Cmdpiu1 piu10d", "Cap1=2000");
    row("Cap2 at 0.5", "open:Form2 Option4@0 Cap2=1.5 Cmdmeno1 Cmdmeno1", "Cap2=0.5");
    row("Cap2 at 2000", "open:Form2 Option4@0 Cap2=1999 Cmdpiu1 Cmdpiu1 piu10e", "Cap2=2000");
    row("lock: length follows the turns", "open:Form2 CmdBlock Spire piu10c",
        "Aggancia=Spaziatura agganciata|Image2?|Image1!|Spire=120|LunBob=60");
    row("a length step lets the lock go", "open:Form2 CmdBlock LunBob Cmdpiu1",
        "Aggancia=Spaziatura sganciata|LunBob=56|Image1?|Image2!");
    row("square coils", "open:Form2 Option6@0 DiamSup Cmdpiu1", "DiamSup=41|LunBob=41");
    row("half steps of the diameter", "open:Form2 piu05 piu05 meno05", "DiamSup=40.5");
    row("crossing the bound", "open:Form2 DiamSup=995 piu10a", "DiamSup=1005|Label9=lato cm 89.0");
    row("a long label result", "open:Form2 Spire=5000 DiamSup=5000 CmdCalc",
        "MicroH=271,149,674.620|MicroH.cut=1|Spaz.cut=0");
    // The converter: it opens true in the locale, and its new column is the coil the bars hold.
    row("converter at opening", "open:Form3",
        "TextDIA1=75,00|TextSPZ=0,70|TextDIA2=70,00|TextIND=204,546|LabelIND2=|FiloCm=|"
        "focus=TextDIA2|TextIND.tip~Bobina: diametro 75 mm, lunghezza 35 mm, 50 spire",
        "it_IT");
    row("conversion", "open:Form3 Command1",
        "TextIND=204.546|TextLUN=35|passes=6|VScroll1=108|VScroll2=75|LabelSPI=54.00|"
        "LabelLUN=37.5|LabelSPZ=0.69|LabelIND2=207.078|FiloCm=11.875|"
        "LabelIND2.tip~Bobina: diametro 70 mm, lunghezza 37.5 mm, 54 spire");
    row("a stuck pass goes on by a tenth",
        "open:Form3 TextDIA1=10 TextSPI=62 TextLUN=27 TextDIA2=75 Command1",
        "LabelSPI=9.00|VScroll1=18|passes=3");
    row("lower arrow of the turns", "open:Form3 Command1 VScroll1@1",
        "VScroll1=109|LabelSPI=54.50|LabelLUN=37.5|LabelIND2=210.931|FiloCm=11.985");
    row("upper arrow of the length", "open:Form3 Command1 VScroll2@2",
        "VScroll2=74|LabelIND2=208,590|LabelLUN=37,0", "it_IT");
    row("bars do nothing before a conversion", "open:Form3 VScroll1@1", "VScroll1=1|LabelIND2=");
    row("bars at no turns show no coil", "open:Form3 Command1 Command2 open:Form3 VScroll1@1 VScroll1@2",
        "LabelSPI=0.00|LabelIND2=|FiloCm=");
    row("another new diameter typed: the bars wait", "open:Form3 Command1 TextDIA2=60 VScroll1@1",
        "LabelSPI=|FiloCm=");
    row("reopened on another diameter: the bars wait",
        "open:Form3 TextDIA2=60 Command1 Command2 open:Form3 VScroll1@1", "LabelIND2=");
    row("departure length read back", "open:Form3 TextLUN=35,7 Command1 Command1",
        "TextLUN=35,7|TextIND=202,484", "it_IT");
    row("a tiny new diameter names its cause", "open:Form3 TextDIA2=0.1 Command1",
        "box!~Causa: \"Diametro mm (Nuovi dati)\" vale 0.1.|TextIND=204.546|LabelIND2=");
    row("Ctrl+A on a bar ends the program", "open:Form3 VScroll2<Ctrl+A", "ends=1");
    row("Ctrl+A in a field, A on a bar", "open:Form3 TextDIA2<Ctrl+A VScroll1<A", "ends=0");
}

void TestWindows::scenario()
{
    QFETCH(QString, language);
    QFETCH(QString, locale);
    QFETCH(QString, steps);
    QFETCH(QString, shown);
    WindowTest test(locale, language);
    QVERIFY(QTest::qWaitForWindowExposed(test.window));
    for (const QString &step : steps.split(u' ', Qt::SkipEmptyParts))
        perform(test, step);
    QStringList seen;
    for (const QString &check : shown.split(u'|'))
        seen << observe(test, check);
    QCOMPARE(seen, shown.split(u'|'));
    if (!shown.contains(QLatin1String("box")))
        QCOMPARE(test.boxes.size(), 0);
}

// Each window after a good computation: one field typed over, the computation asked for again. The message
// names the field and its text; every result is empty (or hidden), none of the coil before.
void TestWindows::refusal_data()
{
    columns<QString, QString, QString, QString>("window", "field", "text", "said");
    const auto row = [](const char *window, const char *field, const char *text, const char *said) {
        QTest::addRow("%s %s %s", window, field, text) << window << field << text << said;
    };
    row("Form1", "Text4", "-5", "valori: nel campo \"Diam. Supp. mm.\" il valore \"-5\" non va");
    row("Form1", "Text5", "abc", "nel campo \"Spire\" il testo \"abc\" non è un numero.");
    row("Form1", "Text6", "1e300", "nel campo \"Lungh.bobina\" il valore \"1e300\" è troppo");
    row("Form1", "Text3", "", "Mettere il valore: nel campo \"Frequenza Mhz\" manca il valore.");
    row("Form2", "DiamSup", "-5", "Nel campo \"Diametro supporto\" il valore \"-5\" non va bene");
    row("Form2", "Spire", "abc", "Nel campo \"Spire\" il testo \"abc\" non è un numero.");
    row("Form2", "Cap1", "1e300", "\"pF Capacità 1\" il valore \"1e300\" è troppo grande");
    row("Form2", "DiamSup", "1e-200", "supporto\" il valore \"1e-200\" è troppo piccolo");
    row("Form3", "TextLUN", "0", "\"Lunghezza bobina mm (Dati di partenza)\" il valore \"0\"");
    row("Form3", "TextDIA2", "1e300", "\"Diametro mm (Nuovi dati)\" il valore \"1e300\" è troppo");
    row("Form3", "TextSPI", "", "Nel campo \"Spire (Dati di partenza)\" manca il valore.");
}

void TestWindows::refusal()
{
    QFETCH(QString, window);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, said);
    WindowTest test;
    test.open(window);
    const QString go =
        QMap<QString, QString>{{"Form1", "CmdKalc"}, {"Form2", "CmdCalc"}, {"Form3", "Command1"}}[window];
    if (window == QLatin1String("Form1")) // the mode that reads the field (7 the frequency, 4 the coil's)
        for (const char *step : {field == QLatin1String("Text3") ? "Cmd7" : "Cmd4", "Text1=10", "Text2=100",
                                 "Text3=7", "Text4=20", "Text5=20", "Text6=30"})
            perform(test, step);
    test.click(go);
    if (window != QLatin1String("Form1"))
        test.click("CmdScheda");
    QVERIFY(test.boxes.isEmpty() && !test.text(kResults[window].first().section(u'!', 0, 0)).isEmpty());
    test.type(field, text);
    test.click(go);
    QCOMPARE(test.boxes.size(), 1);
    QVERIFY2(test.boxes[0].kind == QLatin1String("msgBox") && test.boxes[0].text.contains(said),
             qPrintable(test.boxes[0].text));
    for (const QString &result : kResults[window])
        QVERIFY2(result.endsWith(u'!') ? !test.control(result.chopped(1))->isVisible()
                                       : test.text(result).isEmpty(),
                 qPrintable(result + u'=' + test.text(result.section(u'!', 0, 0))));
    QCOMPARE(test.text(field), text);         // the field as the user left it
    if (QWidget *sheet = WindowTest::sheet()) // the sheet empties and says why
        QVERIFY(sheet->findChild<QLabel *>("LabelLClassica")->text().isEmpty()
                && sheet->findChild<QLabel *>("LabelAvviso")->text().contains(said));
    QCOMPARE(WindowTest::sheet() != nullptr, window != QLatin1String("Form1"));
}

// After the search and after each bar, the new column's turns, length, spacing, inductance and wire are those
// the designer shows for the same coil, and the sheet describes it as the designer's sheet does.
void TestWindows::converterShowsOneCoil()
{
    WindowTest test("it_IT");
    QWidget *converter = test.open("Form3");
    test.type("TextDIA2", "60");
    test.click("Command1");
    test.click("CmdScheda");
    for (const char *bar : {"", "VScroll1@1", "VScroll2@2", "VScroll2@2", "VScroll1@2"}) {
        test.window = converter;
        if (*bar)
            perform(test, bar);
        const QStringList shown{test.text("LabelIND2"), test.text("LabelSPZ"), test.text("FiloCm")};
        const QString turns = test.text("LabelSPI"), length = test.text("LabelLUN");
        const QString sheet = WindowTest::sheet()->findChild<QLabel *>("LabelBobina")->text();
        test.open("Form2");
        for (const QString &step :
             QStringList{"DiamSup=60", "LunBob=" + length, "Spire=" + turns, "CmdCalc", "CmdScheda"})
            perform(test, step);
        QCOMPARE(QStringList({test.text("MicroH"), test.text("Spaz"), test.text("FiloCm")}), shown);
        QCOMPARE(sheet, WindowTest::sheet("progettista")->findChild<QLabel *>("LabelBobina")->text());
        test.click("Cmdesci");
    }
    QVERIFY(test.boxes.isEmpty());
}

// Each ten-step chooses its own row, another chosen before it, so that the steps of 1 move the field just
// stepped.
void TestWindows::tenStepsChooseTheirRow()
{
    WindowTest test;
    test.open("Form2");
    for (int i = 0; i < 10; ++i) { // meno10a, piu10a, meno10b ... piu10e, rows 1 to 5
        test.click(QString("Option%1").arg((i / 2 + 1) % 5 + 1));
        test.click(QString(i % 2 ? "piu10" : "meno10") + QChar(u'a' + i / 2));
        QVERIFY2(test.control<QAbstractButton>(QString("Option%1").arg(i / 2 + 1))->isChecked(),
                 qPrintable(QString::number(i)));
    }
}
// The first language the system asks for decides: Italian for "it", alone or with a region or an encoding.
void TestWindows::language()
{
    const char *asked[] = {"it", "it-IT", "it_CH", "it.UTF-8",
                           "IT", "its",   "en",    "en-IT"}; // then en, then it
    for (int i = 0; i < 8; ++i)
        QCOMPARE(LanguageOf({asked[i], i < 5 ? "en" : "it"}), i < 5 ? Language::Italian : Language::English);
    QCOMPARE(LanguageOf({}), Language::English);
}

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
