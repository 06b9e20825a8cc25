// SPDX-License-Identifier: GPL-3.0-or-later
// The windows as a person uses them: what reaches the handlers, in which order,
// what the boxes say, what stays on show when a computation is refused or
// fails, and how the windows open, close and end the program. Each row is a
// scenario of clicks, typing and keys, then what must show.
#include "common/columns.h"
#include "common/windowtest.h"
#include "numbers/val.h"
#include "toolkit/colour.h"
#include "toolkit/definition.h"

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
    void language();
    void barValues();
};

namespace {

// A step: "open:Form1", "tab:4", "Name" (click), "Name@2" (click its third
// point: a bar's upper arrow), "Name=text" (type), "Name<Ctrl+Tab" (a key to
// the control, or to the focus widget for "focus<Return").
void perform(WindowTest &test, const QString &step)
{
    if (step.startsWith(QLatin1String("open:"))) {
        test.open(step.mid(5));
    } else if (step.startsWith(QLatin1String("tab:"))) {
        test.window = test.app->Menu().Window();
        auto *tabs = test.control<QTabBar>(QStringLiteral("tbsOptions"));
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
// What shows: "Name=text", "Name?" (visible), "Name!" (hidden), "focus=Name", "Name.tip~part", "Name.tip="
// (no note), "box~part" ("box!~part" with an error's icon), "boxes=N", "passes=N", "ends=N", "Modo=N",
// "loaded=Form1", "unloaded=Form1", "help=page.html", "Name.value=" (what a screen reader reads as the
// figure), "Name.cut=1" (marked as cut), "Name.hover~part" (the tooltip shown on hovering), "Name.on=1"
// (chosen), "Name.colour=", "Name.ink=", "Name.font=family size".
QString observe(WindowTest &test, const QString &check)
{
    const QString name = check.section(QRegularExpression(QStringLiteral("[=~?!.]")), 0, 0);
    const QString key = check.left(check.indexOf(QRegularExpression(QStringLiteral("[=~]"))) + 1);
    if (name == QLatin1String("box")) {
        const bool error = check.startsWith(QLatin1String("box!"));
        for (const CaughtBox &box : test.boxes)
            if (box.text.contains(check.mid(error ? 5 : 4)) && box.kind.endsWith(u'!') == error
                && box.title == QLatin1String("Solenorium") && box.buttons == 1)
                return check;
        return QStringLiteral("box: ") + (test.boxes.isEmpty() ? QString() : test.boxes.last().text);
    }
    if (check.endsWith(u'?') || check.endsWith(u'!'))
        return name
            + (test.control(name)->isVisibleTo(test.window) // shown, and whole inside its window
                       && test.window->rect().contains(test.control(name)->geometry().translated(
                           test.control(name)->parentWidget()->mapTo(test.window, QPoint())))
                   ? u'?'
                   : u'!');
    const QMap<QString, qsizetype> counts{{"boxes", test.boxes.size()},
                                          {"ends", test.ends},
                                          {"passes", test.app->Converter().PassiUltimaRicerca()},
                                          {"Modo", test.app->Calculator().Modo}};
    if (counts.contains(name))
        return key + QString::number(counts[name]);
    if (name == QLatin1String("focus"))
        return key + (test.window->focusWidget() ? test.window->focusWidget()->objectName() : QString());
    if (name.endsWith(QLatin1String("loaded")))
        return test.form(check.section(u'=', 1)).IsLoaded() == (name == QLatin1String("loaded")) ? check
                                                                                                 : key;
    if (name == QLatin1String("help")) {
        auto *help = qobject_cast<QTextBrowser *>(HelpWindow());
        return key
            + (help && help->isVisible() ? help->source().path().mid(6) + help->windowTitle() : QString());
    }
    if (check.contains(QLatin1String(".tip=")))
        return key + test.control(name)->toolTip();
    if (check.contains(QLatin1String(".tip~")))
        return test.control(name)->toolTip().contains(check.section(u'~', 1)) ? check
                                                                              : test.control(name)->toolTip();
    if (check.contains(QLatin1String(".value=")))
        return key + QAccessible::queryAccessibleInterface(test.control(name))->text(QAccessible::Value);
    if (QWidget *result = test.control(name); check.contains(QLatin1String(".cut="))) {
        // Marked on the side where it is cut (a label's left if aligned right), hiding what it covers: the
        // mark reaches that edge and is as wide as "…" and the last character that does not fit whole.
        const QWidget *mark = result->findChild<QWidget *>(QStringLiteral("cutMark"));
        const auto *label = qobject_cast<QLabel *>(result);
        const bool left = mark && mark->geometry().center().x() < result->width() / 2;
        const int ellipsis = result->fontMetrics().horizontalAdvance(u'…'),
                  edge = left ? mark->x()
            : mark            ? result->width() - mark->geometry().right()
                              : 0;
        const bool whole = mark && mark->autoFillBackground() && mark->width() >= ellipsis
            && mark->width() <= ellipsis + result->fontMetrics().maxWidth() && edge <= 4;
        return key
            + (whole && mark->isVisibleTo(test.window)
                       && left == (label && label->alignment() & Qt::AlignRight)
                   ? u'1'
                   : u'0');
    }
    if (QWidget *result = test.control(name);
        check.contains(QLatin1String(".hover~"))) { // the tooltip a person sees
        QHelpEvent hover(QEvent::ToolTip, result->rect().center(),
                         result->mapToGlobal(result->rect().center()));
        QApplication::sendEvent(result, &hover);
        return QToolTip::text().contains(check.section(u'~', 1)) ? check : key + QToolTip::text();
    }
    if (check.contains(QLatin1String(".reads="))) {
        // The text the program wrote, read back as every field is read.
        const FieldReading read = ReadField(test.text(name), QLocale());
        const double shown = check.section(u'=', 1).toDouble();
        const bool same = read.kind == FieldReading::Kind::Number
            && qAbs(read.value - shown) <= 1e-9 * qMax(1.0, qAbs(shown));
        return same ? check : key + test.text(name);
    }
    if (check.contains(QLatin1String(".name="))) // what a screen reader calls it
        return key + test.control(name)->accessibleName();
    if (QWidget *w = test.control(name);
        check.contains(QLatin1String(".colour=")) || check.contains(QLatin1String(".ink=")))
        return key
            + (key.endsWith(QLatin1String("ink="))
                   ? w->palette().color(QPalette::WindowText).name() // writing
                   : w->autoFillBackground() ? w->palette().color(QPalette::Button).name()
                                             : QString("unfilled")); // face
    if (check.contains(QLatin1String(".font=")))
        return key + test.control(name)->font().family() + u' '
            + QString::number(test.control(name)->font().pointSizeF());
    if (check.contains(QLatin1String(".on="))) // a radio button or a check box chosen
        return key + QString::number(test.control<QAbstractButton>(name)->isChecked());
    if (check.contains(QLatin1String(".cursor=")))
        return key + QString::number(test.control<QLineEdit>(name)->cursorPosition());
    return key + test.text(name);
}

} // namespace

void TestWindows::scenario_data()
{
    columns<QString, QString, QStringList, QStringList>("language", "locale", "steps", "shown");
    // Every scenario runs in Italian and in English; in English the checks
    // given in the last column stand for the Italian ones of the same control.
    const auto row = [](const char *name, const char *locale, const QStringList &steps,
                        const QStringList &shown, const QStringList &english = {}) {
        const auto control = [](const QString &check) {
            return check.section(QRegularExpression(QStringLiteral("[=~]")), 0, 0);
        };
        QStringList inEnglish = shown;
        for (const QString &check : english)
            for (QString &italian : inEnglish)
                if (control(italian) == control(check))
                    italian = check;
        QTest::addRow("%s, it", name) << "it-IT" << locale << steps << shown;
        QTest::addRow("%s, en", name) << "en" << locale << steps << inEnglish;
    };
    // The menu: each tab's page, the programs it opens, its keys.
    row("menu at start", "C", {},
        {"tbsOptionsPage?", "Picture1!", "Image1!", "Text1!", "Text2!", "cmdOK!", "cmdApply?",
         "unloaded=Form1", "Image1.name=ZORVEK", "Text2.name=Diametri", "Text1.name=Circa",
         "Text2.colour=#c0ffc0", "Text2.ink=#000040", "Text1.colour=#ffffc0", "cmdOK.colour=#e0e0e0",
         "frmOptions.colour=#ffe0c0"},
        {"Text2.name=Diameters", "Text1.name=About"});
    // Each tab shows its own page, and only it: the pictures, the two texts, the button.
    const char *pages[] = {"11000 loaded=Form2", "00000 loaded=Form1", "00000 loaded=Form2",
                           "00011 focus=cmdOK", "00100 unloaded=Form1"};
    for (int tab = 1; tab <= 5; ++tab) {
        QStringList shown{QString(pages[tab - 1]).section(u' ', 1)},
            page{"Picture1", "Image1", "Text1", "Text2", "cmdOK"};
        for (int i = 0; i < 5; ++i)
            shown << page[i] + (pages[tab - 1][i] == '1' ? u'?' : u'!');
        if (tab > 3) // the page of prose in its own font
            shown << QString("Text%1.font=Comic Sans MS 12").arg(6 - tab);
        row(qPrintable(QString("tab %1").arg(tab)), "C",
            {tab == 1 ? "tab:3" : "tab:1", QString("tab:%1").arg(tab)}, shown);
    }
    row("a click on the selected tab opens again", "C", {"tab:2", "open:Form1", "Command1", "tab:2"},
        {"loaded=Form1"});
    row("Shift+Tab in the menu keeps the tab", "C", {"tab:4", "focus<Shift+Tab"}, {"Text2?", "Text1!"});
    row("Vai al programma", "C", {"tab:4", "cmdOK"}, {"loaded=Form3", "unloaded=Form1"});
    row("Enter on Diametri", "C", {"tab:4", "focus<Return"}, {"loaded=Form3"});
    row("Enter on the page", "C", {"tab:4", "Text2", "focus<Return"}, {"focus=Text2", "loaded=Form3"});
    row("other keys on the page", "C", {"tab:4", "Text2", "focus<Space", "focus<Down"}, {"unloaded=Form3"});
    row("other keys do not step", "C", {"frmOptions<Ctrl+B", "frmOptions<Tab", "frmOptions<Return"},
        {"unloaded=Form1"});
    row("Enter without Vai al programma", "C", {"tab:5", "focus<Return"}, {"unloaded=Form3", "ends=0"});
    row("Ctrl+Tab steps", "C", {"frmOptions<Ctrl+Tab"}, {"loaded=Form1", "unloaded=Form2"});
    row("Ctrl+Tab wraps", "C", {"tab:5", "frmOptions<Ctrl+Tab"}, {"Picture1?", "Text1!"});
    row("Esc ends the program", "C", {"frmOptions<Esc"}, {"ends=1"});
    row("Esc in a program does not", "C", {"open:Form1", "Cmd1<Esc"}, {"ends=0", "loaded=Form1"});
    row("END, the last window", "C", {"cmdApply"}, {"ends=1", "unloaded=frmOptions"});
    row("END with a program open", "C", {"open:Form2", "open:frmOptions", "cmdApply"},
        {"ends=0", "loaded=Form2"});
    row("F1 in the menu", "C", {"tbsOptions<F1"}, {"help=menu.htmlGuida"}, {"help=en/menu.htmlHelp"});
    row("F1 in the converter", "C", {"open:Form3", "TextDIA2<F1"}, {"help=convertitore.htmlGuida"},
        {"help=en/convertitore.htmlHelp"});
    row("F1 caption in the designer", "C", {"open:Form2", "Label2"}, {"help=progettista.htmlGuida"},
        {"help=en/progettista.htmlHelp"});
    // The calculator: modes, results, refusals that change nothing.
    row("mode 1 after mode 7", "C", {"open:Form1", "Cmd7", "Cmd1", "Text1=10", "Text2=100", "CmdKalc"},
        {"SEO=5.033", "SEO.cut=0", "Risultato=Frequenza Mhz", "Text3!", "Image3!", "Image1?", "boxes=0",
         "Label2.ink=#000000", "Label2.colour=#ffe0c0"},
        {"Risultato=Frequency MHz"});
    row("mode 7 fills the schematic", "it_IT", {"open:Form1", "Cmd7", "Text3=7", "CmdKalc"},
        {"SEO=8,3", "LblC1=390,0", "LblC2=390,0", "LblFT=1,893", "LblFT?", "LblC1?", "LblC2?", "Image3?",
         "Image1!"});
    row("mode 4 note", "C", {"open:Form1", "Cmd4", "Text4=20", "Text5=20", "Text6=20", "CmdKalc"},
        {"SEO=5.517", "SEO.tip~Valore mostrato (formula classica): 5.517 µH", "Text1!", "Text4?"},
        {"SEO.tip~Value shown (classic formula): 5.517 µH"});
    row("mode 5 note", "C", {"open:Form1", "Cmd5", "Text1=265.205", "Text4=40", "Text6=55", "CmdKalc"},
        {"SEO=110.0", "SEO.tip~Induttanza richiesta, per cui"}, {"SEO.tip~Inductance asked for, from which"});
    row("refused keeps the result", "C",
        {"open:Form1", "Cmd1", "Text1=10", "Text2=100", "CmdKalc", "Text2=0", "CmdKalc"},
        {"box~Mettere i valori", "SEO=5.033", "SEO.tip~"}, {"box~Enter the values"});
    // Every text the program writes into a field that a later action reads
    // reads back, under both kinds of locale, as the figure shown.
    const struct
    {
        const char *name;
        QStringList steps;
        QStringList shown;
    } writes[] = {
        {"frequency", {"open:Form1", "Cmd1", "Text1=10", "Text2=100", "CmdKalc"}, {"SEO.reads=5.033"}},
        {"grouped inductance",
         {"open:Form1", "Cmd2", "Text3=0.01", "Text2=0.01", "CmdKalc"},
         {"SEO.reads=2.533e10"}},
        {"turns",
         {"open:Form1", "Cmd5", "Text1=265.205", "Text4=40", "Text6=55", "CmdKalc"},
         {"SEO.reads=110"}},
        {"low-pass cut-off", {"open:Form1", "Cmd7", "Text3=2504", "CmdKalc"}, {"SEO.reads=3004.8"}},
        {"departure coil",
         {"open:Form3", "TextLUN=35.7", "Command1"},
         {"TextLUN.reads=35.7", "TextSPZ.reads=0.71"}},
        {"departure inductance", {"open:Form3", "TextSPI=5000", "Command1"}, {"TextIND.reads=2045454.546"}},
        {"steps",
         {"open:Form2", "DiamSup=40.5", "Spire=1.5", "Cap1=2.25", "Option1@0", "Cmdpiu1", "Option3@0",
          "piu10c", "Option4@0", "Cmdpiu1"},
         {"DiamSup.reads=41.5", "Spire.reads=11.5", "Cap1.reads=3.25"}},
        {"locked length",
         {"open:Form2", "Spire=103", "CmdCalc", "Aggancia", "Spire", "Cmdpiu1"},
         {"LunBob.reads=55.5339805825243"}},
        {"square coil",
         {"open:Form2", "Option6@0", "DiamSup=40.5", "Option1@0", "Cmdmeno1"},
         {"LunBob.reads=39.5"}},
    };
    for (const char *locale : {"en_US", "it_IT"})
        for (const auto &w : writes)
            row(qPrintable(QString("%1 reads back, %2").arg(w.name, locale)), locale,
                QStringList(w.steps).replaceInStrings(".", QLocale(locale).decimalPoint()), w.shown);
    // Each mode button chooses its own computation and shows its own fields.
    const char *fields[] = {"110000", "011000", "101000", "000111", "100101", "011101", "001000"};
    for (int mode = 1; mode <= 7; ++mode) {
        QStringList shown{QString("Modo=%1").arg(mode), QString("Cmd%1.colour=#ffc0c0").arg(mode),
                          QString("Cmd%1.colour=#e0e0e0").arg(mode % 7 + 1)};
        for (int i = 0; i < 6; ++i)
            shown << QString("Text%1%2").arg(i + 1).arg(fields[mode - 1][i] == '1' ? '?' : '!');
        row(qPrintable(QString("mode button %1").arg(mode)), "C", {"open:Form1", QString("Cmd%1").arg(mode)},
            shown);
    }
    row("no mode chosen", "C", {"open:Form1", "CmdKalc"}, {"box!~Errore non contemplato!", "SEO=0"},
        {"box!~Unforeseen error!"});
    row("mode kept across a reopening", "C", {"open:Form1", "Cmd2", "Command1", "open:Form1", "CmdKalc"},
        {"Modo=2", "Text2!", "Cmd2=INDUTTANZA   dati frequenza e capacità", "box~Mettere i valori"},
        {"Cmd2=INDUCTANCE    from frequency and capacitance", "box~Enter the values"});
    row("calculator, en_US 2,5 refused", "en_US", {"open:Form1", "Cmd2", "Text3=7", "Text2=2,5", "CmdKalc"},
        {"box~Nel campo \"Capacità  pF\" il testo \"2,5\" non si legge tutto come numero.\n\n"
         "Scrivere il numero senza unità, con il separatore decimale del sistema: 2.5",
         "SEO=0"},
        {"box~In the field \"Capacitor pF\" the text \"2,5\" does not read as a number in full.\n\n"
         "Write the number without units, with the system's decimal separator: 2.5"});
    // The designer: steps, the lock, square coils, reports that name the field.
    row("designer at load", "it_IT", {"open:Form2"},
        {"MicroH=265,205", "MicroH.value=265,205", "Spaz=0,50", "Freq1=,512", "Freq2=1,652", "FiloCm=13,823",
         "Label9=", "focus=DiamSup", "Image1?", "Image2!"});
    // The notes follow every step, and none stands for a figure not computed.
    row("frequency notes", "it_IT", {"open:Form2"},
        {"Freq2.tip~Con la capacità propria (35 + 1,9 pF): 1,609 MHz", "Freq1.tip~(365 + ",
         "MicroH.tip~Capacità propria (Medhurst): 1,9 pF"},
        {"Freq2.tip~With the self-capacitance (35 + 1,9 pF): 1,609 MHz",
         "MicroH.tip~Self-capacitance (Medhurst): 1,9 pF"});
    row("frequency notes after a step", "it_IT", {"open:Form2", "Cap2", "Cmdpiu1"},
        {"Freq2.tip~(36 + 1,9 pF)"});
    row("no note without a frequency", "C", {"open:Form2", "Cap2=0", "CmdCalc"},
        {"Freq2.tip=", "Freq1.tip~(365 + "});
    row("turns note", "C", {"open:Form1", "Cmd6", "Text3=7", "Text2=100", "Text4=20", "Text6=30", "CmdKalc"},
        {"SEO.tip~richiesta, per cui la formula classica ha dato le spire",
         "SEO.tip~Con la capacità propria (100 + "},
        {"SEO.tip~asked for, from which the classic formula gave the turns",
         "SEO.tip~With the self-capacitance (100 + "});
    row("a click in a field selects its row", "C", {"open:Form2", "Cap1", "Cmdpiu1"},
        {"Option4.on=1", "Cap1=366", "Freq1=.511"});
    row("turns step", "C", {"open:Form2", "Spire", "Cmdmeno1"},
        {"Spire=109", "MicroH=260.405", "LunBob=55", "Image2!"});
    // Each row, chosen by a click in its field, steps by 1 from a half inside its lower bound, and from 1
    // below its upper bound onto it, by 10 from 10.5: each steps once, then stops; a ten-step chooses its
    // row; one it cannot take leaves the figures as they were, kept.
    const struct
    {
        const char *option, *field, *tens, *low, *high, *kept;
    } rows[] = {{"Option1", "DiamSup", "a", "3.5", "1000", "MicroH=265.205"},
                {"Option2", "LunBob", "b", "0.5", "500", "boxes=0"},
                {"Option3", "Spire", "c", "0.5", "500", "boxes=0"},
                {"Option4", "Cap1", "d", "0.5", "2000", "Freq1=.512"},
                {"Option5", "Cap2", "e", "0.5", "2000", "Freq2=1.652"}};
    for (const auto &r : rows) {
        const QString f = r.field, down = QString("meno10") + r.tens, up = QString("piu10") + r.tens;
        const QString low = QString::number(QString(r.low).toDouble() + 1),
                      high = QString::number(QString(r.high).toDouble() - 1);
        const QString other = QString("Option%1@0").arg(QString(r.option).back().digitValue() % 5 + 1);
        row(qPrintable("bounds of " + f), "C", {"open:Form2", other, f + "=" + low, "Cmdmeno1", "Cmdmeno1"},
            {f + "=" + r.low});
        row(qPrintable("ten-step bound of " + f), "C", {"open:Form2", f + "=10", other, down},
            {f + "=10", QString(r.option) + ".on=1", r.kept});
        row(qPrintable("a ten-step selects " + f), "C", {"open:Form2", f + "=10.5", down, down, other, up},
            {f + "=10.5", QString(r.option) + ".on=1"});
        row(qPrintable("upper bound of " + f), "C",
            {"open:Form2", other, f + "=" + high, "Cmdpiu1", "Cmdpiu1", up}, {f + "=" + r.high});
    }
    row("lock: length follows the turns", "C", {"open:Form2", "CmdBlock", "Spire", "piu10c"},
        {"Aggancia=Spaziatura agganciata", "Image2?", "Image1!", "Spire=120", "LunBob=60"},
        {"Aggancia=Spacing locked"});
    row("lock holds the spacing", "C", {"open:Form2", "Spire=103", "CmdCalc", "Aggancia", "Spire", "Cmdpiu1"},
        {"LunBob=55.5339805825243", "LunBob.cursor=0", "Spaz=0.53", "Image1!", "Image2?"});
    row("a length step lets the lock go", "C", {"open:Form2", "CmdBlock", "LunBob", "Cmdpiu1"},
        {"Aggancia=Spaziatura sganciata", "LunBob=56", "Image1?", "Image2!"}, {"Aggancia=Spacing unlocked"});
    row("square coils", "C", {"open:Form2", "Option6@0", "DiamSup", "Cmdpiu1"}, {"DiamSup=41", "LunBob=41"});
    row("square coils off again", "C", {"open:Form2", "Option6@0", "Option7@0", "DiamSup", "Cmdpiu1"},
        {"DiamSup=41", "LunBob=55"});
    row("half steps, and a ten-step selects its row", "C",
        {"open:Form2", "piu05", "piu05", "meno05", "piu10e"}, {"DiamSup=40.5", "Cap2=45", "Option5.on=1"});
    row("a step may cross the bound", "C", {"open:Form2", "DiamSup=995", "piu10a"},
        {"DiamSup=1005", "Label9=lato cm 89.0"}, {"Label9=side cm 89.0"});
    row("designer, an empty field", "en_US", {"open:Form2", "Spire=", "CmdCalc"},
        {"box!~Errore di run-time '13':\n\nTipo non corrispondente\n\nNel campo \"Spire\" il testo \"\" non "
         "è un numero.",
         "Spaz=", "MicroH=", "FiloCm="},
        {"box!~Run-time error '13':\n\nType mismatch\n\nIn the field \"Turns\" the text \"\" is not a "
         "number."});
    row("designer, no turns, window still usable", "it_IT",
        {"open:Form2", "Spire=0", "CmdCalc", "Spire=100", "CmdCalc"},
        {"box!~Errore di run-time '11':\n\nDivisione per zero\n\nCausa: \"Spire\" vale 0.", "Spaz=0,55"},
        {"box!~Run-time error '11':\n\nDivision by zero\n\nCause: \"Turns\" is 0."});
    row("designer, 300 mm then 0", "C",
        {"open:Form2", "DiamSup=300", "CmdCalc", "DiamSup=0", "Cap1=0.5", "Cap2=0", "CmdCalc"},
        {"box!~Errore di run-time '11':\n\nDivisione per zero\n\nCausa: \"Diametro supporto\" vale 0.",
         "Spaz=0.50", "MicroH=0.000",
         "Freq1=", "Freq2=", "FiloCm=", "Label9=", "Label10=", "Freq1.tip=", "MicroH.tip=", "DiamSup=0"},
        {"box!~Run-time error '11':\n\nDivision by zero\n\nCause: \"Former diameter\" is 0."});
    row("no diameter: no capacitance, no frequency", "C",
        {"open:Form2", "DiamSup=0", "Cap1=0", "Cap2=0", "CmdCalc", "Cap2=0.5", "CmdCalc"},
        {"boxes=1", "box!~Causa: \"Diametro supporto\" vale 0."}, {"box!~Cause: \"Former diameter\" is 0."});
    row("designer, it_IT 2.200 ambiguous", "it_IT", {"open:Form2", "Cap1=2.200", "CmdCalc"},
        {"box!~si può leggere in due modi: 2200 oppure 2,2.\n\nScrivere \"2200\" per il primo, \"2,2\" per "
         "il secondo.",
         "Freq1=", "Cap1=2.200"},
        {"box!~can be read two ways: 2200 or 2,2.\n\nWrite \"2200\" for the first, \"2,2\" for the second."});
    row("designer, step from text", "en_US", {"open:Form2", "LunBob=5x", "Option2@0", "Cmdpiu1"},
        {"box!~Nel campo \"Lunghezza bobina\" il testo \"5x\"", "LunBob=5x"},
        {"box!~In the field \"Coil length\" the text \"5x\" is not a number."});
    // The converter: the search, its stuck pass and its limit, the bars.
    row("conversion", "C", {"open:Form3", "Command1"},
        {"TextIND=204.546", "TextLUN=35", "LabelIND2=205.072", "LabelSPI=54.00", "LabelLUN=38",
         "LabelSPZ=0.69", "FiloCm=11.809", "VScroll1=108", "VScroll2=75", "passes=6",
         "LabelIND2.tip~classica): 205.072 µH, scarto +1.6 %\nBobina: diametro 70 mm, lunghezza 37.66 mm, "
         "53.8 spire",
         "TextIND.tip~Bobina: diametro 75 mm, lunghezza 35 mm, 50 spire"},
        {"LabelIND2.tip~classic formula): 205.072 µH, off by +1.6 %\nCoil: diameter 70 mm, length 37.66 mm, "
         "53.8 turns",
         "TextIND.tip~Coil: diameter 75 mm, length 35 mm, 50 turns"});
    row("a stuck pass goes on by a tenth", "C",
        {"open:Form3", "TextDIA1=10", "TextSPI=62", "TextLUN=27", "TextDIA2=75", "Command1"},
        {"LabelIND2=12.351", "LabelSPI=9.10", "FiloCm=2.121", "VScroll1=18", "passes=3"});
    row("a result too long for its box", "it_IT",
        {"open:Form1", "Cmd2", "Text3=0,01", "Text2=0,01", "CmdKalc"},
        {"SEO=25.330.000.000,000", "SEO.cut=1", "SEO.hover~25.330.000.000,000"});
    row("a long label result", "C", {"open:Form2", "Spire=500", "DiamSup=99999", "CmdCalc"},
        {"MicroH=55,487,181.655", "MicroH.cut=1", "MicroH.hover~55,487,181.655\n\n", "Spaz.cut=0"});
    row("a new diameter of 1 is one, 0 is refused", "it_IT",
        {"open:Form3", "TextDIA2=1", "Command1", "TextDIA2=0", "Command1"},
        {"box~\"Diametro mm (Nuovi dati)\" il testo \"0\" non va bene: il nuovo diametro deve essere "
         "maggiore di zero",
         "passes=2", "TextIND=204,546", "boxes=2"},
        {"box~\"Diameter mm (New coil)\" the text \"0\" will not do: the new diameter"});
    row("empty turns refused", "C", {"open:Form3", "TextSPI=", "Command1"},
        {"box~\"Spire (Dati di partenza)\" il testo \"\" non va bene: con 0 spire", "passes=0"},
        {"box~\"Turns (Original coil)\" the text \"\" will not do: with 0 turns"});
    row("new diameter 1e9", "C", {"open:Form3", "Command1", "TextDIA2=1e9", "Command1"},
        {"box!~Causa: \"Diametro mm (Nuovi dati)\" vale 1e9."},
        {"box!~Cause: \"Diameter mm (New coil)\" is 1e9."});
    row("a spacing too large names its field", "C", {"open:Form3", "TextSPZ=1e300", "Command1"},
        {"box!~Causa: \"Spaziatura mm (Dati di partenza)\" vale 1e300.", "TextSPZ=1e300"},
        {"box!~Cause: \"Spacing mm (Original coil)\""});
    row("departure length read back", "it_IT", {"open:Form3", "TextLUN=35,7", "Command1", "Command1"},
        {"TextLUN=35,7", "TextIND=202,484"});
    row("the same diameter gives the same coil", "C", {"open:Form3", "TextDIA2=75", "Command1"},
        {"LabelSPI=50.00", "passes=5"});
    row("length refused", "C", {"open:Form3", "TextLUN=0", "Command1"},
        {"box~correggere il valore di \"Lunghezza bobina mm\"", "passes=0", "LabelIND2="},
        {"box~correct \"Coil length mm\""});
    row("converter, en_US 70,5 refused", "en_US", {"open:Form3", "TextDIA2=70,5", "Command1"},
        {"box~Nel campo \"Diametro mm (Nuovi dati)\" il testo \"70,5\"", "TextSPZ=0.70", "TextIND=202.547"},
        {"box~\"Diameter mm (New coil)\" the text \"70,5\" does not read"});
    row("partial results before an overflow", "C", {"open:Form3", "TextLUN=35000", "Command1", "VScroll1@1"},
        {"box!~Errore di run-time '6'", "TextSPZ=700.00", "LabelSPI=26.00", "VScroll1=52"},
        {"box!~Run-time error '6'"});
    row("lower arrow of the turns", "C", {"open:Form3", "Command1", "VScroll1@1"},
        {"VScroll1=109", "LabelIND2=210.931", "LabelSPI=54.50", "LabelLUN=37.5", "LabelSPZ=0.69",
         "LabelIND2.tip~lunghezza 37.5 mm, 54.5 spire"},
        {"LabelIND2.tip~length 37.5 mm, 54.5 turns"});
    row("upper arrow of the length", "it_IT", {"open:Form3", "Command1", "VScroll2@2"},
        {"VScroll2=74", "LabelIND2=208,590", "LabelLUN=37,0"});
    row("bars do nothing before a conversion", "C", {"open:Form3", "VScroll1@1"},
        {"VScroll1=1", "LabelIND2="});
    row("bars use the last conversion after a reopening", "C",
        {"open:Form3", "Command1", "Command2", "open:Form3", "VScroll1@1"},
        {"LabelIND2=0.039", "LabelSPI=0.50"});
    row("Ctrl+A on a bar ends the program", "C", {"open:Form3", "VScroll2<Ctrl+A"}, {"ends=1"});
    row("Ctrl+A on the other bar too", "C", {"open:Form3", "VScroll1<Ctrl+A"}, {"ends=1"});
    row("a length just above 0 is a length", "C", {"open:Form3", "TextLUN=0.05", "Command1"},
        {"TextLUN=0.05", "passes=2"});
    row("spacing that rounds to 0 refused", "C", {"open:Form3", "TextLUN=1", "TextSPI=100000", "Command1"},
        {"box~La spaziatura di partenza", "passes=0"}, {"box~The original spacing"});
    row("Ctrl+A in a field does not, nor A or a key with no character on a bar", "C",
        {"open:Form3", "TextDIA2<Ctrl+A", "VScroll1<Up", "VScroll1<A"}, {"ends=0"});
}
void TestWindows::scenario()
{
    QFETCH(QString, language);
    QFETCH(QString, locale);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, shown);
    WindowTest test(locale, language);
    QVERIFY(QTest::qWaitForWindowExposed(test.window));
    for (const QString &step : steps)
        perform(test, step);
    QStringList seen;
    for (const QString &check : shown)
        seen << observe(test, check);
    QCOMPARE(seen, shown);
    if (!shown.join(u' ').contains(QLatin1String("box")))
        QCOMPARE(test.boxes.size(), 0);
}
// The first language the system asks for decides: Italian for "it", alone or with a region or an encoding.
void TestWindows::language()
{
    const char *asked[] = {"it", "it-IT", "it_CH", "it.UTF-8",
                           "IT", "its",   "en",    "en-IT"}; // then English, then Italian
    for (int i = 0; i < 8; ++i)
        QCOMPARE(LanguageOf({asked[i], i < 5 ? "en" : "it"}), i < 5 ? Language::Italian : Language::English);
    QCOMPARE(LanguageOf({}), Language::English);
}
// A bar takes 0 to 32767, as the program's bars always have; outside, run-time error 380. A colour written as
// text reads in either of the forms the definitions use.
void TestWindows::barValues()
{
    QCOMPARE(QList<std::uint32_t>({ParseColour("&HC0C0FF"), ParseColour(" &h00C0E0FF& ")}),
             QList<std::uint32_t>({0xC0C0FF, 0xC0E0FF}));
    QScrollBar bar;
    bar.setMaximum(40000); // wider than the values allowed, so that the refusal is the program's
    for (const int value : {0, 32767, -1, 32768})
        QCOMPARE(errorOf([&] {
                     SetScrollValue(&bar, value);
                     QCOMPARE(bar.value(), value);
                 }),
                 value < 0 || value > 32767 ? 380 : 0);
}

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
