// The designer window on its real widgets: its definition, the coil it opens
// with, the step buttons and their bounds, the spacing lock, square coils and
// the reports of inputs that no formula takes.
#include "designer/form2.h"

#include "common/modalcatcher.h"
#include "foundation/helpviewer.h"
#include "foundation/program.h"
#include "foundation/runtimeerror.h"
#include "foundation/svgimage.h"
#include "foundation/toolkit.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBrowser>
#include <cmath>
#include <memory>

namespace {

QLocale Locale(const QString &name)
{
    return name == QLatin1String("C") ? QLocale::c() : QLocale(name);
}

// A definition's twips as pixels: 15 twips to the pixel, rounded.
QRect Twips(int left, int top, int width, int height)
{
    auto px = [](int twips) { return static_cast<int>(std::lround(twips / 15.0)); };
    return QRect(px(left), px(top), px(width), px(height));
}

const QStringList kFields{"DiamSup", "LunBob", "Spire", "Cap1", "Cap2"};
const QStringList kLoadTexts{"40", "55", "110", "365", "35"};
const QStringList kResults{"Spaz", "MicroH", "Freq1", "Freq2", "FiloCm", "Label9", "Label10"};
const QString kSentinel = QStringLiteral("sentinel");

// Light and dark pixels inside a rectangle of an image.
bool HasInk(const QImage &image, const QRect &area)
{
    bool dark = false, light = false;
    for (int y = area.top(); y <= area.bottom(); y += 2) {
        for (int x = area.left(); x <= area.right(); x += 2) {
            const int grey = qGray(image.pixel(x, y));
            dark = dark || grey < 60;
            light = light || grey > 200;
        }
    }
    return dark && light;
}

} // namespace

class TestForm2 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void definition_data();
    void definition();
    void colours();
    void tabOrder();
    void loadState_data();
    void loadState();
    void typedValuesNeedRecalculation_data();
    void typedValuesNeedRecalculation();
    void accessKeyRecalculates();
    void steps_data();
    void steps();
    void lockOnAndOff_data();
    void lockOnAndOff();
    void fieldClicksAndSteps_data();
    void fieldClicksAndSteps();
    void lengthClickWhileReleased();
    void lockKeepsSpacing_data();
    void lockKeepsSpacing();
    void lockWithSquareCoils();
    void squareCoils_data();
    void squareCoils();
    void runtimeErrors_data();
    void runtimeErrors();
    void escapeDoesNothing();
    void returnToMenuReloads();
    void pictures();
    void helpOnF1();

private:
    void Open(const QString &locale = QStringLiteral("C"));
    template<typename T>
    T *Control(const QString &name) const
    {
        QWidget *window = form->Window();
        if (!window)
            return nullptr;
        if (window->objectName() == name)
            return qobject_cast<T *>(window);
        return window->findChild<T *>(name);
    }
    QLineEdit *Field(const QString &name) const { return Control<QLineEdit>(name); }
    QString Result(const QString &name) const { return Control<QLabel>(name)->text(); }
    void Type(const QString &field, const QString &text);
    void Press(const QString &button);
    void Select(const QString &option);
    void ClickField(const QString &field);
    void SetSentinels();
    bool Locked() const { return Control<QCheckBox>("Aggancia")->checkState() == Qt::Checked; }
    QStringList Results() const;

    std::unique_ptr<Form2> form;
    std::unique_ptr<ModalCatcher> catcher;
};

void TestForm2::initTestCase()
{
    InstallFontSubstitutions();
    Program::instance().SetEndAction([] {});
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

void TestForm2::Open(const QString &locale)
{
    if (form->IsLoaded())
        form->Unload();
    QLocale::setDefault(Locale(locale));
    form->Show();
    QVERIFY(form->IsLoaded());
    QVERIFY(QTest::qWaitForWindowActive(form->Window()));
}

void TestForm2::Type(const QString &field, const QString &text)
{
    QLineEdit *edit = Field(field);
    QVERIFY(edit);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
    QCOMPARE(edit->text(), text);
}

void TestForm2::Press(const QString &button)
{
    auto *push = Control<QPushButton>(button);
    QVERIFY2(push, qPrintable(button));
    QTest::mouseClick(push, Qt::LeftButton);
}

void TestForm2::Select(const QString &option)
{
    auto *radio = Control<QRadioButton>(option);
    QVERIFY2(radio, qPrintable(option));
    // On the round indicator, which answers whatever the caption's width.
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(7, radio->height() / 2));
    QVERIFY(radio->isChecked());
}

void TestForm2::ClickField(const QString &field)
{
    QTest::mouseClick(Field(field), Qt::LeftButton);
}

void TestForm2::SetSentinels()
{
    for (const QString &name : kResults)
        Control<QLabel>(name)->setText(kSentinel);
}

QStringList TestForm2::Results() const
{
    QStringList texts;
    for (const QString &name : kResults)
        texts << Result(name);
    return texts;
}

