// The calculator window on its real widgets: what each mode shows, what
// "Calcola" writes or asks, what survives closing and reopening the window,
// and whether every caption and value fits where it is drawn.
#include "calculator/form1.h"
#include "common/modalcatcher.h"
#include "foundation/helpviewer.h"
#include "foundation/messages.h"
#include "foundation/runtimeerror.h"
#include "foundation/svgimage.h"
#include "foundation/toolkit.h"

#include <QApplication>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QSvgRenderer>
#include <QTest>
#include <QTextBrowser>

#include <algorithm>
#include <memory>

namespace {

const QStringList kControls = {
    QStringLiteral("Label2"),  QStringLiteral("Cmd1"),    QStringLiteral("Cmd2"),     QStringLiteral("Cmd3"),
    QStringLiteral("Cmd4"),    QStringLiteral("Cmd5"),    QStringLiteral("Cmd6"),     QStringLiteral("Cmd7"),
    QStringLiteral("Lblindu"), QStringLiteral("Text1"),   QStringLiteral("Lblcap"),   QStringLiteral("Text2"),
    QStringLiteral("Lblfreq"), QStringLiteral("Text3"),   QStringLiteral("LblSup"),   QStringLiteral("Text4"),
    QStringLiteral("LblSpi"),  QStringLiteral("Text5"),   QStringLiteral("LblLun"),   QStringLiteral("Text6"),
    QStringLiteral("Risultato"), QStringLiteral("SEO"),   QStringLiteral("CmdKalc"),  QStringLiteral("Command1"),
    QStringLiteral("Image1"),  QStringLiteral("Image3"),  QStringLiteral("LblFT"),    QStringLiteral("LblC2"),
    QStringLiteral("LblC1"),   QStringLiteral("Image2"),
};

// What every state of the window shows besides the inputs of the mode.
const QStringList kAlwaysShown = {
    QStringLiteral("Label2"),    QStringLiteral("Cmd1"), QStringLiteral("Cmd2"),    QStringLiteral("Cmd3"),
    QStringLiteral("Cmd4"),      QStringLiteral("Cmd5"), QStringLiteral("Cmd6"),    QStringLiteral("Cmd7"),
    QStringLiteral("Risultato"), QStringLiteral("SEO"),  QStringLiteral("CmdKalc"), QStringLiteral("Command1"),
    QStringLiteral("Image2"),
};

const QStringList kModeButtons = {
    QStringLiteral("Cmd1"), QStringLiteral("Cmd2"), QStringLiteral("Cmd3"), QStringLiteral("Cmd4"),
    QStringLiteral("Cmd5"), QStringLiteral("Cmd6"), QStringLiteral("Cmd7"),
};

const QColor kGrey(224, 224, 224);
const QColor kHighlight(255, 192, 192);

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

// "Text1=10" pairs: the box and what to type into it.
using Inputs = QStringList;

} // namespace

class TestForm1 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void definition_data();
    void definition();
    void windowProperties();
    void tabOrder();
    void openState();
    void modeButton_data();
    void modeButton();
    void compute_data();
    void compute();
    void lowPassShowsValuesOverSchematic();
    void lowPassRefused_data();
    void lowPassRefused();
    void resultKeptAcrossModeChange();
    void messages_data();
    void messages();
    void reopen_data();
    void reopen();
    void secondShowKeepsTypedValues();
    void locale_data();
    void locale();
    void runtimeErrorLeavesWindowUsable();
    void enterAndEscapeDoNothing_data();
    void enterAndEscapeDoNothing();
    void textFits_data();
    void textFits();
    void modeCaptionsFit();
    void pictures_data();
    void pictures();
    void helpPage();

private:
    QWidget *window() const { return m_form->Window(); }
    template<typename T = QWidget>
    T *control(const QString &name) const
    {
        return window() ? window()->findChild<T *>(name) : nullptr;
    }
    void click(const QString &name);
    void type(const Inputs &inputs);
    QStringList shownControls() const;
    QString buttonColours() const;

    std::unique_ptr<Form1> m_form;
};

void TestForm1::initTestCase()
{
    InstallFontSubstitutions();
    QLocale::setDefault(QLocale::c());
}

void TestForm1::init()
{
    SetHelpFile(QStringLiteral("SOLENORIA.HLP"));
    m_form = std::make_unique<Form1>();
    m_form->Show();
    QVERIFY(window());
    QVERIFY(QTest::qWaitForWindowExposed(window()));
}

void TestForm1::cleanup()
{
    m_form.reset();
    QLocale::setDefault(QLocale::c());
}

void TestForm1::click(const QString &name)
{
    auto *button = control<QPushButton>(name);
    QVERIFY2(button, qPrintable(name));
    QVERIFY2(button->isVisible(), qPrintable(name));
    QTest::mouseClick(button, Qt::LeftButton);
}

