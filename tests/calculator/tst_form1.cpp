// The calculator window on its real widgets: the controls it is made of, what
// each mode shows, what "Calcola" writes or asks, and what survives closing
// and reopening the window.
#include "calculator/form1.h"
#include "common/modalcatcher.h"
#include "toolkit/messages.h"
#include "numbers/runtimeerror.h"
#include "toolkit/svgimage.h"
#include "toolkit/definition.h"

#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTest>

#include <memory>

namespace {

struct Control
{
    const char *name;
    const char *kind;
    const char *caption; // text, caption or picture source at opening
};

const Control kDefinition[] = {
    {"Label2", "QLabel", "CALCOLO DI:"}, {"Cmd1", "QPushButton", "FREQUENZA    dati induttanza e capacità"},
    {"Cmd2", "QPushButton", "INDUTTANZA   dati frequenza e capacità"},
    {"Cmd3", "QPushButton", "CAPACITA'       dati induttanza e frequenza"},
    {"Cmd4", "QPushButton", "INDUTTANZA     dati supporto spire lungh.bobina"},
    {"Cmd5", "QPushButton", "SPIRE     dati supporto induttanza"},
    {"Cmd6", "QPushButton", "SPIRE    dati supporto,frequenza e capacità"},
    {"Cmd7", "QPushButton", "PASSSA-BASSO    data la frequenza"}, {"Lblindu", "QLabel", "Induttanza µH"},
    {"Text1", "QLineEdit", "0"}, {"Lblcap", "QLabel", "Capacità  pF"}, {"Text2", "QLineEdit", "0"},
    {"Lblfreq", "QLabel", "Frequenza Mhz"}, {"Text3", "QLineEdit", "0"}, {"LblSup", "QLabel", "Diam. Supp. mm."},
    {"Text4", "QLineEdit", "0"}, {"LblSpi", "QLabel", "Spire"}, {"Text5", "QLineEdit", "0"},
    {"LblLun", "QLabel", "Lungh.bobina"}, {"Text6", "QLineEdit", "0"}, {"Risultato", "QLabel", "*"},
    {"SEO", "QLineEdit", "0"}, {"CmdKalc", "QPushButton", "Calcola"}, {"Command1", "QPushButton", "Torna al menu"},
    {"Image1", "SvgImage", ":/pictures/form1-lc.svg"}, {"Image3", "SvgImage", ":/pictures/form1-passabasso.svg"},
    {"LblFT", "QLabel", "0"}, {"LblC2", "QLabel", "1000"}, {"LblC1", "QLabel", "1000"},
    {"Image2", "SvgImage", ":/pictures/form1-antenna.svg"},
};

// What every state of the window shows besides the inputs of the mode.
const QStringList kAlwaysShown = {"Label2", "Cmd1", "Cmd2", "Cmd3", "Cmd4", "Cmd5", "Cmd6",
                                  "Cmd7", "Risultato", "SEO", "CmdKalc", "Command1", "Image2"};
const QStringList kLowPass = {"LblC1", "LblC2", "LblFT"};

// Mode 0 is the window as loaded; mode N what button CmdN shows.
struct Mode
{
    QStringList shown;
    QString risultato;
};
const Mode kModes[] = {
    {{"Image1"}, "*"},
    {{"Text2", "Text1", "Lblindu", "Lblcap", "Image1"}, "Frequenza Mhz"},
    {{"Text2", "Text3", "Lblfreq", "Lblcap", "Image1"}, "Induttanza µHenry"},
    {{"Text1", "Text3", "Lblfreq", "Lblindu", "Image1"}, "Capacità PF"},
    {{"LblLun", "LblSpi", "LblSup", "Text4", "Text5", "Text6", "Image1"}, "Induttanza µHenry"},
    {{"Text1", "Text4", "Text6", "Lblindu", "LblSup", "LblLun", "Image1"}, "Spire n."},
    {{"Text2", "Text3", "Text4", "Text6", "Lblfreq", "Lblcap", "LblSup", "LblLun", "Image1"}, "Spire n."},
    {{"Text3", "Lblfreq", "Image3"}, "Freq. taglio Mhz"},
};

QStringList Sorted(QStringList list)
{
    list.sort();
    return list;
}

} // namespace