void TestForm2::definition_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    const QString ms = QStringLiteral("MS Sans Serif");
    auto row = [&](const char *name, const char *kind, const QString &caption, QRect geometry, double points = 8.25,
                   bool bold = false, const QString &family = QStringLiteral("MS Sans Serif")) {
        QTest::newRow(name) << QString::fromLatin1(kind) << caption << geometry << family << points << bold;
    };
    row("Frame1", "QFrame", "", Twips(1, 45, 8835, 8100));
    row("Aggancia", "QCheckBox", "Blocca Spaziatura", Twips(4950, 180, 1185, 465));
    row("Label12", "QLabel", "Antenna Quadro", Twips(6960, 120, 1455, 255));
    row("Label9", "QLabel", "", Twips(6390, 360, 2145, 285), 9, true, "Courier New");
    row("Label10", "QLabel", "", Twips(6390, 660, 2145, 390), 9, true, "Courier New");
    row("Option1", "QRadioButton", "Diametro supporto", Twips(120, 300, 1695, 390));
    row("meno05", "QPushButton", "- .5", Twips(2080, 375, 465, 240), 8.25, true);
    row("meno10a", "QPushButton", "-", Twips(2550, 300, 375, 375), 13.5, true);
    row("DiamSup", "QLineEdit", "40", Twips(3000, 300, 750, 390), 9.75, true);
    row("piu10a", "QPushButton", "+", Twips(3840, 300, 375, 375), 12, true);
    row("piu05", "QPushButton", "+ .5", Twips(4220, 375, 465, 240), 8.25, true);
    row("Option2", "QRadioButton", "Lunghezza bobina", Twips(120, 705, 2100, 390));
    row("meno10b", "QPushButton", "-", Twips(2550, 700, 375, 375), 13.5, true);
    row("LunBob", "QLineEdit", "55", Twips(3000, 700, 750, 390), 9.75, true);
    row("piu10b", "QPushButton", "+", Twips(3840, 675, 375, 375), 12, true);
    row("Spaz", "QLabel", "0.50", Twips(4920, 700, 1200, 375), 9.75, true);
    row("Label8", "QLabel", "mm", Twips(6240, 700, 615, 405));
    row("Option3", "QRadioButton", "Spire", Twips(120, 1095, 2100, 390));
    row("meno10c", "QPushButton", "-", Twips(2550, 1100, 375, 375), 13.5, true);
    row("Spire", "QLineEdit", "110", Twips(3000, 1100, 750, 390), 9.75, true);
    row("piu10c", "QPushButton", "+", Twips(3840, 1100, 375, 375), 12, true);
    row("Label3", "QLabel", "Filo occorrente esclusi terminali", Twips(4905, 1100, 1185, 375));
    row("FiloCm", "QLabel", "13.823", Twips(6120, 1100, 1275, 375), 9.75, true);
    row("Label4", "QLabel", "mt", Twips(7470, 1095, 285, 330), 9.75, true);
    row("Option4", "QRadioButton", QStringLiteral("pF Capacità 1"), Twips(120, 1500, 2100, 390));
    row("meno10d", "QPushButton", "-", Twips(2550, 1500, 375, 375), 13.5, true);
    row("Cap1", "QLineEdit", "365", Twips(3000, 1500, 750, 390), 9.75, true);
    row("piu10d", "QPushButton", "+", Twips(3840, 1500, 375, 375), 12, true);
    row("Freq1", "QLabel", ".512", Twips(4900, 1500, 1200, 390), 9.75, true);
    row("Label5", "QLabel", "Mhz", Twips(6255, 1560, 375, 390));
    row("Option5", "QRadioButton", QStringLiteral("pF Capacità 2"), Twips(120, 1905, 2100, 390));
    row("meno10e", "QPushButton", "-", Twips(2550, 1900, 375, 375), 13.5, true);
    row("Cap2", "QLineEdit", "35", Twips(3000, 1900, 750, 390), 9.75, true);
    row("piu10e", "QPushButton", "+", Twips(3840, 1900, 375, 375), 12, true);
    row("Freq2", "QLabel", "1.652", Twips(4900, 1900, 1200, 390), 9.75, true);
    row("Label6", "QLabel", "Mhz", Twips(6255, 1935, 495, 390));
    row("Frame2", "QFrame", "", Twips(6660, 1620, 1140, 1365));
    row("Label11", "QLabel", "Bobine quadrate", Twips(60, 135, 915, 420), 8.25, true);
    row("Option6", "QRadioButton", "si", Twips(135, 630, 555, 195));
    row("Option7", "QRadioButton", "no", Twips(135, 990, 510, 195));
    row("Cmdmeno1", "QPushButton", "-1", Twips(2550, 2400, 800, 285), 9.75, true);
    row("Cmdpiu1", "QPushButton", "+1", Twips(3400, 2400, 800, 285), 9.75, true);
    row("Label7", "QLabel", "Induttanza", Twips(3375, 2790, 1365, 285));
    row("MicroH", "QLabel", "265.205", Twips(4900, 2700, 1200, 390), 9.75, true);
    row("Label1", "QLabel", QStringLiteral("µH"), Twips(6250, 2700, 855, 390));
    row("CmdCalc", "QPushButton", "&Ricalcolo", Twips(6705, 3240, 1605, 375), 9.75, true);
    row("Image2", "SvgImage", "", Twips(45, 3285, 6135, 3675));
    row("Image1", "SvgImage", "", Twips(45, 3285, 6135, 3675));
    row("Label2", "QLabel", "   F1    guida all'uso", Twips(7425, 3780, 1185, 1320), 13.5);
    row("Cmdesci", "QPushButton", "Torna al menu", Twips(7515, 5220, 1150, 1140), 8.25, true);
    row("CmdBlock", "QPushButton", "", Twips(8160, 5400, 75, 195));
}