void TestForm1::type(const Inputs &inputs)
{
    for (const QString &input : inputs) {
        const QString name = input.section(u'=', 0, 0);
        auto *box = control<QLineEdit>(name);
        QVERIFY2(box, qPrintable(name));
        QVERIFY2(box->isVisible(), qPrintable(name));
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, input.section(u'=', 1));
        QCOMPARE(box->text(), input.section(u'=', 1));
    }
}

QStringList TestForm1::shownControls() const
{
    QStringList shown;
    for (const QString &name : kControls) {
        if (control(name) && control(name)->isVisible())
            shown << name;
    }
    shown.sort();
    return shown;
}

// The buttons' faces as "Cmd1:grey ..." so a comparison names the wrong one.
QString TestForm1::buttonColours() const
{
    QStringList faces;
    for (const QString &name : kModeButtons) {
        const QColor face = control(name)->palette().color(QPalette::Button);
        faces << name + u':'
                     + (face == kGrey ? QStringLiteral("grey")
                                      : face == kHighlight ? QStringLiteral("red") : face.name());
    }
    return faces.join(u' ');
}

void TestForm1::definition_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<qreal>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<int>("align");

    const int right = Qt::AlignRight;
    const int left = Qt::AlignLeft;
    const int none = 0;
    const QString label = QStringLiteral("QLabel");
    const QString box = QStringLiteral("QLineEdit");
    const QString button = QStringLiteral("QPushButton");
    const QString image = QStringLiteral("SvgImage");
    auto row = [](const char *name, const QString &kind, const QString &caption, QRect twips, qreal points,
                  bool bold, int align) {
        QTest::newRow(name) << kind << caption << twips << points << bold << align;
    };
    row("Label2", label, QStringLiteral("CALCOLO DI:"), {90, 2070, 3345, 420}, 13.5, true, Qt::AlignHCenter);
    row("Cmd1", button, QStringLiteral("FREQUENZA    dati induttanza e capacità"), {90, 2610, 3345, 555}, 8.25, true, none);
    row("Cmd2", button, QStringLiteral("INDUTTANZA   dati frequenza e capacità"), {90, 3220, 3345, 555}, 8.25, true, none);
    row("Cmd3", button, QStringLiteral("CAPACITA'       dati induttanza e frequenza"), {90, 3863, 3345, 555}, 8.25, true, none);
    row("Cmd4", button, QStringLiteral("INDUTTANZA     dati supporto spire lungh.bobina"), {90, 4506, 3345, 555}, 8.25, true, none);
    row("Cmd5", button, QStringLiteral("SPIRE     dati supporto induttanza"), {90, 5175, 3345, 555}, 8.25, true, none);
    row("Cmd6", button, QStringLiteral("SPIRE    dati supporto,frequenza e capacità"), {90, 5792, 3345, 555}, 8.25, true, none);
    row("Cmd7", button, QStringLiteral("PASSSA-BASSO    data la frequenza"), {90, 6435, 3345, 555}, 8.25, true, none);
    row("Lblindu", label, QStringLiteral("Induttanza µH"), {4095, 3285, 1095, 375}, 8.25, false, right);
    row("Text1", box, QStringLiteral("0"), {5355, 3150, 1500, 465}, 12, true, right);
    row("Lblcap", label, QStringLiteral("Capacità  pF"), {4095, 3834, 1095, 375}, 8.25, false, right);
    row("Text2", box, QStringLiteral("0"), {5355, 3699, 1500, 465}, 12, true, right);
    // Wider to the left than the definition's 1095 twips, so the substituted
    // font keeps "Frequenza Mhz" on one line; the right edge stays.
    row("Lblfreq", label, QStringLiteral("Frequenza Mhz"), {4020, 4383, 1170, 375}, 8.25, false, right);
    row("Text3", box, QStringLiteral("0"), {5355, 4248, 1500, 465}, 12, true, right);
    row("LblSup", label, QStringLiteral("Diam. Supp. mm."), {3690, 4935, 1500, 375}, 8.25, false, right);
    row("Text4", box, QStringLiteral("0"), {5355, 4797, 1500, 465}, 12, true, right);
    row("LblSpi", label, QStringLiteral("Spire"), {4095, 5481, 1095, 375}, 8.25, false, right);
    row("Text5", box, QStringLiteral("0"), {5355, 5346, 1500, 420}, 12, true, right);
    row("LblLun", label, QStringLiteral("Lungh.bobina"), {4095, 6030, 1095, 375}, 8.25, false, right);
    row("Text6", box, QStringLiteral("0"), {5355, 5850, 1500, 465}, 12, true, right);
    row("Risultato", label, QStringLiteral("*"), {4300, 6480, 2535, 465}, 12, true, right);
    row("SEO", box, QStringLiteral("0"), {7065, 6390, 1680, 555}, 12, true, right);
    row("CmdKalc", button, QStringLiteral("Calcola"), {7020, 3150, 1770, 3165}, 9.75, true, none);
    row("Command1", button, QStringLiteral("Torna al menu"), {7020, 45, 1770, 1275}, 8.25, true, none);
    row("Image1", image, QStringLiteral(":/pictures/form1-lc.svg"), {3780, 45, 3090, 3000}, 8.25, false, none);
    row("Image3", image, QStringLiteral(":/pictures/form1-passabasso.svg"), {3780, 90, 3090, 3000}, 8.25, false, none);
    row("LblFT", label, QStringLiteral("0"), {5220, 180, 1185, 420}, 13.5, true, right);
    // The capacitor values are 810 twips wide, not 690 and 510, so that a
    // value up to "10,000.0" is not cut off; the left edges stay.
    row("LblC2", label, QStringLiteral("1000"), {4275, 2295, 810, 300}, 9.75, true, left);
    row("LblC1", label, QStringLiteral("1000"), {5670, 2295, 810, 300}, 9.75, true, left);
    row("Image2", image, QStringLiteral(":/pictures/form1-antenna.svg"), {900, 630, 1590, 600}, 8.25, false, none);
}

