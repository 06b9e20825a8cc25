// SPDX-License-Identifier: GPL-3.0-or-later
// Every control a person can click is reachable where a person clicks it: no
// caption or picture lies over a button, an option, a check box, a field or a
// scroll bar, in any window and any state the window can show.
#include "common/windowtest.h"

#include <QScreen>
#include <QTabBar>

class TestClicks : public QObject
{
    Q_OBJECT
private slots:
    void controlsOwnTheirPoints_data();
    void controlsOwnTheirPoints();
};

void TestClicks::controlsOwnTheirPoints_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("state"); // the menu's tab, or the calculator's mode (0 none)
    for (int tab = 1; tab <= 5; ++tab)
        QTest::addRow("menu, tab %d", tab) << "frmOptions" << tab;
    for (int mode = 0; mode <= 7; ++mode)
        QTest::addRow("calculator, mode %d", mode) << "Form1" << mode;
    QTest::newRow("designer") << "Form2" << 0;
    QTest::newRow("converter") << "Form3" << 0;
}

void TestClicks::controlsOwnTheirPoints()
{
    QFETCH(QString, window);
    QFETCH(int, state);
    WindowTest test;
    QWidget *form = test.open(window);
    if (window == QLatin1String("frmOptions")) {
        auto *tabs = test.control<QTabBar>(QStringLiteral("tbsOptions"));
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(state - 1).center());
    } else if (window == QLatin1String("Form1") && state > 0) {
        test.click(QStringLiteral("Cmd%1").arg(state));
    }
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

QTEST_MAIN(TestClicks)
#include "tst_clicks.moc"
