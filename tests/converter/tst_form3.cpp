// The converter window driven through its real widgets: the definition, the
// conversion and its search, the refused and the faulty inputs, the scroll
// bars after a conversion and after reopening, Ctrl+A and the help page.
#include "common/modalcatcher.h"
#include "converter/form3.h"
#include "foundation/helpviewer.h"
#include "foundation/program.h"
#include "foundation/toolkit.h"
#include "quantityprint.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTextBrowser>

namespace {

template<typename T = QWidget>
T *Control(const Form3 &form, const QString &name)
{
    T *widget = form.Window() ? form.Window()->findChild<T *>(name) : nullptr;
    if (!widget)
        qFatal("control %s not found", qPrintable(name));
    return widget;
}

QString Text(const Form3 &form, const QString &name)
{
    QWidget *widget = Control(form, name);
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->text();
    if (auto *box = qobject_cast<QLineEdit *>(widget))
        return box->text();
    if (auto *button = qobject_cast<QPushButton *>(widget))
        return button->text();
    return qobject_cast<QPlainTextEdit *>(widget)->toPlainText();
}

QStringList Texts(const Form3 &form, const QStringList &names)
{
    QStringList texts;
    for (const QString &name : names)
        texts << Text(form, name);
    return texts;
}

// The values of VScroll1 and VScroll2.
QList<int> Bars(const Form3 &form)
{
    return {Control<QScrollBar>(form, QStringLiteral("VScroll1"))->value(),
            Control<QScrollBar>(form, QStringLiteral("VScroll2"))->value()};
}

const QStringList kDeparture = {"TextIND", "TextDIA1", "TextSPI", "TextLUN", "TextSPZ", "TextDIA2"};
const QStringList kNew = {"LabelIND2", "LabelSPI", "LabelLUN", "LabelSPZ", "FiloCm"};
const QStringList kUntouched = {"", "", "", "", "0"};

// Replaces what text boxes hold the way the user does: select all, delete, type.
void Enter(const Form3 &form, const QList<std::pair<QString, QString>> &entries)
{
    for (const auto &[name, text] : entries) {
        auto *box = Control<QLineEdit>(form, name);
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }
}

void Click(const Form3 &form, const QString &name)
{
    QTest::mouseClick(Control(form, name), Qt::LeftButton);
}

// One click on the lower (adds 1) or the upper (subtracts 1) arrow of a bar,
// where the style lays the arrow out.
void ClickArrow(const Form3 &form, const QString &name, bool lower)
{
    auto *bar = Control<QScrollBar>(form, name);
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.subControls = QStyle::SC_All;
    const QRect arrow = bar->style()->subControlRect(
        QStyle::CC_ScrollBar, &option, lower ? QStyle::SC_ScrollBarAddLine : QStyle::SC_ScrollBarSubLine, bar);
    QVERIFY2(!arrow.isEmpty() && bar->rect().contains(arrow), qPrintable(name + QStringLiteral(" has no arrows")));
    QTest::mouseClick(bar, Qt::LeftButton, {}, arrow.center());
}

// Converts the default coil, then closes the window and opens it again.
void ConvertAndReopen(Form3 &form, bool closeBox = false)
{
    form.Show();
    Click(form, QStringLiteral("Command1"));
    if (closeBox)
        form.Window()->close();
    else
        Click(form, QStringLiteral("Command2"));
    QVERIFY(!form.IsLoaded());
    form.Show();
}

QList<SearchPass> Passes(std::initializer_list<std::array<double, 3>> rows)
{
    QList<SearchPass> passes;
    for (const auto &row : rows)
        passes.append({ToQuantity(row[0]), ToQuantity(row[1]), ToQuantity(row[2])});
    return passes;
}

const QLocale kItalian(QLocale::Italian, QLocale::Italy);

} // namespace

Q_DECLARE_METATYPE(SearchPass)

class TstForm3 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void definition_data();
    void definition();
    void opening();

    void defaultConversion_data();
    void defaultConversion();
    void otherSearches_data();
    void otherSearches();
    void fractionalLength();
    void refused_data();
    void refused();
    void passLimit();
    void faults_data();
    void faults();

    void scrollAfterConversion_data();
    void scrollAfterConversion();
    void upperArrowAtZero_data();
    void upperArrowAtZero();
    void reopenAfterConversion_data();
    void reopenAfterConversion();
    void barBeforeFirstConversion();
    void barFaultAfterReopen();

    void ctrlA_data();
    void ctrlA();
    void help();

