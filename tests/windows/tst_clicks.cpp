// SPDX-License-Identifier: GPL-3.0-or-later
// Every control a person can click is reachable where a person clicks it (no
// caption or picture lies over a button, an option, a check box, a field or a
// scroll bar) and every caption fits its control, in any window and any state
// the window can show, in Italian and in English.
#include "common/columns.h"
#include "common/windowtest.h"

#include <QComboBox>
#include <QRegularExpression>
#include <QScreen>
#include <QTabBar>

class TestClicks : public QObject
{
    Q_OBJECT
private slots:
    void windowInState_data();
    void windowInState();
};

namespace {

// Where a control draws its caption, and how: wrapping captions wrap at blanks
// (the calculator's buttons also break at their first run of blanks), the
// others keep to one line; a list box's widest choice in its field. An empty
// rectangle: no caption.
std::pair<QRect, int> captionRoom(const QWidget *control, QString &text)
{
    if (auto *combo = qobject_cast<const QComboBox *>(control)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        for (int i = 0; i < combo->count(); ++i)
            if (combo->fontMetrics().horizontalAdvance(combo->itemText(i))
                > combo->fontMetrics().horizontalAdvance(text))
                text = combo->itemText(i);
        return {
            combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo),
            Qt::AlignLeft | Qt::AlignVCenter};
    }
    QStyleOptionButton option;
    option.initFrom(control);
    const int wrap =
        QByteArray(control->metaObject()->className()).startsWith("Wrapping") ? Qt::TextWordWrap : 0;
    if (auto *label = qobject_cast<const QLabel *>(control))
        return {label->contentsRect(), int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0)};
    if (!qobject_cast<const QAbstractButton *>(control))
        return {};
    const bool push = control->inherits("QPushButton");
    const auto element = push            ? QStyle::SE_PushButtonContents
        : control->inherits("QCheckBox") ? QStyle::SE_CheckBoxContents
                                         : QStyle::SE_RadioButtonContents;
    QRect room = control->style()->subElementRect(element, &option, control);
    if (control->property("lineBreakAtBlanks").toBool()) {
        text.replace(QRegularExpression(" {2,}"), "\n");
        room.adjust(3, 0, -3, 0);
    } else if (wrap && !push) {
        room.setRight(control->width() - 1);
    }
    return {room, (push ? int(Qt::AlignCenter) : Qt::AlignLeft | Qt::AlignVCenter) | wrap};
}
// Captions the Italian program has always shown cut off, kept as they are.
// Form2/Label3, "Filo occorrente esclusi terminali": its second line has always lost its lowest pixel row.
const QStringList kItalianAsEver = {"Form2/Label3"};

} // namespace

void TestClicks::windowInState_data()
{
    // state: the menu's tab, the calculator's mode, the coil sheet (1) (0 none)
    columns<QString, int, QString>("window", "state", "language");
    for (const char *language : {"it", "en"}) {
        for (int tab = 1; tab <= 5; ++tab)
            QTest::addRow("menu, tab %d, %s", tab, language) << "frmOptions" << tab << language;
        for (int mode = 0; mode <= 7; ++mode)
            QTest::addRow("calculator, mode %d, %s", mode, language) << "Form1" << mode << language;
        QTest::addRow("designer, %s", language) << "Form2" << 0 << language;
        QTest::addRow("converter, %s", language) << "Form3" << 0 << language;
        QTest::addRow("designer's coil sheet, %s", language) << "Form2" << 1 << language;
        QTest::addRow("converter's coil sheet, %s", language) << "Form3" << 1 << language;
    }
}
void TestClicks::windowInState()
{
    QFETCH(QString, window);
    QFETCH(int, state);
    QFETCH(QString, language);
    WindowTest test("C", language);
    QWidget *form = test.open(window);
    const bool sheet = state > 0 && (window == QLatin1String("Form2") || window == QLatin1String("Form3"));
    if (window == QLatin1String("frmOptions")) {
        auto *tabs = test.control<QTabBar>("tbsOptions");
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(state - 1).center());
        // The tabs stand whole inside the window.
        QVERIFY(tabs->mapTo(form, tabs->tabRect(tabs->count() - 1).topRight()).x() < form->width());
    } else if (window == QLatin1String("Form1") && state > 0) {
        test.click(QString("Cmd%1").arg(state));
    } else if (sheet) { // the sheet of the designer's coil, or of the converter's new one
        if (window == QLatin1String("Form3"))
            test.click("Command1");
        test.click("CmdScheda");
        QVERIFY(form = WindowTest::sheet());
    }
    QVERIFY(QTest::qWaitForWindowExposed(form)
            && form->windowIcon().pixmap(32).size() == QSize(32, 32)); // its icon drawn
    // Every window opens in the middle of the screen; the sheet beside its own.
    const QPoint offCentre =
        QRect(form->pos(), form->size()).center() - form->screen()->availableGeometry().center();
    QVERIFY(sheet || offCentre.manhattanLength() <= 2);

    int controls = 0;
    QStringList cut;
    for (QWidget *control : form->findChildren<QWidget *>()) {
        QString text = control->property("text").toString().remove(QRegularExpression("&(?!&)"));
        const auto [room, flags] = captionRoom(control, text);
        const QString name = form->objectName() + u'/' + control->objectName();
        if (control->isVisibleTo(form) && !room.isEmpty() && !text.trimmed().isEmpty()
            && !(language == QLatin1String("it") && kItalianAsEver.contains(name))) {
            const QRect needed = control->fontMetrics().boundingRect(room, flags, text);
            if (needed.width() > room.width() || needed.height() > room.height())
                cut << name + " \"" + text + u'"';
        }
        if (!control->isVisibleTo(form) || !control->isEnabled()
            || !(qobject_cast<QAbstractButton *>(control) || qobject_cast<QLineEdit *>(control)
                 || qobject_cast<QScrollBar *>(control) || qobject_cast<QComboBox *>(control)))
            continue;
        ++controls;
        for (const QPoint point : ClickPoints(control)) {
            QWidget *hit = form->childAt(control->mapTo(form, point));
            QVERIFY2(hit == control || control->isAncestorOf(hit), qPrintable(name + " is covered"));
        }
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));
    QVERIFY(controls > 0 && test.boxes.isEmpty());
}

QTEST_MAIN(TestClicks)
#include "tst_clicks.moc"
