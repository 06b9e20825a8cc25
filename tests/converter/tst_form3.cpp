// The converter window driven through its real widgets: its controls, the
// conversion and its search, the refused and the faulty inputs, the scroll
// bars after a conversion and after reopening, and Ctrl+A.
#include "common/modalcatcher.h"
#include "common/scrollpart.h"
#include "converter/form3.h"
#include "toolkit/program.h"
#include "toolkit/definition.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyleOptionSlider>
#include <QTest>

#include <memory>

namespace {

struct Control
{
    const char *name;
    const char *kind;
    const char *text; // nullptr: not compared
};

const Control kDefinition[] = {
    {"Label11", "QLabel", "Dati di partenza"}, {"Label12", "QLabel", "Nuovi dati"}, {"Label1", "QLabel", "Induttanza"},
    {"Label2", "QLabel", "Diametro mm"},       {"Label3", "QLabel", "Spire"},
    {"Label4", "QLabel", "Lunghezza bobina mm"}, {"Label5", "QLabel", "Spaziatura mm"},
    {"TextIND", "QLineEdit", "202.547"},       {"TextDIA1", "QLineEdit", "75.00"}, {"TextSPI", "QLineEdit", "50"},
    {"TextLUN", "QLineEdit", "35"},            {"TextSPZ", "QLineEdit", "0.70"},  {"LabelIND2", "QLabel", ""},
    {"TextDIA2", "QLineEdit", "70.00"},        {"LabelSPI", "QLabel", ""},       {"LabelLUN", "QLabel", ""},
    {"LabelSPZ", "QLabel", ""},                {"VScroll1", "QScrollBar", "0"},  {"VScroll2", "QScrollBar", "0"},
    {"Label6", "QLabel", "Induttanza"},        {"Label7", "QLabel", "Diametro mm"}, {"Label8", "QLabel", "Spire"},
    {"Label9", "QLabel", "Lunghezza bobina mm"}, {"Label10", "QLabel", "Spaziatura mm"},
    {"Command1", "QPushButton", "Ricalcola con nuovo Diametro"}, {"Label13", "QLabel", "Lunghezza filo mt"},
    {"FiloCm", "QLabel", "0"},                 {"Command2", "QPushButton", "Ritorna     al menu esterno"},
    {"Text1", "QPlainTextEdit", nullptr},
};

const QStringList kDeparture = {"TextIND", "TextDIA1", "TextSPI", "TextLUN", "TextSPZ", "TextDIA2"};
const QStringList kDepartureAtLoad = {"202.547", "75.00", "50", "35", "0.70", "70.00"};
const QStringList kNew = {"LabelIND2", "LabelSPI", "LabelLUN", "LabelSPZ", "FiloCm"};
const QStringList kUntouched = {"", "", "", "", "0"};

} // namespace

class TstForm3 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void definition();
    void conversion_data();
    void conversion();
    void refused_data();
    void refused();
    void faults_data();
    void faults();
    void scroll_data();
    void scroll();
    void ctrlA_data();
    void ctrlA();

private:
    template<typename T = QWidget>
    T *Control(const QString &name) const
    {
        T *widget = form->Window() ? form->Window()->findChild<T *>(name) : nullptr;
        if (!widget)
            qFatal("control %s not found", qPrintable(name));
        return widget;
    }
    // A control's text; a scroll bar's value.
    QString Text(const QString &name) const;
    QStringList Texts(const QStringList &names) const;
    QList<int> Bars() const
    {
        return {Control<QScrollBar>("VScroll1")->value(), Control<QScrollBar>("VScroll2")->value()};
    }
    // Replaces what the boxes hold ("TextLUN=35") the way the user does.
    void Enter(const QStringList &entries);
    void Click(const QString &name) { QTest::mouseClick(Control(name), Qt::LeftButton); }
    // One click on the lower (adds 1) or the upper (subtracts 1) arrow of a bar.
    void ClickArrow(const QString &name, bool lower);
    void Reopen(bool closeBox);

    std::unique_ptr<Form3> form;
    std::unique_ptr<ModalCatcher> boxes;
    int m_ends = 0;
};

