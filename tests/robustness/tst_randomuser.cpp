// SPDX-License-Identifier: GPL-3.0-or-later
// A random user: thousands of clicks where a person clicks, typing of numbers
// good and bad, keys, in every window, opened and closed at will, under a
// decimal-point and a decimal-comma locale. Every box it meets must be one of
// the program's, and after each round known figures must still come out right.
// The seed is fixed, so a failure repeats; ctest's timeout stops a hang.
#include "common/columns.h"
#include "common/windowtest.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTabBar>

class RandomUser : public QObject
{
    Q_OBJECT
private slots:
    void randomActions_data();
    void randomActions();
};

namespace {

// What a user may type: the program's own figures, numbers in either locale's
// style, units, junk, blanks, extremes.
const QStringList kTyped{"0",        "1",      "7",     "10",        "35",     "100",    "365",
                         "2.5",      "2,5",    "5,033", "1.591,540", "-3",     "40mm",   "12abc",
                         "abc",      "",       " 4 0 ", "1e308",     "1E-320", "&HFFFF", "&O777",
                         "99999999", "0.0001", "-0,5",  "1D3",       "3.004,8"};

// Every box is the program's: its title, one OK button, a text it knows.
bool knownBox(const CaughtBox &box)
{
    static const QRegularExpression report("^Errore di run-time '(5|6|9|11|13|380)':\n\n");
    if (box.title != QLatin1String("Solenorium") || box.buttons != 1)
        return false;
    if (box.kind == QLatin1String("runtimeErrorReport!"))
        return report.match(box.text).hasMatch();
    static const QRegularExpression message(
        "Mettere il? valor|Errore non contemplato!|manca il valore|non è un "
        "numero|non va bene|è troppo (grande|piccolo)|tentativi la ricerca|non "
        "si legge tutto|si può leggere in due modi|La spaziatura di partenza");
    const bool critical = box.text.contains(QLatin1String("contemplato"));
    return box.kind == (critical ? QLatin1String("msgBox!") : QLatin1String("msgBox"))
        && message.match(box.text).hasMatch();
}

} // namespace

void RandomUser::randomActions_data()
{
    columns<QString>("locale");
    QTest::newRow("decimal point") << "en_US";
    QTest::newRow("decimal comma") << "it_IT";
}
void RandomUser::randomActions()
{
    QFETCH(QString, locale);
    QRandomGenerator random(20240611);
    const int rounds = 30, actions = 400;
    for (int round = 0; round < rounds; ++round) {
        WindowTest test(locale);
        for (int step = 0; step < actions && test.ends == 0; ++step) {
            QList<QWidget *> windows;
            for (const char *name : {"frmOptions", "Form1", "Form2", "Form3"})
                if (test.form(QString::fromLatin1(name)).IsLoaded())
                    windows << test.form(QString::fromLatin1(name)).Window();
            if (windows.isEmpty())
                break;
            test.window = windows.at(random.bounded(int(windows.size())));
            QList<QWidget *> controls;
            for (QWidget *w : test.window->findChildren<QWidget *>())
                if (w->isVisibleTo(test.window) && w->isEnabled()
                    && (qobject_cast<QAbstractButton *>(w) || qobject_cast<QLineEdit *>(w)
                        || qobject_cast<QScrollBar *>(w) || qobject_cast<QTabBar *>(w)))
                    controls << w;
            QWidget *control =
                controls.isEmpty() ? nullptr : controls.at(random.bounded(int(controls.size())));
            // "END" closes the menu, and with it often the program: seldom.
            if (!control || (control->objectName() == QLatin1String("cmdApply") && random.bounded(10) != 0))
                continue;
            const int what = random.bounded(10);
            if (auto *field = qobject_cast<QLineEdit *>(control); field && what < 6) {
                test.type(field->objectName(), kTyped.at(random.bounded(int(kTyped.size()))));
            } else if (auto *tabs = qobject_cast<QTabBar *>(control)) {
                QTest::mouseClick(tabs, Qt::LeftButton, {},
                                  tabs->tabRect(random.bounded(tabs->count())).center());
            } else if (what < 9) {
                const QList<QPoint> points = ClickPoints(control);
                ClickAt(control, points.at(random.bounded(int(points.size()))));
            } else {
                // Keys the windows answer; Esc and Ctrl+A end the program rarely enough.
                static const QList<QKeyCombination> keys{
                    Qt::Key_Return,         Qt::Key_Up,     Qt::Key_Down,         Qt::Key_PageUp, Qt::Key_F1,
                    Qt::CTRL | Qt::Key_Tab, Qt::Key_Escape, Qt::CTRL | Qt::Key_A, Qt::Key_Space};
                const QKeyCombination key = keys.at(random.bounded(int(keys.size())));
                if ((key.key() == Qt::Key_Escape || key.key() == Qt::Key_A) && random.bounded(8) != 0)
                    continue;
                QTest::keyClick(control, key.key(), key.keyboardModifiers());
            }
        }
        for (const CaughtBox &box : test.boxes)
            QVERIFY2(knownBox(box),
                     qPrintable(QString("round %1: %2 \"%3\"").arg(round).arg(box.kind, box.text)));
        // Probe: a fresh program still shows the known figure, in the locale's form.
        WindowTest probe(locale);
        probe.open("Form2");
        QCOMPARE(probe.text("MicroH"), QString("265.205").replace(u'.', QLocale(locale).decimalPoint()));
    }
}

QTEST_MAIN(RandomUser)
#include "tst_randomuser.moc"
