// The accuracy notes of the three programs on their real widgets: the note on
// each inductance figure from the coil formula (and on the calculator's turns),
// how it follows every recalculation and goes when a computation is refused or
// fails; and results that can be selected and copied.
#include "calculator/form1.h"
#include "common/modalcatcher.h"
#include "common/scrollpart.h"
#include "converter/form3.h"
#include "designer/form2.h"
#include "toolkit/definition.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTest>

#include <memory>

namespace {

const QLocale kItalian(QLocale::Italian, QLocale::Italy);
const QString kShortCoil = QStringLiteral("Attenzione: bobina corta");

template<typename T = QWidget>
T *Control(const FormBase &form, const QString &name)
{
    T *widget = form.Window() ? form.Window()->findChild<T *>(name) : nullptr;
    if (!widget)
        qFatal("control %s not found", qPrintable(name));
    return widget;
}

void Click(const FormBase &form, const QString &name)
{
    QTest::mouseClick(Control(form, name), Qt::LeftButton);
}

// Replaces what a box holds the way the user does: select all, delete, type.
void Type(const FormBase &form, const QString &name, const QString &text)
{
    auto *box = Control<QLineEdit>(form, name);
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

// "Text4=20" pairs.
void TypeAll(const FormBase &form, const QStringList &inputs)
{
    for (const QString &input : inputs) {
        const qsizetype equals = input.indexOf(u'=');
        Type(form, input.left(equals), input.mid(equals + 1));
    }
}

void ClickLowerArrow(const FormBase &form, const QString &name)
{
    auto *bar = Control<QScrollBar>(form, name);
    const QRect arrow = ScrollPartRect(bar, QStyle::SC_ScrollBarAddLine);
    QVERIFY(!arrow.isEmpty());
    QTest::mouseClick(bar, Qt::LeftButton, {}, arrow.center());
}

// Every expected piece stands in the note.
void ExpectNote(const QString &note, const QStringList &pieces)
{
    QVERIFY2(!note.isEmpty(), "the note is empty");
    for (const QString &piece : pieces)
        QVERIFY2(note.contains(piece), qPrintable(QStringLiteral("«%1» not in:\n%2").arg(piece, note)));
}

// Drags the mouse across a widget from edge to edge, as the user selects text.
void DragAcross(QWidget *widget)
{
    // A line edit places its text when it paints; the user sees it painted.
    widget->repaint();
    const int y = widget->height() / 2;
    QTest::mousePress(widget, Qt::LeftButton, {}, QPoint(widget->width() - 2, y));
    QTest::mouseMove(widget, QPoint(widget->width() / 2, y));
    QTest::mouseMove(widget, QPoint(1, y));
    QTest::mouseRelease(widget, Qt::LeftButton, {}, QPoint(1, y));
}

} // namespace

class TestAccuracy : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void calculatorNote_data();
    void calculatorNote();
    void calculatorNoteFollowsAndClears();
    void designerNote();
    void converterNote();
    void converterFaultClearsNotes();
    void copyResult_data();
    void copyResult();

private:
    std::unique_ptr<Form1> m_form1;
    std::unique_ptr<Form2> m_form2;
    std::unique_ptr<Form3> m_form3;

    template<typename F>
    F &Open(std::unique_ptr<F> &form)
    {
        form = std::make_unique<F>();
        form->Show();
        if (!QTest::qWaitForWindowExposed(form->Window()))
            qFatal("window not shown");
        return *form;
    }
};

void TestAccuracy::initTestCase()
{
    InstallFontSubstitutions();
    QLocale::setDefault(QLocale::c());
}

void TestAccuracy::cleanup()
{
    m_form1.reset();
    m_form2.reset();
    m_form3.reset();
    QLocale::setDefault(QLocale::c());
}

