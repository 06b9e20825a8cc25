// Start-up, the window slots and the menu: one instance per window, loading and
// unloading, the tabs and their keys, and the ways the program ends.
#include "app/application.h"
#include "app/frmoptions.h"
#include "calculator/form1.h"
#include "common/modalcatcher.h"
#include "converter/form3.h"
#include "designer/form2.h"
#include "toolkit/helpviewer.h"
#include "toolkit/program.h"
#include "toolkit/definition.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTextBrowser>
#include <memory>

class TestApp : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startShowsOnlyTabsAndEnd();
    void menuDefinition();
    void tabPages_data();
    void tabPages();
    void sameInstanceNoSecondLoad();
    void reopenStartsFromDefinition();
    void ctrlTabSteps_data();
    void ctrlTabSteps();
    void ctrlTabWrapsToPicture();
    void ctrlShiftTabLeftAlone();
    void okWithOtherTabsOpensNothing_data();
    void okWithOtherTabsOpensNothing();
    void enterOnDiametriOpensConverter();
    void escEndsEverything();
    void escInProgramWindowDoesNotEnd();
    void endKeepsProgramWindow();
    void lastWindowEndsProgram();
    void helpFromEachWindow_data();
    void helpFromEachWindow();

private:
    QWidget *menu() const { return m_app->Menu().Window(); }
    template<typename T>
    T *menuControl(const char *name) const
    {
        return menu()->findChild<T *>(QString::fromLatin1(name));
    }
    QTabBar *tabs() const { return menuControl<QTabBar>("tbsOptions"); }
    void clickTab(int index);
    void flush() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    std::unique_ptr<Application> m_app;
    int m_ends = 0;
};

void TestApp::initTestCase()
{
    Application::ConfigureApplication();
    Program::instance().SetEndAction([this] { ++m_ends; });
}

void TestApp::init()
{
    m_ends = 0;
    m_app = std::make_unique<Application>();
    m_app->Start();
    QVERIFY(QTest::qWaitForWindowExposed(menu()));
}

void TestApp::cleanup()
{
    m_app.reset();
    flush();
    if (QWidget *help = HelpWindow())
        help->hide();
}

void TestApp::clickTab(int index)
{
    QTest::mouseClick(tabs(), Qt::LeftButton, {}, tabs()->tabRect(index - 1).center());
}

void TestApp::startShowsOnlyTabsAndEnd()
{
    QCOMPARE(tabs()->currentIndex(), 0);
    QVERIFY(tabs()->isVisible());
    QVERIFY(menuControl<QPushButton>("cmdApply")->isVisible());
    for (const char *hidden : {"Picture1", "Image1", "Text1", "Text2", "cmdOK"})
        QVERIFY2(!menuControl<QWidget>(hidden)->isVisible(), hidden);
    QVERIFY(!m_app->Calculator().IsLoaded());
}

void TestApp::menuDefinition()
{
    QCOMPARE(menu()->objectName(), QStringLiteral("frmOptions"));
    QCOMPARE(menu()->windowTitle(), QStringLiteral("Pagina menu"));
    QCOMPARE(menu()->size(), QSize(594, 472));
    const QStringList captions{"ZORVEK", "Bobine-1", "Bobine-2", "Diametri", "Circa"};
    const QStringList tips{"Quello ero io", "Esegue il programma n. 1", "Esegue il programma bobine 2",
                           "Il perchè di questi programmi", "Il perchè di questi programmi"};
    QCOMPARE(tabs()->count(), 5);
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(tabs()->tabText(i), captions[i]);
        QCOMPARE(tabs()->tabToolTip(i), tips[i]);
    }
    QCOMPARE(menuControl<QPushButton>("cmdOK")->text(), QStringLiteral("Vai al programma"));
    QCOMPARE(menuControl<QPushButton>("cmdApply")->text(), QStringLiteral("END"));
    // The two pages are prose of roughly the lengths of the original pages,
    // written in when their tabs are first chosen.
    clickTab(4);
    clickTab(5);
    const int diametri = int(menuControl<QPlainTextEdit>("Text2")->toPlainText().size());
    const int circa = int(menuControl<QPlainTextEdit>("Text1")->toPlainText().size());
    QVERIFY2(diametri > 450 && diametri < 650, qPrintable(QString::number(diametri)));
    QVERIFY2(circa > 1800 && circa < 2300, qPrintable(QString::number(circa)));
}