void TestForm2::definition()
{
    QFETCH(QString, kind);
    QFETCH(QString, caption);
    QFETCH(QRect, geometry);
    QFETCH(QString, family);
    QFETCH(double, points);
    QFETCH(bool, bold);
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    QWidget *window = form->Window();
    QCOMPARE(window->objectName(), QStringLiteral("Form2"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Nuovo modo di calcolo Bobine  by zorvek"));
    QCOMPARE(window->size(), QSize(592, 470));
    QCOMPARE(window->minimumSize(), window->maximumSize());

    QWidget *control = window->findChild<QWidget *>(name);
    QVERIFY2(control, qPrintable(name));
    QVERIFY2(control->inherits(kind.toLatin1()), control->metaObject()->className());
    QCOMPARE(control->geometry(), geometry);
    // Every control lies in Frame1; the square-coil options in Frame2.
    const QString container = name == "Frame1" ? "Form2"
                              : QStringList{"Label11", "Option6", "Option7"}.contains(name) ? "Frame2"
                                                                                            : "Frame1";
    QCOMPARE(control->parentWidget()->objectName(), container);
    if (auto *button = qobject_cast<QAbstractButton *>(control))
        QCOMPARE(button->text(), caption);
    else if (auto *label = qobject_cast<QLabel *>(control))
        QCOMPARE(label->text(), caption);
    else if (auto *edit = qobject_cast<QLineEdit *>(control))
        QCOMPARE(edit->text(), caption);
    QCOMPARE(control->font().family(), family);
    QCOMPARE(control->font().pointSizeF(), points);
    QCOMPARE(control->font().bold(), bold);
}

void TestForm2::colours()
{
    const QColor peach(0xFF, 0xE0, 0xC0), yellow(0xFF, 0xFF, 0xC0), grey(0xE0, 0xE0, 0xE0);
    auto colour = [this](const char *name, QPalette::ColorRole role) {
        return Control<QWidget>(name)->palette().color(role);
    };
    QCOMPARE(colour("Form2", QPalette::Window), peach);
    QCOMPARE(colour("Frame1", QPalette::Window), peach);
    QCOMPARE(colour("Frame2", QPalette::Window), peach);
    QCOMPARE(colour("Aggancia", QPalette::Window), peach);
    QCOMPARE(colour("Option3", QPalette::Window), peach);
    QCOMPARE(colour("CmdBlock", QPalette::Button), peach);
    QCOMPARE(colour("CmdCalc", QPalette::Button), grey);
    QCOMPARE(colour("Cmdesci", QPalette::Button), grey);
    QCOMPARE(colour("Label9", QPalette::WindowText), QColor(0x80, 0x00, 0x80));
    QCOMPARE(colour("Label10", QPalette::WindowText), QColor(0x80, 0x00, 0x80));
    for (const char *name : {"Spaz", "MicroH", "Freq1", "Freq2", "FiloCm"}) {
        auto *label = Control<QLabel>(name);
        QCOMPARE(label->palette().color(QPalette::Window), yellow);
        QVERIFY(label->autoFillBackground());
        QCOMPARE(label->frameShape(), QFrame::Box);
        QVERIFY(label->alignment() & Qt::AlignRight);
    }
    QCOMPARE(Control<QRadioButton>("Option4")->toolTip(), QStringLiteral("Cond.Variabile 1"));
    QCOMPARE(Control<QRadioButton>("Option5")->toolTip(), QStringLiteral("Cond.Variabile2"));
}

void TestForm2::tabOrder()
{
    QCOMPARE(QApplication::focusWidget(), Field("DiamSup"));
    const QStringList expected{"LunBob", "Spire", "Cap1", "Cap2", "Cmdmeno1", "Cmdpiu1", "CmdBlock", "CmdCalc"};
    for (const QString &name : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), name);
    }
}

void TestForm2::loadState_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("results");
    QTest::newRow("C") << "C" << QStringList{"0.50", "265.205", ".512", "1.652", "13.823", "", ""};
    QTest::newRow("en_US") << "en_US" << QStringList{"0.50", "265.205", ".512", "1.652", "13.823", "", ""};
    QTest::newRow("it_IT") << "it_IT" << QStringList{"0,50", "265,205", ",512", "1,652", "13,823", "", ""};
}

void TestForm2::loadState()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, results);
    SetHelpFile(QStringLiteral("SOLENORIA.HLP"));
    Open(locale);
    for (int i = 0; i < kFields.size(); ++i)
        QCOMPARE(Field(kFields[i])->text(), kLoadTexts[i]);
    QCOMPARE(Results(), results);
    for (const char *option : {"Option1", "Option7"})
        QVERIFY(Control<QRadioButton>(option)->isChecked());
    for (const char *option : {"Option2", "Option3", "Option4", "Option5", "Option6"})
        QVERIFY(!Control<QRadioButton>(option)->isChecked());
    QCOMPARE(Control<QCheckBox>("Aggancia")->checkState(), Qt::Unchecked);
    QCOMPARE(Control<QCheckBox>("Aggancia")->text(), QStringLiteral("Blocca Spaziatura"));
    QVERIFY(Control<QWidget>("Image1")->isVisible());
    QVERIFY(!Control<QWidget>("Image2")->isVisible());
    QCOMPARE(HelpFile(), QStringLiteral("solenoria.hlp"));
    QCOMPARE(form->HelpPage(), QStringLiteral("progettista.html"));
    QCOMPARE(catcher->count(), 0);
    // "-1"/"+1" act on the diameter at first.
    Press("Cmdpiu1");
    QCOMPARE(Field("DiamSup")->text(), QStringLiteral("41"));
}

