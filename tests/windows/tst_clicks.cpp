// Every control a person can click is reachable where a person clicks it: no
// caption or picture lies over a button, an option, a check box, a field or a
// scroll bar, in any window and any state the window can show.
#include "app/application.h"
#include "app/frmoptions.h"
#include "calculator/form1.h"
#include "common/clickpoints.h"
#include "common/modalcatcher.h"
#include "converter/form3.h"
#include "designer/form2.h"
#include "toolkit/program.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTest>
#include <memory>

class TestClicks : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void controlsOwnTheirPoints_data();
    void controlsOwnTheirPoints();

private:
    std::unique_ptr<Application> m_app;
};

void TestClicks::initTestCase()
{
    Application::ConfigureApplication();
    Program::instance().SetEndAction([] {});
}

void TestClicks::controlsOwnTheirPoints_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("state"); // the tab shown, or the calculator's mode (0 none)
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
    ModalCatcher boxes;
    m_app = std::make_unique<Application>();
    m_app->Start();
    QWidget *form = m_app->Menu().Window();
    if (window == QLatin1String("frmOptions")) {
        auto *tabs = form->findChild<QTabBar *>("tbsOptions");
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(state - 1).center());
    } else if (window == QLatin1String("Form1")) {
        m_app->ShowForm1();
        form = m_app->Calculator().Window();
        if (state > 0)
            ClickAt(form->findChild<QPushButton *>(QStringLiteral("Cmd%1").arg(state)));
    } else {
        window == QLatin1String("Form2") ? m_app->ShowForm2() : m_app->ShowForm3();
        form = window == QLatin1String("Form2") ? m_app->Designer().Window() : m_app->Converter().Window();
    }
    QVERIFY(QTest::qWaitForWindowExposed(form));

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
    QCOMPARE(boxes.count(), 0);
    m_app.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QTEST_MAIN(TestClicks)
#include "tst_clicks.moc"
