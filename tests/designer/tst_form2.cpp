// The designer window on its real widgets: its controls, the coil it opens
// with, the step buttons and their bounds, the spacing lock, square coils and
// the reports of inputs that no formula takes.
#include "designer/form2.h"

#include "common/modalcatcher.h"
#include "numbers/runtimeerror.h"
#include "toolkit/svgimage.h"
#include "toolkit/definition.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSvgRenderer>
#include <QTest>

#include <memory>

namespace {

struct Control
{
    const char *name;
    const char *kind;
    const char *caption; // nullptr: written by Form_Load, checked with the load state
};

const Control kDefinition[] = {
    {"Frame1", "QFrame", ""}, {"Aggancia", "QCheckBox", "Blocca Spaziatura"}, {"Label12", "QLabel", "Antenna Quadro"},
    {"Label9", "QLabel", nullptr}, {"Label10", "QLabel", nullptr}, {"Option1", "QRadioButton", "Diametro supporto"},
    {"meno05", "QPushButton", "- .5"}, {"meno10a", "QPushButton", "-"}, {"DiamSup", "QLineEdit", nullptr},
    {"piu10a", "QPushButton", "+"}, {"piu05", "QPushButton", "+ .5"}, {"Option2", "QRadioButton", "Lunghezza bobina"},
    {"meno10b", "QPushButton", "-"}, {"LunBob", "QLineEdit", nullptr}, {"piu10b", "QPushButton", "+"},
    {"Spaz", "QLabel", nullptr}, {"Label8", "QLabel", "mm"}, {"Option3", "QRadioButton", "Spire"},
    {"meno10c", "QPushButton", "-"}, {"Spire", "QLineEdit", nullptr}, {"piu10c", "QPushButton", "+"},
    {"Label3", "QLabel", "Filo occorrente esclusi terminali"}, {"FiloCm", "QLabel", nullptr},
    {"Label4", "QLabel", "mt"}, {"Option4", "QRadioButton", "pF Capacità 1"}, {"meno10d", "QPushButton", "-"},
    {"Cap1", "QLineEdit", nullptr}, {"piu10d", "QPushButton", "+"}, {"Freq1", "QLabel", nullptr},
    {"Label5", "QLabel", "Mhz"}, {"Option5", "QRadioButton", "pF Capacità 2"}, {"meno10e", "QPushButton", "-"},
    {"Cap2", "QLineEdit", nullptr}, {"piu10e", "QPushButton", "+"}, {"Freq2", "QLabel", nullptr},
    {"Label6", "QLabel", "Mhz"}, {"Frame2", "QFrame", ""}, {"Label11", "QLabel", "Bobine quadrate"},
    {"Option6", "QRadioButton", "si"}, {"Option7", "QRadioButton", "no"}, {"Cmdmeno1", "QPushButton", "-1"},
    {"Cmdpiu1", "QPushButton", "+1"}, {"Label7", "QLabel", "Induttanza"}, {"MicroH", "QLabel", nullptr},
    {"Label1", "QLabel", "µH"}, {"CmdCalc", "QPushButton", "&Ricalcolo"},
    {"Image2", "SvgImage", ":/pictures/form2-ricevitore2.svg"},
    {"Image1", "SvgImage", ":/pictures/form2-ricevitore1.svg"}, {"Label2", "QLabel", "   F1    guida all'uso"},
    {"Cmdesci", "QPushButton", "Torna al menu"}, {"CmdBlock", "QPushButton", ""},
};

const QStringList kFields{"DiamSup", "LunBob", "Spire", "Cap1", "Cap2"};
const QStringList kLoadTexts{"40", "55", "110", "365", "35"};
const QStringList kResults{"Spaz", "MicroH", "Freq1", "Freq2", "FiloCm", "Label9", "Label10"};
const QStringList kLoadResults{"0.50", "265.205", ".512", "1.652", "13.823", "", ""};
const QString kSentinel = QStringLiteral("sentinel");

} // namespace

class TestForm2 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void definition();
    void loadState_data();
    void loadState();
    void typedValuesNeedRecalculation_data();
    void typedValuesNeedRecalculation();
    void steps_data();
    void steps();
    void lock_data();
    void lock();
    void linkedFields_data();
    void linkedFields();
    void runtimeErrors_data();
    void runtimeErrors();

