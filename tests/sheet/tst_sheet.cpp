// SPDX-License-Identifier: GPL-3.0-or-later
// The coil sheet: the wire as the user writes it, its figures and warnings, its chart's curves, and the
// window beside the designer or the converter, following their coil, copied and printed, remembering its
// inputs and where the user put it.
#include "common/columns.h"
#include "common/windowtest.h"
#include "sheet/curvescheda.h"
#include "sheet/graficoscheda.h"
#include "sheet/schedabobina.h"

#include <QClipboard>
#include <QComboBox>
#include <QLineSeries>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>

#include <cmath>

class TestSheet : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void wire_data();
    void wire();
    void figures_data();
    void figures();
    void curves_data();
    void curves();
    void followsTheDesigner();
    void followsTheConverter();
    void remembersItsInputs();

private:
    QTemporaryDir m_settings;
};

void TestSheet::initTestCase()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
}
void TestSheet::wire_data()
{
    // unit: a Calibro; mm: 0 when refused; back: the wire written back, or a part of the refusal
    columns<QString, QString, int, double, QString>("locale", "typed", "unit", "mm", "back");
    const auto row = [](const char *name, const char *locale, const char *typed, int unit, double mm,
                        const char *back) { QTest::newRow(name) << locale << typed << unit << mm << back; };
    row("mm, comma", "it_IT", "0,4", 0, 0.4, "0,400");
    row("mm, too thick", "C", "51", 0, 0, "il programma accetta fino a 50");
    row("AWG 0000", "C", "0000", 1, 11.684, "4/0");
    row("AWG 57", "C", "57", 1, 0, "AWG \"57\" non esiste: scrivere un numero intero da 4/0 a 56.");
    row("SWG 7/0", "C", "7/0", 2, 12.7, "7/0");
}
void TestSheet::wire()
{
    QFETCH(QString, locale);
    QFETCH(QString, typed);
    QFETCH(int, unit);
    QFETCH(double, mm);
    QFETCH(QString, back);
    const LetturaFilo wire = LeggiFilo(typed, Calibro(unit), QLocale(locale));
    // A wire reads as its table says, and is written back as it reads; or it is refused, saying why.
    QCOMPARE(wire.rifiuto.isEmpty(), mm > 0);
    QVERIFY2(wire.mm
                 ? qAbs(*wire.mm - mm) < 0.0006 && TestoFilo(*wire.mm, Calibro(unit), QLocale(locale)) == back
                 : wire.rifiuto.contains(back),
             qPrintable(wire.rifiuto));
}
// The designer's coil (110 turns on 40 mm over 55 mm, self-resonance 9.778 MHz) and others; each line of what
// the sheet shows must match a whole line: the figures, "!" a warning, "-" an empty figure. The ring's
// round-wire inductance is that of a circular ring, µ0 R (ln(8R/a) - 7/4) (Grover, Inductance Calculations,
// 1946): 0.273 µH for R 51 mm, a 1 mm.
void TestSheet::figures_data()
{
    columns<QList<double>, QList<double>, QString>("coil", "mhz", "lines");
    const auto row = [](const char *name, const QList<double> &coil, const QList<double> &mhz,
                        const char *lines) { QTest::newRow(name) << coil << mhz << QString(lines); };
    row("designer", {40, 55, 110, 0.4}, {0.512, 1.652}, "265,21 µH|13,96 m|1,92 Ω|9,778 MHz");
    row("designer, R and Q", {40, 55, 110, 0.4}, {0.512, 1.652},
        "0,512 MHz: 5,67 Ω|1,652 MHz: 10,5 Ω|0,512 MHz: 150|1,652 MHz: 255");
    row("near resonance", {40, 55, 110, 0.4}, {7}, "7,000 MHz: \\d+|! A 7,000 .* troppo vicina .*");
    row("above resonance", {40, 55, 110, 0.4}, {20}, "-Rac|-Q|! A 20,000 .* condensatore.*");
    row("a frequency of 1e300", {40, 55, 110, 0.4}, {1e300}, "-Pelle|! 1[eE]\\+300 MHz è fuori .*");
    row("a wire of 1e300", {40, 55, 110, 1e300}, {1}, "265,21 µH|-Rdc");
    row("wire over pitch", {40, 55, 110, 1}, {7.1}, "-LFilo|! Il filo \\(1,000 mm\\) non sta .*");
    row("one turn a millimetre, wire 10 µm", {1, 1, 1, 0.01}, {}, "0,000002 g");
    row("no turns, no coil", {55, 55, 0, 0.4}, {0.5}, "-LClassica|! La bobina della finestra .*");
    row("a ring", {100, 2, 1, 2}, {7}, "0,2731\\d µH|7,000 MHz: \\d+|Q senza risonanza");
}
void TestSheet::figures()
{
    QFETCH(QList<double>, coil);
    QFETCH(QList<double>, mhz);
    QFETCH(QString, lines);
    const Scheda sheet = CalcolaScheda({coil[0], coil[1], coil[2], mhz, {}}, coil[3], Conductor::Copper,
                                       Former::Air, mhz, QLocale(QLocale::Italian, QLocale::Italy));
    QStringList shown = QStringList(sheet.avvisi).replaceInStrings(QRegularExpression("^"), "! ");
    const QStringList names{"LClassica", "LNagaoka",  "LFilo", "LunghezzaFilo", "Peso", "Rdc",
                            "Cpropria",  "Risonanza", "Pelle", "Rac",           "Q",    "LApparente"};
    for (int i = 0; i < kFigure; ++i)
        shown << (sheet.figure[i].isEmpty() ? QStringList{u'-' + names[i]} : sheet.figure[i].split(u'\n'));
    if (sheet.qSenzaRisonanza)
        shown << "Q senza risonanza";
    for (const QString &line : lines.split(u'|'))
        QVERIFY2(!shown.filter(QRegularExpression(u'^' + line + u'$')).isEmpty(),
                 qPrintable(line + u'\n' + shown.join(u'\n')));
}
void TestSheet::curves_data()
{
    // coil: D, length, turns, wire in mm; the frequencies on show, those the chart marks
    columns<QList<double>, QList<double>, QList<double>>("coil", "mhz", "marks");
    const auto row = [](const char *name, const QList<double> &coil, const QList<double> &mhz,
                        const QList<double> &marks) { QTest::newRow(name) << coil << mhz << marks; };
    row("designer's coil", {40, 55, 110, 0.4}, {0.512, 1.652}, {0.512, 1.652});
    row("zero is no mark", {40, 55, 110, 0.4}, {0, 7.1}, {7.1});
    row("a mark past the resonance", {1000, 200, 500, 0.4}, {1000}, {1000});
    row("no resonance, 80 diameters long", {2, 200, 100, 0.5}, {28}, {28});
}
// From a decade below the frequencies on show (0.1 MHz at most) to past the resonance, marking them; the
// figures the sheet gives, and no Q nor R beyond the resonance.
void TestSheet::curves()
{
    QFETCH(QList<double>, coil);
    QFETCH(QList<double>, mhz);
    QFETCH(QList<double>, marks);
    const CoilSpec c{coil[0], coil[1], coil[2], coil[3]};
    const CurveScheda curve = CalcolaCurve(c, mhz);
    const double fs = HelicalSelfResonanceMhz(c).value_or(INFINITY);
    QVERIFY(curve.marcatoriMhz == marks && curve.risonanzaMhz == HelicalSelfResonanceMhz(c)
            && curve.limiteMhz == FiguresHoldUpToMhz(c));
    QVERIFY(curve.punti.first().mhz <= std::min(0.1, marks.first() / 10)
            && curve.punti.last().mhz >= (std::isinf(fs) ? 10 * marks.last() : std::max(fs, marks.last())));
    for (const PuntoCurva &p : curve.punti)
        QVERIFY(p.mhz >= fs ? !p.q && !p.rOhm
                            : p.q == UnloadedQ(c, p.mhz) && p.rOhm == AcResistanceOhm(c, p.mhz));
}
// Opened from the designer on a screen of 1280 x 800, the sheet stands beside it (the designer steps aside),
// covers none of its controls, takes each step at once, copies and prints as a note, and closes with it.
void TestSheet::followsTheDesigner()
{
    WindowTest test("it_IT");
    QWidget *designer = test.open("Form2");
    QVERIFY(QTest::qWaitForWindowExposed(designer));
    QTest::keyClick(test.control("Cap1"), Qt::Key_F2);
    QWidget *sheet = WindowTest::sheet();
    const QRect screen = designer->screen()->availableGeometry();
    QVERIFY(screen.contains(sheet->frameGeometry()) && screen.contains(designer->frameGeometry())
            && !sheet->frameGeometry().intersects(designer->frameGeometry()));
    // Its figures and its chart follow each step.
    QChart *chart = sheet->findChild<GraficoScheda *>()->chart();
    const auto qCurve = [chart] {
        QList<QPointF> points;
        for (QAbstractSeries *series : chart->series())
            if (series->name() == QLatin1String("Q"))
                points += static_cast<QLineSeries *>(series)->points();
        return points;
    };
    const QList<QPointF> before = qCurve();
    test.click("Spire");
    test.click("Cmdpiu1");
    test.window = sheet;
    QVERIFY(test.text("LabelLNagaoka") == "266,62 µH" && !before.isEmpty() && qCurve() != before);
    // The frequency field reads as every field does.
    test.type("TextFrequenza", "0");
    QVERIFY(test.text("LabelAvviso").contains("\"Frequenza MHz\" il valore \"0\" non va bene"));
    test.type("TextFrequenza", "7,1");
    auto *form = qobject_cast<SchedaBobina *>(sheet->property("solenoriumForm").value<QObject *>());
    QVERIFY2(form->Testo().contains(QRegularExpression(
                 "^Scheda della bobina \\([^)]+ \\d{4} \\d+:\\d\\d\\)\n"
                 "Bobina: Ø 40 mm, lunghezza 55 mm, 111 spire, passo 0,495 mm\n\n"
                 "Filo nudo: 0,400 mm\nConduttore: rame\nSupporto: aria\nFrequenza: 7,1 MHz\n"
                 "(.*\n)*Profondità di penetrazione a 7,1 MHz: 24,8 µm\n")),
             qPrintable(form->Testo()));
    test.type("TextFrequenza", QString());
    QVERIFY(form->Testo().contains("Frequenza: 0,507 · 1,637 MHz (della finestra)\n"));
    // "Stampa…", a PDF file chosen in the print dialog, and the dialog accepted: one page.
    QFile file(m_settings.filePath("scheda.pdf"));
    QTimer::singleShot(200, [&file] {
        auto *dialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget());
        dialog->printer()->setOutputFileName(file.fileName());
        dialog->done(QDialog::Accepted);
    });
    test.click("CmdStampa");
    QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll().contains("/Count 1\n"));
    // Where the user puts it, it opens the next time.
    const QPoint moved = sheet->pos() + QPoint(-9, -9);
    sheet->move(moved);
    QCoreApplication::processEvents();
    test.window = designer;
    test.click("Cmdesci");
    QVERIFY(!WindowTest::sheet() && test.boxes.isEmpty());
    test.open("Form2");
    test.click("CmdScheda");
    QCOMPARE(WindowTest::sheet()->pos(), moved);
}
// Opened from the converter, the sheet shows the new coil the bars hold, says when there is none, and opens
// the converter's help; Esc closes it.
void TestSheet::followsTheConverter()
{
    WindowTest test("it_IT");
    test.open("Form3");
    test.click("CmdScheda");
    const QLabel *coil = WindowTest::sheet()->findChild<QLabel *>("LabelBobina");
    QVERIFY(coil->text().startsWith("Nessuna bobina: Premere"));
    test.click("Command1");
    QVERIFY(coil->text().startsWith("Ø 70 mm, lunghezza 37,50 mm, 54 spire"));
    test.window = WindowTest::sheet();
    test.click("CmdCopia"); // the converter gives no frequency
    QVERIFY(QGuiApplication::clipboard()->text().contains("\nFrequenza: nessuna\n"));
    QTest::keyClick(test.window, Qt::Key_F1); // the converter's help, where it speaks of the sheet
    QVERIFY(HelpWindow()->property("source").toString().endsWith("/help/convertitore.html#scheda"));
    QTest::keyClick(test.window, Qt::Key_Escape);
    QVERIFY(!WindowTest::sheet());
}
// What the user chose comes back in the next run, under another locale too; a unit the list lacks reads as
// mm.
void TestSheet::remembersItsInputs()
{
    QSettings().setValue("SchedaBobina/calibro", 7);
    for (const char *locale : {"it_IT", "en_US"}) {
        WindowTest test(locale);
        test.open("Form2");
        test.click("CmdScheda");
        test.window = WindowTest::sheet();
        if (QLatin1String(locale) == QLatin1String("it_IT")) {
            QCOMPARE(test.text("TextFilo"), "0,400");
            test.type("TextFilo", "0,8");
            QTest::keyClick(test.control("ComboCalibro"), Qt::Key_Down);
            QTest::keyClick(test.control("ComboConduttore"), Qt::Key_End);
            test.type("TextFrequenza", "0,5");
        }
        // 0.8 mm is nearest to AWG 20 (0.812 mm).
        QCOMPARE(
            QStringList({test.text("TextFilo"), test.control<QComboBox>("ComboConduttore")->currentText(),
                         test.text("TextFrequenza")}),
            QStringList({"20", "alluminio", QLocale().toString(0.5)}));
        test.type("TextFrequenza", "0"); // refused, and not remembered
    }
}

QTEST_MAIN(TestSheet)
#include "tst_sheet.moc"