void TestForm1::definition()
{
    QFETCH(QString, kind);
    QFETCH(QString, caption);
    QFETCH(QRect, twips);
    QFETCH(qreal, points);
    QFETCH(bool, bold);
    QFETCH(int, align);

    const QString name = QString::fromLatin1(QTest::currentDataTag());
    QWidget *widget = control(name);
    QVERIFY(widget);
    QCOMPARE(widget->objectName(), name);
    QVERIFY2(widget->inherits(kind.toLatin1()), widget->metaObject()->className());
    QCOMPARE(widget->parentWidget(), window());

    QString shown;
    int alignment = 0;
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        shown = label->text();
        alignment = label->alignment() & Qt::AlignHorizontal_Mask;
    } else if (auto *box = qobject_cast<QLineEdit *>(widget)) {
        shown = box->text();
        alignment = box->alignment() & Qt::AlignHorizontal_Mask;
    } else if (auto *button = qobject_cast<QPushButton *>(widget)) {
        shown = button->text();
        QVERIFY(!button->isDefault());
        QVERIFY(!button->autoDefault());
    } else if (auto *picture = qobject_cast<SvgImage *>(widget)) {
        shown = picture->source();
    }
    QCOMPARE(shown, caption);
    if (align)
        QCOMPARE(alignment, align);

    QCOMPARE(widget->geometry(), QRect(TwipsToPixels(twips.x()), TwipsToPixels(twips.y()),
                                       TwipsToPixels(twips.width()), TwipsToPixels(twips.height())));
    if (kind != QLatin1String("SvgImage")) {
        QCOMPARE(widget->font().family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(widget->font().pointSizeF(), points);
        QCOMPARE(widget->font().bold(), bold);
    }
}

void TestForm1::windowProperties()
{
    QCOMPARE(window()->objectName(), QStringLiteral("Form1"));
    QCOMPARE(window()->windowTitle(), QStringLiteral("Le bobine cilindriche ad un solo strato"));
    QCOMPARE(window()->size(), QSize(TwipsToPixels(8880), TwipsToPixels(7050)));
    QCOMPARE(window()->minimumSize(), window()->maximumSize());
    QCOMPARE(window()->palette().color(QPalette::Window), QColor(255, 224, 192));
    QVERIFY(window()->autoFillBackground());
    // The heading is opaque in the window's colour; the other labels let the drawings through.
    QVERIFY(control("Label2")->autoFillBackground());
    QCOMPARE(control("Label2")->palette().color(QPalette::Window), QColor(255, 224, 192));
    for (const char *name : {"LblFT", "LblC1", "LblC2", "Risultato", "Lblindu"})
        QVERIFY2(!control(QLatin1String(name))->autoFillBackground(), name);
    // The low-pass values stand on the schematic, in front of it.
    const QWidget *schematic = control("Image3");
    for (const char *name : {"LblFT", "LblC1", "LblC2"}) {
        QVERIFY2(schematic->geometry().contains(control(QLatin1String(name))->geometry()), name);
        const QObjectList &children = window()->children();
        QVERIFY2(children.indexOf(control(QLatin1String(name))) > children.indexOf(schematic), name);
    }
    QCOMPARE(control<QPushButton>("CmdKalc")->palette().color(QPalette::Button), kGrey);
    QCOMPARE(control<QPushButton>("Command1")->palette().color(QPalette::Button), kGrey);
}

void TestForm1::tabOrder()
{
    const QStringList expected = {"Cmd1",  "Cmd2",  "Cmd3",     "Cmd4",    "Cmd5",  "Cmd6",  "Cmd7", "Text1",
                                  "Text2", "Text3", "Command1", "CmdKalc", "Text4", "Text5", "SEO",  "Text6"};
    QStringList chain;
    QWidget *widget = control("Cmd1");
    do {
        if (widget->focusPolicy() & Qt::TabFocus)
            chain << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != control("Cmd1"));
    QCOMPARE(chain, expected);
}