class TestForm1 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void definition();
    void states_data();
    void states();
    void reopen_data();
    void reopen();
    void secondShowKeepsTheWindow();
    void runtimeErrorLeavesWindowUsable();

private:
    QWidget *window() const { return m_form->Window(); }
    template<typename T = QWidget>
    T *control(const char *name) const
    {
        return window() ? window()->findChild<T *>(QLatin1String(name)) : nullptr;
    }
    QString text(const char *name) const;
    // Each step clicks a button ("Cmd1"), types into a box ("Text1=10") or
    // presses Return, Enter or Escape on a control ("Return@CmdKalc").
    void run(const QStringList &steps);
    QStringList shown() const;
    QString highlighted() const;

    std::unique_ptr<Form1> m_form;
};

void TestForm1::initTestCase()
{
    InstallFontSubstitutions();
}

void TestForm1::init()
{
    QLocale::setDefault(QLocale::c());
    SetHelpFile(QStringLiteral("SOLENORIA.HLP"));
    m_form = std::make_unique<Form1>();
    m_form->Show();
    QVERIFY(QTest::qWaitForWindowExposed(window()));
}

void TestForm1::cleanup()
{
    m_form.reset();
    QLocale::setDefault(QLocale::c());
}

QString TestForm1::text(const char *name) const
{
    return control(name)->property("text").toString();
}

void TestForm1::run(const QStringList &steps)
{
    const QHash<QString, Qt::Key> keys{
        {"Return", Qt::Key_Return}, {"Enter", Qt::Key_Enter}, {"Escape", Qt::Key_Escape}};
    for (const QString &step : steps) {
        const QString name = step.contains(u'@') ? step.section(u'@', 1) : step.section(u'=', 0, 0);
        QWidget *widget = window()->findChild<QWidget *>(name);
        QVERIFY2(widget && widget->isVisible(), qPrintable(name + QStringLiteral(" is not on show")));
        if (step.contains(u'@')) {
            widget->setFocus();
            QTest::keyClick(widget, keys.value(step.section(u'@', 0, 0)));
            continue;
        }
        if (!step.contains(u'=')) {
            QTest::mouseClick(widget, Qt::LeftButton);
            continue;
        }
        auto *box = qobject_cast<QLineEdit *>(widget);
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, step.section(u'=', 1));
        QCOMPARE(box->text(), step.section(u'=', 1));
    }
}

QStringList TestForm1::shown() const
{
    QStringList names;
    for (const Control &c : kDefinition) {
        if (control(c.name)->isVisible())
            names << QLatin1String(c.name);
    }
    return Sorted(names);
}

// The mode buttons whose face is not the neutral grey; a face neither grey nor
// the light red of the selection shows its colour.
QString TestForm1::highlighted() const
{
    QStringList names;
    for (const char *name : {"Cmd1", "Cmd2", "Cmd3", "Cmd4", "Cmd5", "Cmd6", "Cmd7"}) {
        const QColor face = control(name)->palette().color(QPalette::Button);
        if (face != QColor(224, 224, 224))
            names << QLatin1String(name) + (face == QColor(255, 192, 192) ? QString() : u':' + face.name());
    }
    return names.join(u' ');
}