private:
    void Open(const QString &locale = QStringLiteral("C"));
    template<typename T = QWidget>
    T *Control(const QString &name) const
    {
        return form->Window() ? form->Window()->findChild<T *>(name) : nullptr;
    }
    QString Text(const QString &name) const { return Control(name)->property("text").toString(); }
    QStringList Texts(const QStringList &names) const;
    // Each step types into a field ("Spire=111"), presses Esc ("Esc"), or
    // clicks a control by name: a button, an option, the check box or a field.
    void Run(const QStringList &steps);
    void SetSentinels();
    bool Locked() const { return Control<QCheckBox>("Aggancia")->checkState() == Qt::Checked; }

    std::unique_ptr<Form2> form;
    std::unique_ptr<ModalCatcher> catcher;
};

void TestForm2::initTestCase()
{
    InstallFontSubstitutions();
}

void TestForm2::init()
{
    catcher = std::make_unique<ModalCatcher>();
    form = std::make_unique<Form2>();
    Open();
}

void TestForm2::cleanup()
{
    form.reset();
    catcher.reset();
    QLocale::setDefault(QLocale::c());
}

// Loads the window afresh under a locale.
void TestForm2::Open(const QString &locale)
{
    if (form->IsLoaded())
        form->Unload();
    QLocale::setDefault(locale == QLatin1String("C") ? QLocale::c() : QLocale(locale));
    form->Show();
    QVERIFY(form->IsLoaded());
    QVERIFY(QTest::qWaitForWindowActive(form->Window()));
}

QStringList TestForm2::Texts(const QStringList &names) const
{
    QStringList texts;
    for (const QString &name : names)
        texts << Text(name);
    return texts;
}

void TestForm2::Run(const QStringList &steps)
{
    for (const QString &step : steps) {
        if (step == QLatin1String("Esc")) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            continue;
        }
        QWidget *widget = Control(step.section(u'=', 0, 0));
        QVERIFY2(widget, qPrintable(step));
        if (step.contains(u'=')) {
            auto *edit = qobject_cast<QLineEdit *>(widget);
            edit->setFocus();
            QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(edit, Qt::Key_Delete);
            QTest::keyClicks(edit, step.section(u'=', 1));
            QCOMPARE(edit->text(), step.section(u'=', 1));
        } else if (qobject_cast<QRadioButton *>(widget)) {
            // On the round indicator, which answers whatever the caption's width.
            QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(7, widget->height() / 2));
            QVERIFY2(qobject_cast<QRadioButton *>(widget)->isChecked(), qPrintable(step));
        } else {
            QTest::mouseClick(widget, Qt::LeftButton);
        }
    }
}

void TestForm2::SetSentinels()
{
    for (const QString &name : kResults)
        Control<QLabel>(name)->setText(kSentinel);
}