void TestAccuracy::calculatorNote_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QStringList>("note"); // empty: no note
    QTest::addColumn<bool>("shortCoil");

    QTest::newRow("mode 4") << QLocale::c() << "Cmd4" << QStringList{"Text4=20", "Text5=20", "Text6=30"} << "4.103"
                            << QStringList{"foglio di corrente (Nagaoka): 4.053 µH",
                                           "Valore mostrato (formula classica): 4.103 µH, scarto +1.2 %",
                                           "diametro 20 mm, lunghezza 30 mm, 20 spire, ℓ/D 1.50"}
                            << false;
    QTest::newRow("mode 4 Italian") << kItalian << "Cmd4" << QStringList{"Text4=20", "Text5=20", "Text6=30"}
                                    << "4,103"
                                    << QStringList{"foglio di corrente (Nagaoka): 4,053 µH",
                                                   "4,103 µH, scarto +1,2 %", "ℓ/D 1,50"}
                                    << false;
    QTest::newRow("mode 4 short coil") << QLocale::c() << "Cmd4" << QStringList{"Text4=100", "Text5=2", "Text6=10"}
                                       << "0.727"
                                       << QStringList{"0.803 µH", "0.727 µH, scarto -9.4 %", "ℓ/D 0.10"} << true;
    // Modes 5 and 6 show turns: the note is about the inductance asked for and
    // the coil those turns make.
    QTest::newRow("mode 5") << QLocale::c() << "Cmd5" << QStringList{"Text1=4.1026", "Text4=20", "Text6=30"}
                            << "20.0"
                            << QStringList{"foglio di corrente (Nagaoka) con queste spire: 4.053 µH",
                                           "Induttanza richiesta, per cui la formula classica ha dato le spire: "
                                           "4.103 µH, scarto +1.2 %",
                                           "diametro 20 mm, lunghezza 30 mm, 20 spire"}
                            << false;
    QTest::newRow("mode 6") << QLocale::c() << "Cmd6"
                            << QStringList{"Text3=7", "Text2=100", "Text4=20", "Text6=30"} << "22.5"
                            << QStringList{"con queste spire: 5.106 µH", "Induttanza richiesta",
                                           "5.169 µH, scarto +1.2 %", "22.45 spire"}
                            << false;
    // No length, no current sheet: no note rather than a wrong one.
    QTest::newRow("mode 5 without length") << QLocale::c() << "Cmd5"
                                           << QStringList{"Text1=4.1026", "Text4=20", "Text6=0"} << "9.6"
                                           << QStringList{} << false;
    QTest::newRow("mode 1 is no coil") << QLocale::c() << "Cmd1" << QStringList{"Text1=10", "Text2=100"} << "5.033"
                                       << QStringList{} << false;
}

void TestAccuracy::calculatorNote()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, mode);
    QFETCH(QStringList, inputs);
    QFETCH(QString, shown);
    QFETCH(QStringList, note);
    QFETCH(bool, shortCoil);
    QLocale::setDefault(locale);
    Form1 &form = Open(m_form1);
    ModalCatcher catcher;

    Click(form, mode);
    TypeAll(form, inputs);
    Click(form, QStringLiteral("CmdKalc"));
    QCOMPARE(catcher.texts(), QStringList());
    auto *seo = Control<QLineEdit>(form, QStringLiteral("SEO"));
    QCOMPARE(seo->text(), shown);
    if (note.isEmpty()) {
        QCOMPARE(seo->toolTip(), QString());
        return;
    }
    ExpectNote(seo->toolTip(), note);
    QCOMPARE(seo->toolTip().contains(kShortCoil), shortCoil);
}

void TestAccuracy::calculatorNoteFollowsAndClears()
{
    Form1 &form = Open(m_form1);
    ModalCatcher catcher;
    auto *seo = Control<QLineEdit>(form, QStringLiteral("SEO"));
    QCOMPARE(seo->toolTip(), QString());

    Click(form, QStringLiteral("Cmd4"));
    TypeAll(form, {"Text4=20", "Text5=20", "Text6=30"});
    Click(form, QStringLiteral("CmdKalc"));
    ExpectNote(seo->toolTip(), {"4.053 µH", "20 spire"});

    // Twice the turns, four times the inductance.
    Type(form, QStringLiteral("Text5"), QStringLiteral("40"));
    Click(form, QStringLiteral("CmdKalc"));
    QCOMPARE(seo->text(), QStringLiteral("16.410"));
    ExpectNote(seo->toolTip(), {"16.210 µH", "16.410 µH, scarto +1.2 %", "40 spire"});
    QVERIFY(!seo->toolTip().contains(QStringLiteral("4.053")));

    // Refused: the figure stays, the note goes.
    Type(form, QStringLiteral("Text5"), QStringLiteral("0"));
    Click(form, QStringLiteral("CmdKalc"));
    QCOMPARE(catcher.texts(), QStringList{QStringLiteral("Mettere i valori")});
    QCOMPARE(seo->text(), QStringLiteral("16.410"));
    QCOMPARE(seo->toolTip(), QString());

    // Computed again, then a diameter beyond the fixed-point range faults.
    Type(form, QStringLiteral("Text5"), QStringLiteral("20"));
    Click(form, QStringLiteral("CmdKalc"));
    ExpectNote(seo->toolTip(), {"4.053 µH"});
    catcher.clear();
    Type(form, QStringLiteral("Text4"), QStringLiteral("1e16"));
    Click(form, QStringLiteral("CmdKalc"));
    QCOMPARE(catcher.count(), 1);
    QCOMPARE(catcher.boxes().first().objectName, QStringLiteral("runtimeErrorReport"));
    QCOMPARE(seo->text(), QStringLiteral("4.103"));
    QCOMPARE(seo->toolTip(), QString());

    // A figure typed over by the user loses its note.
    Type(form, QStringLiteral("Text4"), QStringLiteral("20"));
    Click(form, QStringLiteral("CmdKalc"));
    QVERIFY(!seo->toolTip().isEmpty());
    seo->setFocus();
    QTest::keyClick(seo, Qt::Key_End);
    QTest::keyClick(seo, Qt::Key_5);
    QCOMPARE(seo->toolTip(), QString());
}