void TestApp::tabPages_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QStringList>("visible");
    QTest::addColumn<QString>("opened"); // window shown by the tab, if any
    QTest::newRow("ZORVEK") << 1 << QStringList{"Picture1", "Image1"} << QString();
    QTest::newRow("Bobine-1") << 2 << QStringList{} << "Form1";
    QTest::newRow("Bobine-2") << 3 << QStringList{} << "Form2";
    QTest::newRow("Diametri") << 4 << QStringList{"Text2", "cmdOK"} << QString();
    QTest::newRow("Circa") << 5 << QStringList{"Text1"} << QString();
}

void TestApp::tabPages()
{
    QFETCH(int, tab);
    QFETCH(QStringList, visible);
    QFETCH(QString, opened);
    // Start from another page, so that every tab is a change of selection.
    clickTab(tab == 5 ? 4 : 5);
    clickTab(tab);
    QCOMPARE(tabs()->currentIndex(), tab - 1);
    for (const char *name : {"Picture1", "Image1", "Text1", "Text2", "cmdOK"}) {
        const bool shouldShow = visible.contains(QString::fromLatin1(name));
        QVERIFY2(menuControl<QWidget>(name)->isVisible() == shouldShow, name);
    }
    if (tab == 1)
        QCOMPARE(menuControl<QWidget>("Picture1")->geometry(), QRect(30, 200, 87, 107));
    QCOMPARE(m_app->Calculator().IsLoaded(), opened == "Form1");
    QCOMPARE(m_app->Designer().IsLoaded(), opened == "Form2");
    QVERIFY(!m_app->Converter().IsLoaded());
    if (tab == 4)
        QCOMPARE(QApplication::focusWidget(), menuControl<QWidget>("cmdOK"));
    // The menu stays open beside any program window.
    QVERIFY(menu()->isVisible());
}

void TestApp::sameInstanceNoSecondLoad()
{
    clickTab(2);
    QWidget *first = m_app->Calculator().Window();
    QVERIFY(first && first->isVisible());
    auto *text3 = first->findChild<QLineEdit *>("Text3");
    text3->setText("14.2");
    clickTab(5);
    clickTab(2);
    QCOMPARE(m_app->Calculator().Window(), first);
    QCOMPARE(text3->text(), QStringLiteral("14.2"));
    int form1Windows = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        form1Windows += w->objectName() == QLatin1String("Form1") && w->isVisible();
    QCOMPARE(form1Windows, 1);
}

void TestApp::reopenStartsFromDefinition()
{
    clickTab(2);
    Form1 &calculator = m_app->Calculator();
    QTest::mouseClick(calculator.Window()->findChild<QPushButton *>("Cmd2"), Qt::LeftButton);
    calculator.Window()->findChild<QLineEdit *>("Text3")->setText("7");
    QTest::mouseClick(calculator.Window()->findChild<QPushButton *>("Command1"), Qt::LeftButton);
    QVERIFY(!calculator.IsLoaded());
    QVERIFY(menu()->isVisible());
    flush();

    clickTab(5);
    clickTab(2);
    QVERIFY(calculator.IsLoaded());
    QCOMPARE(calculator.Window()->findChild<QLineEdit *>("Text3")->text(), QStringLiteral("0"));
    // The mode survives the reopening: "Calcola" answers with mode 2's guard.
    ModalCatcher catcher;
    QTest::mouseClick(calculator.Window()->findChild<QPushButton *>("CmdKalc"), Qt::LeftButton);
    QCOMPARE(catcher.texts(), QStringList{"Mettere i valori"});
}

void TestApp::ctrlTabSteps_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("opened");
    QTest::newRow("ZORVEK to Bobine-1 opens the calculator") << 1 << 2 << "Form1";
    QTest::newRow("Bobine-1 to Bobine-2 opens the designer") << 2 << 3 << "Form2";
    QTest::newRow("Bobine-2 to Diametri opens nothing") << 3 << 4 << QString();
    QTest::newRow("Diametri to Circa") << 4 << 5 << QString();
}