void TestForm2::typedValuesNeedRecalculation_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("shown");
    QTest::newRow("side at 250 mm") << "C" << "DiamSup" << "250" << "Label9" << "lato cm 22.2";
    QTest::newRow("diagonal at 250 mm") << "C" << "DiamSup" << "250" << "Label10" << "diagon. cm 31.3";
    QTest::newRow("side at 250 mm, comma locale") << "it_IT" << "DiamSup" << "250" << "Label9" << "lato cm 22,2";
    QTest::newRow("no side at 249.5 mm") << "C" << "DiamSup" << "249.5" << "Label9" << "";
    QTest::newRow("no diagonal at 249,5 mm") << "it_IT" << "DiamSup" << "249,5" << "Label10" << "";
    QTest::newRow("C1 zero leaves a blank") << "C" << "Cap1" << "0" << "Freq1" << " ";
    QTest::newRow("C1 zero, C2 still computed") << "C" << "Cap1" << "0" << "Freq2" << "1.652";
    QTest::newRow("C2 negative leaves a blank") << "C" << "Cap2" << "-35" << "Freq2" << " ";
    QTest::newRow("thousands grouped") << "C" << "Spire" << "300" << "MicroH" << "1,972.603";
    QTest::newRow("thousands grouped, comma locale") << "it_IT" << "Spire" << "300" << "MicroH" << "1.972,603";
    QTest::newRow("fractional turns") << "C" << "Spire" << "110.5" << "Spaz" << "0.50";
    QTest::newRow("fractional turns, inductance") << "C" << "Spire" << "110.5" << "MicroH" << "267.622";
    QTest::newRow("comma read back") << "it_IT" << "LunBob" << "55,5" << "Spaz" << "0,50";
}

void TestForm2::typedValuesNeedRecalculation()
{
    QFETCH(QString, locale);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, label);
    QFETCH(QString, shown);
    Open(locale);
    const QStringList before = Results();
    Type(field, text);
    QCOMPARE(Results(), before);
    Press("CmdCalc");
    QCOMPARE(Result(label), shown);
    // A second recalculation shows the same.
    const QStringList after = Results();
    Press("CmdCalc");
    QCOMPARE(Results(), after);
    QCOMPARE(catcher->count(), 0);
}

void TestForm2::accessKeyRecalculates()
{
    Type("DiamSup", "250");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_R, Qt::AltModifier);
    // A button's access key clicks it a moment later, as a mouse click would look.
    QTRY_COMPARE(Result("Label9"), QStringLiteral("lato cm 22.2"));
}

