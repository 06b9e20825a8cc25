// What a screen reader hears in the four windows: every input box, result and
// scroll bar is named after the caption beside it, the calculator's result box
// follows its unit caption from mode to mode, and buttons and options keep
// their own text.
#include "app/application.h"
#include "app/frmoptions.h"
#include "calculator/form1.h"
#include "converter/form3.h"
#include "designer/form2.h"
#include "toolkit/program.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include <memory>

namespace {

// The name the accessibility interface gives the control, as a screen reader gets it.
QString AccessibleName(QWidget *widget)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(QAccessible::Name) : QString();
}

// The results that can be selected and copied, by window.
const QMap<QString, QStringList> kResultLabels = {
    {QStringLiteral("Form1"), {"LblC1", "LblC2", "LblFT"}},
    {QStringLiteral("Form2"), {"FiloCm", "Freq1", "Freq2", "Label10", "Label9", "MicroH", "Spaz"}},
    {QStringLiteral("Form3"), {"FiloCm", "LabelIND2", "LabelLUN", "LabelSPI", "LabelSPZ"}},
};

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void names_data();
    void names();
    void everyBoxResultAndBarNamed_data();
    void everyBoxResultAndBarNamed();
    void resultBoxFollowsUnit_data();
    void resultBoxFollowsUnit();
    void buttonsKeepTheirText_data();
    void buttonsKeepTheirText();

private:
    QWidget *window(const QString &name) const;

    std::unique_ptr<Application> m_app;
};

void TestAccessibility::initTestCase()
{
    Application::ConfigureApplication();
    Program::instance().SetEndAction([] {});
}

void TestAccessibility::init()
{
    QLocale::setDefault(QLocale::c());
    m_app = std::make_unique<Application>();
    m_app->Start();
    m_app->ShowForm1();
    m_app->ShowForm2();
    m_app->ShowForm3();
}

void TestAccessibility::cleanup()
{
    m_app.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QWidget *TestAccessibility::window(const QString &name) const
{
    if (name == QLatin1String("Form1"))
        return m_app->Calculator().Window();
    if (name == QLatin1String("Form2"))
        return m_app->Designer().Window();
    if (name == QLatin1String("Form3"))
        return m_app->Converter().Window();
    return m_app->Menu().Window();
}

void TestAccessibility::names_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("captions"); // controls whose caption the name carries

    const auto row = [](const char *window, const char *control, const QString &name, const QStringList &captions) {
        QTest::addRow("%s %s", window, control) << QString::fromLatin1(window) << QString::fromLatin1(control) << name
                                                << captions;
    };
    row("Form1", "Text1", "Induttanza µH", {"Lblindu"});
    row("Form1", "Text2", "Capacità  pF", {"Lblcap"});
    row("Form1", "Text3", "Frequenza Mhz", {"Lblfreq"});
    row("Form1", "Text4", "Diam. Supp. mm.", {"LblSup"});
    row("Form1", "Text5", "Spire", {"LblSpi"});
    row("Form1", "Text6", "Lungh.bobina", {"LblLun"});
    row("Form1", "LblFT", "Passa-basso: induttanza µH", {});
    row("Form1", "LblC1", "Passa-basso: condensatore C1 pF", {});
    row("Form1", "LblC2", "Passa-basso: condensatore C2 pF", {});

    row("Form2", "DiamSup", "Diametro supporto", {"Option1"});
    row("Form2", "LunBob", "Lunghezza bobina", {"Option2"});
    row("Form2", "Spire", "Spire", {"Option3"});
    row("Form2", "Cap1", "pF Capacità 1", {"Option4"});
    row("Form2", "Cap2", "pF Capacità 2", {"Option5"});
    row("Form2", "Spaz", "Spaziatura mm", {"Label8"});
    row("Form2", "MicroH", "Induttanza µH", {"Label7", "Label1"});
    row("Form2", "Freq1", "Frequenza Mhz, pF Capacità 1", {"Label5", "Option4"});
    row("Form2", "Freq2", "Frequenza Mhz, pF Capacità 2", {"Label6", "Option5"});
    row("Form2", "FiloCm", "Filo occorrente esclusi terminali mt", {"Label3", "Label4"});
    row("Form2", "Label9", "Antenna Quadro: lato", {"Label12"});
    row("Form2", "Label10", "Antenna Quadro: diagonale", {"Label12"});
    row("Form2", "CmdBlock", "Blocca Spaziatura", {});

    row("Form3", "TextIND", "Induttanza (Dati di partenza)", {"Label1", "Label11"});
    row("Form3", "TextDIA1", "Diametro mm (Dati di partenza)", {"Label2", "Label11"});
    row("Form3", "TextSPI", "Spire (Dati di partenza)", {"Label3", "Label11"});
    row("Form3", "TextLUN", "Lunghezza bobina mm (Dati di partenza)", {"Label4", "Label11"});
    row("Form3", "TextSPZ", "Spaziatura mm (Dati di partenza)", {"Label5", "Label11"});
    row("Form3", "LabelIND2", "Induttanza (Nuovi dati)", {"Label6", "Label12"});
    row("Form3", "TextDIA2", "Diametro mm (Nuovi dati)", {"Label7", "Label12"});
    row("Form3", "LabelSPI", "Spire (Nuovi dati)", {"Label8", "Label12"});
    row("Form3", "LabelLUN", "Lunghezza bobina mm (Nuovi dati)", {"Label9", "Label12"});
    row("Form3", "LabelSPZ", "Spaziatura mm (Nuovi dati)", {"Label10", "Label12"});
    row("Form3", "VScroll1", "Regola Spire (Nuovi dati)", {"Label8", "Label12"});
    row("Form3", "VScroll2", "Regola Lunghezza bobina mm (Nuovi dati)", {"Label9", "Label12"});
    row("Form3", "FiloCm", "Lunghezza filo mt", {"Label13"});

    row("frmOptions", "Image1", "ZORVEK", {});
    row("frmOptions", "Text2", "Diametri", {});
    row("frmOptions", "Text1", "Circa", {});
}