// Every control under its name with its caption, and the tab order from the
// field that has the focus at opening.
void TestForm2::definition()
{
    QWidget *window = form->Window();
    QCOMPARE(window->objectName(), QStringLiteral("Form2"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Nuovo modo di calcolo Bobine  by zorvek"));
    QCOMPARE(window->size(), QSize(592, 470));
    QCOMPARE(window->minimumSize(), window->maximumSize());

    for (const ::Control &c : kDefinition) {
        const QString name = QLatin1String(c.name);
        QWidget *widget = Control(name);
        QVERIFY2(widget && widget->inherits(c.kind), c.name);
        if (auto *picture = qobject_cast<SvgImage *>(widget)) {
            QCOMPARE(picture->source(), QString::fromUtf8(c.caption));
            QVERIFY2(QSvgRenderer(picture->source()).isValid(), c.name);
        } else if (c.caption) {
            QCOMPARE(widget->property("text").toString(), QString::fromUtf8(c.caption));
        }
    }

    QStringList chain{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        chain << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(chain, QStringList({"DiamSup", "LunBob", "Spire", "Cap1", "Cap2", "Cmdmeno1", "Cmdpiu1", "CmdBlock",
                                 "CmdCalc"}));
}

void TestForm2::loadState_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("reopen"); // after changing fields, options and the lock
    QTest::addColumn<QStringList>("results");
    QTest::newRow("C") << "C" << false << kLoadResults;
    QTest::newRow("it_IT") << "it_IT" << false << QStringList{"0,50", "265,205", ",512", "1,652", "13,823", "", ""};
    QTest::newRow("reopened after changes") << "C" << true << kLoadResults;
}

void TestForm2::loadState()
{
    QFETCH(QString, locale);
    QFETCH(bool, reopen);
    QFETCH(QStringList, results);
    Open(locale);
    if (reopen) {
        Run({"DiamSup=77", "Option3", "Option6", "CmdBlock", "Cmdesci"});
        QVERIFY(!form->IsLoaded());
        SetHelpFile(QStringLiteral("SOLENORIA.HLP"));
        form->Show();
    }
    QCOMPARE(HelpFile(), QStringLiteral("solenoria.hlp"));
    QCOMPARE(Texts(kFields), kLoadTexts);
    QCOMPARE(Texts(kResults), results);
    for (const QRadioButton *option : form->Window()->findChildren<QRadioButton *>()) {
        const bool selected = QStringList{"Option1", "Option7"}.contains(option->objectName());
        QVERIFY2(option->isChecked() == selected, qPrintable(option->objectName()));
    }
    QVERIFY(!Locked());
    QCOMPARE(Text("Aggancia"), QStringLiteral("Blocca Spaziatura"));
    QVERIFY(Control("Image1")->isVisible());
    QVERIFY(!Control("Image2")->isVisible());
    QCOMPARE(catcher->count(), 0);
    // "-1"/"+1" act on the diameter at first.
    Run({"Cmdpiu1"});
    QCOMPARE(Text("DiamSup"), QStringLiteral("41"));
}

void TestForm2::typedValuesNeedRecalculation_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("shown");
    QTest::newRow("side at 250 mm") << "C" << "DiamSup=250" << "Label9" << "lato cm 22.2";
    QTest::newRow("diagonal at 250 mm, comma locale") << "it_IT" << "DiamSup=250" << "Label10" << "diagon. cm 31,3";
    QTest::newRow("no side at 249.5 mm") << "C" << "DiamSup=249.5" << "Label9" << "";
    QTest::newRow("C1 zero leaves a blank") << "C" << "Cap1=0" << "Freq1" << " ";
    QTest::newRow("thousands grouped, comma locale") << "it_IT" << "Spire=300" << "MicroH" << "1.972,603";
    QTest::newRow("comma read back") << "it_IT" << "LunBob=55,5" << "Spaz" << "0,50";
}

void TestForm2::typedValuesNeedRecalculation()
{
    QFETCH(QString, locale);
    QFETCH(QString, typed);
    QFETCH(QString, label);
    QFETCH(QString, shown);
    Open(locale);
    const QStringList before = Texts(kResults);
    Run({typed});
    QCOMPARE(Texts(kResults), before);
    Run({"CmdCalc"});
    QCOMPARE(Text(label), shown);
    QCOMPARE(catcher->count(), 0);
}

// One step from a value typed into a field: what the field holds afterwards,
// whether the results were recalculated, and which option is selected. Every
// bound is tried with a value on it (no step) and one that the step crosses.
void TestForm2::steps_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("recalculated");
    QTest::addColumn<QString>("selected");
    auto row = [](const char *name, const char *option, const char *typed, const char *button, const char *expected,
                  bool recalculated, const char *selected, const char *locale = "C") {
        QTest::newRow(name) << locale << option << typed << button << expected << recalculated << selected;
    };
    // The diameter: -1/+1 with Option1, half a millimetre, and its row's pair of 10.
    row("D 4 -1 on the bound", "Option1", "DiamSup=4", "Cmdmeno1", "4", true, "Option1");
    row("D 4.5 -1 crosses the bound", "Option1", "DiamSup=4.5", "Cmdmeno1", "3.5", true, "Option1");
    row("D 4,5 -1 comma locale", "Option1", "DiamSup=4,5", "Cmdmeno1", "3,5", true, "Option1", "it_IT");
    row("D 999.5 +1 crosses the bound", "Option1", "DiamSup=999.5", "Cmdpiu1", "1000.5", true, "Option1");
    row("D 1000 +1 on the bound", "Option1", "DiamSup=1000", "Cmdpiu1", "1000", true, "Option1");
    row("D 4 -.5 on the bound", "Option3", "DiamSup=4", "meno05", "4", true, "Option3");
    row("D 4.2 -.5 crosses the bound", "Option3", "DiamSup=4.2", "meno05", "3.7", true, "Option3");
    row("D 999.9 +.5 crosses the bound", "Option2", "DiamSup=999.9", "piu05", "1000.4", true, "Option2");
    row("D 1000 +.5 on the bound", "Option2", "DiamSup=1000", "piu05", "1000", true, "Option2");
    row("D 10 - on the bound", "Option3", "DiamSup=10", "meno10a", "10", false, "Option1");
    row("D 10.5 - crosses the bound", "Option3", "DiamSup=10.5", "meno10a", "0.5", true, "Option1");
    row("D 1000 + on the bound", "Option5", "DiamSup=1000", "piu10a", "1000", false, "Option1");
    row("D 995 + crosses the bound", "Option5", "DiamSup=995", "piu10a", "1005", true, "Option1");
    // The length.
    row("L 1 -1 on the bound", "Option2", "LunBob=1", "Cmdmeno1", "1", true, "Option2");
    row("L 1.5 -1 crosses the bound", "Option2", "LunBob=1.5", "Cmdmeno1", "0.5", true, "Option2");
    row("L 500 +1 on the bound", "Option2", "LunBob=500", "Cmdpiu1", "500", true, "Option2");
    row("L 499.5 +1 crosses the bound", "Option2", "LunBob=499.5", "Cmdpiu1", "500.5", true, "Option2");
    row("L 10 - on the bound", "Option1", "LunBob=10", "meno10b", "10", true, "Option2");
    row("L 10.5 - crosses the bound", "Option1", "LunBob=10.5", "meno10b", "0.5", true, "Option2");
    row("L 500 + on the bound", "Option1", "LunBob=500", "piu10b", "500", true, "Option2");
    row("L 495 + crosses the bound", "Option1", "LunBob=495", "piu10b", "505", true, "Option2");
    // The turns.
    row("N 1 -1 on the bound", "Option3", "Spire=1", "Cmdmeno1", "1", true, "Option3");
    row("N 1.5 -1 crosses the bound", "Option3", "Spire=1.5", "Cmdmeno1", "0.5", true, "Option3");
    row("N 500 +1 on the bound", "Option3", "Spire=500", "Cmdpiu1", "500", true, "Option3");
    row("N 499.5 +1 crosses the bound", "Option3", "Spire=499.5", "Cmdpiu1", "500.5", true, "Option3");
    row("N 10 - on the bound", "Option1", "Spire=10", "meno10c", "10", true, "Option3");
    row("N 10.5 - crosses the bound", "Option1", "Spire=10.5", "meno10c", "0.5", true, "Option3");
    row("N 500 + on the bound", "Option1", "Spire=500", "piu10c", "500", true, "Option3");
    row("N 495 + crosses the bound", "Option1", "Spire=495", "piu10c", "505", true, "Option3");
    // The capacitances.
    row("C1 1 -1 on the bound", "Option4", "Cap1=1", "Cmdmeno1", "1", true, "Option4");
    row("C1 1.5 -1 crosses the bound", "Option4", "Cap1=1.5", "Cmdmeno1", "0.5", true, "Option4");
    row("C1 2000 +1 on the bound", "Option4", "Cap1=2000", "Cmdpiu1", "2000", true, "Option4");
    row("C1 1999.5 +1 crosses the bound", "Option4", "Cap1=1999.5", "Cmdpiu1", "2000.5", true, "Option4");
    row("C1 10 - on the bound", "Option1", "Cap1=10", "meno10d", "10", false, "Option4");
    row("C1 10.5 - crosses the bound", "Option1", "Cap1=10.5", "meno10d", "0.5", true, "Option4");
    row("C1 2000 + on the bound", "Option1", "Cap1=2000", "piu10d", "2000", false, "Option4");
    row("C1 1995 + crosses the bound", "Option1", "Cap1=1995", "piu10d", "2005", true, "Option4");
    row("C2 1 -1 on the bound", "Option5", "Cap2=1", "Cmdmeno1", "1", true, "Option5");
    row("C2 2000 +1 on the bound", "Option5", "Cap2=2000", "Cmdpiu1", "2000", true, "Option5");
    row("C2 1999.5 +1 crosses the bound", "Option5", "Cap2=1999.5", "Cmdpiu1", "2000.5", true, "Option5");
    row("C2 10 - on the bound", "Option1", "Cap2=10", "meno10e", "10", false, "Option5");
    row("C2 10.5 - crosses the bound", "Option1", "Cap2=10.5", "meno10e", "0.5", true, "Option5");
    row("C2 2000 + on the bound", "Option1", "Cap2=2000", "piu10e", "2000", false, "Option5");
    row("C2 1995 + crosses the bound", "Option1", "Cap2=1995", "piu10e", "2005", true, "Option5");
}

