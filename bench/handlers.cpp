// SPDX-License-Identifier: GPL-3.0-or-later
// Times every handler that computes, clicked on the real windows of a running
// program: "Calcola" in each mode of the calculator, each step of the designer
// with the spacing lock released and engaged, "&Ricalcolo", a step of the
// turns with the coil sheet and its chart open beside the designer, the
// converter's recalculation on two coils and a step of each scroll bar.
//
//   solenorium_bench_handlers [--calls N] [--warmup N] [--only INDEX] [--list]
//
// Prints one line per case: index, handler, variant, median nanoseconds of the
// click alone, median nanoseconds of the click and the repaint it causes, and
// the number of timed calls, separated by tabs; a case that must fit in one
// frame of the screen adds a seventh field, "frame". With --only the one case runs
// and only its clicks are collected when running under callgrind
// (--collect-atstart=no).
#include "app/application.h"
#include "calculator/form1.h"
#include "converter/form3.h"
#include "designer/form2.h"
#include "sheet/graficoscheda.h"
#include "toolkit/program.h"

#include <QAbstractButton>
#include <QApplication>
#include <QChart>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollBar>
#include <QTimer>
#include <QXYSeries>

#include <valgrind/callgrind.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

namespace {

[[noreturn]] void Fail(const QString &why)
{
    std::fprintf(stderr, "solenorium_bench_handlers: %s\n", qPrintable(why));
    std::exit(1);
}

// A message box would wait for a click and spoil the timing: the inputs are
// chosen so that none appears, and one that does anyway fails the run.
class BoxWatcher : public QObject
{
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            if (auto *box = qobject_cast<QMessageBox *>(watched)) {
                const QString text = box->text();
                QTimer::singleShot(0, box, [box] { box->accept(); });
                QTimer::singleShot(0, qApp,
                                   [text] { Fail(QStringLiteral("a message box appeared: ") + text); });
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

template<typename T> T *Control(FormBase &form, const char *name)
{
    if (!form.Window())
        Fail(QStringLiteral("window not loaded looking for %1").arg(QLatin1String(name)));
    T *control = form.Window()->findChild<T *>(QLatin1String(name));
    if (!control)
        Fail(QStringLiteral("no control %1 in %2").arg(QLatin1String(name), form.Window()->objectName()));
    return control;
}

// The texts and values of the named controls, one after the other.
QString Snapshot(FormBase &form, std::initializer_list<const char *> names)
{
    QStringList parts;
    for (const char *name : names) {
        QObject *control = Control<QObject>(form, name);
        if (auto *edit = qobject_cast<QLineEdit *>(control))
            parts << edit->text();
        else if (auto *label = qobject_cast<QLabel *>(control))
            parts << label->text();
        else if (auto *slider = qobject_cast<QAbstractSlider *>(control))
            parts << QString::number(slider->value());
        else
            Fail(QStringLiteral("cannot read %1").arg(QLatin1String(name)));
    }
    return parts.join(u'|');
}

// Delivers what the click left in the queue: repaints, deferred deletes.
void Settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

struct Case
{
    QString handler;
    QString variant;
    std::function<void()> prepare; // once, before the calls
    std::function<void()> before;  // before each call, not timed
    std::function<void()> act;     // the timed call
    std::function<void()> after;   // after each call, not timed (puts the state back)
    std::function<QString()> note; // appended to the variant after the calls
    // What the click must change (texts and values of the window), so that a
    // click that does nothing is not timed as if it worked.
    std::function<QString()> observe;
    // Whether the click and its repaint must fit in one frame (16 ms) rather
    // than the handler alone in a millisecond: the steps that redraw the sheet's chart.
    bool frame = false;
};

using Clock = std::chrono::steady_clock;

long long Median(std::vector<long long> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void Run(const Case &c, int index, int warmup, int calls, bool collect)
{
    if (c.prepare)
        c.prepare();
    Settle();
    for (int i = 0; i < warmup; ++i) {
        if (c.before)
            c.before();
        Settle();
        c.act();
        Settle();
        if (c.after)
            c.after();
        Settle();
    }
    std::vector<long long> alone;
    std::vector<long long> painted;
    alone.reserve(calls);
    painted.reserve(calls);
    for (int i = 0; i < calls; ++i) {
        if (c.before)
            c.before();
        Settle();
        const QString seen = i == 0 && c.observe ? c.observe() : QString();
        if (collect)
            CALLGRIND_TOGGLE_COLLECT;
        const Clock::time_point start = Clock::now();
        c.act();
        const Clock::time_point clicked = Clock::now();
        if (collect)
            CALLGRIND_TOGGLE_COLLECT;
        Settle();
        const Clock::time_point shown = Clock::now();
        if (i == 0 && c.observe && c.observe() == seen)
            Fail(QStringLiteral("%1, %2: the click changed nothing (%3)").arg(c.handler, c.variant, seen));
        alone.push_back(std::chrono::duration_cast<std::chrono::nanoseconds>(clicked - start).count());
        painted.push_back(std::chrono::duration_cast<std::chrono::nanoseconds>(shown - start).count());
        if (c.after)
            c.after();
        Settle();
    }
    const QString variant = c.note ? c.variant + c.note() : c.variant;
    std::printf("%d\t%s\t%s\t%lld\t%lld\t%d%s\n", index, qPrintable(c.handler), qPrintable(variant),
                Median(alone), Median(painted), calls, c.frame ? "\tframe" : "");
    std::fflush(stdout);
}

std::vector<Case> Cases(Application &program)
{
    std::vector<Case> cases;

    // The calculator: one mode button, the inputs typed, then "Calcola". The
    // first input takes one of two values in turn, so every click writes a new
    // result, as it does when the user changes a value and computes again.
    Form1 &calculator = program.Calculator();
    struct Modo
    {
        const char *button;
        const char *variant;
        std::vector<std::pair<const char *, const char *>> inputs;
        const char *other; // the other value of the first input
    };
    const std::vector<Modo> modi = {
        {"Cmd1", "mode 1: frequency from L, C", {{"Text1", "10"}, {"Text2", "100"}}, "12"},
        {"Cmd2", "mode 2: inductance from f, C", {{"Text3", "7"}, {"Text2", "100"}}, "14"},
        {"Cmd3", "mode 3: capacitance from L, f", {{"Text1", "10"}, {"Text3", "7"}}, "12"},
        {"Cmd4", "mode 4: inductance of a coil", {{"Text4", "20"}, {"Text5", "20"}, {"Text6", "30"}}, "25"},
        {"Cmd5", "mode 5: turns for L", {{"Text1", "4.1026"}, {"Text4", "20"}, {"Text6", "30"}}, "5"},
        {"Cmd6",
         "mode 6: turns for f, C",
         {{"Text3", "7"}, {"Text2", "100"}, {"Text4", "20"}, {"Text6", "30"}},
         "14"},
        {"Cmd7", "mode 7: low-pass filter", {{"Text3", "28"}}, "7"},
    };
    for (const Modo &modo : modi) {
        auto turn = std::make_shared<bool>(false);
        cases.push_back(
            {QStringLiteral("Form1 CmdKalc \"Calcola\""),
             QString::fromUtf8(modo.variant),
             [&calculator, modo] {
                 calculator.Show();
                 Control<QAbstractButton>(calculator, modo.button)->click();
                 for (const auto &[box, text] : modo.inputs)
                     Control<QLineEdit>(calculator, box)->setText(QString::fromUtf8(text));
             },
             [&calculator, modo, turn] {
                 *turn = !*turn;
                 const auto &[box, text] = modo.inputs.front();
                 Control<QLineEdit>(calculator, box)->setText(QString::fromUtf8(*turn ? modo.other : text));
             },
             [&calculator] { Control<QAbstractButton>(calculator, "CmdKalc")->click(); },
             {},
             {},
             [&calculator] {
                 return Snapshot(calculator, {"SEO", "LblC1", "LblFT"});
             }});
    }

    // The designer: every step, clicked and then undone by its opposite step,
    // with the spacing lock released and engaged (a length step releases the
    // lock, so it is engaged again before every call).
    Form2 &designer = program.Designer();
    auto lock = [&designer](bool engaged) {
        QCheckBox *aggancia = Control<QCheckBox>(designer, "Aggancia");
        if (aggancia->isChecked() != engaged)
            aggancia->click();
    };
    auto observe = [&designer] {
        return Snapshot(designer, {"DiamSup", "LunBob", "Spire", "Cap1", "Cap2", "MicroH", "Freq1", "Freq2"});
    };
    auto button = [&designer](const char *name) {
        return [&designer, name] { Control<QAbstractButton>(designer, name)->click(); };
    };
    struct Passo
    {
        const char *step;
        const char *undo;
        const char *option; // the selected quantity, for the ±1 steps
        const char *what;
    };
    const std::vector<Passo> passi = {
        {"Cmdpiu1", "Cmdmeno1", "Option1", "+1 diameter"}, {"Cmdmeno1", "Cmdpiu1", "Option1", "-1 diameter"},
        {"Cmdpiu1", "Cmdmeno1", "Option2", "+1 length"},   {"Cmdmeno1", "Cmdpiu1", "Option2", "-1 length"},
        {"Cmdpiu1", "Cmdmeno1", "Option3", "+1 turns"},    {"Cmdmeno1", "Cmdpiu1", "Option3", "-1 turns"},
        {"Cmdpiu1", "Cmdmeno1", "Option4", "+1 C1"},       {"Cmdmeno1", "Cmdpiu1", "Option4", "-1 C1"},
        {"Cmdpiu1", "Cmdmeno1", "Option5", "+1 C2"},       {"Cmdmeno1", "Cmdpiu1", "Option5", "-1 C2"},
        {"piu05", "meno05", nullptr, "+0.5 diameter"},     {"meno05", "piu05", nullptr, "-0.5 diameter"},
        {"piu10a", "meno10a", nullptr, "+10 diameter"},    {"meno10a", "piu10a", nullptr, "-10 diameter"},
        {"piu10b", "meno10b", nullptr, "+10 length"},      {"meno10b", "piu10b", nullptr, "-10 length"},
        {"piu10c", "meno10c", nullptr, "+10 turns"},       {"meno10c", "piu10c", nullptr, "-10 turns"},
        {"piu10d", "meno10d", nullptr, "+10 C1"},          {"meno10d", "piu10d", nullptr, "-10 C1"},
        {"piu10e", "meno10e", nullptr, "+10 C2"},          {"meno10e", "piu10e", nullptr, "-10 C2"},
    };
    for (const bool engaged : {false, true}) {
        for (const Passo &passo : passi) {
            const QString variant = QString::fromUtf8(passo.what)
                + (engaged ? QStringLiteral(", locked") : QStringLiteral(", unlocked"));
            cases.push_back({QStringLiteral("Form2 %1").arg(QLatin1String(passo.step)),
                             variant,
                             [&designer, lock, passo] {
                                 designer.Show();
                                 lock(false);
                                 if (passo.option)
                                     Control<QAbstractButton>(designer, passo.option)->click();
                             },
                             [lock, engaged] { lock(engaged); },
                             button(passo.step),
                             [lock, engaged, undo = button(passo.undo)] {
                                 lock(engaged);
                                 undo();
                             },
                             {},
                             observe});
        }
    }
    // "&Ricalcolo" after a new diameter is typed (40 and 41 mm in turn).
    auto typed = std::make_shared<bool>(false);
    cases.push_back({QStringLiteral("Form2 CmdCalc \"&Ricalcolo\""),
                     QStringLiteral("starting coil, diameter typed"),
                     [&designer, lock] {
                         designer.Show();
                         lock(false);
                     },
                     [&designer, typed] {
                         *typed = !*typed;
                         Control<QLineEdit>(designer, "DiamSup")
                             ->setText(*typed ? QStringLiteral("41") : QStringLiteral("40"));
                     },
                     button("CmdCalc"),
                     {},
                     {},
                     observe});

    // A step of the turns with the coil sheet open beside the designer: the
    // sheet takes the new coil and redraws its figures and its chart.
    const auto sheet = [] {
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top->objectName() == QLatin1String("SchedaBobina") && top->isVisible())
                return top;
        Fail(QStringLiteral("the coil sheet did not open"));
    };
    for (const Passo &passo : {passi[4], passi[5]}) {
        cases.push_back(
            {QStringLiteral("Form2 %1").arg(QLatin1String(passo.step)),
             QString::fromUtf8(passo.what) + QStringLiteral(", sheet and its chart open"),
             [&designer, lock, passo] {
                 designer.Show();
                 lock(false);
                 Control<QAbstractButton>(designer, passo.option)->click();
                 Control<QAbstractButton>(designer, "CmdScheda")->click();
             },
             {},
             button(passo.step),
             button(passo.undo),
             {},
             [observe, sheet] {
                 // The sheet's Q and the chart's Q curve, beside the designer's figures.
                 const QWidget *scheda = sheet();
                 const auto *grafico = scheda->findChild<GraficoScheda *>(QStringLiteral("Grafico"));
                 if (!grafico)
                     Fail(QStringLiteral("the coil sheet has no chart"));
                 QStringList curve;
                 for (const QAbstractSeries *serie : grafico->chart()->series())
                     if (const auto *xy = qobject_cast<const QXYSeries *>(serie); xy && xy->count() > 2)
                         curve << QString::number(xy->at(xy->count() / 2).y());
                 if (curve.isEmpty())
                     Fail(QStringLiteral("the chart shows no curve"));
                 return observe() + u'|' + scheda->findChild<QLabel *>(QStringLiteral("LabelQ"))->text()
                     + u'|' + curve.join(u' ');
             },
             true});
    }

    // The converter: the recalculation on the window's own coil and on one
    // whose search takes many passes, and a step of each scroll bar.
    Form3 &converter = program.Converter();
    struct Bobina
    {
        const char *variant;
        const char *dia1, *spi, *lun, *dia2;
    };
    const std::vector<Bobina> bobine = {
        {"default coil: 75 mm, 50 t, 35 mm -> 70 mm", "75.00", "50", "35", "70.00"},
        // From a large former to a small one: among the longest searches of
        // any coil the bars can hold.
        {"300 mm, 100 t, 100 mm -> 20 mm", "300", "100", "100", "20"},
    };
    for (const Bobina &bobina : bobine) {
        cases.push_back(
            {QStringLiteral("Form3 Command1_Click"),
             QString::fromUtf8(bobina.variant),
             [&converter, bobina] {
                 converter.Show();
                 Control<QLineEdit>(converter, "TextDIA1")->setText(QString::fromUtf8(bobina.dia1));
                 Control<QLineEdit>(converter, "TextSPI")->setText(QString::fromUtf8(bobina.spi));
                 Control<QLineEdit>(converter, "TextLUN")->setText(QString::fromUtf8(bobina.lun));
                 Control<QLineEdit>(converter, "TextDIA2")->setText(QString::fromUtf8(bobina.dia2));
             },
             {},
             [&converter] { Control<QAbstractButton>(converter, "Command1")->click(); },
             {},
             [&converter] {
                 // Every click repeats the same search; the number of passes shows it ran.
                 const int passes = converter.PassiUltimaRicerca();
                 if (passes == 0)
                     Fail(QStringLiteral("the conversion made no search"));
                 return QStringLiteral(", %1 passes").arg(passes);
             },
             {}});
    }
    for (const char *bar : {"VScroll1", "VScroll2"}) {
        for (const bool down : {true, false}) {
            const auto step = [&converter, bar](QAbstractSlider::SliderAction action) {
                return
                    [&converter, bar, action] { Control<QScrollBar>(converter, bar)->triggerAction(action); };
            };
            const auto add = step(QAbstractSlider::SliderSingleStepAdd);
            const auto sub = step(QAbstractSlider::SliderSingleStepSub);
            cases.push_back({QStringLiteral("Form3 %1_Change").arg(QLatin1String(bar)),
                             down ? QStringLiteral("lower arrow (+1) after the default conversion")
                                  : QStringLiteral("upper arrow (-1) after the default conversion"),
                             [&converter] {
                                 converter.Show();
                                 Control<QLineEdit>(converter, "TextDIA1")->setText(QStringLiteral("75.00"));
                                 Control<QLineEdit>(converter, "TextSPI")->setText(QStringLiteral("50"));
                                 Control<QLineEdit>(converter, "TextLUN")->setText(QStringLiteral("35"));
                                 Control<QLineEdit>(converter, "TextDIA2")->setText(QStringLiteral("70.00"));
                                 Control<QAbstractButton>(converter, "Command1")->click();
                             },
                             {},
                             down ? add : sub,
                             down ? sub : add,
                             {},
                             [&converter] {
                                 return Snapshot(converter, {"VScroll1", "VScroll2", "LabelIND2"});
                             }});
        }
    }
    return cases;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication qapp(argc, argv);
    Application::ConfigureApplication();
    Application program;
    Program::instance().SetEndAction([] { Fail(QStringLiteral("the program ended during the benchmark")); });
    BoxWatcher boxes;
    qapp.installEventFilter(&boxes);
    program.Start();
    Settle();

    int calls = 201;
    int warmup = 20;
    int only = -1;
    bool list = false;
    const QStringList args = QCoreApplication::arguments();
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--calls") && i + 1 < args.size())
            calls = args[++i].toInt();
        else if (args[i] == QLatin1String("--warmup") && i + 1 < args.size())
            warmup = args[++i].toInt();
        else if (args[i] == QLatin1String("--only") && i + 1 < args.size())
            only = args[++i].toInt();
        else if (args[i] == QLatin1String("--list"))
            list = true;
        else
            Fail(QStringLiteral("unknown argument %1").arg(args[i]));
    }
    if (calls < 1)
        Fail(QStringLiteral("--calls must be at least 1"));

    const std::vector<Case> cases = Cases(program);
    for (int i = 0; i < static_cast<int>(cases.size()); ++i) {
        if (list) {
            std::printf("%d\t%s\t%s\n", i, qPrintable(cases[i].handler), qPrintable(cases[i].variant));
            continue;
        }
        if (only >= 0 && i != only)
            continue;
        Run(cases[i], i, warmup, calls, only >= 0);
    }
    if (only >= static_cast<int>(cases.size()))
        Fail(QStringLiteral("no case %1").arg(only));
    return 0;
}