void TestForm1::openState()
{
    QCOMPARE(shownControls(), sorted(kAlwaysShown + QStringList{"Image1"}));
    QCOMPARE(buttonColours(), QStringLiteral("Cmd1:grey Cmd2:grey Cmd3:grey Cmd4:grey Cmd5:grey Cmd6:grey Cmd7:grey"));
    QCOMPARE(control<QLabel>("Risultato")->text(), QStringLiteral("*"));
    QCOMPARE(control<QLineEdit>("SEO")->text(), QStringLiteral("0"));
    QCOMPARE(m_form->Modo, std::int16_t{0});
    QCOMPARE(HelpFile(), QStringLiteral("solenoria.hlp"));
    // The standard capacitors are loaded: E12 from 1.2 to 10 000 pF.
    QCOMPARE(m_form->ValoriC[1], 1.2f);
    QCOMPARE(m_form->ValoriC[48], 10000.0f);
}

void TestForm1::modeButton_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("modo");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("risultato");

    QTest::newRow("Cmd1 after Cmd4") << "Cmd4" << "Cmd1" << 1
                                     << QStringList{"Text2", "Text1", "Lblindu", "Lblcap", "Image1"}
                                     << "Frequenza Mhz";
    QTest::newRow("Cmd2 after Cmd7") << "Cmd7" << "Cmd2" << 2
                                     << QStringList{"Text2", "Text3", "Lblfreq", "Lblcap", "Image1"}
                                     << "Induttanza µHenry";
    QTest::newRow("Cmd3 after Cmd5") << "Cmd5" << "Cmd3" << 3
                                     << QStringList{"Text1", "Text3", "Lblfreq", "Lblindu", "Image1"}
                                     << "Capacità PF";
    QTest::newRow("Cmd4 after Cmd1") << "Cmd1" << "Cmd4" << 4
                                     << QStringList{"LblLun", "LblSpi", "LblSup", "Text4", "Text5", "Text6", "Image1"}
                                     << "Induttanza µHenry";
    QTest::newRow("Cmd5 after Cmd6") << "Cmd6" << "Cmd5" << 5
                                     << QStringList{"Text1", "Text4", "Text6", "Lblindu", "LblSup", "LblLun", "Image1"}
                                     << "Spire n.";
    QTest::newRow("Cmd6 after Cmd2") << "Cmd2" << "Cmd6" << 6
                                     << QStringList{"Text2", "Text3", "Text4", "Text6", "Lblfreq", "Lblcap",
                                                    "LblSup", "LblLun", "Image1"}
                                     << "Spire n.";
    QTest::newRow("Cmd7 after Cmd3") << "Cmd3" << "Cmd7" << 7 << QStringList{"Text3", "Lblfreq", "Image3"}
                                     << "Freq. taglio Mhz";
    QTest::newRow("Cmd7 after Cmd7") << "Cmd7" << "Cmd7" << 7 << QStringList{"Text3", "Lblfreq", "Image3"}
                                     << "Freq. taglio Mhz";
    QTest::newRow("Cmd4 first") << "" << "Cmd4" << 4
                                << QStringList{"LblLun", "LblSpi", "LblSup", "Text4", "Text5", "Text6", "Image1"}
                                << "Induttanza µHenry";
}

void TestForm1::modeButton()
{
    QFETCH(QString, before);
    QFETCH(QString, button);
    QFETCH(int, modo);
    QFETCH(QStringList, inputs);
    QFETCH(QString, risultato);

    ModalCatcher boxes;
    if (!before.isEmpty())
        click(before);
    click(button);

    QCOMPARE(shownControls(), sorted(kAlwaysShown + inputs));
    QStringList faces;
    for (const QString &name : kModeButtons)
        faces << name + (name == button ? QStringLiteral(":red") : QStringLiteral(":grey"));
    QCOMPARE(buttonColours(), faces.join(u' '));
    QCOMPARE(int(m_form->Modo), modo);
    QCOMPARE(control<QLabel>("Risultato")->text(), risultato);
    QCOMPARE(control<QLineEdit>("SEO")->text(), QStringLiteral("0"));
    QCOMPARE(boxes.count(), 0);
}

void TestForm1::compute_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<Inputs>("inputs");
    QTest::addColumn<QString>("seo");

    QTest::newRow("mode 1 frequency") << "Cmd1" << Inputs{"Text1=10", "Text2=100"} << "5.033";
    QTest::newRow("mode 2 inductance") << "Cmd2" << Inputs{"Text3=7", "Text2=100"} << "5.169";
    QTest::newRow("mode 3 capacitance") << "Cmd3" << Inputs{"Text1=10", "Text3=7"} << "51.694";
    QTest::newRow("mode 4 coil") << "Cmd4" << Inputs{"Text4=20", "Text5=20", "Text6=30"} << "4.103";
    QTest::newRow("mode 5 turns") << "Cmd5" << Inputs{"Text1=4.1026", "Text4=20", "Text6=30"} << "20.0";
    QTest::newRow("mode 5 length not needed") << "Cmd5" << Inputs{"Text1=4.1026", "Text4=20", "Text6=0"} << "9.6";
    QTest::newRow("mode 6 turns for f and C") << "Cmd6" << Inputs{"Text3=7", "Text2=100", "Text4=20", "Text6=30"}
                                              << "22.5";
    QTest::newRow("mode 7 filter") << "Cmd7" << Inputs{"Text3=28"} << "32.7";
    QTest::newRow("decimal comma ends the number") << "Cmd2" << Inputs{"Text3=7,9", "Text2=100"} << "5.169";
    QTest::newRow("thousands grouped") << "Cmd3" << Inputs{"Text1=0.1", "Text3=7"} << "5,169.388";
}