void TstForm3::initTestCase()
{
    InstallFontSubstitutions();
    Program::instance().SetEndAction([this] { ++m_ends; });
}

void TstForm3::init()
{
    QLocale::setDefault(QLocale::c());
    m_ends = 0;
    boxes = std::make_unique<ModalCatcher>();
    form = std::make_unique<Form3>();
    SetHelpFile(QStringLiteral("SOLENORIA.HLP"));
    form->Show();
    QVERIFY(QTest::qWaitForWindowExposed(form->Window()));
}

void TstForm3::cleanup()
{
    form.reset();
    boxes.reset();
    QLocale::setDefault(QLocale::c());
}

QString TstForm3::Text(const QString &name) const
{
    QWidget *widget = Control(name);
    if (auto *bar = qobject_cast<QScrollBar *>(widget))
        return QString::number(bar->value());
    if (auto *text = qobject_cast<QPlainTextEdit *>(widget))
        return text->toPlainText();
    return widget->property("text").toString();
}

QStringList TstForm3::Texts(const QStringList &names) const
{
    QStringList texts;
    for (const QString &name : names)
        texts << Text(name);
    return texts;
}

void TstForm3::Enter(const QStringList &entries)
{
    for (const QString &entry : entries) {
        auto *box = Control<QLineEdit>(entry.section(u'=', 0, 0));
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, entry.section(u'=', 1));
    }
}

// The arrow is clicked where the style lays it out.
void TstForm3::ClickArrow(const QString &name, bool lower)
{
    auto *bar = Control<QScrollBar>(name);
    const QRect arrow = ScrollPartRect(bar, lower ? QStyle::SC_ScrollBarAddLine : QStyle::SC_ScrollBarSubLine);
    QVERIFY2(!arrow.isEmpty() && bar->rect().contains(arrow), qPrintable(name + QStringLiteral(" has no arrows")));
    QTest::mouseClick(bar, Qt::LeftButton, {}, arrow.center());
}

void TstForm3::Reopen(bool closeBox)
{
    if (closeBox)
        form->Window()->close();
    else
        Click(QStringLiteral("Command2"));
    QVERIFY(!form->IsLoaded());
    form->Show();
}