private:
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
}

// A sample of the definition, one row per kind of control and font.
void TstForm3::definition_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("font"); // family, points, then b (bold) and i (italic)
    QTest::addColumn<int>("alignment");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<int>("role");

    QTest::newRow("Label11") << "Label11" << QRect(1485, 135, 2505, 465) << "Dati di partenza"
                             << "Comic Sans MS 14.25 b i" << int(Qt::AlignRight) << QColor(64, 0, 0)
                             << int(QPalette::WindowText);
    QTest::newRow("Label9") << "Label9" << QRect(5715, 2700, 1860, 510) << "Lunghezza bobina mm"
                            << "MS Sans Serif 9.75 b i" << int(Qt::AlignLeft) << QColor(64, 0, 64)
                            << int(QPalette::WindowText);
    QTest::newRow("TextIND") << "TextIND" << QRect(2835, 630, 1140, 555) << "202.547" << "MS Sans Serif 12 b"
                             << int(Qt::AlignRight) << QColor() << 0;
    QTest::newRow("LabelSPZ") << "LabelSPZ" << QRect(4230, 3330, 1140, 555) << "" << "MS Sans Serif 12 b"
                              << int(Qt::AlignRight) << QColor(255, 255, 192) << int(QPalette::Window);
    QTest::newRow("Command1") << "Command1" << QRect(2880, 4005, 2490, 780) << "Ricalcola con nuovo Diametro"
                              << "MS Sans Serif 12 b" << 0 << QColor(255, 255, 192) << int(QPalette::Button);
    QTest::newRow("Command2") << "Command2" << QRect(7290, 225, 1500, 1365) << "Ritorna     al menu esterno"
                              << "MS Sans Serif 12 b" << 0 << QColor() << 0;
    QTest::newRow("Label13") << "Label13" << QRect(5535, 4230, 2040, 330) << "Lunghezza filo mt"
                             << "Comic Sans MS 9.75 b" << int(Qt::AlignRight) << QColor() << 0;
    QTest::newRow("FiloCm") << "FiloCm" << QRect(7695, 4185, 960, 375) << "0" << "MS Sans Serif 12 b"
                            << int(Qt::AlignRight) << QColor() << 0;
    QTest::newRow("Text1") << "Text1" << QRect(270, 4860, 8565, 2175) << QString() << "Comic Sans MS 12" << 0
                           << QColor(255, 192, 255) << int(QPalette::Base);
    QTest::newRow("VScroll2") << "VScroll2" << QRect(5450, 2745, 240, 510) << QString() << QString() << 0 << QColor()
                              << 0;
}

void TstForm3::definition()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    QFETCH(QString, text);
    QFETCH(QString, font);
    QFETCH(int, alignment);
    QFETCH(QColor, colour);
    QFETCH(int, role);

    Form3 form;
    form.Show();
    QWidget *widget = Control(form, name);
    QCOMPARE(widget->parentWidget(), form.Window());
    QCOMPARE(widget->geometry(), QRect(TwipsToPixels(twips.x()), TwipsToPixels(twips.y()),
                                       TwipsToPixels(twips.width()), TwipsToPixels(twips.height())));
    if (!text.isNull())
        QCOMPARE(Text(form, name), text);
    if (!font.isEmpty()) {
        const QFont &f = widget->font();
        QString shown = f.family() + u' ' + QString::number(f.pointSizeF());
        shown += QString(f.bold() ? " b" : "") + QString(f.italic() ? " i" : "");
        QCOMPARE(shown, font);
    }
    if (auto *label = qobject_cast<QLabel *>(widget))
        QCOMPARE(int(label->alignment() & Qt::AlignHorizontal_Mask), alignment);
    if (auto *box = qobject_cast<QLineEdit *>(widget))
        QCOMPARE(int(box->alignment() & Qt::AlignHorizontal_Mask), alignment);
    if (colour.isValid())
        QCOMPARE(widget->palette().color(QPalette::ColorRole(role)), colour);
    if (auto *bar = qobject_cast<QScrollBar *>(widget)) {
        QCOMPARE(bar->orientation(), Qt::Vertical);
        QCOMPARE(QList<int>({bar->minimum(), bar->maximum(), bar->singleStep(), bar->pageStep(), bar->value()}),
                 QList<int>({0, 32767, 1, 1, 0}));
    }
    if (auto *text1 = qobject_cast<QPlainTextEdit *>(widget)) {
        QCOMPARE(text1->palette().color(QPalette::Text), QColor(64, 0, 0));
        // The instructions: the procedure in the program's own words, signed.
        QVERIFY(text1->toPlainText().contains(QStringLiteral("\"Ricalcola con nuovo Diametro\"")));
        QVERIFY(text1->toPlainText().trimmed().endsWith(QStringLiteral("ZORVEK")));
    }
}