void TestForm1::compute()
{
    QFETCH(QString, button);
    QFETCH(Inputs, inputs);
    QFETCH(QString, seo);

    ModalCatcher boxes;
    click(button);
    type(inputs);
    const QStringList shown = shownControls();
    click(QStringLiteral("CmdKalc"));
    QCOMPARE(boxes.texts(), QStringList());
    QCOMPARE(control<QLineEdit>("SEO")->text(), seo);
    // Computing shows nothing new except the low-pass values, and keeps the mode.
    if (button != QLatin1String("Cmd7"))
        QCOMPARE(shownControls(), shown);
    QCOMPARE(m_form->Modo, std::int16_t(button.right(1).toShort()));
}

void TestForm1::lowPassShowsValuesOverSchematic()
{
    ModalCatcher boxes;
    click(QStringLiteral("Cmd7"));
    type({QStringLiteral("Text3=7")});
    click(QStringLiteral("CmdKalc"));
    QCOMPARE(boxes.count(), 0);
    QCOMPARE(control<QLineEdit>("SEO")->text(), QStringLiteral("8.3"));
    QCOMPARE(control<QLabel>("LblC1")->text(), QStringLiteral("390.0"));
    QCOMPARE(control<QLabel>("LblC2")->text(), QStringLiteral("390.0"));
    QCOMPARE(control<QLabel>("LblFT")->text(), QStringLiteral("1.893"));
    QCOMPARE(shownControls(),
             sorted(kAlwaysShown + QStringList{"Text3", "Lblfreq", "Image3", "LblC1", "LblC2", "LblFT"}));

    // Choosing the mode again hides the values until the next computation.
    click(QStringLiteral("Cmd7"));
    QCOMPARE(shownControls(), sorted(kAlwaysShown + QStringList{"Text3", "Lblfreq", "Image3"}));
    QCOMPARE(control<QLineEdit>("Text3")->text(), QStringLiteral("7"));
    click(QStringLiteral("CmdKalc"));
    QCOMPARE(shownControls(),
             sorted(kAlwaysShown + QStringList{"Text3", "Lblfreq", "Image3", "LblC1", "LblC2", "LblFT"}));
}

void TestForm1::lowPassRefused_data()
{
    QTest::addColumn<bool>("computedBefore");
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QString>("seo");

    QTest::newRow("zero after a result") << true << "0" << QStringList{"390.0", "390.0", "1.893"} << "8.3";
    QTest::newRow("empty after a result") << true << "" << QStringList{"390.0", "390.0", "1.893"} << "8.3";
    QTest::newRow("empty before any result") << false << "" << QStringList{"1000", "1000", "0"} << "0";
    QTest::newRow("negative before any result") << false << "-7" << QStringList{"1000", "1000", "0"} << "0";
}

void TestForm1::lowPassRefused()
{
    QFETCH(bool, computedBefore);
    QFETCH(QString, frequency);
    QFETCH(QStringList, labels);
    QFETCH(QString, seo);

    ModalCatcher boxes;
    click(QStringLiteral("Cmd7"));
    if (computedBefore) {
        type({QStringLiteral("Text3=7")});
        click(QStringLiteral("CmdKalc"));
        QCOMPARE(boxes.count(), 0);
    }
    const QStringList shown = shownControls();
    type({QStringLiteral("Text3=") + frequency});
    click(QStringLiteral("CmdKalc"));

    QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Mettere il valore")});
    QCOMPARE(boxes.boxes().constFirst().icon, QMessageBox::NoIcon);
    QCOMPARE(shownControls(), shown);
    QCOMPARE(QStringList({control<QLabel>("LblC1")->text(), control<QLabel>("LblC2")->text(),
                          control<QLabel>("LblFT")->text()}),
             labels);
    QCOMPARE(control<QLineEdit>("SEO")->text(), seo);
}

void TestForm1::resultKeptAcrossModeChange()
{
    ModalCatcher boxes;
    click(QStringLiteral("Cmd7"));
    type({QStringLiteral("Text3=7")});
    click(QStringLiteral("CmdKalc"));
    click(QStringLiteral("Cmd1"));
    QCOMPARE(control<QLineEdit>("SEO")->text(), QStringLiteral("8.3"));
    QCOMPARE(control<QLabel>("Risultato")->text(), QStringLiteral("Frequenza Mhz"));
    QCOMPARE(shownControls(), sorted(kAlwaysShown + QStringList{"Text2", "Text1", "Lblindu", "Lblcap", "Image1"}));
    // Typed values stay across modes too: the frequency of mode 7 is there in mode 2.
    click(QStringLiteral("Cmd2"));
    QCOMPARE(control<QLineEdit>("Text3")->text(), QStringLiteral("7"));
    QCOMPARE(control<QLineEdit>("SEO")->text(), QStringLiteral("8.3"));
    QCOMPARE(boxes.count(), 0);
}