// Every control under its name with its text at opening, the bars' range, the
// focus at opening and the tab order.
void TstForm3::definition()
{
    QWidget *window = form->Window();
    QCOMPARE(window->objectName(), QStringLiteral("Form3"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Cambia Diametro Bobine"));
    QCOMPARE(window->size(), QSize(592, 470));
    // A sizable border: the user can resize the window.
    QVERIFY(window->minimumSize() != window->maximumSize());
    QCOMPARE(HelpFile(), QStringLiteral("solenoria.hlp"));

    for (const ::Control &c : kDefinition) {
        QWidget *widget = Control(QLatin1String(c.name));
        QVERIFY2(widget->inherits(c.kind), c.name);
        QCOMPARE(widget->parentWidget(), window);
        if (c.text)
            QCOMPARE(Text(QLatin1String(c.name)), QString::fromUtf8(c.text));
    }
    // The instructions: the procedure in the program's own words, signed.
    QVERIFY(Text("Text1").contains(QStringLiteral("\"Ricalcola con nuovo Diametro\"")));
    QVERIFY(Text("Text1").trimmed().endsWith(QStringLiteral("ZORVEK")));
    for (const char *name : {"VScroll1", "VScroll2"}) {
        auto *bar = Control<QScrollBar>(QLatin1String(name));
        QCOMPARE(QList<int>({bar->orientation(), bar->minimum(), bar->maximum(), bar->singleStep(), bar->pageStep()}),
                 QList<int>({Qt::Vertical, 0, 32767, 1, 1}));
    }

    QCOMPARE(window->focusWidget(), Control("TextDIA2"));
    QStringList order;
    QWidget *widget = Control("TextDIA2");
    do {
        if (widget->focusPolicy() & Qt::TabFocus)
            order << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != Control("TextDIA2") && order.size() < 20);
    QCOMPARE(order, QStringList({"TextDIA2", "TextDIA1", "TextSPI", "TextLUN", "TextSPZ", "Command1", "Command2",
                                 "TextIND", "VScroll1", "VScroll2", "Text1"}));
}

// A conversion from what is typed, pressed once or twice (the second press
// reads back what the first wrote), and what the controls then show. LabelSPI
// and LabelSPZ come from the bars when the last pass moved them; the wire is
// cut for the last pass below the departure inductance.
void TstForm3::conversion_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("presses");
    QTest::addColumn<QStringList>("expected"); // control=text, a bar's value, or passes=count
    auto row = [](const char *name, const char *locale, const QStringList &entries, int presses,
                  const QStringList &expected) {
        QTest::newRow(name) << locale << entries << presses << expected;
    };
    const QStringList defaults{"TextLUN=35",     "TextSPZ=0.70",  "TextIND=204.546", "LabelIND2=205.072",
                               "LabelSPI=54.00", "LabelLUN=38",   "LabelSPZ=0.69",   "FiloCm=11.809",
                               "VScroll1=108",   "VScroll2=75",   "passes=6"};
    QStringList italian = defaults;
    italian.replaceInStrings(QStringLiteral("."), QStringLiteral(","));
    row("default", "C", {}, 1, defaults);
    row("default, it_IT", "it_IT", {}, 1, italian);
    row("default twice, it_IT reads its own 0,70 back", "it_IT", {}, 2, italian);
    // No pass stayed below the departure inductance: the wire is for no turns,
    // and with the bars still at 0 no notification wrote LabelSPZ.
    row("first pass reaches the inductance", "C", {"TextDIA1=1", "TextSPI=1", "TextLUN=1", "TextDIA2=30"}, 1,
        {"LabelIND2=0.001", "LabelSPI=0.10", "LabelLUN=", "LabelSPZ=", "FiloCm=0.000", "VScroll1=0", "VScroll2=0",
         "passes=1"});
    // The third pass would find 9.0 turns again, for ever; it goes on with 9.1 and ends.
    row("stuck pass ends at 9.1 turns", "C", {"TextDIA1=10", "TextSPI=62", "TextLUN=27", "TextDIA2=75"}, 1,
        {"LabelIND2=12.351", "LabelSPI=9.10", "LabelLUN=4", "LabelSPZ=0.44", "FiloCm=2.121", "VScroll1=18",
         "VScroll2=8", "passes=3"});
    // Used with its fraction, shown back as a whole number, read back whole.
    row("fractional length written back whole", "C", {"TextLUN=35.4"}, 1,
        {"TextLUN=35", "TextSPZ=0.71", "TextIND=203.362", "LabelIND2=203.803"});
    row("fractional length read back whole", "C", {"TextLUN=35.4"}, 2,
        {"TextLUN=35", "TextSPZ=0.70", "TextIND=204.546", "LabelIND2=205.072"});
}

void TstForm3::conversion()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, entries);
    QFETCH(int, presses);
    QFETCH(QStringList, expected);
    QLocale::setDefault(QLocale(locale));
    Enter(entries);
    for (int press = 0; press < presses; ++press)
        Click(QStringLiteral("Command1"));
    QCOMPARE(boxes->count(), 0);
    QStringList shown;
    for (const QString &item : expected) {
        const QString name = item.section(u'=', 0, 0);
        shown << name + u'='
                     + (name == QLatin1String("passes") ? QString::number(form->UltimaRicerca().size()) : Text(name));
    }
    QCOMPARE(shown, expected);
}