void TestAccessibility::names()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(QStringList, captions);
    QWidget *widget = this->window(window)->findChild<QWidget *>(control);
    QVERIFY(widget);
    QCOMPARE(AccessibleName(widget), name);
    for (const QString &caption : captions) {
        const QString text = this->window(window)->findChild<QAbstractButton *>(caption)
                                 ? this->window(window)->findChild<QAbstractButton *>(caption)->text()
                                 : this->window(window)->findChild<QLabel *>(caption)->text();
        QVERIFY2(name.contains(text), qPrintable(caption));
    }
}

void TestAccessibility::everyBoxResultAndBarNamed_data()
{
    QTest::addColumn<QString>("window");
    for (const char *window : {"Form1", "Form2", "Form3"})
        QTest::newRow(window) << QString::fromLatin1(window);
}

// A sweep over the window: no box, bar or result is left without a name, and
// the results are exactly the labels that can be selected.
void TestAccessibility::everyBoxResultAndBarNamed()
{
    QFETCH(QString, window);
    QWidget *top = this->window(window);
    QVERIFY(top);
    QStringList unnamed;
    for (QWidget *widget : top->findChildren<QWidget *>()) {
        // The controls of the definition, not the parts Qt builds inside them
        // (the scroll bars of the instructions box).
        if (widget->objectName().isEmpty() || widget->objectName().startsWith(QLatin1String("qt_")))
            continue;
        if ((qobject_cast<QLineEdit *>(widget) || qobject_cast<QScrollBar *>(widget))
            && AccessibleName(widget).trimmed().isEmpty())
            unnamed << widget->objectName();
    }
    QStringList results;
    for (QLabel *label : top->findChildren<QLabel *>()) {
        if (!(label->textInteractionFlags() & Qt::TextSelectableByMouse))
            continue;
        results << label->objectName();
        if (label->accessibleName().trimmed().isEmpty())
            unnamed << label->objectName();
        // The caption names the result; a screen reader still reads its figure.
        else if (label->accessibleName() != label->text())
            QCOMPARE(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Value), label->text());
    }
    results.sort();
    if (!unnamed.isEmpty()) qDebug() << unnamed;
    QCOMPARE(unnamed, QStringList());
    QCOMPARE(results, kResultLabels.value(window));
}

void TestAccessibility::resultBoxFollowsUnit_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("name");
    QTest::newRow("no mode") << "" << "Risultato";
    QTest::newRow("Cmd1") << "Cmd1" << "Frequenza Mhz";
    QTest::newRow("Cmd2") << "Cmd2" << "Induttanza µHenry";
    QTest::newRow("Cmd3") << "Cmd3" << "Capacità PF";
    QTest::newRow("Cmd4") << "Cmd4" << "Induttanza µHenry";
    QTest::newRow("Cmd5") << "Cmd5" << "Spire n.";
    QTest::newRow("Cmd6") << "Cmd6" << "Spire n.";
    QTest::newRow("Cmd7") << "Cmd7" << "Freq. taglio Mhz";
}

void TestAccessibility::resultBoxFollowsUnit()
{
    QFETCH(QString, mode);
    QFETCH(QString, name);
    QWidget *form = window(QStringLiteral("Form1"));
    // Another mode first, so the name has to change.
    QTest::mouseClick(form->findChild<QWidget *>(mode == QLatin1String("Cmd1") ? "Cmd7" : "Cmd1"), Qt::LeftButton);
    if (mode.isEmpty()) {
        // A fresh window: the caption is still "*".
        m_app->Calculator().Unload();
        m_app->ShowForm1();
        form = window(QStringLiteral("Form1"));
    } else {
        QTest::mouseClick(form->findChild<QWidget *>(mode), Qt::LeftButton);
    }
    auto *caption = form->findChild<QLabel *>(QStringLiteral("Risultato"));
    QCOMPARE(caption->text(), mode.isEmpty() ? QStringLiteral("*") : name);
    QCOMPARE(AccessibleName(form->findChild<QWidget *>(QStringLiteral("SEO"))), name);
}

void TestAccessibility::buttonsKeepTheirText_data()
{
    QTest::addColumn<QString>("window");
    for (const char *window : {"Form1", "Form2", "Form3", "frmOptions"})
        QTest::newRow(window) << QString::fromLatin1(window);
}

void TestAccessibility::buttonsKeepTheirText()
{
    QFETCH(QString, window);
    int checked = 0;
    for (QAbstractButton *button : this->window(window)->findChildren<QAbstractButton *>()) {
        if (button->text().isEmpty())
            continue;
        QString text = button->text();
        text.remove(u'&');
        QCOMPARE(AccessibleName(button), text);
        QVERIFY2(button->accessibleName().isEmpty(), qPrintable(button->objectName()));
        ++checked;
    }
    QVERIFY(checked > 0);
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