void TestForm1::messages_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<Inputs>("inputs");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("icon");

    const int critical = QMessageBox::Critical;
    const int none = QMessageBox::NoIcon;
    QTest::newRow("no mode chosen") << "" << Inputs{} << "Errore non contemplato!" << critical;
    QTest::newRow("mode 2 boxes at 0") << "Cmd2" << Inputs{} << "Mettere i valori" << none;
    QTest::newRow("mode 1 inductance below four decimals") << "Cmd1" << Inputs{"Text1=0.00004", "Text2=100"}
                                                           << "Mettere i valori" << none;
    QTest::newRow("mode 3 text instead of a number") << "Cmd3" << Inputs{"Text1=abc", "Text3=7"}
                                                     << "Mettere i valori" << none;
    QTest::newRow("mode 4 turns empty") << "Cmd4" << Inputs{"Text4=20", "Text5=", "Text6=30"}
                                        << "Mettere i valori" << none;
    QTest::newRow("mode 5 diameter negative") << "Cmd5" << Inputs{"Text1=4", "Text4=-20", "Text6=30"}
                                              << "Mettere i valori" << none;
    QTest::newRow("mode 6 length 0") << "Cmd6" << Inputs{"Text3=7", "Text2=100", "Text4=20", "Text6=0"}
                                     << "Mettere i valori" << none;
    QTest::newRow("mode 7 boxes at 0") << "Cmd7" << Inputs{} << "Mettere il valore" << none;
}

void TestForm1::messages()
{
    QFETCH(QString, button);
    QFETCH(Inputs, inputs);
    QFETCH(QString, message);
    QFETCH(int, icon);

    ModalCatcher boxes;
    if (!button.isEmpty())
        click(button);
    type(inputs);
    const QStringList shown = shownControls();
    const std::int16_t modo = m_form->Modo;
    click(QStringLiteral("CmdKalc"));

    QCOMPARE(boxes.texts(), QStringList{message});
    const ModalCatcher::Box &box = boxes.boxes().constFirst();
    QCOMPARE(box.objectName, QStringLiteral("msgBox"));
    QCOMPARE(int(box.icon), icon);
    QCOMPARE(box.buttons, 1);
    // A refused computation changes nothing.
    QCOMPARE(control<QLineEdit>("SEO")->text(), QStringLiteral("0"));
    QCOMPARE(shownControls(), shown);
    QCOMPARE(m_form->Modo, modo);
}

void TestForm1::reopen_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("Torna al menu") << false;
    QTest::newRow("close box") << true;
}

void TestForm1::reopen()
{
    QFETCH(bool, closeBox);

    ModalCatcher boxes;
    click(QStringLiteral("Cmd2"));
    type({QStringLiteral("Text3=7"), QStringLiteral("Text2=100")});
    click(QStringLiteral("CmdKalc"));
    QCOMPARE(control<QLineEdit>("SEO")->text(), QStringLiteral("5.169"));

    QPointer<QWidget> first = window();
    if (closeBox)
        first->close();
    else
        click(QStringLiteral("Command1"));
    QVERIFY(!m_form->IsLoaded());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());

    // The second opening starts from the definition; only the mode survives.
    SetHelpFile(QStringLiteral("SOLENORIA.HLP"));
    m_form->Show();
    QVERIFY(m_form->IsLoaded());
    QCOMPARE(HelpFile(), QStringLiteral("solenoria.hlp"));
    QCOMPARE(shownControls(), sorted(kAlwaysShown + QStringList{"Image1"}));
    QCOMPARE(buttonColours(), QStringLiteral("Cmd1:grey Cmd2:grey Cmd3:grey Cmd4:grey Cmd5:grey Cmd6:grey Cmd7:grey"));
    QCOMPARE(control<QLineEdit>("Text3")->text(), QStringLiteral("0"));
    QCOMPARE(control<QLineEdit>("SEO")->text(), QStringLiteral("0"));
    QCOMPARE(control<QLabel>("Risultato")->text(), QStringLiteral("*"));
    QCOMPARE(m_form->Modo, std::int16_t{2});

    click(QStringLiteral("CmdKalc"));
    QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Mettere i valori")});
}