// Inputs the search refuses: one message, nothing of the search written, and
// with no conversion the bars do nothing.
void TstForm3::refused_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("mentions");
    QTest::addColumn<QStringList>("departure"); // TextLUN, TextSPZ as the conversion left them
    const QString length = QStringLiteral("maggiore di zero: correggere il valore di \"Lunghezza bobina mm\"");
    const QString spacing = QStringLiteral("La spaziatura di partenza");
    QTest::newRow("length zero") << QStringList{"TextLUN=0"} << length << QStringList{"", "0.00"};
    QTest::newRow("length empty") << QStringList{"TextLUN="} << length << QStringList{"", "0.00"};
    QTest::newRow("length not a number") << QStringList{"TextLUN=abc"} << length << QStringList{"", "0.00"};
    QTest::newRow("length negative") << QStringList{"TextLUN=-35"} << length << QStringList{"-35", "-0.70"};
    QTest::newRow("spacing negative") << QStringList{"TextSPI=-50"} << spacing << QStringList{"35", "-0.70"};
    QTest::newRow("spacing below a ten-thousandth") << QStringList{"TextLUN=0.0001"} << spacing
                                                    << QStringList{"", "0.00"};
    // Negative diameters make the search creep on by a tenth of a turn per
    // pass; it stops after 10 000 passes.
    QTest::newRow("search stopped after 10000 passes")
        << QStringList{"TextDIA1=-75", "TextLUN=1", "TextDIA2=-70"} << QStringLiteral("Dopo 10000 tentativi")
        << QStringList{"1", "0.02"};
}

void TstForm3::refused()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, mentions);
    QFETCH(QStringList, departure);
    Enter(entries);
    Click(QStringLiteral("Command1"));

    QCOMPARE(boxes->count(), 1);
    const ModalCatcher::Box &box = boxes->boxes().first();
    QCOMPARE(box.objectName, QStringLiteral("msgBox"));
    QCOMPARE(box.buttons, 1);
    QVERIFY2(box.text.contains(mentions), qPrintable(box.text));
    QCOMPARE(Texts({"TextLUN", "TextSPZ"}), departure);
    QCOMPARE(Text("FiloCm"), QStringLiteral("0"));
    if (mentions.startsWith(QLatin1String("Dopo"))) {
        QCOMPARE(form->UltimaRicerca().size(), 10000);
        QVERIFY(form->UltimaRicerca().last().inductance < form->Induttanze()[1]);
        return;
    }
    QVERIFY(form->UltimaRicerca().isEmpty());
    QCOMPARE(Texts(kNew), kUntouched);
    QCOMPARE(Bars(), QList<int>({0, 0}));
    ClickArrow(QStringLiteral("VScroll1"), true);
    QCOMPARE(Texts(kNew), kUntouched);
    QCOMPARE(boxes->count(), 1);
}

// A run-time error in the conversion: what the steps before the fault wrote
// stays, nothing after it is written, and the window goes on working.
void TstForm3::faults_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("error");
    QTest::addColumn<QStringList>("shown"); // TextLUN, TextSPZ, TextIND, LabelSPI, LabelLUN
    QTest::addColumn<QList<int>>("bars");
    QTest::newRow("zero turns") << QStringList{"TextSPI=0"} << 11 << QStringList{"35", "9.99", "202.547", "", ""}
                                << QList<int>{0, 0};
    QTest::newRow("negative radicand") << QStringList{"TextDIA2=-70"} << 5
                                       << QStringList{"35", "0.70", "204.546", "", ""} << QList<int>{0, 0};
    // The third pass moves VScroll1 to 51 before its length overflows.
    QTest::newRow("length beyond the bar") << QStringList{"TextLUN=35000"} << 6
                                           << QStringList{"35000", "700.00", "0.401", "25.50", "17990"}
                                           << QList<int>{51, 15400};
}

