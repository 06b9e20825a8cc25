// SPDX-License-Identifier: GPL-3.0-or-later
// The windows as a person uses them: clicks, typing and keys, then what shows. Every figure on show belongs
// to the inputs beside it: a refused field is named in the one message of its window and leaves no result
// of another coil, and the converter's new column is one coil, the one its sheet describes.
#include "common/columns.h"
#include "common/windowtest.h"
#include "numbers/val.h"
#include "toolkit/cutmark.h"

#include <QAccessible>
#include <QKeySequence>
#include <QTabBar>
#include <QTextBrowser>
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
// a run-time report), "boxes=", "ends=", "passes=", "Modo=", "loaded=Form1", "unloaded=Form1", "focus=Name",
// "help=page", "Name.tip~part", "Name.tip=" (no note), "Name.reads=x" (the text reads back as x),
// "Name.on=1", "Name.cut=1" (marked as cut, the whole figure in the tooltip), "Name.value=" (what a screen
// reader reads).
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
    const QMap<QString, qsizetype> counts{{"boxes", test.boxes.size()},
                                          {"ends", test.ends},
                                          {"passes", test.app->Converter().PassiUltimaRicerca()},
                                          {"Modo", test.app->Calculator().Modo}};
    if (counts.contains(name))
        return key + QString::number(counts[name]);
    if (name == QLatin1String("focus"))
        return key + (test.window->focusWidget() ? test.window->focusWidget()->objectName() : QString());
    if (name.endsWith(QLatin1String("loaded")))
        return test.form(value).IsLoaded() == (name == QLatin1String("loaded")) ? check : key;
    if (name == QLatin1String("help")) {
        auto *help = qobject_cast<QTextBrowser *>(HelpWindow());
        return key + (help && help->isVisible() ? help->source().path().mid(6) : QString());
    }
    QWidget *w = test.control(name);
    const QString property = check.section(u'.', 1).section(QRegularExpression("[=~]"), 0, 0);
    if (property == QLatin1String("tip"))
        return key.endsWith(u'~') && w->toolTip().contains(value) ? check : key + w->toolTip();
    if (property == QLatin1String("reads")) {
        const FieldReading read = ReadField(test.text(name), QLocale());
        const bool same = read.kind == FieldReading::Kind::Number
            && qAbs(read.value - value.toDouble()) <= 1e-9 * qMax(1.0, qAbs(value.toDouble()));
        return same ? check : key + test.text(name);
    }
    if (property == QLatin1String("on"))
        return key + QString::number(test.control<QAbstractButton>(name)->isChecked());
    if (property == QLatin1String("value"))
        return key + QAccessible::queryAccessibleInterface(w)->text(QAccessible::Value);
    if (property == QLatin1String("cut")) { // the mark on show, and the whole figure where the pointer rests
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
    const auto row = [](const QString &name, const char *locale, const QString &steps, const QString &shown,
                        const char *language = "it") {
        QTest::newRow(qPrintable(name)) << language << locale << steps << shown;
    };
    // The menu: each tab's page (the pictures, the two texts, Vai al programma) and the program it opens.
    const char *pages[] = {"11000|loaded=Form2", "00000|loaded=Form1", "00000|loaded=Form2",
                           "00011|focus=cmdOK", "00100|unloaded=Form1"};
    for (int tab = 1; tab <= 5; ++tab) {
        QString shown = QString(pages[tab - 1]).section(u'|', 1);
        for (int i = 0; i < 5; ++i)
            shown += u'|' + QStringList{"Picture1", "Image1", "Text1", "Text2", "cmdOK"}[i]
                + (pages[tab - 1][i] == '1' ? "?" : "!");
        row(QString("tab %1").arg(tab), "C", QString("tab:%1 tab:%2").arg(tab == 1 ? 3 : 1).arg(tab), shown);
    }
    row("a click on the selected tab opens again", "C", "tab:2 open:Form1 Command1 tab:2", "loaded=Form1");
    row("Vai al programma", "C", "tab:4 cmdOK", "loaded=Form3|unloaded=Form1");
    row("Enter on the page", "C", "tab:4 Text2 focus<Return", "loaded=Form3");
    row("other keys do not step", "C", "frmOptions<Ctrl+B frmOptions<Tab tab:4 Text2 focus<Space",
        "unloaded=Form1|unloaded=Form3");
    row("Ctrl+Tab steps, and wraps", "C", "frmOptions<Ctrl+Tab tab:5 frmOptions<Ctrl+Tab",
        "loaded=Form1|Picture1?|Text1!");
    row("Esc in the menu", "C", "frmOptions<Esc", "ends=1");
    row("Esc in a program", "C", "open:Form1 Cmd1<Esc", "ends=0");
    row("END, the last window", "C", "cmdApply", "ends=1|unloaded=frmOptions");
    row("END with a program open", "C", "open:Form2 open:frmOptions cmdApply", "ends=0|loaded=Form2");
    row("F1 in the converter, in English", "C", "open:Form3 TextDIA2<F1", "help=en/convertitore.html", "en");
    row("F1 caption in the designer", "C", "open:Form2 Label2", "help=progettista.html");
    // The calculator: each mode shows its own fields, and a result only beside what it was computed from.
    const char *fields[] = {"110000", "011000", "101000", "000111", "100101", "011101", "001000"};
    for (int mode = 1; mode <= 7; ++mode) {
        QString shown = QString("Modo=%1|SEO=").arg(mode);
        for (int i = 0; i < 6; ++i)
            shown += QString("|Text%1%2").arg(i + 1).arg(fields[mode - 1][i] == '1' ? '?' : '!');
        row(QString("mode %1 after a result").arg(mode), "C",
            QString("open:Form1 Cmd4 Text4=20 Text5=20 Text6=20 CmdKalc Cmd%1").arg(mode), shown);
    }
    row("mode 7 fills the schematic", "it_IT", "open:Form1 Cmd7 Text3=7 CmdKalc",
        "SEO=8,3|LblC1=390,0|LblC2=390,0|LblFT=1,893|LblFT?|LblC1?|Image3?|Image1!");
    row("the schematic's values go with the mode", "C", "open:Form1 Cmd7 Text3=7 CmdKalc Cmd7",
        "LblC1!|SEO=");
    row("mode 6 note", "C", "open:Form1 Cmd6 Text3=7 Text2=100 Text4=20 Text6=30 CmdKalc",
        "SEO.tip~richiesta, per cui la formula classica ha dato le spire|SEO.tip~Con la capacità propria "
        "(100 + ");
    row("no mode chosen", "C", "open:Form1 CmdKalc", "box!~Errore non contemplato!");
    row("mode kept across a reopening", "C", "open:Form1 Cmd2 Command1 open:Form1 CmdKalc",
        "Modo=2|Text2!|box~Mettere i valori: nel campo \"Frequenza Mhz\" il valore \"0\"");
    row("a result too long for its box", "it_IT", "open:Form1 Cmd2 Text3=0,01 Text2=0,01 CmdKalc",
        "SEO=25.330.000.000,000|SEO.cut=1");
    // Every text the program writes into a field that a later action reads reads back as the figure shown.
    const char *writes[][3] = {
        {"grouped inductance", "open:Form1 Cmd2 Text3=0.01 Text2=0.01 CmdKalc", "SEO.reads=2.533e10"},
        {"low-pass cut-off", "open:Form1 Cmd7 Text3=2504 CmdKalc", "SEO.reads=3004.8"},
        {"departure coil", "open:Form3 TextLUN=35.7 Command1", "TextLUN.reads=35.7|TextSPZ.reads=0.71"},
        {"steps",
         "open:Form2 DiamSup=40.5 Spire=1.5 Cap1=2.25 Option1@0 Cmdpiu1 Option3@0 piu10c Option4@0 Cmdpiu1",
         "DiamSup.reads=41.5|Spire.reads=11.5|Cap1.reads=3.25"},
        {"locked length", "open:Form2 Spire=103 CmdCalc Aggancia Spire Cmdpiu1",
         "LunBob.reads=55.5339805825243"},
    };
    for (const char *locale : {"en_US", "it_IT"})
        for (const auto &[name, steps, shown] : writes)
            row(QString("%1 reads back, %2").arg(name, locale), locale,
                QString(steps).replace(u'.', QLocale(locale).decimalPoint()), shown);
    // The designer: its coil at load, its notes, its steps within their bounds, the lock, square coils.
    row("designer at load", "it_IT", "open:Form2",
        "MicroH=265,205|Spaz=0,50|Freq1=,512|Freq2=1,652|FiloCm=13,823|Label9=|focus=DiamSup|Image1?|Image2!|"
        "FiloCm.tip~misurato sul supporto");
    row("frequency notes", "it_IT", "open:Form2 Cap2 Cmdpiu1",
        "Freq2.tip~Con la capacità propria (36 + 1,9 pF): |MicroH.tip~Capacità propria (Medhurst): 1,9 pF");
    row("an empty capacitance: no frequency, no note", "C", "open:Form2 Cap2= CmdCalc", "Freq2= |Freq2.tip=");
    row("a click in a field selects its row", "C", "open:Form2 Cap1 Cmdpiu1",
        "Option4.on=1|Cap1=366|Freq1=.511");
    // Each row, chosen by a click in its field (another row chosen first), steps by 1 from a half inside its
    // lower bound, and from 1 below its upper bound onto it, by 10 from there: each steps once, then stops.
    const char *bounds[][5] = {{"Option5@0", "DiamSup", "4.5 3.5", "999 1000", "a"},
                               {"Option1@0", "LunBob", "1.5 0.5", "499 500", "b"},
                               {"Option2@0", "Spire", "1.5 0.5", "499 500", "c"},
                               {"Option3@0", "Cap1", "1.5 0.5", "1999 2000", "d"},
                               {"Option4@0", "Cap2", "1.5 0.5", "1999 2000", "e"}};
    for (const auto &[other, f, low, high, tens] : bounds) {
        const auto step = [&](const char *from, const char *steps) {
            return QString("open:Form2 %1 %2=%3 %4").arg(other, f, QString(from).section(u' ', 0, 0), steps);
        };
        row(QString("bounds of ") + f, "C", step(low, "Cmdmeno1 Cmdmeno1"),
            f + QString("=") + QString(low).section(u' ', 1));
        row(QString("upper bound of ") + f, "C", step(high, "Cmdpiu1 Cmdpiu1 piu10") + tens,
            f + QString("=") + QString(high).section(u' ', 1));
    }
    row("lock: length follows the turns", "C", "open:Form2 CmdBlock Spire piu10c",
        "Aggancia=Spaziatura agganciata|Image2?|Image1!|Spire=120|LunBob=60");
    row("a length step lets the lock go", "C", "open:Form2 CmdBlock LunBob Cmdpiu1",
        "Aggancia=Spaziatura sganciata|LunBob=56|Image1?|Image2!");
    row("square coils", "C", "open:Form2 Option6@0 DiamSup Cmdpiu1", "DiamSup=41|LunBob=41");
    row("half steps, and a ten-step selects its row", "C", "open:Form2 piu05 piu05 meno05 piu10e",
        "DiamSup=40.5|Cap2=45|Option5.on=1");
    row("a step may cross the bound", "C", "open:Form2 DiamSup=995 piu10a",
        "DiamSup=1005|Label9=lato cm 89.0");
    row("a long label result", "C", "open:Form2 Spire=5000 DiamSup=5000 CmdCalc",
        "MicroH=271,149,674.620|MicroH.cut=1|Spaz.cut=0");
    // The converter: it opens true in the locale, and its new column is the coil the bars hold.
    row("converter at opening", "it_IT", "open:Form3",
        "TextDIA1=75,00|TextSPZ=0,70|TextDIA2=70,00|TextIND=204,546|LabelIND2=|FiloCm=|focus=TextDIA2|"
        "TextIND.tip~Bobina: diametro 75 mm, lunghezza 35 mm, 50 spire");
    row("conversion", "C", "open:Form3 Command1",
        "TextIND=204.546|TextLUN=35|passes=6|VScroll1=108|VScroll2=75|LabelSPI=54.00|LabelLUN=37.5|LabelSPZ="
        "0.69|LabelIND2=207.078|FiloCm=11.875|LabelIND2.tip~Bobina: diametro 70 mm, lunghezza 37.5 mm, 54 "
        "spire");
    row("a stuck pass goes on by a tenth", "C",
        "open:Form3 TextDIA1=10 TextSPI=62 TextLUN=27 TextDIA2=75 Command1",
        "LabelSPI=9.00|VScroll1=18|passes=3");
    row("lower arrow of the turns", "C", "open:Form3 Command1 VScroll1@1",
        "VScroll1=109|LabelSPI=54.50|LabelLUN=37.5|LabelIND2=210.931|FiloCm=11.985");
    row("upper arrow of the length", "it_IT", "open:Form3 Command1 VScroll2@2",
        "VScroll2=74|LabelIND2=208,590|LabelLUN=37,0");
    row("bars do nothing before a conversion", "C", "open:Form3 VScroll1@1", "VScroll1=1|LabelIND2=");
    row("bars at no turns show no coil", "C", "open:Form3 Command1 Command2 open:Form3 VScroll1@1 VScroll1@2",
        "LabelSPI=0.00|LabelIND2=|FiloCm=|boxes=0");
    row("departure length read back", "it_IT", "open:Form3 TextLUN=35,7 Command1 Command1",
        "TextLUN=35,7|TextIND=202,484");
    row("a tiny new diameter names its cause", "C", "open:Form3 TextDIA2=0.1 Command1",
        "box!~Causa: \"Diametro mm (Nuovi dati)\" vale 0.1.|TextIND=204.546|LabelIND2=");
    row("Ctrl+A on a bar ends the program", "C", "open:Form3 VScroll2<Ctrl+A", "ends=1");
    row("Ctrl+A in a field does not, nor A on a bar", "C", "open:Form3 TextDIA2<Ctrl+A VScroll1<A", "ends=0");
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
    columns<QString, QString, QString, QString, QString>("window", "before", "field", "text", "said");
    const auto row = [](const char *window, const char *before, const char *field, const char *text,
                        const char *said) {
        QTest::addRow("%s %s %s", window, field, text) << window << before << field << text << said;
    };
    row("Form1", "Cmd4", "Text4", "-5",
        "Mettere i valori: nel campo \"Diam. Supp. mm.\" il valore \"-5\" non va bene");
    row("Form1", "Cmd4", "Text5", "abc",
        "Mettere i valori: nel campo \"Spire\" il testo \"abc\" non è un numero.");
    row("Form1", "Cmd4", "Text6", "1e300",
        "Mettere i valori: nel campo \"Lungh.bobina\" il valore \"1e300\" è troppo");
    row("Form1", "Cmd7", "Text3", "", "Mettere il valore: nel campo \"Frequenza Mhz\" manca il valore.");
    row("Form2", "", "DiamSup", "-5",
        "Nel campo \"Diametro supporto\" il valore \"-5\" non va bene: deve essere");
    row("Form2", "", "LunBob", "-20", "Nel campo \"Lunghezza bobina\" il valore \"-20\" non va bene");
    row("Form2", "", "DiamSup", "1e300",
        "Nel campo \"Diametro supporto\" il valore \"1e300\" è troppo grande");
    row("Form2", "", "Spire", "abc", "Nel campo \"Spire\" il testo \"abc\" non è un numero.");
    row("Form2", "", "Cap1", "1e300", "Nel campo \"pF Capacità 1\" il valore \"1e300\" è troppo grande");
    row("Form2", "", "DiamSup", "1e-200",
        "Nel campo \"Diametro supporto\" il valore \"1e-200\" è troppo piccolo");
    row("Form3", "", "TextLUN", "0",
        "Nel campo \"Lunghezza bobina mm (Dati di partenza)\" il valore \"0\" non va");
    row("Form3", "", "TextDIA2", "1e300",
        "Nel campo \"Diametro mm (Nuovi dati)\" il valore \"1e300\" è troppo");
    row("Form3", "", "TextSPI", "", "Nel campo \"Spire (Dati di partenza)\" manca il valore.");
    row("Form3", "", "TextDIA1", "abc",
        "Nel campo \"Diametro mm (Dati di partenza)\" il testo \"abc\" non è");
}

