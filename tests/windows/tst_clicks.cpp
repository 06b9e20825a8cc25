// SPDX-License-Identifier: GPL-3.0-or-later
// Every control a person can click is reachable where a person clicks it: no
// caption or picture lies over a button, an option, a check box, a field or a
// scroll bar, and every caption fits its control, in any window and any state
// the window can show, in Italian and in English.
#include "common/windowtest.h"

#include <QRegularExpression>
#include <QCheckBox>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <QTabBar>

class TestClicks : public QObject
{
    Q_OBJECT
private slots:
    void controlsOwnTheirPoints_data();
    void controlsOwnTheirPoints();
    void captionsFit_data() { controlsOwnTheirPoints_data(); }
    void captionsFit();
};

namespace {

// Opens a window in a state: the menu's tab, or the calculator's mode (0 none).
QWidget *openIn(WindowTest &test, const QString &window, int state)
{
    QWidget *form = test.open(window);
    if (window == QLatin1String("frmOptions")) {
        auto *tabs = test.control<QTabBar>(QStringLiteral("tbsOptions"));
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(state - 1).center());
    } else if (window == QLatin1String("Form1") && state > 0) {
        test.click(QStringLiteral("Cmd%1").arg(state));
    }
    return form;
}

// Where a control draws its caption and how: wrapping captions wrap at blanks
// (the calculator's buttons also break at their first run of blanks), the
// others keep to one line. An empty rectangle: the control has no caption.
std::pair<QRect, int> captionRoom(const QWidget *control, QString &text)
{
    QStyleOptionButton option;
    option.initFrom(control);
    const bool wraps = QByteArray(control->metaObject()->className()).startsWith("Wrapping");
    const int wrap = wraps ? Qt::TextWordWrap : 0;
    QStyle *style = control->style();
    if (auto *label = qobject_cast<const QLabel *>(control))
        return {label->contentsRect(), int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0)};
    if (qobject_cast<const QPushButton *>(control)) {
        QRect room = style->subElementRect(QStyle::SE_PushButtonContents, &option, control);
        if (control->property("lineBreakAtBlanks").toBool()) {
            text.replace(QRegularExpression(QStringLiteral(" {2,}")), QStringLiteral("\n"));
            room.adjust(3, 0, -3, 0);
        }
        return {room, Qt::AlignCenter | wrap};
    }
    if (qobject_cast<const QAbstractButton *>(control)) {
        const bool check = qobject_cast<const QCheckBox *>(control);
        QRect room = style->subElementRect(check ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents, &option, control);
        if (wraps)
            room.setRight(control->width() - 1);
        return {room, Qt::AlignLeft | Qt::AlignVCenter | wrap};
    }
    return {};
}

// Captions the program has always shown cut off in Italian, kept as they are.
const QStringList kItalianAsEver = {
    "Form2/Label3", // "Filo occorrente esclusi terminali": its second line has always lost its lowest pixel row
};

} // namespace

void TestClicks::controlsOwnTheirPoints_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("state"); // the menu's tab, or the calculator's mode (0 none)
    QTest::addColumn<QString>("language");
    for (const char *language : {"it", "en"}) {
        for (int tab = 1; tab <= 5; ++tab)
            QTest::addRow("menu, tab %d, %s", tab, language) << "frmOptions" << tab << language;
        for (int mode = 0; mode <= 7; ++mode)
            QTest::addRow("calculator, mode %d, %s", mode, language) << "Form1" << mode << language;
        QTest::addRow("designer, %s", language) << "Form2" << 0 << language;
        QTest::addRow("converter, %s", language) << "Form3" << 0 << language;
    }
}

void TestClicks::controlsOwnTheirPoints()
{
    QFETCH(QString, window);
    QFETCH(int, state);
    QFETCH(QString, language);
    WindowTest test(QStringLiteral("C"), language);
    QWidget *form = openIn(test, window, state);
    QVERIFY(QTest::qWaitForWindowExposed(form));
    // Every window opens in the middle of the screen.
    QVERIFY((QRect(form->pos(), form->size()).center() - form->screen()->availableGeometry().center()).manhattanLength() <= 2);

    int controls = 0;
    int points = 0;
    for (QWidget *control : form->findChildren<QWidget *>()) {
        if (!control->isVisibleTo(form) || !control->isEnabled()
            || !(qobject_cast<QAbstractButton *>(control) || qobject_cast<QLineEdit *>(control)
                 || qobject_cast<QScrollBar *>(control)))
            continue;
        ++controls;
        for (const QPoint point : ClickPoints(control)) {
            ++points;
            QWidget *hit = form->childAt(control->mapTo(form, point));
            QVERIFY2(hit == control || control->isAncestorOf(hit),
                     qPrintable(QStringLiteral("%1 at (%2, %3) belongs to %4")
                                    .arg(control->objectName())
                                    .arg(point.x())
                                    .arg(point.y())
                                    .arg(hit ? hit->objectName() : QStringLiteral("nothing"))));
        }
    }
    qInfo("%s: %d controls, %d points", QTest::currentDataTag(), controls, points);
    QVERIFY(controls > 0);
    QCOMPARE(test.boxes.size(), 0);
}

void TestClicks::captionsFit()
{
    QFETCH(QString, window);
    QFETCH(int, state);
    QFETCH(QString, language);
    WindowTest test(QStringLiteral("C"), language);
    QWidget *form = openIn(test, window, state);
    QVERIFY(QTest::qWaitForWindowExposed(form));
    QStringList cut;
    int checked = 0;
    for (QWidget *control : form->findChildren<QWidget *>()) {
        QString text = control->property("text").toString().remove(QRegularExpression(QStringLiteral("&(?!&)")));
        const auto [room, flags] = captionRoom(control, text);
        if (!control->isVisibleTo(form) || room.isEmpty() || text.trimmed().isEmpty())
            continue;
        ++checked;
        const QRect needed = control->fontMetrics().boundingRect(room, flags, text);
        const QString name = window + u'/' + control->objectName();
        if ((needed.width() > room.width() || needed.height() > room.height())
            && !(language == QLatin1String("it") && kItalianAsEver.contains(name)))
            cut << QStringLiteral("%1 \"%2\" needs %3x%4 in %5x%6").arg(name, text).arg(needed.width())
                       .arg(needed.height()).arg(room.width()).arg(room.height());
    }
    // The menu's tabs stand whole inside the window.
    if (auto *tabs = form->findChild<QTabBar *>()) {
        ++checked;
        const int right = tabs->mapTo(form, tabs->tabRect(tabs->count() - 1).topRight()).x();
        if (right >= form->width() || tabs->sizeHint().width() > tabs->width())
            cut << QStringLiteral("tabs end at %1 in %2").arg(right).arg(form->width());
    }
    qInfo("%s: %d captions", QTest::currentDataTag(), checked);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));
}

QTEST_MAIN(TestClicks)
#include "tst_clicks.moc"