void TestAccuracy::designerNote()
{
    Form2 &form = Open(m_form2);
    ModalCatcher catcher;
    auto *microH = Control<QLabel>(form, QStringLiteral("MicroH"));

    // The coil at load: 110 turns on 40 mm over 55 mm.
    QCOMPARE(microH->text(), QStringLiteral("265.205"));
    ExpectNote(microH->toolTip(), {"foglio di corrente (Nagaoka): 261.833 µH",
                                   "Valore mostrato (formula classica): 265.205 µH, scarto +1.3 %",
                                   "diametro 40 mm, lunghezza 55 mm, 110 spire, ℓ/D 1.38"});
    QVERIFY(!microH->toolTip().contains(kShortCoil));

    // "+1" on the diameter, then "-" on the length row: the note follows each step.
    Click(form, QStringLiteral("Cmdpiu1"));
    QCOMPARE(microH->text(), QStringLiteral("276.924"));
    ExpectNote(microH->toolTip(), {"273.360 µH", "276.924 µH, scarto +1.3 %", "diametro 41 mm, lunghezza 55 mm"});
    Click(form, QStringLiteral("meno10b"));
    QCOMPARE(microH->text(), QStringLiteral("320.569"));
    ExpectNote(microH->toolTip(), {"316.018 µH", "scarto +1.4 %", "lunghezza 45 mm"});

    // A short coil, typed and recalculated.
    Type(form, QStringLiteral("LunBob"), QStringLiteral("10"));
    Click(form, QStringLiteral("CmdCalc"));
    ExpectNote(microH->toolTip(), {"723.110 µH", "714.942 µH, scarto -1.1 %", "ℓ/D 0.24", kShortCoil});

    // Text that is no number stops the recalculation: the figure stays, the note goes.
    Type(form, QStringLiteral("DiamSup"), QStringLiteral("abc"));
    Click(form, QStringLiteral("CmdCalc"));
    QCOMPARE(catcher.count(), 1);
    QCOMPARE(catcher.boxes().first().objectName, QStringLiteral("runtimeErrorReport"));
    QCOMPARE(microH->text(), QStringLiteral("714.942"));
    QCOMPARE(microH->toolTip(), QString());
}

void TestAccuracy::converterNote()
{
    Form3 &form = Open(m_form3);
    auto *departure = Control<QLineEdit>(form, QStringLiteral("TextIND"));
    auto *inductance = Control<QLabel>(form, QStringLiteral("LabelIND2"));
    QCOMPARE(departure->toolTip(), QString());
    QCOMPARE(inductance->toolTip(), QString());

    Click(form, QStringLiteral("Command1"));
    QCOMPARE(departure->text(), QStringLiteral("204.546"));
    ExpectNote(departure->toolTip(), {"foglio di corrente (Nagaoka): 201.771 µH", "204.546 µH, scarto +1.4 %",
                                      "diametro 75 mm, lunghezza 35 mm, 50 spire, ℓ/D 0.47"});
    // The new coil of the pass that reached the departure inductance.
    QCOMPARE(inductance->text(), QStringLiteral("205.072"));
    ExpectNote(inductance->toolTip(), {"201.928 µH", "205.072 µH, scarto +1.6 %",
                                       "diametro 70 mm, lunghezza 37.66 mm, 53.8 spire"});

    // Half a turn more with the bar: the coil the bars hold.
    ClickLowerArrow(form, QStringLiteral("VScroll1"));
    QCOMPARE(inductance->text(), QStringLiteral("210.931"));
    ExpectNote(inductance->toolTip(), {"207.705 µH", "210.931 µH, scarto +1.6 %",
                                       "diametro 70 mm, lunghezza 37.5 mm, 54.5 spire"});
    // The departure column is not the bars' business.
    QVERIFY(departure->toolTip().contains(QStringLiteral("201.771 µH")));

    // Typing over the departure inductance leaves a figure the note no longer describes.
    departure->setFocus();
    QTest::keyClick(departure, Qt::Key_End);
    QTest::keyClick(departure, Qt::Key_1);
    QCOMPARE(departure->toolTip(), QString());
}

