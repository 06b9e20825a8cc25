// SPDX-License-Identifier: GPL-3.0-or-later
// The coil sheet: the wire as the user writes it, the sheet as text, and the
// window following the designer's coil and remembering its inputs.
#include "common/columns.h"
#include "common/windowtest.h"
#include "sheet/schedabobina.h"

#include <QClipboard>
#include <QComboBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>

class TestSheet : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void wire_data();
    void wire();
    void text_data();
    void text();
    void followsTheDesigner_data();
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
    row("mm, comma under en_US", "en_US", "0,4", 0, 0, "0,4");
    row("mm, one", "it_IT", "1", 0, 1, "1,00");
    row("mm, zero", "C", "0", 0, 0, "maggiore di zero");
    row("mm, empty", "C", " ", 0, 0, "Scrivere il diametro");
    row("mm, overflow", "C", "1e999", 0, 0, "1e999");
    row("AWG 18", "C", "18", 1, 1.024, "18");
    row("AWG 0000", "C", "0000", 1, 11.684, "4/0");
    row("AWG 4/0", "C", "4/0", 1, 11.684, "4/0");
    row("AWG 0", "C", "0", 1, 8.251, "0");
    row("AWG 57", "C", "57", 1, 0, "AWG \"57\" non esiste: scrivere un numero intero da 4/0 a 56.");
    row("AWG 5/0", "C", "5/0", 1, 0, "5/0");
    row("AWG 18.5", "C", "18.5", 1, 0, "18.5");
    row("SWG 7/0", "C", "7/0", 2, 12.7, "7/0");
    row("AWG 56", "C", "56", 1, 0.0124, "56");
    row("SWG 51", "C", "51", 2, 0, "SWG \"51\" non esiste: scrivere un numero intero da 7/0 a 50.");
}
void TestSheet::wire()
{
    QFETCH(QString, locale);
    QFETCH(QString, typed);
    QFETCH(int, unit);
    QFETCH(double, mm);
    QFETCH(QString, back);
    const LetturaFilo wire = LeggiFilo(typed, Calibro(unit), QLocale(locale));
    QCOMPARE(wire.rifiuto.isEmpty(), mm > 0);
    QVERIFY2(wire.mm || wire.rifiuto.contains(back), qPrintable(wire.rifiuto));
    if (!wire.mm)
        return;
    // A wire reads as its table says, and is written back as it reads.
    QVERIFY(qAbs(*wire.mm - mm) < 0.0006);
    QCOMPARE(TestoFilo(*wire.mm, Calibro(unit), QLocale(locale)), back);
}
void TestSheet::text_data()
{
    // wire: mm, 0 not known; size: D, length, turns; lines: each matches a whole line of the text
    columns<QString, double, QList<double>, QList<double>, QStringList>("locale", "wire", "size", "mhz",
                                                                        "lines");
    // The designer's first coil: 110 turns on 40 mm over 55 mm; A, B ... stand for the captions.
    const QList<double> two{0.512, 1.652}, designer{40, 55, 110};
    QTest::newRow("designer coil") << "it_IT" << 0.4 << designer << two
                                   << QStringList{
                                          "Scheda della bobina \\(.*10:30.*\\)",
                                          "Bobina: Ø 40 mm, lunghezza 55 mm, 110 spire, passo 0,500 mm",
                                          "A: 265,21 µH",
                                          "B: 261,83 µH",
                                          "C: 264,58 µH",
                                          "D: 13,96 m",
                                          "E: 15,6 g",
                                          "F: 1,92 Ω",
                                          "G: 1,89 pF · 1,35 pF",
                                          "H: 9,778 MHz",
                                          "I:",
                                          "    0,512 MHz: 92,4 µm",
                                          "    1,652 MHz: 51,4 µm",
                                          "J:",
                                          "    0,512 MHz: 7,73 Ω",
                                          "    1,652 MHz: 12,8 Ω",
                                          "    0,512 MHz: 110",
                                          "    1,652 MHz: 209",
                                          "L:",
                                          "    0,512 MHz: 265,17 µH",
                                          "    1,652 MHz: 270,97 µH"};
    QTest::newRow("wire over the pitch")
        << "en_US" << 1.0 << designer << QList<double>{7.1}
        << QStringList{
               "A: 265.21 µH", "I: 7.100 MHz: \\d+.\\d+ µm", "Avvisi:",
               "- Il filo \\(1.000 mm\\) non sta nel passo \\(0.500 mm\\): le spire si sovrapporrebbero.*"};
    QTest::newRow("no wire: the wire's figures empty")
        << "it_IT" << 0.0 << designer << two << QStringList{"A: 265,21 µH", "C:", "D:", "H:", "I:", "L:"};
    QTest::newRow("no frequency, one turn a millimetre each way, its wire 10 µm")
        << "it_IT" << 0.01 << QList<double>{1, 1, 1} << QList<double>{}
        << QStringList{"D: \\d+,\\d+ m", "E: 0,000002 g", "I:", "K:"}; // six decimals at most
    QTest::newRow("past the sheet's range, a large coil")
        << "it_IT" << 0.4 << QList<double>{1000, 200, 500} << QList<double>{1000}
        << QStringList{"A: 384.615 µH",
                       "- A 1.000,000 MHz la bobina è troppo vicina .*"}; // no decimals past 5 figures
    QTest::newRow("no turns, no coil")
        << "C" << 0.4 << QList<double>{55, 55, 0} << two
        << QStringList{"A:", "B:", "C:", "Bobina: Ø 55 mm, lunghezza 55 mm, 0 spire",
                       "- La bobina della finestra .*"};
}
void TestSheet::text()
{
    QFETCH(QString, locale);
    QFETCH(double, wire);
    QFETCH(QList<double>, size);
    QFETCH(QList<double>, mhz);
    QFETCH(QStringList, lines);
    const QLocale l(locale);
    const BobinaSeguita coil{size[0], size[1], size[2], {}};
    const Scheda sheet = CalcolaScheda(coil, wire > 0 ? std::optional(wire) : std::nullopt, Conductor::Copper,
                                       Former::Air, mhz, l);
    QList<RigaScheda> rows;
    for (int i = 0; i < kFigure; ++i)
        rows.append({QString(QChar(u'A' + i)), sheet.figure[i]});
    const QString text = TestoScheda(DescriviBobina(coil, l), rows, sheet.avvisi,
                                     QDateTime(QDate(2026, 12, 6), QTime(10, 30)), l);
    for (const QString &line : lines)
        QVERIFY2(!text.split(u'\n').filter(QRegularExpression(u'^' + line + u'$')).isEmpty(),
                 qPrintable(line + u'\n' + text));
}
void TestSheet::followsTheDesigner_data()
{
    columns<bool>("key");
    QTest::newRow("Scheda bobina button") << false;
    QTest::newRow("F2") << true;
}
// Opened from the designer, the sheet takes each step of the turns at once and closes with the designer.
void TestSheet::followsTheDesigner()
{
    QFETCH(bool, key);
    WindowTest test(QStringLiteral("it_IT"));
    QVERIFY(QTest::qWaitForWindowExposed(test.open(QStringLiteral("Form2"))));
    // Low on the screen, at either side: the sheet opens on the other, all on the screen, pushed against its
    // edge (the 800 pixels of the test screen leave less room than the sheet needs) and up no further than it
    // must.
    const QRect screen = test.window->screen()->availableGeometry();
    test.window->move(key ? screen.right() - test.window->frameGeometry().width() : 0, 500);
    key ? QTest::keyClick(test.control(QStringLiteral("Cap1")), Qt::Key_F2)
        : test.click(QStringLiteral("CmdScheda"));
    QWidget *sheet = WindowTest::sheet();
    QVERIFY(sheet && screen.contains(sheet->frameGeometry())
            && sheet->frameGeometry().bottom() == screen.bottom()
            && (key ? sheet->frameGeometry().left() == screen.left()
                    : sheet->frameGeometry().right() == screen.right()));
    const QPoint moved = sheet->pos() + QPoint(0, 9); // where the user puts it, it stays when asked for again
    sheet->move(moved);
    QTest::keyClick(test.control(QStringLiteral("Cap1")), Qt::Key_F2);
    QCOMPARE(sheet->pos(), moved);
    const auto shown = [&](const char *label) {
        return sheet->findChild<QLabel *>(QLatin1String(label))->text();
    };
    QCOMPARE(shown("LabelLClassica"), QStringLiteral("265,21 µH"));
    QCOMPARE(shown("LabelQ").count(QStringLiteral(" MHz: ")), 2);
    test.click(QStringLiteral("Spire"));
    test.click(QStringLiteral("Cmdpiu1"));
    QCOMPARE(test.text(QStringLiteral("Spire")), QStringLiteral("111"));
    QCOMPARE(QStringList({shown("LabelLClassica"), shown("LabelLNagaoka")}),
             QStringList({"270,05 µH", "266,62 µH"}));
    // A working frequency must be above zero; a small one is a frequency.
    QWidget *designer = std::exchange(test.window, sheet);
    test.type(QStringLiteral("TextFrequenza"), QStringLiteral("0"));
    QVERIFY(shown("LabelAvviso").contains(QStringLiteral("maggiore di zero")));
    test.type(QStringLiteral("TextFrequenza"), QStringLiteral("0,5"));
    QVERIFY(shown("LabelAvviso").isEmpty() && shown("LabelQ").startsWith(QStringLiteral("0,500 MHz: ")));
    test.type(QStringLiteral("TextFrequenza"), QString());
    // "Stampa…", a PDF file chosen in the print dialog, and the dialog accepted: one page; or, where no file
    // can be written, a message that says so.
    QFile file(key ? QStringLiteral("/nonexistent/scheda.pdf")
                   : m_settings.filePath(QStringLiteral("scheda.pdf")));
    QTimer::singleShot(200, [&file] {
        auto *dialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget());
        dialog->printer()->setOutputFileName(file.fileName());
        dialog->done(QDialog::Accepted);
    });
    test.click(QStringLiteral("CmdStampa"));
    test.window = designer;
    auto *form = qobject_cast<SchedaBobina *>(sheet->property("solenoriumForm").value<QObject *>());
    QVERIFY(key ? test.boxes.size() == 1
                    && test.boxes[0].text.contains(QStringLiteral("non è stata stampata"))
                : file.open(QIODevice::ReadOnly) && file.readAll().contains("/Count 1\n"));
    QVERIFY(form->Testo().contains(
        QStringLiteral("Bobina: Ø 40 mm, lunghezza 55 mm, 111 spire, passo 0,495 mm\n\n"
                       "Filo nudo: 0,400 mm\nConduttore: rame\nSupporto: aria\n"
                       "Frequenza MHz: 0,507 · 1,637 (della finestra)\n")));
    test.click(QStringLiteral("Cmdesci"));
    QVERIFY(!WindowTest::sheet() && test.boxes.size() == (key ? 1 : 0));
}
// Opened from the converter, the sheet shows the new coil the search found, then the one the bars hold.
void TestSheet::followsTheConverter()
{
    WindowTest test(QStringLiteral("it_IT"));
    test.open(QStringLiteral("Form3"));
    test.click(QStringLiteral("Command1"));
    test.click(QStringLiteral("CmdScheda"));
    const auto coil = [] {
        return WindowTest::sheet()->findChild<QLabel *>(QStringLiteral("LabelBobina"))->text();
    };
    QCOMPARE(coil(), QStringLiteral("Ø 70 mm, lunghezza 37,66 mm, 53,80 spire, passo 0,700 mm"));
    QCOMPARE(DescriviBobina({10, 1, 1, {}}),
             QStringLiteral("Ø 10 mm, lunghezza 1 mm, 1 spire, passo 1,000 mm"));
    test.click(QStringLiteral("VScroll1"), 1);
    QVERIFY(coil().startsWith(QStringLiteral("Ø 70 mm, lunghezza 37,50 mm, 54,50 spire")));
    test.window = WindowTest::sheet();
    test.click(QStringLiteral("CmdCopia")); // the text as the sheet shows it, the converter's frequency none
    QVERIFY(QGuiApplication::clipboard()->text().contains(
        QStringLiteral("\nFilo nudo: 0,400 mm\nConduttore: rame\nSupporto: aria\nFrequenza MHz: nessuna\n")));
    QTest::keyClick(test.window, Qt::Key_F1); // the converter's help, where it speaks of the sheet
    QCOMPARE(HelpWindow()->property("source").toUrl().toString(),
             QStringLiteral("qrc:/help/convertitore.html#scheda"));
    OpenHelp(QStringLiteral("manca.html#x"));
    QTest::keyClick(HelpWindow(), Qt::Key_F1); // no such page: the first; F1 there: none
    QCOMPARE(HelpWindow()->property("source").toUrl().toString(), QStringLiteral("qrc:/help/index.html"));
    QTest::keyClick(test.window, Qt::Key_Escape);
    QVERIFY(!WindowTest::sheet()); // Esc closes it
}
// What the user chose comes back in the next run, under another locale too.
void TestSheet::remembersItsInputs()
{
    QSettings().setValue(QStringLiteral("SchedaBobina/calibro"), 7); // a unit not in the list: millimetres
    for (const char *locale : {"it_IT", "en_US"}) {
        WindowTest test(QString::fromLatin1(locale));
        test.open(QStringLiteral("Form2"));
        test.click(QStringLiteral("CmdScheda"));
        test.window = WindowTest::sheet();
        const auto combo = [&](const char *name) { return test.control<QComboBox>(QLatin1String(name)); };
        if (QLatin1String(locale) == QLatin1String("it_IT")) {
            QCOMPARE(test.text(QStringLiteral("TextFilo")), QStringLiteral("0,400"));
            test.type(QStringLiteral("TextFilo"), QStringLiteral("0,8"));
            for (const auto &[n, k] : {std::pair{"ComboCalibro", Qt::Key_Down},
                                       {"ComboConduttore", Qt::Key_End},
                                       {"ComboSupporto", Qt::Key_Down}})
                QTest::keyClick(combo(n), k);
            test.type(QStringLiteral("TextFrequenza"), QStringLiteral("0,5"));
        }
        // 0.8 mm is nearest to AWG 20 (0.812 mm).
        QCOMPARE(test.text(QStringLiteral("TextFilo")), QStringLiteral("20"));
        QCOMPARE(combo("ComboCalibro")->currentText() + combo("ComboConduttore")->currentText()
                     + combo("ComboSupporto")->currentText(),
                 QStringLiteral("AWGalluminiopolistirene"));
        QCOMPARE(test.text(QStringLiteral("TextFrequenza")), QLocale().toString(0.5));
        QVERIFY(test.text(QStringLiteral("LabelPelle"))
                    .startsWith(QLocale().toString(0.5, 'f', 3) + QStringLiteral(" MHz: ")));
        test.type(QStringLiteral("TextFrequenza"), QStringLiteral("0")); // refused, and not remembered
    }
}

QTEST_MAIN(TestSheet)
#include "tst_sheet.moc"