void TestForm2::steps_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("recalculated");
    QTest::addColumn<QString>("selected");
    auto row = [](const char *name, const char *locale, const char *option, const char *field, const char *start,
                  const char *button, const char *expected, bool recalculated, const char *selected) {
        QTest::newRow(name) << locale << option << field << start << button << expected << recalculated << selected;
    };
    // The diameter: -1/+1 (Option1), half a millimetre, and its row's pair of 10.
    row("D 4 -1 on the bound", "C", "Option1", "DiamSup", "4", "Cmdmeno1", "4", true, "Option1");
    row("D 4.5 -1 crosses the bound", "C", "Option1", "DiamSup", "4.5", "Cmdmeno1", "3.5", true, "Option1");
    row("D 4,5 -1 comma locale", "it_IT", "Option1", "DiamSup", "4,5", "Cmdmeno1", "3,5", true, "Option1");
    row("D 999.5 +1 crosses the bound", "C", "Option1", "DiamSup", "999.5", "Cmdpiu1", "1000.5", true, "Option1");
    row("D 1000.5 +1 beyond the bound", "C", "Option1", "DiamSup", "1000.5", "Cmdpiu1", "1000.5", true, "Option1");
    row("D 1000 +1 on the bound", "C", "Option1", "DiamSup", "1000", "Cmdpiu1", "1000", true, "Option1");
    row("D 4 -.5 on the bound", "C", "Option3", "DiamSup", "4", "meno05", "4", true, "Option3");
    row("D 4.2 -.5 crosses the bound", "C", "Option3", "DiamSup", "4.2", "meno05", "3.7", true, "Option3");
    row("D 999.9 +.5 crosses the bound", "C", "Option2", "DiamSup", "999.9", "piu05", "1000.4", true, "Option2");
    row("D 1000 +.5 on the bound", "C", "Option2", "DiamSup", "1000", "piu05", "1000", true, "Option2");
    row("D 10 - on the bound", "C", "Option3", "DiamSup", "10", "meno10a", "10", false, "Option1");
    row("D 10.5 - crosses the bound", "C", "Option3", "DiamSup", "10.5", "meno10a", "0.5", true, "Option1");
    row("D 1000 + on the bound", "C", "Option5", "DiamSup", "1000", "piu10a", "1000", false, "Option1");
    row("D 995 + crosses the bound", "C", "Option5", "DiamSup", "995", "piu10a", "1005", true, "Option1");
    // The length.
    row("L 1 -1 on the bound", "C", "Option2", "LunBob", "1", "Cmdmeno1", "1", true, "Option2");
    row("L 1.5 -1 crosses the bound", "C", "Option2", "LunBob", "1.5", "Cmdmeno1", "0.5", true, "Option2");
    row("L 500 +1 on the bound", "C", "Option2", "LunBob", "500", "Cmdpiu1", "500", true, "Option2");
    row("L 499.5 +1 crosses the bound", "C", "Option2", "LunBob", "499.5", "Cmdpiu1", "500.5", true, "Option2");
    row("L 10 - on the bound", "C", "Option1", "LunBob", "10", "meno10b", "10", true, "Option2");
    row("L 20 -", "C", "Option1", "LunBob", "20", "meno10b", "10", true, "Option2");
    row("L 500 + on the bound", "C", "Option1", "LunBob", "500", "piu10b", "500", true, "Option2");
    row("L 495 + crosses the bound", "C", "Option1", "LunBob", "495", "piu10b", "505", true, "Option2");
    // The turns.
    row("N 1 -1 on the bound", "C", "Option3", "Spire", "1", "Cmdmeno1", "1", true, "Option3");
    row("N 1.5 -1 crosses the bound", "C", "Option3", "Spire", "1.5", "Cmdmeno1", "0.5", true, "Option3");
    row("N 500 +1 on the bound", "C", "Option3", "Spire", "500", "Cmdpiu1", "500", true, "Option3");
    row("N 110 +1", "C", "Option3", "Spire", "110", "Cmdpiu1", "111", true, "Option3");
    row("N 10 - on the bound", "C", "Option1", "Spire", "10", "meno10c", "10", true, "Option3");
    row("N 500 + on the bound", "C", "Option1", "Spire", "500", "piu10c", "500", true, "Option3");
    row("N 110 +", "C", "Option1", "Spire", "110", "piu10c", "120", true, "Option3");
    // The capacitances.
    row("C1 1 -1 on the bound", "C", "Option4", "Cap1", "1", "Cmdmeno1", "1", true, "Option4");
    row("C1 2000 +1 on the bound", "C", "Option4", "Cap1", "2000", "Cmdpiu1", "2000", true, "Option4");
    row("C1 1999.5 +1 crosses the bound", "C", "Option4", "Cap1", "1999.5", "Cmdpiu1", "2000.5", true, "Option4");
    row("C1 10 - on the bound", "C", "Option1", "Cap1", "10", "meno10d", "10", false, "Option4");
    row("C1 2000 + on the bound", "C", "Option1", "Cap1", "2000", "piu10d", "2000", false, "Option4");
    row("C1 365 -", "C", "Option1", "Cap1", "365", "meno10d", "355", true, "Option4");
    row("C2 1 -1 on the bound", "C", "Option5", "Cap2", "1", "Cmdmeno1", "1", true, "Option5");
    row("C2 1,5 -1 comma locale", "it_IT", "Option5", "Cap2", "1,5", "Cmdmeno1", "0,5", true, "Option5");
    row("C2 2000 +1 on the bound", "C", "Option5", "Cap2", "2000", "Cmdpiu1", "2000", true, "Option5");
    row("C2 10 - on the bound", "C", "Option1", "Cap2", "10", "meno10e", "10", false, "Option5");
    row("C2 2000 + on the bound", "C", "Option1", "Cap2", "2000", "piu10e", "2000", false, "Option5");
    row("C2 35 +", "C", "Option1", "Cap2", "35", "piu10e", "45", true, "Option5");
}

void TestForm2::steps()
{
    QFETCH(QString, locale);
    QFETCH(QString, option);
    QFETCH(QString, field);
    QFETCH(QString, start);
    QFETCH(QString, button);
    QFETCH(QString, expected);
    QFETCH(bool, recalculated);
    QFETCH(QString, selected);
    Open(locale);
    Select(option);
    Type(field, start);
    SetSentinels();
    Press(button);
    QCOMPARE(Field(field)->text(), expected);
    QVERIFY(Control<QRadioButton>(selected)->isChecked());
    // No other field moves while neither the lock nor square coils are on.
    for (int i = 0; i < kFields.size(); ++i) {
        if (kFields[i] != field)
            QCOMPARE(Field(kFields[i])->text(), kLoadTexts[i]);
    }
    if (!recalculated) {
        QCOMPARE(Result("Spaz"), kSentinel);
        QCOMPARE(Result("MicroH"), kSentinel);
    } else {
        // The results are those of the fields as the step left them.
        const QStringList shown = Results();
        QVERIFY(!shown.contains(kSentinel));
        Press("CmdCalc");
        QCOMPARE(shown, Results());
    }
    QCOMPARE(catcher->count(), 0);
}

void TestForm2::lockOnAndOff_data()
{
    QTest::addColumn<QString>("control");
    QTest::newRow("check box") << "Aggancia";
    QTest::newRow("CmdBlock") << "CmdBlock";
}

void TestForm2::lockOnAndOff()
{
    QFETCH(QString, control);
    auto *box = Control<QCheckBox>("Aggancia");
    auto *image1 = Control<QWidget>("Image1");
    auto *image2 = Control<QWidget>("Image2");
    QWidget *clicked = Control<QWidget>(control);
    Field("Cap2")->setFocus();

    QTest::mouseClick(clicked, Qt::LeftButton);
    QVERIFY(Locked());
    QCOMPARE(box->text(), QStringLiteral("Spaziatura agganciata"));
    QVERIFY(image2->isVisible());
    QVERIFY(!image1->isVisible());
    QCOMPARE(QApplication::focusWidget(), Field("Spire"));

    QTest::mouseClick(clicked, Qt::LeftButton);
    QCOMPARE(box->checkState(), Qt::Unchecked);
    QCOMPARE(box->text(), QStringLiteral("Spaziatura sganciata"));
    QVERIFY(image1->isVisible());
    QVERIFY(!image2->isVisible());

    // "Blocca Spaziatura" does not come back until the window is reopened.
    QTest::mouseClick(clicked, Qt::LeftButton);
    QTest::mouseClick(clicked, Qt::LeftButton);
    QCOMPARE(box->text(), QStringLiteral("Spaziatura sganciata"));
    QCOMPARE(catcher->count(), 0);
}