void TstForm3::opening()
{
    Form3 form;
    SetHelpFile(QStringLiteral("SOLENORIA.HLP"));
    form.Show();
    QWidget *window = form.Window();
    QCOMPARE(window->objectName(), QStringLiteral("Form3"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Cambia Diametro Bobine"));
    QCOMPARE(window->size(), QSize(592, 470));
    // A sizable border: the user can resize the window.
    QVERIFY(window->minimumSize() != window->maximumSize());
    QCOMPARE(HelpFile(), QStringLiteral("solenoria.hlp"));
    QCOMPARE(Texts(form, kDeparture), QStringList({"202.547", "75.00", "50", "35", "0.70", "70.00"}));
    QCOMPARE(Texts(form, kNew), kUntouched);
    QCOMPARE(window->focusWidget(), Control(form, QStringLiteral("TextDIA2")));

    const QStringList expected = {"TextDIA2", "TextDIA1", "TextSPI",  "TextLUN",  "TextSPZ", "Command1",
                                  "Command2", "TextIND",  "VScroll1", "VScroll2", "Text1"};
    QStringList order;
    QWidget *widget = Control(form, QStringLiteral("TextDIA2"));
    do {
        if (widget->focusPolicy() & Qt::TabFocus)
            order << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != Control(form, QStringLiteral("TextDIA2")) && order.size() < 20);
    QCOMPARE(order, expected);
}

void TstForm3::defaultConversion_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("departure"); // TextIND, TextSPZ
    QTest::addColumn<QStringList>("shown");     // LabelIND2, LabelSPI, LabelLUN, LabelSPZ, FiloCm

    QTest::newRow("C") << QLocale::c() << QStringList{"204.546", "0.70"}
                       << QStringList{"205.072", "54.00", "38", "0.69", "11.809"};
    QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates) << QStringList{"204.546", "0.70"}
                           << QStringList{"205.072", "54.00", "38", "0.69", "11.809"};
    QTest::newRow("it_IT") << kItalian << QStringList{"204,546", "0,70"}
                           << QStringList{"205,072", "54,00", "38", "0,69", "11,809"};
}

void TstForm3::defaultConversion()
{
    QFETCH(QLocale, locale);
    QFETCH(QStringList, departure);
    QFETCH(QStringList, shown);
    QLocale::setDefault(locale);

    Form3 form;
    form.Show();
    ModalCatcher boxes;
    // The second click reads back what the first wrote (TextSPZ shows 0,70
    // under a decimal comma) and must come to the same result.
    for (int click = 1; click <= 2; ++click) {
        Click(form, QStringLiteral("Command1"));
        QCOMPARE(boxes.count(), 0);
        QCOMPARE(Texts(form, {"TextIND", "TextSPZ", "TextLUN"}), departure + QStringList{"35"});
        QCOMPARE(form.UltimaRicerca(), Passes({{36.2, 25.34, 112.969},
                                                {48.8, 34.16, 177.7194},
                                                {52.4, 36.68, 197.3339},
                                                {53.4, 37.38, 202.8549},
                                                {53.7, 37.59, 204.517},
                                                {53.8, 37.66, 205.0717}}));
        QCOMPARE(form.Induttanze()[1], ToQuantity(204.5455));
        QCOMPARE(form.Induttanze()[2], ToQuantity(205.0717));
        QCOMPARE(form.Diametri()[2], ToQuantity(70));
        // LabelSPI is the bar's 108 halves (VScroll1 changed in the sixth pass),
        // LabelLUN the pass's own 37.66 mm (VScroll2 stayed at 75), LabelSPZ
        // 75 / 108, and the wire is for the pass before: 53.7 turns over 37.59 mm.
        QCOMPARE(Texts(form, kNew), shown);
        QCOMPARE(Bars(form), QList<int>({108, 75}));
    }
}