void TstForm3::faults()
{
    QFETCH(QStringList, entries);
    QFETCH(int, error);
    QFETCH(QStringList, shown);
    QFETCH(QList<int>, bars);
    Enter(QStringList{"TextSPZ=9.99"} + entries);
    Click(QStringLiteral("Command1"));

    QCOMPARE(boxes->count(), 1);
    QCOMPARE(boxes->boxes().first().objectName, QStringLiteral("runtimeErrorReport"));
    QVERIFY2(boxes->boxes().first().text.contains(QStringLiteral("'%1'").arg(error)),
             qPrintable(boxes->boxes().first().text));
    QCOMPARE(Texts({"TextLUN", "TextSPZ", "TextIND", "LabelSPI", "LabelLUN"}), shown);
    QCOMPARE(Bars(), bars);
    QCOMPARE(Text("FiloCm"), QStringLiteral("0"));

    Enter({"TextSPI=50", "TextLUN=35", "TextDIA2=70"});
    Click(QStringLiteral("Command1"));
    QCOMPARE(boxes->count(), 1);
    QCOMPARE(Texts({"LabelIND2", "FiloCm"}), QStringList({"205.072", "11.809"}));
}

// One move of a bar after a conversion, after reopening the window (which
// starts from its definition while the stored new diameter drives the bars),
// or before any conversion: the bars, the new values, a notification only
// when the value changed, and the departure column left alone.
void TstForm3::scroll_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("before"); // convert, reopen, close box, none, none reopened
    QTest::addColumn<QString>("bar");
    QTest::addColumn<int>("input"); // 0 lower arrow, 1 upper arrow, 2 key Down, 3 key Up
    QTest::addColumn<QList<int>>("bars");
    QTest::addColumn<QStringList>("shown"); // LabelIND2, LabelSPI, LabelLUN, LabelSPZ, FiloCm
    QTest::addColumn<int>("error");
    auto row = [](const char *name, const char *locale, const char *before, const char *bar, int input,
                  QList<int> bars, const QStringList &shown, int error = 0) {
        QTest::newRow(name) << locale << before << bar << input << bars << shown << error;
    };
    row("VScroll1 lower arrow", "C", "convert", "VScroll1", 0, {109, 75},
        {"210.931", "54.50", "37.5", "0.69", "11.809"});
    row("VScroll1 upper arrow", "C", "convert", "VScroll1", 1, {107, 75},
        {"203.261", "53.50", "37.5", "0.70", "11.809"});
    row("VScroll2 lower arrow", "C", "convert", "VScroll2", 0, {108, 76},
        {"205.589", "54.00", "38.0", "0.70", "11.809"});
    row("VScroll2 upper arrow", "C", "convert", "VScroll2", 1, {108, 74},
        {"208.590", "54.00", "37.0", "0.69", "11.809"});
    row("VScroll1 key Down", "C", "convert", "VScroll1", 2, {109, 75}, {"210.931", "54.50", "37.5", "0.69", "11.809"});
    row("VScroll2 key Up", "C", "convert", "VScroll2", 3, {108, 74}, {"208.590", "54.00", "37.0", "0.69", "11.809"});
    row("VScroll1 lower arrow, it_IT", "it_IT", "convert", "VScroll1", 0, {109, 75},
        {"210,931", "54,50", "37,5", "0,69", "11,809"});
    row("reopened, VScroll1 uses the stored 70 mm", "C", "reopen", "VScroll1", 0, {1, 0},
        {"0.039", "0.50", "0.0", "0.00", "0"});
    row("reopened, it_IT", "it_IT", "reopen", "VScroll1", 0, {1, 0}, {"0,039", "0,50", "0,0", "0,00", "0"});
    row("reopened by the close box", "C", "close box", "VScroll1", 0, {1, 0}, {"0.039", "0.50", "0.0", "0.00", "0"});
    // Half a millimetre with no turns: the spacing divides by zero after the
    // inductance and the turns are written.
    row("reopened, VScroll2 first divides by zero", "C", "reopen", "VScroll2", 0, {0, 1},
        {"0.000", "0.00", "", "", "0"}, 11);
    row("reopened, VScroll1 upper arrow at 0", "C", "reopen", "VScroll1", 1, {0, 0}, kUntouched);
    row("reopened, VScroll2 upper arrow at 0", "C", "reopen", "VScroll2", 1, {0, 0}, kUntouched);
    row("no conversion yet", "C", "none", "VScroll1", 0, {1, 0}, kUntouched);
    row("no conversion yet, reopened", "C", "none reopened", "VScroll2", 0, {0, 1}, kUntouched);
}