void TestForm2::steps()
{
    QFETCH(QString, locale);
    QFETCH(QString, option);
    QFETCH(QString, typed);
    QFETCH(QString, button);
    QFETCH(QString, expected);
    QFETCH(bool, recalculated);
    QFETCH(QString, selected);
    Open(locale);
    Run({option, typed});
    SetSentinels();
    Run({button});
    const QString field = typed.section(u'=', 0, 0);
    QCOMPARE(Text(field), expected);
    QVERIFY(Control<QRadioButton>(selected)->isChecked());
    // No other field moves while neither the lock nor square coils are on.
    for (int i = 0; i < kFields.size(); ++i) {
        if (kFields[i] != field)
            QCOMPARE(Text(kFields[i]), kLoadTexts[i]);
    }
    // Recalculated, the results are those of the fields as the step left them.
    const QStringList shown = Texts(kResults);
    QCOMPARE(shown.contains(kSentinel), !recalculated);
    if (recalculated) {
        Run({"CmdCalc"});
        QCOMPARE(Texts(kResults), shown);
    }
    QCOMPARE(catcher->count(), 0);
}

// The lock through the check box, CmdBlock, clicks into the fields, Esc and the
// steps: whether it is on, its caption and picture, the option selected and
// the length.
void TestForm2::lock_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("locked");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("length");
    const char *on = "Spaziatura agganciata";
    const char *off = "Spaziatura sganciata";
    auto row = [](const char *name, const QStringList &steps, bool locked, const char *caption, const char *selected,
                  const char *length = "55") {
        QTest::newRow(name) << steps << locked << caption << selected << length;
    };
    row("check box locks", {"Cap2", "Aggancia"}, true, on, "Option5");
    row("CmdBlock locks", {"Cap2", "CmdBlock"}, true, on, "Option5");
    row("check box releases", {"Aggancia", "Aggancia"}, false, off, "Option1");
    row("CmdBlock releases", {"CmdBlock", "CmdBlock"}, false, off, "Option1");
    row("first caption does not come back", {"CmdBlock", "Aggancia", "Aggancia", "CmdBlock"}, false, off, "Option1");
    row("Esc leaves the lock on", {"CmdBlock", "DiamSup=77", "Esc"}, true, on, "Option1");
    row("click into LunBob releases", {"CmdBlock", "LunBob"}, false, off, "Option2");
    row("click into LunBob while released", {"LunBob"}, false, "Blocca Spaziatura", "Option2");
    row("click into DiamSup keeps the lock", {"Option3", "CmdBlock", "DiamSup"}, true, on, "Option1");
    row("click into Spire keeps the lock", {"CmdBlock", "Spire"}, true, on, "Option3");
    row("click into Cap1 keeps the lock", {"CmdBlock", "Cap1"}, true, on, "Option4");
    row("click into Cap2 keeps the lock", {"CmdBlock", "Cap2"}, true, on, "Option5");
    row("typing into LunBob keeps the lock", {"CmdBlock", "LunBob=60"}, true, on, "Option1", "60");
    row("+1 on the length releases", {"Option2", "CmdBlock", "Cmdpiu1"}, false, off, "Option2", "56");
    row("+ of the length row releases", {"CmdBlock", "piu10b"}, false, off, "Option2", "65");
    row("- of the length row refused at 8 releases", {"LunBob=8", "CmdBlock", "meno10b"}, false, off, "Option2", "8");
    row("+ of the length row while released", {"piu10b"}, false, "Blocca Spaziatura", "Option2", "65");
    row("+1 on the diameter keeps the lock", {"CmdBlock", "Cmdpiu1"}, true, on, "Option1");
    row("+ of the diameter row keeps the lock", {"Option3", "CmdBlock", "piu10a"}, true, on, "Option1");
    row("+ .5 on the diameter keeps the lock", {"CmdBlock", "piu05"}, true, on, "Option1");
    row("+ of the C1 row keeps the lock", {"CmdBlock", "piu10d"}, true, on, "Option4");
}