void TestForm1::secondShowKeepsTypedValues()
{
    click(QStringLiteral("Cmd1"));
    type({QStringLiteral("Text1=10")});
    QWidget *first = window();
    SetHelpFile(QStringLiteral("SOLENORIA.HLP"));
    m_form->Show();
    QCOMPARE(window(), first);
    QCOMPARE(control<QLineEdit>("Text1")->text(), QStringLiteral("10"));
    QCOMPARE(shownControls(), sorted(kAlwaysShown + QStringList{"Text2", "Text1", "Lblindu", "Lblcap", "Image1"}));
    QCOMPARE(control<QPushButton>("Cmd1")->palette().color(QPalette::Button), kHighlight);
    // Form_Load did not run again.
    QCOMPARE(HelpFile(), QStringLiteral("SOLENORIA.HLP"));
}

void TestForm1::locale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("seo");
    QTest::addColumn<QString>("capacitor");
    QTest::addColumn<QString>("coil");

    QTest::newRow("it_IT 2500 MHz") << "it_IT" << "2500" << "3.004,8" << "1,1" << "0,005";
    QTest::newRow("it_IT 7 MHz") << "it_IT" << "7" << "8,3" << "390,0" << "1,893";
    QTest::newRow("it_IT comma typed") << "it_IT" << "7,9" << "8,3" << "390,0" << "1,893";
    QTest::newRow("it_IT 0.1 MHz") << "it_IT" << "0.1" << "0,2" << "10.000,0" << "132,500";
    QTest::newRow("C 2500 MHz") << "C" << "2500" << "3,004.8" << "1.1" << "0.005";
    QTest::newRow("C 0.1 MHz") << "C" << "0.1" << "0.2" << "10,000.0" << "132.500";
}

void TestForm1::locale()
{
    QFETCH(QString, locale);
    QFETCH(QString, frequency);
    QFETCH(QString, seo);
    QFETCH(QString, capacitor);
    QFETCH(QString, coil);

    QLocale::setDefault(QLocale(locale));
    ModalCatcher boxes;
    click(QStringLiteral("Cmd7"));
    type({QStringLiteral("Text3=") + frequency});
    click(QStringLiteral("CmdKalc"));
    QCOMPARE(boxes.count(), 0);
    QCOMPARE(control<QLineEdit>("SEO")->text(), seo);
    QCOMPARE(control<QLabel>("LblC1")->text(), capacitor);
    QCOMPARE(control<QLabel>("LblC2")->text(), capacitor);
    QCOMPARE(control<QLabel>("LblFT")->text(), coil);
}

void TestForm1::runtimeErrorLeavesWindowUsable()
{
    ModalCatcher boxes;
    click(QStringLiteral("Cmd1"));
    type({QStringLiteral("Text1=10"), QStringLiteral("Text2=100")});
    click(QStringLiteral("CmdKalc"));
    QCOMPARE(control<QLineEdit>("SEO")->text(), QStringLiteral("5.033"));

    // C ⊗ L of 0.0001 by 0.0001 rounds to 0 at four decimals: division by zero.
    type({QStringLiteral("Text1=0.0001"), QStringLiteral("Text2=0.0001")});
    click(QStringLiteral("CmdKalc"));
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.boxes().constFirst().objectName, QStringLiteral("runtimeErrorReport"));
    QCOMPARE(boxes.boxes().constFirst().text, RuntimeErrorText(RuntimeError(ErrorNumber::DivisionByZero)));
    QVERIFY(boxes.boxes().constFirst().text.contains(QLatin1String("11")));
    QCOMPARE(control<QLineEdit>("SEO")->text(), QStringLiteral("5.033"));
    QVERIFY(m_form->IsLoaded());
    QVERIFY(window()->isVisible());

    boxes.clear();
    type({QStringLiteral("Text1=1")});
    type({QStringLiteral("Text2=100")});
    click(QStringLiteral("CmdKalc"));
    QCOMPARE(boxes.count(), 0);
    QCOMPARE(control<QLineEdit>("SEO")->text(), QStringLiteral("15.915"));
    click(QStringLiteral("Cmd4"));
    QCOMPARE(m_form->Modo, std::int16_t{4});
}

void TestForm1::enterAndEscapeDoNothing_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::newRow("Return in Text1") << "Text1" << int(Qt::Key_Return);
    QTest::newRow("Enter in Text2") << "Text2" << int(Qt::Key_Enter);
    QTest::newRow("Escape in Text1") << "Text1" << int(Qt::Key_Escape);
    QTest::newRow("Return on Calcola") << "CmdKalc" << int(Qt::Key_Return);
    QTest::newRow("Escape on Calcola") << "CmdKalc" << int(Qt::Key_Escape);
}

void TestForm1::enterAndEscapeDoNothing()
{
    QFETCH(QString, focus);
    QFETCH(int, key);

    ModalCatcher boxes;
    click(QStringLiteral("Cmd1"));
    type({QStringLiteral("Text1=10"), QStringLiteral("Text2=100")});
    click(QStringLiteral("Cmd1"));
    QWidget *target = control(focus);
    target->setFocus();
    QTest::keyClick(target, Qt::Key(key));

    QCOMPARE(boxes.count(), 0);
    QVERIFY(m_form->IsLoaded());
    QVERIFY(window()->isVisible());
    QCOMPARE(control<QLineEdit>("SEO")->text(), QStringLiteral("0"));
    QCOMPARE(m_form->Modo, std::int16_t{1});
}