void TstForm3::otherSearches_data()
{
    QTest::addColumn<QStringList>("input"); // TextDIA1, TextSPI, TextLUN, TextDIA2
    QTest::addColumn<QList<SearchPass>>("passes");
    QTest::addColumn<QStringList>("shown"); // LabelIND2, LabelSPI, LabelLUN, LabelSPZ, FiloCm
    QTest::addColumn<QList<int>>("bars");

    // No pass stayed below the departure inductance: the wire is for no turns,
    // and with the bars still at 0 no notification wrote LabelSPZ.
    QTest::newRow("first pass reaches") << QStringList{"1", "1", "1", "30"} << Passes({{0.1, 0.1, 0.0007}})
                                        << QStringList{"0.001", "0.10", "", "", "0.000"} << QList<int>{0, 0};
    // The third pass would find 9.0 turns again, for ever; it goes on with 9.1 and ends.
    QTest::newRow("stuck pass") << QStringList{"10", "62", "27", "75"}
                                << Passes({{8.5, 3.7018, 10.8514}, {9.0, 3.9195, 12.0953}, {9.1, 3.963, 12.3513}})
                                << QStringList{"12.351", "9.10", "4", "0.44", "2.121"} << QList<int>{18, 8};
}

void TstForm3::otherSearches()
{
    QFETCH(QStringList, input);
    QFETCH(QList<SearchPass>, passes);
    QFETCH(QStringList, shown);
    QFETCH(QList<int>, bars);

    Form3 form;
    form.Show();
    ModalCatcher boxes;
    Enter(form, {{"TextDIA1", input[0]}, {"TextSPI", input[1]}, {"TextLUN", input[2]}, {"TextDIA2", input[3]}});
    Click(form, QStringLiteral("Command1"));
    QCOMPARE(boxes.count(), 0);
    QCOMPARE(form.UltimaRicerca(), passes);
    QCOMPARE(Texts(form, kNew), shown);
    QCOMPARE(Bars(form), bars);
}

void TstForm3::fractionalLength()
{
    Form3 form;
    form.Show();
    ModalCatcher boxes;
    Enter(form, {{"TextLUN", "35.4"}});
    Click(form, QStringLiteral("Command1"));
    // Used with its fraction, shown back as a whole number.
    QCOMPARE(Texts(form, {"TextLUN", "TextSPZ", "TextIND", "LabelIND2"}),
             QStringList({"35", "0.71", "203.362", "203.803"}));
    QCOMPARE(form.UltimaRicerca().last(), (SearchPass{ToQuantity(53.8), ToQuantity(38.0904), ToQuantity(203.8033)}));

    // The next conversion reads the whole number back.
    Click(form, QStringLiteral("Command1"));
    QCOMPARE(Texts(form, {"TextLUN", "TextSPZ", "TextIND", "LabelIND2"}),
             QStringList({"35", "0.70", "204.546", "205.072"}));
    QCOMPARE(boxes.count(), 0);
}

void TstForm3::refused_data()
{
    QTest::addColumn<QString>("turns");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("mentions");
    QTest::addColumn<QStringList>("departure"); // TextLUN, TextSPZ as steps 2 and 4 left them

    const QString length = QStringLiteral("maggiore di zero: correggere il valore di \"Lunghezza bobina mm\"");
    const QString spacing = QStringLiteral("La spaziatura di partenza");
    QTest::newRow("length zero") << "50" << "0" << length << QStringList{"", "0.00"};
    QTest::newRow("length empty") << "50" << "" << length << QStringList{"", "0.00"};
    QTest::newRow("length not a number") << "50" << "abc" << length << QStringList{"", "0.00"};
    QTest::newRow("length negative") << "50" << "-35" << length << QStringList{"-35", "-0.70"};
    QTest::newRow("spacing negative") << "-50" << "35" << spacing << QStringList{"35", "-0.70"};
    QTest::newRow("spacing below a ten-thousandth") << "50" << "0.0001" << spacing << QStringList{"", "0.00"};
}