void TestForm2::lock()
{
    QFETCH(QStringList, steps);
    QFETCH(bool, locked);
    QFETCH(QString, caption);
    QFETCH(QString, selected);
    QFETCH(QString, length);
    Run(steps);
    QVERIFY(form->IsLoaded() && form->Window()->isVisible());
    QCOMPARE(Locked(), locked);
    QCOMPARE(Text("Aggancia"), caption);
    QCOMPARE(Control("Image1")->isVisible(), !locked);
    QCOMPARE(Control("Image2")->isVisible(), locked);
    QVERIFY(Control<QRadioButton>(selected)->isChecked());
    QCOMPARE(Text("LunBob"), length);
    // Locking puts the focus in the turns field.
    if (steps.endsWith(QStringLiteral("Aggancia")) || steps.endsWith(QStringLiteral("CmdBlock")))
        QCOMPARE(QApplication::focusWidget() == Control("Spire"), locked);
    QCOMPARE(catcher->count(), 0);
}

// The fields a step changes besides its own: locked, a step of the turns sets
// the length to the turns times the spacing of the last recalculation; square
// coils keep the length equal to the diameter through the 1 and 10 steps of
// either, while the 0.5 steps and the turns leave the length alone. The
// results shown are those of the new fields unless the step did not recalculate.
void TestForm2::linkedFields_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<bool>("locked");
    QTest::addColumn<bool>("recalculated");
    auto row = [](const char *name, const QStringList &steps, const QStringList &fields, bool locked = false,
                  bool recalculated = true, const char *locale = "C") {
        QTest::newRow(name) << locale << steps << fields << locked << recalculated;
    };
    const QStringList at111{"Option3", "Spire=111", "CmdCalc", "CmdBlock", "Cmdpiu1"};
    row("lock, +1 from the load values", {"Option3", "CmdBlock", "Cmdpiu1"},
        {"Spire=111", "LunBob=55.5", "Spaz=0.50"}, true);
    row("lock, +1 from 55/111", at111, {"Spire=112", "LunBob=55.4954954954955", "Spaz=0.50"}, true);
    row("lock, +1 from 55/111, comma locale", at111, {"Spire=112", "LunBob=55,4954954954955", "Spaz=0,50"}, true,
        true, "it_IT");
    row("lock, -1 from the load values", {"Option3", "CmdBlock", "Cmdmeno1"},
        {"Spire=109", "LunBob=54.5", "Spaz=0.50"}, true);
    row("lock, + of the turns row", {"CmdBlock", "piu10c"}, {"Spire=120", "LunBob=60", "Spaz=0.50"}, true);
    row("lock, - of the turns row, comma locale", {"CmdBlock", "meno10c"}, {"Spire=100", "LunBob=50", "Spaz=0,50"},
        true, true, "it_IT");
    row("lock, +1 refused at 500 keeps N x s", {"Option3", "Spire=500", "CmdCalc", "CmdBlock", "Cmdpiu1"},
        {"Spire=500", "LunBob=55", "Spaz=0.11"}, true);
    // A square-coil diameter step keeps the lock; its recalculation sets the
    // spacing the lock keeps from then on, 41 / 110.
    row("lock after a square-coil diameter step", {"Option6", "CmdBlock", "Cmdpiu1", "Option3", "Cmdpiu1"},
        {"Spire=111", "LunBob=41.3727272727273", "DiamSup=41", "Spaz=0.37"}, true);
    row("square, choosing si changes no field", {"Option6"}, {"DiamSup=40", "LunBob=55"});
    row("square, +1 on the diameter", {"Option6", "Cmdpiu1"}, {"DiamSup=41", "LunBob=41"});
    row("square, -1 on the diameter", {"Option6", "Cmdmeno1"}, {"DiamSup=39", "LunBob=39"});
    row("square, + .5 changes only the diameter", {"Option6", "piu05"}, {"DiamSup=40.5", "LunBob=55"});
    row("square, - .5 changes only the diameter", {"Option6", "meno05"}, {"DiamSup=39.5", "LunBob=55"});
    row("square, + of the diameter row", {"Option3", "Option6", "piu10a"}, {"DiamSup=50", "LunBob=50"});
    row("square, - of the diameter row", {"Option3", "Option6", "meno10a"}, {"DiamSup=30", "LunBob=30"});
    row("square, - of the diameter row refused still copies", {"DiamSup=10", "CmdCalc", "Option6", "meno10a"},
        {"DiamSup=10", "LunBob=10"}, false, false);
    row("square, +1 on the length", {"Option2", "Option6", "Cmdpiu1"}, {"DiamSup=56", "LunBob=56"});
    row("square, + of the length row", {"Option6", "piu10b"}, {"DiamSup=65", "LunBob=65"});
    row("square, +1 on the turns", {"Option3", "Option6", "Cmdpiu1"}, {"Spire=111", "DiamSup=40", "LunBob=55"});
    row("square coils off, +1 on the diameter", {"Option6", "Option7", "Cmdpiu1"}, {"DiamSup=41", "LunBob=55"});
}