// Every control under its name with its caption, the geometry the low-pass
// values rely on, and the tab order.
void TestForm1::definition()
{
    QCOMPARE(window()->objectName(), QStringLiteral("Form1"));
    QCOMPARE(window()->windowTitle(), QStringLiteral("Le bobine cilindriche ad un solo strato"));
    QCOMPARE(window()->size(), QSize(592, 470));
    QCOMPARE(window()->minimumSize(), window()->maximumSize());

    QStringList names;
    for (const Control &c : kDefinition) {
        QWidget *widget = control(c.name);
        QVERIFY2(widget && widget->inherits(c.kind), c.name);
        QCOMPARE(widget->parentWidget(), window());
        const auto *picture = qobject_cast<SvgImage *>(widget);
        QCOMPARE(picture ? picture->source() : text(c.name), QString::fromUtf8(c.caption));
        if (picture)
            QVERIFY2(QSvgRenderer(picture->source()).isValid(), c.name);
        names << QLatin1String(c.name);
    }
    QStringList named;
    for (const QWidget *widget : window()->findChildren<QWidget *>()) {
        if (!widget->objectName().isEmpty() && !widget->objectName().startsWith(QLatin1String("qt_")))
            named << widget->objectName();
    }
    QCOMPARE(Sorted(named), Sorted(names));

    // The low-pass values stand on the schematic, in front of it.
    const QObjectList &children = window()->children();
    for (const QString &name : kLowPass) {
        QWidget *label = control(name.toLatin1().constData());
        QVERIFY2(control("Image3")->geometry().contains(label->geometry()), qPrintable(name));
        QVERIFY2(children.indexOf(label) > children.indexOf(control("Image3")), qPrintable(name));
    }

    QStringList chain;
    QWidget *widget = control("Cmd1");
    do {
        if (widget->focusPolicy() & Qt::TabFocus)
            chain << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != control("Cmd1"));
    QCOMPARE(chain, QStringList({"Cmd1", "Cmd2", "Cmd3", "Cmd4", "Cmd5", "Cmd6", "Cmd7", "Text1", "Text2", "Text3",
                                 "Command1", "CmdKalc", "Text4", "Text5", "SEO", "Text6"}));
}