// What a click into a field or a step does to the selection and to a lock
// that is on.
void TestForm2::fieldClicksAndSteps_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("option");
    QTest::addColumn<bool>("released");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("length");
    QTest::newRow("click into LunBob") << "click LunBob" << "Option1" << true << "Option2" << "55";
    QTest::newRow("click into DiamSup") << "click DiamSup" << "Option3" << false << "Option1" << "55";
    QTest::newRow("click into Spire") << "click Spire" << "Option1" << false << "Option3" << "55";
    QTest::newRow("click into Cap1") << "click Cap1" << "Option1" << false << "Option4" << "55";
    QTest::newRow("click into Cap2") << "click Cap2" << "Option1" << false << "Option5" << "55";
    QTest::newRow("typing into LunBob") << "type LunBob" << "Option1" << false << "Option1" << "60";
    QTest::newRow("+1 on the length") << "press Cmdpiu1" << "Option2" << true << "Option2" << "56";
    QTest::newRow("-1 on the length") << "press Cmdmeno1" << "Option2" << true << "Option2" << "54";
    QTest::newRow("+ of the length row") << "press piu10b" << "Option1" << true << "Option2" << "65";
    QTest::newRow("- of the length row") << "press meno10b" << "Option1" << true << "Option2" << "45";
    QTest::newRow("- of the length row refused at 8") << "type8 meno10b" << "Option1" << true << "Option2" << "8";
    QTest::newRow("+1 on the diameter") << "press Cmdpiu1" << "Option1" << false << "Option1" << "55";
    QTest::newRow("+ of the diameter row") << "press piu10a" << "Option3" << false << "Option1" << "55";
    QTest::newRow("+ .5 on the diameter") << "press piu05" << "Option1" << false << "Option1" << "55";
    QTest::newRow("+ of the C1 row") << "press piu10d" << "Option1" << false << "Option4" << "55";
}

void TestForm2::fieldClicksAndSteps()
{
    QFETCH(QString, action);
    QFETCH(QString, option);
    QFETCH(bool, released);
    QFETCH(QString, selected);
    QFETCH(QString, length);
    Select(option);
    Press("CmdBlock");
    QVERIFY(Locked());
    const QString verb = action.section(u' ', 0, 0);
    const QString target = action.section(u' ', 1, 1);
    if (verb == "click") {
        ClickField(target);
    } else if (verb == "type") {
        Type(target, "60");
    } else if (verb == "type8") {
        Type("LunBob", "8");
        Press(target);
    } else {
        Press(target);
    }
    QCOMPARE(!Locked(), released);
    QCOMPARE(Control<QCheckBox>("Aggancia")->text(),
             released ? QStringLiteral("Spaziatura sganciata") : QStringLiteral("Spaziatura agganciata"));
    QCOMPARE(Control<QWidget>("Image1")->isVisible(), released);
    QCOMPARE(Control<QWidget>("Image2")->isVisible(), !released);
    QVERIFY(Control<QRadioButton>(selected)->isChecked());
    QCOMPARE(Field("LunBob")->text(), length);
    QCOMPARE(catcher->count(), 0);
}

void TestForm2::lengthClickWhileReleased()
{
    ClickField("LunBob");
    QVERIFY(Control<QRadioButton>("Option2")->isChecked());
    QVERIFY(!Locked());
    // No change of value, so no click of the check box and the first caption stays.
    QCOMPARE(Control<QCheckBox>("Aggancia")->text(), QStringLiteral("Blocca Spaziatura"));
    Press("piu10b");
    QVERIFY(!Locked());
    QCOMPARE(Control<QCheckBox>("Aggancia")->text(), QStringLiteral("Blocca Spaziatura"));
    QCOMPARE(Field("LunBob")->text(), QStringLiteral("65"));
}

void TestForm2::lockKeepsSpacing_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("turns");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("newTurns");
    QTest::addColumn<QString>("newLength");
    QTest::addColumn<QString>("spacing");
    QTest::newRow("+1 from the load values") << "C" << "110" << "Cmdpiu1" << "111" << "55.5" << "0.50";
    QTest::newRow("+1 from 55/111") << "C" << "111" << "Cmdpiu1" << "112" << "55.4954954954955" << "0.50";
    QTest::newRow("+1 from 55/111, comma locale") << "it_IT" << "111" << "Cmdpiu1" << "112" << "55,4954954954955"
                                                  << "0,50";
    QTest::newRow("-1 from the load values") << "C" << "110" << "Cmdmeno1" << "109" << "54.5" << "0.50";
    QTest::newRow("+ of the turns row") << "C" << "110" << "piu10c" << "120" << "60" << "0.50";
    QTest::newRow("- of the turns row") << "it_IT" << "110" << "meno10c" << "100" << "50" << "0,50";
    QTest::newRow("+1 refused at 500 keeps N x s") << "C" << "500" << "Cmdpiu1" << "500" << "55" << "0.11";
}

