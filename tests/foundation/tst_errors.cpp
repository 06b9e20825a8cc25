// The run-time error report, the handler guard, the program's message boxes,
// and the toolkit helpers every window rests on: window objects that outlive
// their windows, colours, twips, scroll-bar values and the help window.
#include "common/modalcatcher.h"
#include "toolkit/colour.h"
#include "toolkit/formbase.h"
#include "toolkit/handlerguard.h"
#include "toolkit/helpviewer.h"
#include "toolkit/messages.h"
#include "numbers/runtimeerror.h"
#include "toolkit/definition.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

// A window object with a counter that survives unloading and a text box that does not.
class TestForm : public FormBase
{
public:
    int loads = 0;
    int clicks = 0;
    QLineEdit *box = nullptr;
    QPushButton *button = nullptr;
    ErrorNumber raise = ErrorNumber::Overflow;
    bool raising = false;

    QString HelpPage() const override { return QStringLiteral("menu.html"); }

protected:
    void SetupWindow(QWidget *window) override
    {
        window->setObjectName(QStringLiteral("TestForm"));
        auto *layout = new QVBoxLayout(window);
        box = new QLineEdit(QStringLiteral("0"), window);
        button = new QPushButton(QStringLiteral("Calcola"), window);
        layout->addWidget(box);
        layout->addWidget(button);
        ConnectHandler(button, &QPushButton::clicked, this, &TestForm::Button_Click);
    }
    void ReleaseWindow() override
    {
        box = nullptr;
        button = nullptr;
    }
    void Form_Load() override { ++loads; }

private:
    void Button_Click()
    {
        ++clicks;
        if (raising)
            throw RuntimeError(raise);
        box->setText(QStringLiteral("fatto"));
    }
};

} // namespace

class TestErrors : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void descriptions_data();
    void descriptions();
    void guardReportsAndWindowGoesOn();
    void messageBoxes_data();
    void messageBoxes();

    void loadShowUnload();
    void closeBoxUnloads();
    void helpOpensAtPage();

    void twips_data();
    void twips();
    void colours_data();
    void colours();
    void scrollValue();
};

void TestErrors::initTestCase()
{
    QApplication::setApplicationDisplayName(QStringLiteral("Solenorium"));
}

void TestErrors::descriptions_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("description");
    QTest::newRow("5") << 5 << "Chiamata di routine o argomento non validi";
    QTest::newRow("6") << 6 << "Overflow";
    QTest::newRow("9") << 9 << "Indice non incluso nell'intervallo";
    QTest::newRow("11") << 11 << "Divisione per zero";
    QTest::newRow("13") << 13 << "Tipo non corrispondente";
    QTest::newRow("380") << 380 << "Valore della proprietà non valido";
}

void TestErrors::descriptions()
{
    QFETCH(int, number);
    QFETCH(QString, description);
    const RuntimeError error(static_cast<ErrorNumber>(number));
    QCOMPARE(error.code(), number);
    QCOMPARE(error.description(), description);
    QVERIFY(RuntimeErrorText(error).contains(QString::number(number)));
    QVERIFY(RuntimeErrorText(error).contains(description));
}

void TestErrors::guardReportsAndWindowGoesOn()
{
    TestForm form;
    form.Show();
    form.raising = true;
    form.raise = ErrorNumber::DivisionByZero;
    {
        ModalCatcher catcher;
        QTest::mouseClick(form.button, Qt::LeftButton);
        QCOMPARE(catcher.count(), 1);
        const ModalCatcher::Box box = catcher.boxes().first();
        QCOMPARE(box.objectName, QStringLiteral("runtimeErrorReport"));
        QCOMPARE(box.title, QStringLiteral("Solenorium"));
        QVERIFY(box.text.contains(QStringLiteral("11")));
        QVERIFY(box.text.contains(QStringLiteral("Divisione per zero")));
        QCOMPARE(box.icon, QMessageBox::Critical);
    }
    // The handler stopped at the fault; the window still answers.
    QCOMPARE(form.box->text(), QStringLiteral("0"));
    form.raising = false;
    QTest::mouseClick(form.button, Qt::LeftButton);
    QCOMPARE(form.box->text(), QStringLiteral("fatto"));
    QCOMPARE(form.clicks, 2);
    form.Unload();
}

void TestErrors::messageBoxes_data()
{
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<bool>("critical");
    QTest::newRow("plain") << "Mettere i valori" << false;
    QTest::newRow("critical") << "Errore non contemplato!" << true;
}

void TestErrors::messageBoxes()
{
    QFETCH(QString, prompt);
    QFETCH(bool, critical);
    ModalCatcher catcher;
    MsgBox(prompt, critical ? MsgBoxStyle::Critical : MsgBoxStyle::OkOnly);
    QCOMPARE(catcher.count(), 1);
    const ModalCatcher::Box box = catcher.boxes().first();
    QCOMPARE(box.objectName, QStringLiteral("msgBox"));
    QCOMPARE(box.title, QStringLiteral("Solenorium"));
    QCOMPARE(box.text, prompt);
    QCOMPARE(box.icon, critical ? QMessageBox::Critical : QMessageBox::NoIcon);
    QCOMPARE(box.buttons, 1);
}