// A sequence of clicks and typing, then the whole visible state: the controls
// on show (those of the last mode chosen, plus the low-pass values when they
// are expected), the highlighted button, Modo, the unit, SEO and the boxes shown.
void TestForm1::states_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("seo");
    QTest::addColumn<QStringList>("lowPass"); // LblC1, LblC2, LblFT; empty: hidden

    auto row = [](const char *name, const QStringList &steps, const QStringList &messages, const char *seo,
                  const QStringList &lowPass = {}, const char *locale = "C") {
        QTest::newRow(name) << QString::fromLatin1(locale) << steps << messages << QString::fromLatin1(seo)
                            << lowPass;
    };
    const QStringList none;
    const QStringList valori{"Mettere i valori"};
    const QStringList valore{"Mettere il valore"};
    const QStringList filter7{"390.0", "390.0", "1.893"};

    row("at load", {}, none, "0");
    row("Cmd1 after Cmd4", {"Cmd4", "Cmd1"}, none, "0");
    row("Cmd2 after Cmd7", {"Cmd7", "Cmd2"}, none, "0");
    row("Cmd3 after Cmd5", {"Cmd5", "Cmd3"}, none, "0");
    row("Cmd4 after Cmd1", {"Cmd1", "Cmd4"}, none, "0");
    row("Cmd5 after Cmd6", {"Cmd6", "Cmd5"}, none, "0");
    row("Cmd6 after Cmd2", {"Cmd2", "Cmd6"}, none, "0");
    row("Cmd7 after Cmd3", {"Cmd3", "Cmd7"}, none, "0");
    row("Cmd7 after Cmd7", {"Cmd7", "Cmd7"}, none, "0");

    row("mode 1 frequency", {"Cmd1", "Text1=10", "Text2=100", "CmdKalc"}, none, "5.033");
    row("mode 2 inductance", {"Cmd2", "Text3=7", "Text2=100", "CmdKalc"}, none, "5.169");
    row("mode 3 capacitance", {"Cmd3", "Text1=10", "Text3=7", "CmdKalc"}, none, "51.694");
    row("mode 4 coil", {"Cmd4", "Text4=20", "Text5=20", "Text6=30", "CmdKalc"}, none, "4.103");
    row("mode 5 turns", {"Cmd5", "Text1=4.1026", "Text4=20", "Text6=30", "CmdKalc"}, none, "20.0");
    row("mode 6 turns for f and C", {"Cmd6", "Text3=7", "Text2=100", "Text4=20", "Text6=30", "CmdKalc"}, none,
        "22.5");
    row("thousands grouped", {"Cmd3", "Text1=0.1", "Text3=7", "CmdKalc"}, none, "5,169.388");

    row("mode 7 f=7 shows the values", {"Cmd7", "Text3=7", "CmdKalc"}, none, "8.3", filter7);
    row("Cmd7 again hides the values", {"Cmd7", "Text3=7", "CmdKalc", "Cmd7"}, none, "8.3");
    row("mode 7 refused 0 after a result", {"Cmd7", "Text3=7", "CmdKalc", "Text3=0", "CmdKalc"}, valore, "8.3",
        filter7);
    row("mode 7 refused empty after a result", {"Cmd7", "Text3=7", "CmdKalc", "Text3=", "CmdKalc"}, valore, "8.3",
        filter7);
    row("mode 7 refused before any result", {"Cmd7", "Text3=-7", "CmdKalc"}, valore, "0");

    row("SEO kept across a mode change", {"Cmd7", "Text3=7", "CmdKalc", "Cmd1"}, none, "8.3");
    row("typed values kept across modes", {"Cmd2", "Text3=7", "Cmd1", "Text2=100", "Cmd2", "CmdKalc"}, none,
        "5.169");
    row("no mode chosen", {"CmdKalc"}, {"Errore non contemplato!"}, "0");
    row("mode 2 boxes at 0", {"Cmd2", "CmdKalc"}, valori, "0");
    row("mode 4 turns empty", {"Cmd4", "Text4=20", "Text5=", "Text6=30", "CmdKalc"}, valori, "0");
    row("mode 7 boxes at 0", {"Cmd7", "CmdKalc"}, valore, "0");
    // No button is the default or the cancel button.
    row("Return in Text1", {"Cmd1", "Text1=10", "Text2=100", "Return@Text1"}, none, "0");
    row("Enter in Text2", {"Cmd1", "Text1=10", "Text2=100", "Enter@Text2"}, none, "0");
    row("Escape in Text1", {"Cmd1", "Text1=10", "Text2=100", "Escape@Text1"}, none, "0");
    row("Return on Calcola", {"Cmd1", "Text1=10", "Text2=100", "Return@CmdKalc"}, none, "0");
    row("refused keeps the last result", {"Cmd1", "Text1=10", "Text2=100", "CmdKalc", "Text2=0", "CmdKalc"}, valori,
        "5.033");

    row("it_IT 2500 MHz", {"Cmd7", "Text3=2500", "CmdKalc"}, none, "3.004,8", {"1,1", "1,1", "0,005"}, "it_IT");
    row("it_IT comma typed", {"Cmd7", "Text3=7,9", "CmdKalc"}, none, "8,8", {"390,0", "390,0", "1,677"}, "it_IT");
    row("C 2500 MHz", {"Cmd7", "Text3=2500", "CmdKalc"}, none, "3,004.8", {"1.1", "1.1", "0.005"});
}