void TstForm3::refused()
{
    QFETCH(QString, turns);
    QFETCH(QString, length);
    QFETCH(QString, mentions);
    QFETCH(QStringList, departure);

    Form3 form;
    form.Show();
    ModalCatcher boxes;
    Enter(form, {{"TextSPI", turns}, {"TextLUN", length}});
    Click(form, QStringLiteral("Command1"));

    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.boxes().first().objectName, QStringLiteral("msgBox"));
    QCOMPARE(boxes.boxes().first().buttons, 1);
    QVERIFY2(boxes.boxes().first().text.contains(mentions), qPrintable(boxes.boxes().first().text));
    QCOMPARE(Texts(form, {"TextLUN", "TextSPZ"}), departure);
    // Nothing of the search is written, and with no conversion the bars do nothing.
    QVERIFY(form.UltimaRicerca().isEmpty());
    QCOMPARE(Texts(form, kNew), kUntouched);
    QCOMPARE(Bars(form), QList<int>({0, 0}));
    ClickArrow(form, QStringLiteral("VScroll1"), true);
    QCOMPARE(Texts(form, kNew), kUntouched);
    QCOMPARE(boxes.count(), 1);
}

void TstForm3::passLimit()
{
    // Negative diameters make the search creep on by a tenth of a turn per
    // pass; it would run for tens of thousands of passes.
    Form3 form;
    form.Show();
    ModalCatcher boxes;
    Enter(form, {{"TextDIA1", "-75"}, {"TextLUN", "1"}, {"TextDIA2", "-70"}});
    Click(form, QStringLiteral("Command1"));

    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.boxes().first().objectName, QStringLiteral("msgBox"));
    QVERIFY2(boxes.boxes().first().text.contains(QStringLiteral("Dopo 10000 tentativi")),
             qPrintable(boxes.boxes().first().text));
    QCOMPARE(form.UltimaRicerca().size(), 10000);
    QVERIFY(form.UltimaRicerca().last().inductance < form.Induttanze()[1]);
    QCOMPARE(Text(form, QStringLiteral("FiloCm")), QStringLiteral("0"));
}

void TstForm3::faults_data()
{
    QTest::addColumn<QStringList>("input"); // TextSPI, TextLUN, TextDIA2
    QTest::addColumn<int>("error");
    QTest::addColumn<QStringList>("shown"); // TextLUN, TextSPZ, TextIND, LabelSPI, LabelLUN
    QTest::addColumn<QList<int>>("bars");

    QTest::newRow("zero turns, step 3") << QStringList{"0", "35", "70"} << 11
                                         << QStringList{"35", "9.99", "202.547", "", ""} << QList<int>{0, 0};
    QTest::newRow("zero new diameter") << QStringList{"50", "35", "0"} << 6
                                        << QStringList{"35", "0.70", "204.546", "", ""} << QList<int>{0, 0};
    QTest::newRow("negative radicand") << QStringList{"50", "35", "-70"} << 5
                                        << QStringList{"35", "0.70", "204.546", "", ""} << QList<int>{0, 0};
    QTest::newRow("turns beyond the bar") << QStringList{"50000", "35", "70"} << 6
                                           << QStringList{"35", "0.00", "204,545,454.546", "36262.00", ""}
                                           << QList<int>{0, 0};
    // The third pass moves VScroll1 to 51 before its length overflows: LabelSPI shows the bar.
    QTest::newRow("length beyond the bar") << QStringList{"50", "35000", "70"} << 6
                                            << QStringList{"35000", "700.00", "0.401", "25.50", "17990"}
                                            << QList<int>{51, 15400};
}

void TstForm3::faults()
{
    QFETCH(QStringList, input);
    QFETCH(int, error);
    QFETCH(QStringList, shown);
    QFETCH(QList<int>, bars);

    Form3 form;
    form.Show();
    ModalCatcher boxes;
    Enter(form, {{"TextSPZ", "9.99"}, {"TextSPI", input[0]}, {"TextLUN", input[1]}, {"TextDIA2", input[2]}});
    Click(form, QStringLiteral("Command1"));

    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.boxes().first().objectName, QStringLiteral("runtimeErrorReport"));
    QVERIFY2(boxes.boxes().first().text.contains(QStringLiteral("'%1'").arg(error)),
             qPrintable(boxes.boxes().first().text));
    // What the steps before the fault wrote stays; nothing after it is written.
    QCOMPARE(Texts(form, {"TextLUN", "TextSPZ", "TextIND", "LabelSPI", "LabelLUN"}), shown);
    QCOMPARE(Bars(form), bars);
    QCOMPARE(Text(form, QStringLiteral("FiloCm")), QStringLiteral("0"));

    // The window goes on working.
    Enter(form, {{"TextSPI", "50"}, {"TextLUN", "35"}, {"TextDIA2", "70"}});
    Click(form, QStringLiteral("Command1"));
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(Texts(form, {"LabelIND2", "FiloCm"}), QStringList({"205.072", "11.809"}));
}