void TestApp::ctrlTabSteps()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, opened);
    if (from != 1)
        tabs()->setCurrentIndex(from - 1);
    m_app->Calculator().Unload();
    m_app->Designer().Unload();
    menu()->activateWindow();
    QTest::keyClick(menu(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(tabs()->currentIndex(), to - 1);
    QCOMPARE(m_app->Calculator().IsLoaded(), opened == "Form1");
    QCOMPARE(m_app->Designer().IsLoaded(), opened == "Form2");
}

void TestApp::ctrlTabWrapsToPicture()
{
    clickTab(5);
    QTest::keyClick(menuControl<QWidget>("cmdApply"), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(tabs()->currentIndex(), 0);
    QVERIFY(menuControl<QWidget>("Picture1")->isVisible());
    QVERIFY(menuControl<QWidget>("Image1")->isVisible());
    QVERIFY(!menuControl<QWidget>("Text1")->isVisible());
}

void TestApp::ctrlShiftTabLeftAlone()
{
    clickTab(4);
    QTest::keyClick(menu(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(tabs()->currentIndex(), 3);
    QTest::keyClick(menu(), Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(tabs()->currentIndex(), 3);
}

void TestApp::okWithOtherTabsOpensNothing_data()
{
    QTest::addColumn<int>("tab");
    QTest::newRow("ZORVEK") << 1;
    QTest::newRow("Circa") << 5;
}

void TestApp::okWithOtherTabsOpensNothing()
{
    QFETCH(int, tab);
    tabs()->setCurrentIndex(tab == 1 ? 4 : 0);
    tabs()->setCurrentIndex(tab - 1);
    menuControl<QPushButton>("cmdOK")->click();
    QVERIFY(!m_app->Calculator().IsLoaded());
    QVERIFY(!m_app->Designer().IsLoaded());
    QVERIFY(!m_app->Converter().IsLoaded());
}

void TestApp::enterOnDiametriOpensConverter()
{
    clickTab(4);
    QVERIFY(!m_app->Converter().IsLoaded());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(m_app->Converter().IsLoaded());
    QVERIFY(m_app->Converter().Window()->isVisible());
    // "Vai al programma" again brings the same window forward.
    QWidget *converter = m_app->Converter().Window();
    menuControl<QPushButton>("cmdOK")->click();
    QCOMPARE(m_app->Converter().Window(), converter);
}

void TestApp::escEndsEverything()
{
    m_app->ShowForm1();
    m_app->ShowForm2();
    m_app->ShowForm3();
    QTest::keyClick(menuControl<QWidget>("tbsOptions"), Qt::Key_Escape);
    QCOMPARE(m_ends, 1);
    for (QWidget *w : QApplication::topLevelWidgets())
        QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
}

void TestApp::escInProgramWindowDoesNotEnd()
{
    for (FormBase *form : std::initializer_list<FormBase *>{&m_app->Calculator(), &m_app->Designer(),
                                                            &m_app->Converter()}) {
        form->Show();
        QWidget *focus = form->Window()->focusWidget() ? form->Window()->focusWidget() : form->Window();
        QTest::keyClick(focus, Qt::Key_Escape);
        QCOMPARE(m_ends, 0);
        QVERIFY(form->IsLoaded());
    }
}

void TestApp::endKeepsProgramWindow()
{
    m_app->ShowForm2();
    menuControl<QPushButton>("cmdApply")->click();
    QVERIFY(!m_app->Menu().IsLoaded());
    QCOMPARE(m_ends, 0);
    QVERIFY(m_app->Designer().Window()->isVisible());
    // The designer still answers: "Torna al menu" unloads it and the program ends.
    QTest::mouseClick(m_app->Designer().Window()->findChild<QPushButton *>("Cmdesci"), Qt::LeftButton);
    QCOMPARE(m_ends, 1);
}

void TestApp::lastWindowEndsProgram()
{
    m_app->ShowForm3();
    m_app->Menu().Window()->close();
    QCOMPARE(m_ends, 0);
    m_app->Converter().Window()->close();
    QCOMPARE(m_ends, 1);
}

void TestApp::helpFromEachWindow_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("helpFile");
    QTest::newRow("menu") << 0 << "menu.html" << "SOLENORIA.HLP";
    QTest::newRow("calculator") << 1 << "calcolatore.html" << "solenoria.hlp";
    QTest::newRow("designer") << 2 << "progettista.html" << "solenoria.hlp";
    QTest::newRow("converter") << 3 << "convertitore.html" << "solenoria.hlp";
}

void TestApp::helpFromEachWindow()
{
    QFETCH(int, window);
    QFETCH(QString, page);
    QFETCH(QString, helpFile);
    SetHelpFile(QStringLiteral("SOLENORIA.HLP"));
    FormBase *forms[] = {&m_app->Menu(), &m_app->Calculator(), &m_app->Designer(), &m_app->Converter()};
    forms[window]->Show();
    QCOMPARE(HelpFile(), helpFile);
    QWidget *target = forms[window]->Window();
    QTest::keyClick(target->focusWidget() ? target->focusWidget() : target, Qt::Key_F1);
    auto *viewer = qobject_cast<QTextBrowser *>(HelpWindow());
    QVERIFY(viewer && viewer->isVisible());
    QCOMPARE(viewer->objectName(), QStringLiteral("helpViewer"));
    QCOMPARE(viewer->source().fileName(), page);
    QVERIFY(viewer->toPlainText().size() > 200);
}

QTEST_MAIN(TestApp)
#include "tst_app.moc"