void TestForm1::states()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, messages);
    QFETCH(QString, seo);
    QFETCH(QStringList, lowPass);

    QLocale::setDefault(QLocale(locale));
    ModalCatcher boxes;
    run(steps);
    if (QTest::currentTestFailed())
        return;

    QVERIFY(m_form->IsLoaded() && window()->isVisible());
    QCOMPARE(boxes.texts(), messages);
    for (const ModalCatcher::Box &box : boxes.boxes()) {
        QCOMPARE(box.objectName, QStringLiteral("msgBox"));
        QCOMPARE(box.buttons, 1);
        QCOMPARE(box.icon, box.text.startsWith(QLatin1String("Errore")) ? QMessageBox::Critical : QMessageBox::NoIcon);
    }
    QString last;
    for (const QString &step : steps) {
        if (step.size() == 4 && step.startsWith(QLatin1String("Cmd")))
            last = step;
    }
    const int modo = last.isEmpty() ? 0 : last.right(1).toInt();
    QCOMPARE(shown(), Sorted(kAlwaysShown + kModes[modo].shown + (lowPass.isEmpty() ? QStringList() : kLowPass)));
    QCOMPARE(highlighted(), last);
    QCOMPARE(int(m_form->Modo), modo);
    QCOMPARE(text("Risultato"), kModes[modo].risultato);
    QCOMPARE(text("SEO"), seo);
    if (!lowPass.isEmpty())
        QCOMPARE(QStringList({text("LblC1"), text("LblC2"), text("LblFT")}), lowPass);
}

void TestForm1::reopen_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("Torna al menu") << false;
    QTest::newRow("close box") << true;
}

// The second opening starts from the definition; only the mode survives.
void TestForm1::reopen()
{
    QFETCH(bool, closeBox);

    ModalCatcher boxes;
    run({"Cmd2", "Text3=7", "Text2=100", "CmdKalc"});
    QCOMPARE(text("SEO"), QStringLiteral("5.169"));
    QPointer<QWidget> first = window();
    if (closeBox)
        first->close();
    else
        run({"Command1"});
    QVERIFY(!m_form->IsLoaded());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());

    SetHelpFile(QStringLiteral("SOLENORIA.HLP"));
    m_form->Show();
    QCOMPARE(HelpFile(), QStringLiteral("solenoria.hlp"));
    QCOMPARE(shown(), Sorted(kAlwaysShown + kModes[0].shown));
    QCOMPARE(highlighted(), QString());
    QCOMPARE(QStringList({text("Text3"), text("Text2"), text("SEO"), text("Risultato")}),
             QStringList({"0", "0", "0", "*"}));
    QCOMPARE(m_form->Modo, std::int16_t{2});
    run({"CmdKalc"});
    QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Mettere i valori")});
}

// Showing a loaded window brings it forward without running Form_Load again.
void TestForm1::secondShowKeepsTheWindow()
{
    run({"Cmd1", "Text1=10"});
    QWidget *first = window();
    SetHelpFile(QStringLiteral("SOLENORIA.HLP"));
    m_form->Show();
    QCOMPARE(window(), first);
    QCOMPARE(HelpFile(), QStringLiteral("SOLENORIA.HLP"));
    QCOMPARE(text("Text1"), QStringLiteral("10"));
    QCOMPARE(shown(), Sorted(kAlwaysShown + kModes[1].shown));
    QCOMPARE(highlighted(), QStringLiteral("Cmd1"));
}

void TestForm1::runtimeErrorLeavesWindowUsable()
{
    ModalCatcher boxes;
    run({"Cmd1", "Text1=10", "Text2=100", "CmdKalc"});
    QCOMPARE(text("SEO"), QStringLiteral("5.033"));

    // C ⊗ L of 0.0001 by 0.0001 rounds to 0 at four decimals: division by zero.
    run({"Text1=0.0001", "Text2=0.0001", "CmdKalc"});
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.boxes().constFirst().objectName, QStringLiteral("runtimeErrorReport"));
    QCOMPARE(boxes.boxes().constFirst().text, RuntimeErrorText(RuntimeError(ErrorNumber::DivisionByZero)));
    QVERIFY(boxes.boxes().constFirst().text.contains(QLatin1String("11")));
    QCOMPARE(text("SEO"), QStringLiteral("5.033"));
    QVERIFY(window()->isVisible());

    run({"Text1=1", "Text2=100", "CmdKalc", "Cmd4"});
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(text("SEO"), QStringLiteral("15.915"));
    QCOMPARE(m_form->Modo, std::int16_t{4});
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