void TestErrors::loadShowUnload()
{
    TestForm form;
    QVERIFY(!form.IsLoaded());
    form.Show();
    QVERIFY(form.IsLoaded());
    QVERIFY(form.Window()->isVisible());
    QCOMPARE(form.loads, 1);
    form.box->setText(QStringLiteral("12"));

    // Showing a loaded window does not load it again.
    form.Show();
    QCOMPARE(form.loads, 1);
    QCOMPARE(form.box->text(), QStringLiteral("12"));

    QPointer<QWidget> old = form.Window();
    QSignalSpy unloaded(&form, &FormBase::Unloaded);
    form.Unload();
    QCOMPARE(unloaded.count(), 1);
    QVERIFY(!form.IsLoaded());
    QVERIFY(form.box == nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(old.isNull());

    // Reloading starts from the definition; the object's own counter stays.
    form.Show();
    QCOMPARE(form.loads, 2);
    QCOMPARE(form.box->text(), QStringLiteral("0"));
    form.Unload();
}

void TestErrors::closeBoxUnloads()
{
    TestForm form;
    form.Show();
    QSignalSpy unloaded(&form, &FormBase::Unloaded);
    form.Window()->close();
    QCOMPARE(unloaded.count(), 1);
    QVERIFY(!form.IsLoaded());
}

void TestErrors::helpOpensAtPage()
{
    TestForm form;
    form.Show();
    QVERIFY(QTest::qWaitForWindowActive(form.Window()) || true);
    SetHelpFile(QStringLiteral("solenoria.hlp"));
    QTest::keyClick(form.box, Qt::Key_F1);
    auto *viewer = qobject_cast<QTextBrowser *>(HelpWindow());
    QVERIFY(viewer);
    QCOMPARE(viewer->objectName(), QStringLiteral("helpViewer"));
    QVERIFY(viewer->isVisible());
    QCOMPARE(viewer->source().fileName(), QStringLiteral("menu.html"));
    QVERIFY(!viewer->toPlainText().isEmpty());

    // An unknown page falls back to the index of the manual.
    OpenHelp(QStringLiteral("nessuna.html"));
    QCOMPARE(viewer->source().fileName(), QStringLiteral("index.html"));
    viewer->hide();
    form.Unload();
}

void TestErrors::twips_data()
{
    QTest::addColumn<int>("twips");
    QTest::addColumn<int>("pixels");
    QTest::newRow("client width") << 8880 << 592;
    QTest::newRow("rounds half up") << 7050 << 470;
    QTest::newRow("rounds down") << 3863 << 258;
    QTest::newRow("rounds up") << 3869 << 258;
    QTest::newRow("small") << 75 << 5;
}

void TestErrors::twips()
{
    QFETCH(int, twips);
    QFETCH(int, pixels);
    QCOMPARE(TwipsToPixels(twips), pixels);
}

void TestErrors::colours_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<uint>("value");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("highlight") << "&HC0C0FF" << 12632319u << QColor(255, 192, 192);
    QTest::newRow("window background") << "&H00C0E0FF&" << 0x00C0E0FFu << QColor(255, 224, 192);
    QTest::newRow("neutral button") << "&H00E0E0E0&" << 0x00E0E0E0u << QColor(224, 224, 224);
    QTest::newRow("dark blue text") << "&H00400000&" << 0x00400000u << QColor(0, 0, 64);
}

void TestErrors::colours()
{
    QFETCH(QString, text);
    QFETCH(uint, value);
    QFETCH(QColor, colour);
    QCOMPARE(ParseColour(text), value);
    QCOMPARE(ColourFromValue(value), colour);
    const QPalette palette;
    QCOMPARE(ColourFromValue(0x80000005u, palette), palette.color(QPalette::Base));
    QCOMPARE(ColourFromValue(0x80000008u, palette), palette.color(QPalette::Text));
}

void TestErrors::scrollValue()
{
    QScrollBar bar(Qt::Vertical);
    bar.setRange(0, 32767);
    QSignalSpy changed(&bar, &QScrollBar::valueChanged);
    SetScrollValue(&bar, 108);
    QCOMPARE(bar.value(), 108);
    QCOMPARE(changed.count(), 1);
    SetScrollValue(&bar, 108); // the same value raises nothing
    QCOMPARE(changed.count(), 1);
    for (int refused : {-1, 32768}) {
        try {
            SetScrollValue(&bar, refused);
            QFAIL("value accepted");
        } catch (const RuntimeError &e) {
            QCOMPARE(e.code(), 380);
        }
    }
    QCOMPARE(bar.value(), 108);
}

QTEST_MAIN(TestErrors)
#include "tst_errors.moc"