void TestForm1::textFits_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");

    for (const char *name : {"Lblindu", "Lblcap", "Lblfreq", "LblSup", "LblSpi", "LblLun", "Label2"})
        QTest::newRow(name) << name << QString();
    for (const char *caption : {"Frequenza Mhz", "Induttanza µHenry", "Capacità PF", "Spire n.", "Freq. taglio Mhz"})
        QTest::newRow(caption) << "Risultato" << QString::fromUtf8(caption);
    QTest::newRow("LblC1 10,000.0") << "LblC1" << "10,000.0";
    QTest::newRow("LblC2 10,000.0") << "LblC2" << "10,000.0";
    QTest::newRow("LblC1 10.000,0") << "LblC1" << "10.000,0";
    QTest::newRow("LblFT 132.500") << "LblFT" << "132.500";
    QTest::newRow("Calcola") << "CmdKalc" << QString();
    QTest::newRow("Torna al menu") << "Command1" << QString();
}

// Each caption stands on one line within its control, in the substituted font.
void TestForm1::textFits()
{
    QFETCH(QString, name);
    QFETCH(QString, text);

    QWidget *widget = control(name);
    QVERIFY(widget);
    if (text.isEmpty())
        text = widget->property("text").toString();
    const QFontMetrics metrics(widget->font());
    const int margin = qobject_cast<QPushButton *>(widget) ? 12 : 0;
    QVERIFY2(metrics.horizontalAdvance(text) <= widget->width() - margin,
             qPrintable(QStringLiteral("%1 needs %2 px, has %3").arg(text).arg(metrics.horizontalAdvance(text))
                            .arg(widget->width() - margin)));
    QVERIFY(metrics.height() <= widget->height());
}

// The mode captions wrap; at two lines they fit their buttons.
void TestForm1::modeCaptionsFit()
{
    for (const QString &name : kModeButtons) {
        auto *button = control<QPushButton>(name);
        const QFontMetrics metrics(button->font());
        const QString caption = button->text();
        const int blanks = caption.indexOf(QLatin1String("  "));
        QVERIFY2(blanks > 0, qPrintable(name));
        const QString title = caption.left(blanks);
        const QString data = caption.mid(blanks).trimmed();
        QVERIFY2(metrics.horizontalAdvance(title) <= button->width() - 12, qPrintable(name));
        QVERIFY2(metrics.horizontalAdvance(data) <= button->width() - 12, qPrintable(name));
        QVERIFY2(2 * metrics.lineSpacing() <= button->height() - 4, qPrintable(name));
    }
}

void TestForm1::pictures_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QSize>("proportion");

    QTest::newRow("LC tank") << ":/pictures/form1-lc.svg" << QSize(3090, 3000);
    QTest::newRow("low-pass") << ":/pictures/form1-passabasso.svg" << QSize(3090, 3000);
    QTest::newRow("antenna") << ":/pictures/form1-antenna.svg" << QSize(1590, 600);
    QTest::newRow("menu picture") << ":/pictures/menu-zorvek.svg" << QSize(106, 109);
}

// Each picture is drawn for the proportion of the rectangle it is stretched
// over, so nothing in it is distorted.
void TestForm1::pictures()
{
    QFETCH(QString, source);
    QFETCH(QSize, proportion);

    QSvgRenderer renderer(source);
    QVERIFY(renderer.isValid());
    const QRectF box = renderer.viewBoxF();
    QVERIFY(!box.isEmpty());
    QVERIFY(qAbs(box.width() / box.height() - qreal(proportion.width()) / proportion.height()) < 0.01);

    QImage picture(box.size().toSize() * 2, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    renderer.render(&painter);
    painter.end();
    // Something is drawn, and not everything in one colour.
    QSet<QRgb> colours;
    for (int y = 0; y < picture.height(); y += 3)
        for (int x = 0; x < picture.width(); x += 3)
            colours.insert(picture.pixel(x, y));
    QVERIFY(colours.size() > 2);
}

void TestForm1::helpPage()
{
    QCOMPARE(m_form->HelpPage(), QStringLiteral("calcolatore.html"));
    QFile page(QStringLiteral(":/help/") + m_form->HelpPage());
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(page.readAll());
    QVERIFY(html.contains(QLatin1String("<link rel=\"stylesheet\" href=\"style.css\">")));

    window()->activateWindow();
    QApplication::setActiveWindow(window());
    QTest::keyClick(window(), Qt::Key_F1);
    auto *viewer = qobject_cast<QTextBrowser *>(HelpWindow());
    QVERIFY(viewer);
    QVERIFY(viewer->isVisible());
    QCOMPARE(viewer->source().fileName(), QStringLiteral("calcolatore.html"));
    QVERIFY(viewer->toPlainText().contains(QLatin1String("PASSA-BASSO")));
    viewer->close();
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