void TstForm3::scrollAfterConversion_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("bar");
    QTest::addColumn<int>("input"); // 0 lower arrow, 1 upper arrow, 2 key Down, 3 key Up
    QTest::addColumn<QList<int>>("bars");
    QTest::addColumn<QStringList>("shown"); // LabelIND2, LabelSPI, LabelLUN, LabelSPZ, FiloCm

    const QLocale c = QLocale::c();
    QTest::newRow("VScroll1 lower arrow") << c << "VScroll1" << 0 << QList<int>{109, 75}
                                          << QStringList{"210.931", "54.50", "37.5", "0.69", "11.809"};
    QTest::newRow("VScroll1 upper arrow") << c << "VScroll1" << 1 << QList<int>{107, 75}
                                          << QStringList{"203.261", "53.50", "37.5", "0.70", "11.809"};
    QTest::newRow("VScroll2 lower arrow") << c << "VScroll2" << 0 << QList<int>{108, 76}
                                          << QStringList{"205.589", "54.00", "38.0", "0.70", "11.809"};
    QTest::newRow("VScroll2 upper arrow") << c << "VScroll2" << 1 << QList<int>{108, 74}
                                          << QStringList{"208.590", "54.00", "37.0", "0.69", "11.809"};
    QTest::newRow("VScroll1 key Down") << c << "VScroll1" << 2 << QList<int>{109, 75}
                                       << QStringList{"210.931", "54.50", "37.5", "0.69", "11.809"};
    QTest::newRow("VScroll2 key Up") << c << "VScroll2" << 3 << QList<int>{108, 74}
                                     << QStringList{"208.590", "54.00", "37.0", "0.69", "11.809"};
    QTest::newRow("VScroll1 lower arrow, it_IT") << kItalian << "VScroll1" << 0 << QList<int>{109, 75}
                                                 << QStringList{"210,931", "54,50", "37,5", "0,69", "11,809"};
}

void TstForm3::scrollAfterConversion()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, bar);
    QFETCH(int, input);
    QFETCH(QList<int>, bars);
    QFETCH(QStringList, shown);
    QLocale::setDefault(locale);

    Form3 form;
    form.Show();
    ModalCatcher boxes;
    Click(form, QStringLiteral("Command1"));
    const QStringList departure = Texts(form, kDeparture);

    if (input <= 1) {
        ClickArrow(form, bar, input == 0);
    } else {
        Control(form, bar)->setFocus();
        QTest::keyClick(Control(form, bar), input == 2 ? Qt::Key_Down : Qt::Key_Up);
    }

    QCOMPARE(boxes.count(), 0);
    QCOMPARE(Bars(form), bars);
    // The wire length and the departure column wait for the next conversion.
    QCOMPARE(Texts(form, kNew), shown);
    QCOMPARE(Texts(form, kDeparture), departure);
}

void TstForm3::upperArrowAtZero_data()
{
    QTest::addColumn<QString>("bar");
    QTest::newRow("VScroll1") << "VScroll1";
    QTest::newRow("VScroll2") << "VScroll2";
}

void TstForm3::upperArrowAtZero()
{
    QFETCH(QString, bar);

    // After a conversion a notification would run the recalculation (and fault,
    // with no turns): nothing may happen at all.
    Form3 form;
    ModalCatcher boxes;
    ConvertAndReopen(form);
    QSignalSpy changes(Control<QScrollBar>(form, bar), &QScrollBar::valueChanged);
    ClickArrow(form, bar, false);
    QCOMPARE(changes.count(), 0);
    QCOMPARE(Bars(form), QList<int>({0, 0}));
    QCOMPARE(Texts(form, kNew), kUntouched);
    QCOMPARE(boxes.count(), 0);
}