void TestForm2::lockKeepsSpacing()
{
    QFETCH(QString, locale);
    QFETCH(QString, turns);
    QFETCH(QString, button);
    QFETCH(QString, newTurns);
    QFETCH(QString, newLength);
    QFETCH(QString, spacing);
    Open(locale);
    Select("Option3");
    Type("Spire", turns);
    Press("CmdCalc");
    Press("CmdBlock");
    QVERIFY(Locked());
    Press(button);
    QCOMPARE(Field("Spire")->text(), newTurns);
    QCOMPARE(Field("LunBob")->text(), newLength);
    QCOMPARE(Result("Spaz"), spacing);
    QVERIFY(Locked());
    QCOMPARE(catcher->count(), 0);
}

void TestForm2::lockWithSquareCoils()
{
    Select("Option6");
    Press("CmdBlock");
    Press("Cmdpiu1");
    QCOMPARE(Field("DiamSup")->text(), QStringLiteral("41"));
    QCOMPARE(Field("LunBob")->text(), QStringLiteral("41"));
    QVERIFY(Locked());
    // From now on the lock keeps the spacing of that recalculation, 41 / 110.
    Select("Option3");
    Press("Cmdpiu1");
    QCOMPARE(Field("Spire")->text(), QStringLiteral("111"));
    QCOMPARE(Field("LunBob")->text(), QStringLiteral("41.3727272727273"));
    QCOMPARE(Field("DiamSup")->text(), QStringLiteral("41"));
}

void TestForm2::squareCoils_data()
{
    QTest::addColumn<bool>("square");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("newDiameter");
    QTest::addColumn<QString>("newLength");
    QTest::addColumn<bool>("recalculated");
    QTest::newRow("+1 on the diameter") << true << "Option1" << "40" << "Cmdpiu1" << "41" << "41" << true;
    QTest::newRow("-1 on the diameter") << true << "Option1" << "40" << "Cmdmeno1" << "39" << "39" << true;
    QTest::newRow("+ .5 changes only the diameter") << true << "Option1" << "40" << "piu05" << "40.5" << "55" << true;
    QTest::newRow("- .5 changes only the diameter") << true << "Option1" << "40" << "meno05" << "39.5" << "55" << true;
    QTest::newRow("+ of the diameter row") << true << "Option3" << "40" << "piu10a" << "50" << "50" << true;
    QTest::newRow("- of the diameter row") << true << "Option3" << "40" << "meno10a" << "30" << "30" << true;
    QTest::newRow("- of the diameter row refused still copies") << true << "Option1" << "10" << "meno10a" << "10"
                                                               << "10" << false;
    QTest::newRow("+1 on the length") << true << "Option2" << "40" << "Cmdpiu1" << "56" << "56" << true;
    QTest::newRow("+ of the length row") << true << "Option1" << "40" << "piu10b" << "65" << "65" << true;
    QTest::newRow("+1 on the turns") << true << "Option3" << "40" << "Cmdpiu1" << "40" << "55" << true;
    QTest::newRow("+1 on the diameter, square coils off") << false << "Option1" << "40" << "Cmdpiu1" << "41" << "55" << true;
}

void TestForm2::squareCoils()
{
    QFETCH(bool, square);
    QFETCH(QString, option);
    QFETCH(QString, diameter);
    QFETCH(QString, button);
    QFETCH(QString, newDiameter);
    QFETCH(QString, newLength);
    QFETCH(bool, recalculated);
    Type("DiamSup", diameter);
    Press("CmdCalc");
    Select(option);
    if (square) {
        Select("Option6");
        QVERIFY(!Control<QRadioButton>("Option7")->isChecked());
        // Choosing square coils changes no field by itself.
        QCOMPARE(Field("DiamSup")->text(), diameter);
        QCOMPARE(Field("LunBob")->text(), QStringLiteral("55"));
    }
    // The two groups are independent.
    QVERIFY(Control<QRadioButton>(option)->isChecked());
    Press(button);
    QCOMPARE(Field("DiamSup")->text(), newDiameter);
    QCOMPARE(Field("LunBob")->text(), newLength);
    // The results shown are those of the new diameter and length, unless the
    // diameter's pair of 10 refused its step and so did not recalculate.
    const QStringList shown = Results();
    Press("CmdCalc");
    QCOMPARE(Results() == shown, recalculated);
    QCOMPARE(catcher->count(), 0);
}

void TestForm2::runtimeErrors_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("written"); // how many results were shown before the fault
    QTest::newRow("turns not a number") << "Option1" << "Spire" << "abc" << "CmdCalc" << 13 << 0;
    QTest::newRow("empty diameter") << "Option1" << "DiamSup" << "" << "CmdCalc" << 13 << 1;
    QTest::newRow("zero turns") << "Option1" << "Spire" << "0" << "CmdCalc" << 11 << 0;
    QTest::newRow("L + 0.45 D = 0") << "Option1" << "LunBob" << "-18" << "CmdCalc" << 11 << 1;
    QTest::newRow("zero diameter") << "Option1" << "DiamSup" << "0" << "CmdCalc" << 11 << 2;
    QTest::newRow("negative inductance") << "Option1" << "LunBob" << "-100" << "CmdCalc" << 5 << 2;
    QTest::newRow("C2 not a number") << "Option1" << "Cap2" << "x" << "CmdCalc" << 13 << 3;
    QTest::newRow("comma in a point locale") << "Option1" << "Cap1" << "365,5" << "CmdCalc" << 13 << 2;
    QTest::newRow("+1 on turns that are no number") << "Option3" << "Spire" << "dieci" << "Cmdpiu1" << 13 << 0;
    QTest::newRow("- of the C1 row on no number") << "Option1" << "Cap1" << "dieci" << "meno10d" << 13 << 0;
    QTest::newRow("- .5 on an empty diameter") << "Option1" << "DiamSup" << "" << "meno05" << 13 << 0;
}