void TestWindows::refusal()
{
    QFETCH(QString, window);
    QFETCH(QString, before);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, said);
    WindowTest test;
    test.open(window);
    const QString go =
        QMap<QString, QString>{{"Form1", "CmdKalc"}, {"Form2", "CmdCalc"}, {"Form3", "Command1"}}[window];
    if (!before.isEmpty()) // a mode with all its fields filled
        for (const QString &step :
             QStringList{before, "Text1=10", "Text2=100", "Text3=7", "Text4=20", "Text5=20", "Text6=30"})
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
    for (const QString &bar : {"", "VScroll1@1", "VScroll2@2", "VScroll2@2", "VScroll1@2"}) {
        test.window = converter;
        if (!bar.isEmpty())
            perform(test, bar);
        const QStringList shown{test.text("LabelIND2"), test.text("LabelSPZ"), test.text("FiloCm")};
        const QString turns = test.text("LabelSPI"), length = test.text("LabelLUN");
        const QString sheet = WindowTest::sheet()->findChild<QLabel *>("LabelBobina")->text();
        test.open("Form2");
        for (const QString &step :
             QStringList{"DiamSup=60", "LunBob=" + length, "Spire=" + turns, "CmdCalc", "CmdScheda"})
            perform(test, step);
        QCOMPARE(QStringList({test.text("MicroH"), test.text("Spaz"), test.text("FiloCm")}), shown);
        QString designerSheet;
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top->objectName() == QLatin1String("SchedaBobina")
                && top->windowTitle().contains("progettista"))
                designerSheet = top->findChild<QLabel *>("LabelBobina")->text();
        QCOMPARE(sheet, designerSheet);
        test.click("Cmdesci");
    }
    QVERIFY(test.boxes.isEmpty());
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