void TestForm2::linkedFields()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, fields);
    QFETCH(bool, locked);
    QFETCH(bool, recalculated);
    Open(locale);
    Run(steps);
    QStringList shown;
    for (const QString &field : fields)
        shown << field.section(u'=', 0, 0) + u'=' + Text(field.section(u'=', 0, 0));
    QCOMPARE(shown, fields);
    QCOMPARE(Locked(), locked);
    const QStringList results = Texts(kResults);
    Run({"CmdCalc"});
    QCOMPARE(Texts(kResults) == results, recalculated);
    QCOMPARE(catcher->count(), 0);
}

void TestForm2::runtimeErrors_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("written"); // how many results were shown before the fault
    QTest::newRow("zero turns") << "Option1" << "Spire=0" << "CmdCalc" << 11 << 0;
    QTest::newRow("zero diameter") << "Option1" << "DiamSup=0" << "CmdCalc" << 11 << 2;
    QTest::newRow("C2 not a number") << "Option1" << "Cap2=x" << "CmdCalc" << 13 << 3;
    QTest::newRow("+1 on turns that are no number") << "Option3" << "Spire=dieci" << "Cmdpiu1" << 13 << 0;
    QTest::newRow("- of the C1 row on no number") << "Option1" << "Cap1=dieci" << "meno10d" << 13 << 0;
}