void TstForm3::scroll()
{
    QFETCH(QString, locale);
    QFETCH(QString, before);
    QFETCH(QString, bar);
    QFETCH(int, input);
    QFETCH(QList<int>, bars);
    QFETCH(QStringList, shown);
    QFETCH(int, error);
    QLocale::setDefault(QLocale(locale));
    if (!before.startsWith(QLatin1String("none")))
        Click(QStringLiteral("Command1"));
    if (before != QLatin1String("convert") && before != QLatin1String("none")) {
        Reopen(before == QLatin1String("close box"));
        QCOMPARE(Texts(kDeparture), kDepartureAtLoad);
        QCOMPARE(Texts(kNew), kUntouched);
        QCOMPARE(Bars(), QList<int>({0, 0}));
    }
    const QStringList departure = Texts(kDeparture);
    const int value = Control<QScrollBar>(bar)->value();
    QSignalSpy changes(Control<QScrollBar>(bar), &QScrollBar::valueChanged);

    if (input <= 1) {
        ClickArrow(bar, input == 0);
    } else {
        Control(bar)->setFocus();
        QTest::keyClick(Control(bar), input == 2 ? Qt::Key_Down : Qt::Key_Up);
    }

    QCOMPARE(boxes->count(), error ? 1 : 0);
    if (error)
        QVERIFY(boxes->boxes().first().text.contains(QStringLiteral("'%1'").arg(error)));
    QCOMPARE(Bars(), bars);
    QCOMPARE(changes.count(), Control<QScrollBar>(bar)->value() != value ? 1 : 0);
    QCOMPARE(Texts(kNew), shown);
    QCOMPARE(Texts(kDeparture), departure);
}

void TstForm3::ctrlA_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("press"); // 0 Ctrl+A, 1 a key delivering character code 1, 2 plain A
    QTest::addColumn<bool>("ends");
    QTest::newRow("VScroll1 Ctrl+A") << "VScroll1" << 0 << true;
    QTest::newRow("VScroll2 Ctrl+A") << "VScroll2" << 0 << true;
    QTest::newRow("VScroll1 character code 1") << "VScroll1" << 1 << true;
    QTest::newRow("VScroll2 plain A") << "VScroll2" << 2 << false;
    QTest::newRow("TextDIA2 Ctrl+A") << "TextDIA2" << 0 << false;
    QTest::newRow("TextSPI Ctrl+A") << "TextSPI" << 0 << false;
}

void TstForm3::ctrlA()
{
    QFETCH(QString, target);
    QFETCH(int, press);
    QFETCH(bool, ends);
    QWidget *widget = Control(target);
    widget->setFocus();
    if (press == 0) {
        QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
    } else if (press == 1) {
        QKeyEvent event(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(QChar(1)));
        QApplication::sendEvent(widget, &event);
    } else {
        QTest::keyClick(widget, Qt::Key_A);
    }
    QCOMPARE(m_ends, ends ? 1 : 0);
    QCOMPARE(form->Window()->isVisible(), !ends);
    // In a text box Ctrl+A keeps its usual meaning.
    if (auto *box = qobject_cast<QLineEdit *>(widget))
        QCOMPARE(box->selectedText(), box->text());
}

QTEST_MAIN(TstForm3)
#include "tst_form3.moc"