void TestAccuracy::converterFaultClearsNotes()
{
    Form3 &form = Open(m_form3);
    ModalCatcher catcher;
    auto *departure = Control<QLineEdit>(form, QStringLiteral("TextIND"));
    auto *inductance = Control<QLabel>(form, QStringLiteral("LabelIND2"));
    Click(form, QStringLiteral("Command1"));
    QVERIFY(!departure->toolTip().isEmpty());
    QVERIFY(!inductance->toolTip().isEmpty());

    // No departure turns: the spacing divides by zero before any inductance.
    Type(form, QStringLiteral("TextSPI"), QStringLiteral("0"));
    Click(form, QStringLiteral("Command1"));
    QCOMPARE(catcher.count(), 1);
    QCOMPARE(catcher.boxes().first().objectName, QStringLiteral("runtimeErrorReport"));
    QCOMPARE(departure->text(), QStringLiteral("204.546"));
    QCOMPARE(departure->toolTip(), QString());
    QCOMPARE(inductance->text(), QStringLiteral("205.072"));
    QCOMPARE(inductance->toolTip(), QString());

    // Refused: no departure length. The departure figure is computed without a
    // length, which has no current sheet.
    catcher.clear();
    Type(form, QStringLiteral("TextSPI"), QStringLiteral("50"));
    Type(form, QStringLiteral("TextLUN"), QStringLiteral("0"));
    Click(form, QStringLiteral("Command1"));
    QCOMPARE(catcher.count(), 1);
    QCOMPARE(catcher.boxes().first().objectName, QStringLiteral("msgBox"));
    QCOMPARE(departure->toolTip(), QString());
    QCOMPARE(inductance->toolTip(), QString());
}

void TestAccuracy::copyResult_data()
{
    QTest::addColumn<int>("program");
    QTest::addColumn<QString>("prepare"); // button pressed before, if any
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("text");
    QTest::newRow("calculator low-pass inductance") << 1 << "Cmd7" << "LblFT" << "1.893";
    QTest::newRow("calculator result box") << 1 << "Cmd7" << "SEO" << "8.3";
    QTest::newRow("designer inductance") << 2 << "" << "MicroH" << "265.205";
    QTest::newRow("converter new inductance") << 3 << "Command1" << "LabelIND2" << "205.072";
}

void TestAccuracy::copyResult()
{
    QFETCH(int, program);
    QFETCH(QString, prepare);
    QFETCH(QString, result);
    QFETCH(QString, text);
    FormBase *form = nullptr;
    if (program == 1)
        form = &Open(m_form1);
    else if (program == 2)
        form = &Open(m_form2);
    else
        form = &Open(m_form3);
    ModalCatcher catcher;
    if (program == 1) {
        Click(*form, prepare);
        Type(*form, QStringLiteral("Text3"), QStringLiteral("7"));
        Click(*form, QStringLiteral("CmdKalc"));
    } else if (!prepare.isEmpty()) {
        Click(*form, prepare);
    }
    QCOMPARE(catcher.count(), 0);

    QWidget *widget = Control(*form, result);
    QVERIFY(widget->isEnabled());
    QApplication::clipboard()->setText(QStringLiteral("niente"));
    DragAcross(widget);
    QCOMPARE(QApplication::focusWidget(), widget);
    QTest::keyClick(widget, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), text);

    if (auto *label = qobject_cast<QLabel *>(widget)) {
        QCOMPARE(label->selectedText(), text);
        // Selecting changes nothing else: the label keeps its text and stays
        // out of the Tab chain.
        QCOMPARE(label->text(), text);
        QVERIFY(!(label->focusPolicy() & Qt::TabFocus));
    }
}

QTEST_MAIN(TestAccuracy)
#include "tst_accuracy.moc"