void TstForm3::reopenAfterConversion_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<bool>("closeBox"); // closed by the title bar's close box, not by Command2
    QTest::addColumn<QStringList>("shown"); // LabelIND2, LabelSPI, LabelLUN, LabelSPZ, FiloCm

    QTest::newRow("C") << QLocale::c() << false << QStringList{"0.039", "0.50", "0.0", "0.00", "0"};
    QTest::newRow("it_IT") << kItalian << false << QStringList{"0,039", "0,50", "0,0", "0,00", "0"};
    QTest::newRow("close box") << QLocale::c() << true << QStringList{"0.039", "0.50", "0.0", "0.00", "0"};
}

void TstForm3::reopenAfterConversion()
{
    QFETCH(QLocale, locale);
    QFETCH(bool, closeBox);
    QFETCH(QStringList, shown);
    QLocale::setDefault(locale);

    Form3 form;
    ModalCatcher boxes;
    ConvertAndReopen(form, closeBox);
    // The window starts again from its definition...
    QCOMPARE(Texts(form, kDeparture), QStringList({"202.547", "75.00", "50", "35", "0.70", "70.00"}));
    QCOMPARE(Texts(form, kNew), kUntouched);
    QCOMPARE(Bars(form), QList<int>({0, 0}));
    // ...while the stored new diameter of 70 mm drives the bars.
    ClickArrow(form, QStringLiteral("VScroll1"), true);
    QCOMPARE(Texts(form, kNew), shown);
    QCOMPARE(form.Induttanze()[2], ToQuantity(0.0389));
    QCOMPARE(boxes.count(), 0);
}

void TstForm3::barBeforeFirstConversion()
{
    Form3 form;
    form.Show();
    ModalCatcher boxes;
    ClickArrow(form, QStringLiteral("VScroll1"), true);
    ClickArrow(form, QStringLiteral("VScroll2"), true);
    QCOMPARE(Bars(form), QList<int>({1, 1}));
    QCOMPARE(Texts(form, kNew), kUntouched);

    // Closing and reopening without a conversion changes nothing.
    Click(form, QStringLiteral("Command2"));
    form.Show();
    ClickArrow(form, QStringLiteral("VScroll2"), true);
    QCOMPARE(Texts(form, kNew), kUntouched);
    QCOMPARE(boxes.count(), 0);
}

void TstForm3::barFaultAfterReopen()
{
    Form3 form;
    ModalCatcher boxes;
    ConvertAndReopen(form);

    // Half a millimetre with no turns: the spacing divides by zero after the
    // inductance and the turns are written.
    ClickArrow(form, QStringLiteral("VScroll2"), true);
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.boxes().first().objectName, QStringLiteral("runtimeErrorReport"));
    QVERIFY(boxes.boxes().first().text.contains(QStringLiteral("'11'")));
    QCOMPARE(Texts(form, kNew), QStringList({"0.000", "0.00", "", "", "0"}));

    // The bars go on working.
    ClickArrow(form, QStringLiteral("VScroll1"), true);
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(Texts(form, kNew), QStringList({"0.038", "0.50", "0.5", "1.00", "0"}));
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

    Form3 form;
    form.Show();
    QWidget *widget = Control(form, target);
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
    QCOMPARE(form.Window()->isVisible(), !ends);
    // In a text box Ctrl+A keeps its usual meaning.
    if (auto *box = qobject_cast<QLineEdit *>(widget))
        QCOMPARE(box->selectedText(), box->text());
}

void TstForm3::help()
{
    Form3 form;
    QCOMPARE(form.HelpPage(), QStringLiteral("convertitore.html"));

    QFile page(QStringLiteral(":/help/convertitore.html"));
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(page.readAll());
    QVERIFY(html.contains(QStringLiteral("<link rel=\"stylesheet\" href=\"style.css\">")));
    // The worked example is the default conversion.
    for (const char *figure : {"204,546", "205,072", "54,00", "11,809"})
        QVERIFY2(html.contains(QLatin1String(figure)), figure);

    form.Show();
    QWidget *window = form.Window();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_F1);
    auto *viewer = qobject_cast<QTextBrowser *>(HelpWindow());
    QVERIFY(viewer);
    QVERIFY(viewer->isVisible());
    QCOMPARE(viewer->source().fileName(), QStringLiteral("convertitore.html"));
    viewer->close();
}

QTEST_MAIN(TstForm3)
#include "tst_form3.moc"