void TestForm2::runtimeErrors()
{
    QFETCH(QString, option);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, button);
    QFETCH(int, error);
    QFETCH(int, written);
    Select(option);
    const int index = kFields.indexOf(field);
    Type(field, text);
    SetSentinels();
    Press(button);

    QCOMPARE(catcher->count(), 1);
    const ModalCatcher::Box &box = catcher->boxes().first();
    QCOMPARE(box.objectName, QStringLiteral("runtimeErrorReport"));
    QVERIFY2(box.text.contains(QStringLiteral("'%1'").arg(error)), qPrintable(box.text));
    QVERIFY2(box.text.contains(RuntimeError::descriptionOf(static_cast<ErrorNumber>(error))), qPrintable(box.text));
    // What was shown before the failing step stays; nothing after it is written.
    for (int i = 0; i < kResults.size(); ++i) {
        if (i < written)
            QVERIFY2(Result(kResults[i]) != kSentinel, qPrintable(kResults[i]));
        else
            QCOMPARE(Result(kResults[i]), kSentinel);
    }

    // The window goes on working: a valid value and a recalculation show the
    // right results, and the steps work again.
    QVERIFY(form->IsLoaded());
    Type(field, kLoadTexts[index]);
    Press("CmdCalc");
    QCOMPARE(Results(), (QStringList{"0.50", "265.205", ".512", "1.652", "13.823", "", ""}));
    Select("Option1");
    Press("Cmdpiu1");
    QCOMPARE(Field("DiamSup")->text(), QStringLiteral("41"));
    QCOMPARE(catcher->count(), 1);
}

void TestForm2::escapeDoesNothing()
{
    Press("CmdBlock");
    Type("DiamSup", "77");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTest::keyClick(form->Window(), Qt::Key_Escape);
    QVERIFY(form->IsLoaded());
    QVERIFY(form->Window()->isVisible());
    QVERIFY(Locked());
    QCOMPARE(Field("DiamSup")->text(), QStringLiteral("77"));
    QCOMPARE(Result("MicroH"), QStringLiteral("265.205"));
    QCOMPARE(catcher->count(), 0);
}

void TestForm2::returnToMenuReloads()
{
    Type("DiamSup", "77");
    Select("Option3");
    Select("Option6");
    Press("CmdBlock");
    Press("Cmdesci");
    QVERIFY(!form->IsLoaded());
    form->Show();
    QVERIFY(QTest::qWaitForWindowExposed(form->Window()));
    QCOMPARE(Field("DiamSup")->text(), QStringLiteral("40"));
    QVERIFY(Control<QRadioButton>("Option1")->isChecked());
    QVERIFY(Control<QRadioButton>("Option7")->isChecked());
    QVERIFY(!Locked());
    QCOMPARE(Control<QCheckBox>("Aggancia")->text(), QStringLiteral("Blocca Spaziatura"));
    QVERIFY(Control<QWidget>("Image1")->isVisible());
    QCOMPARE(Result("MicroH"), QStringLiteral("265.205"));
}

// The two receivers are drawn, each in its place, and the lock swaps them.
// With SOLENORIUM_SHOTS set to a folder the window is also saved there.
void TestForm2::pictures()
{
    QCOMPARE(Control<SvgImage>("Image1")->source(), QStringLiteral(":/pictures/form2-ricevitore1.svg"));
    QCOMPARE(Control<SvgImage>("Image2")->source(), QStringLiteral(":/pictures/form2-ricevitore2.svg"));
    QVERIFY(QFile::exists(Control<SvgImage>("Image1")->source()));
    QVERIFY(QFile::exists(Control<SvgImage>("Image2")->source()));
    const QRect area = Control<QWidget>("Image1")->geometry().translated(Control<QWidget>("Frame1")->pos());
    const QImage released = form->Window()->grab().toImage();
    Press("CmdBlock");
    const QImage locked = form->Window()->grab().toImage();
    QVERIFY(HasInk(released, area));
    QVERIFY(HasInk(locked, area));
    QVERIFY(released.copy(area) != locked.copy(area));
    const QString folder = qEnvironmentVariable("SOLENORIUM_SHOTS");
    if (!folder.isEmpty()) {
        released.save(folder + QStringLiteral("/form2-load.png"));
        locked.save(folder + QStringLiteral("/form2-locked.png"));
    }
}

void TestForm2::helpOnF1()
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    auto *help = qobject_cast<QTextBrowser *>(HelpWindow());
    QVERIFY(help);
    QVERIFY(help->isVisible());
    QCOMPARE(help->source().fileName(), QStringLiteral("progettista.html"));
    QVERIFY(help->toPlainText().contains(QStringLiteral("Blocca Spaziatura")));
    help->close();
}

QTEST_MAIN(TestForm2)
#include "tst_form2.moc"