void TestForm2::runtimeErrors()
{
    QFETCH(QString, option);
    QFETCH(QString, typed);
    QFETCH(QString, button);
    QFETCH(int, error);
    QFETCH(int, written);
    Run({option, typed});
    SetSentinels();
    Run({button});

    QCOMPARE(catcher->count(), 1);
    const ModalCatcher::Box &box = catcher->boxes().first();
    QCOMPARE(box.objectName, QStringLiteral("runtimeErrorReport"));
    QVERIFY2(box.text.contains(QStringLiteral("'%1'").arg(error)), qPrintable(box.text));
    QVERIFY2(box.text.contains(RuntimeError::descriptionOf(static_cast<ErrorNumber>(error))), qPrintable(box.text));
    // What was shown before the failing step stays; nothing after it is written.
    for (int i = 0; i < kResults.size(); ++i)
        QVERIFY2((Text(kResults[i]) == kSentinel) == (i >= written), qPrintable(kResults[i]));

    // The window goes on working.
    const QString field = typed.section(u'=', 0, 0);
    Run({field + u'=' + kLoadTexts[kFields.indexOf(field)], "CmdCalc"});
    QCOMPARE(Texts(kResults), kLoadResults);
    Run({"Option1", "Cmdpiu1"});
    QCOMPARE(Text("DiamSup"), QStringLiteral("41"));
    QCOMPARE(catcher->count(), 1);
}

QTEST_MAIN(TestForm2)
#include "tst_form2.moc"
