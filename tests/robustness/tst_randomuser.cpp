// A random user on the whole program: from a fixed seed, thousands of clicks on
// every button, option, check box and tab, random text typed into every field,
// scroll-bar arrows, keys, and windows closed and opened again, under a
// decimal-point and a decimal-comma locale. After every step it checks that no
// exception left a handler, that every box shown was one of the program's own
// and came from a step that can fault, that no window lost or changed what it
// holds unless the step was meant for it, and that the window acted on still
// computes a known coil right. A watchdog ends the run if a step never returns.
//
// SOLENORIUM_RANDOM_SEED      the seed (default below, the one CI uses)
// SOLENORIUM_RANDOM_ACTIONS   steps per locale (default below, kept short for CI)
// SOLENORIUM_RANDOM_WATCHDOG  seconds a single step may take before the run is
//                             declared hung (default 120, room for sanitizers)
#include "app/application.h"
#include "app/frmoptions.h"
#include "calculator/form1.h"
#include "common/modalcatcher.h"
#include "common/scrollpart.h"
#include "converter/conversione.h"
#include "converter/form3.h"
#include "designer/form2.h"
#include "toolkit/helpviewer.h"
#include "numbers/localenumber.h"
#include "toolkit/messages.h"
#include "toolkit/program.h"
#include "numbers/runtimeerror.h"
#include "toolkit/definition.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>
#include <QTabBar>
#include <QTest>

#include <array>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <typeinfo>

namespace {

constexpr quint64 kDefaultSeed = 20240611;
constexpr quint64 kDefaultActions = 3000;
constexpr quint64 kDefaultWatchdogSeconds = 120;

quint64 EnvNumber(const char *name, quint64 fallback)
{
    bool ok = false;
    const quint64 value = qEnvironmentVariable(name).toULongLong(&ok);
    return ok ? value : fallback;
}

// What the random user is doing, for the watchdog and for an exception that
// reaches std::terminate.
std::mutex g_stepMutex;
std::string g_step = "starting";

void SetStep(const QString &step)
{
    const std::lock_guard<std::mutex> lock(g_stepMutex);
    g_step = step.toStdString();
}

std::string CurrentStep()
{
    std::unique_lock<std::mutex> lock(g_stepMutex, std::try_to_lock);
    return lock.owns_lock() ? g_step : std::string("(step being written)");
}

// An exception that leaves a noexcept handler guard ends here.
[[noreturn]] void OnTerminate()
{
    // Leaving a noexcept function may end here with the exception already gone.
    std::string what = "an exception";
    if (const std::exception_ptr current = std::current_exception()) {
        try {
            std::rethrow_exception(current);
        } catch (const std::exception &error) {
            what = std::string(typeid(error).name()) + ": " + error.what();
        } catch (...) {
            what = "an exception of unknown type";
        }
    }
    std::fprintf(stderr, "FAIL: %s escaped a handler during: %s\n", what.c_str(), CurrentStep().c_str());
    std::fflush(stderr);
    std::abort();
}

// Ends the process when no step has finished for the given time: a handler
// that loops for ever, or a box nobody can close.
class Watchdog
{
public:
    explicit Watchdog(std::chrono::seconds limit)
        : m_limit(limit)
        , m_thread([this] { Watch(); })
    {
    }
    ~Watchdog()
    {
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_stop = true;
        }
        m_wake.notify_all();
        m_thread.join();
    }
    void Beat()
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        ++m_beats;
    }

private:
    void Watch()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        std::uint64_t seen = m_beats;
        auto since = std::chrono::steady_clock::now();
        while (!m_stop) {
            m_wake.wait_for(lock, std::chrono::seconds(1));
            const auto now = std::chrono::steady_clock::now();
            if (m_beats != seen) {
                seen = m_beats;
                since = now;
            } else if (now - since > m_limit) {
                std::fprintf(stderr, "FAIL: no answer for %lld s (hung) during: %s\n",
                             static_cast<long long>(m_limit.count()), CurrentStep().c_str());
                std::fflush(stderr);
                std::abort();
            }
        }
    }

    std::chrono::seconds m_limit;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::uint64_t m_beats = 0;
    bool m_stop = false;
    std::thread m_thread;
};

// Every event the test delivers goes through notify: an exception that
// crosses an event boundary is caught here and counted as a failure.
class GuardedApplication : public QApplication
{
public:
    using QApplication::QApplication;

    bool notify(QObject *receiver, QEvent *event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception &error) {
            escaped << QStringLiteral("%1 (%2) at %3")
                           .arg(QString::fromLatin1(typeid(error).name()), QString::fromLocal8Bit(error.what()),
                                receiver->objectName());
        } catch (...) {
            escaped << QStringLiteral("unknown exception at %1").arg(receiver->objectName());
        }
        return false;
    }

    static inline QStringList escaped;
};

// The key presses of QTest report every key no widget accepted; a random user
// presses many of those.
QtMessageHandler g_previousHandler = nullptr;

void FilterMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    // The offscreen platform tells of every raise and size hint it ignores.
    if (message == QLatin1String("Keyboard event not accepted by receiving widget")
        || message.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (g_previousHandler)
        g_previousHandler(type, context, message);
}

enum WindowId { Menu = 0, Calculator = 1, Designer = 2, Converter = 3 };
constexpr int kWindows = 4;
const char *const kWindowNames[kWindows] = {"frmOptions", "Form1", "Form2", "Form3"};

struct Action
{
    QString description;
    int window = Menu;       // the window acted on
    int boxes = 0;           // boxes its handlers may show: none, one, or any number (-1)
    bool mustReport = false; // a handler it runs must report a run-time error
    int closes = -1;         // the window it unloads, if any
    bool endsProgram = false;
    std::function<void()> run;
};

// The typed values and results of one known computation of the calculator,
// per mode: the fields the mode shows, their texts, SEO, and in mode 7 the
// three labels over the schematic.
struct KnownCalculation
{
    QStringList fields;
    QStringList values;
    QString seo;
    QStringList lowPass; // LblC1, LblC2, LblFT
};

KnownCalculation Known(int modo)
{
    switch (modo) {
    case 1:
        return {{"Text1", "Text2"}, {"10", "100"}, "5.033", {}};
    case 2:
        return {{"Text2", "Text3"}, {"100", "7"}, "5.169", {}};
    case 3:
        return {{"Text1", "Text3"}, {"10", "7"}, "51.694", {}};
    case 4:
        return {{"Text4", "Text5", "Text6"}, {"20", "20", "30"}, "4.103", {}};
    case 5:
        return {{"Text1", "Text4", "Text6"}, {"4.1026", "20", "30"}, "20.0", {}};
    case 6:
        return {{"Text2", "Text3", "Text4", "Text6"}, {"100", "7", "20", "30"}, "22.5", {}};
    case 7:
        return {{"Text3"}, {"7"}, "8.3", {"390.0", "390.0", "1.893"}};
    default:
        return {};
    }
}

const QStringList kCalculatorFields{"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "SEO"};
const QStringList kDesignerFields{"DiamSup", "LunBob", "Spire", "Cap1", "Cap2"};
const QStringList kDesignerSteps{"Cmdmeno1", "Cmdpiu1", "meno05", "piu05", "meno10a", "meno10b", "meno10c",
                                 "meno10d", "meno10e", "piu10a", "piu10b", "piu10c", "piu10d", "piu10e"};
const QStringList kDesignerOptions{"Option1", "Option2", "Option3", "Option4", "Option5", "Option6", "Option7"};
const QStringList kConverterFields{"TextDIA1", "TextSPI", "TextLUN", "TextDIA2", "TextSPZ", "TextIND"};

// Pieces of the texts typed: numbers of every form the windows meet, the
// separators of both locales, signs, exponents, letters, hexadecimal and octal
// prefixes, numbers too large or too small for every type involved, and
// characters outside ASCII.
const QStringList kTokens{
    "0", "1", "2", "7", "9", "10", "20", "35", "40", "50", "55", "70", "75", "100", "110", "365", "500", "1000",
    "2000", "0.5", ".5", "2.5", "2,5", "40,5", "1,234.5", "1.234,5", "0,70", "-", "+", "-3", "+4", "--1", "e",
    "E", "1e3", "1E-3", "e+", "e-5", "2.5e+2", "1D2", " ", "  ", ",", ".", "..", ",,", "abc", "x", "dieci", "µ",
    "é", "&H", "&HFFFF", "&H10", "&O17", "&HFFFFFFFF", "&H1FFFFFFFF", "1e308", "1e309", "-1e309", "1e-320",
    "4.9e-324", "0.00004", "0.00006", "0.0001", "32767.5", "32767", "65535", "922337203685477.5807",
    "922337203685478", "99999999999999999999", "1e15", "1e-15", "NaN", "inf", "Infinity", "٣", "１２", "½",
    "0x10", "1_000", "1 000", "3.3", "803.03", "2500", "0.1", "-18", "-100", "-1000", "-0.5", "-1e3", "-40"};

const QString kAllowedCharacters = QStringLiteral("0123456789 ,.+-eEdD&HhOoxabc");

} // namespace

// QVERIFY2 builds its message even when the check holds; this one only on a
// failure, and it adds the last steps of the random user.
#define CHECK(condition, message)                                                                                    \
    do {                                                                                                               \
        if (!(condition))                                                                                              \
            QFAIL(qPrintable(QString(message) + Recent()));                                                            \
    } while (false)

class RandomUser : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void randomActions_data();
    void randomActions();

private:
    FormBase &Form(int w) const;
    QWidget *Window(int w) const { return Form(w).Window(); }
    bool Loaded(int w) const { return Form(w).IsLoaded(); }
    template<typename T = QWidget>
    T *Control(int w, const QString &name) const
    {
        QWidget *window = Window(w);
        return window ? window->findChild<T *>(name) : nullptr;
    }
    // Window texts as this locale shows them: the decimal separator is the
    // locale's, and no value here is large enough to be grouped.
    QString Shown(const QString &pointText) const
    {
        QString text = pointText;
        return text.replace(u'.', m_locale.decimalPoint());
    }

    quint64 Pick(quint64 n) { return m_rng() % n; }
    QString PickOf(const QStringList &list) { return list.at(static_cast<qsizetype>(Pick(list.size()))); }
    QChar PickOf(const QString &characters) { return characters.at(static_cast<qsizetype>(Pick(characters.size()))); }
    bool Chance(int percent) { return static_cast<int>(Pick(100)) < percent; }
    QString RandomText();
    int RandomKey(Qt::KeyboardModifiers &modifiers);

    void Restart();
    // What the event loop does between two user actions: the windows are
    // painted, the window system's notifications delivered and unloaded
    // windows deleted.
    void Flush()
    {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Acts like a user.
    void ClickButton(int w, const QString &name);
    void ClickOption(int w, const QString &name);
    void ClickTab(int index);
    void TypeInto(QLineEdit *edit, const QString &text, bool clickFirst, bool replace);
    void PressKey(int w, QWidget *target, int key, Qt::KeyboardModifiers modifiers);
    void ClickScrollPart(QScrollBar *bar, QStyle::SubControl part);
    void DragScrollBar(QScrollBar *bar);

    Action NextAction();
    Action MenuAction();
    Action CalculatorAction();
    Action DesignerAction();
    Action ConverterAction();
    Action KeyAction(int w);
    int KeyBoxes(int w, QWidget *target, int key, Qt::KeyboardModifiers modifiers) const;
    bool DesignerFieldsFail() const;

    // What a window holds: every named control's kind, visibility and value.
    QStringList Snapshot(int w) const;
    // What a window object keeps while its window is unloaded.
    QString Kept(int w) const;

    void CheckBoxes(int from, const Action &action);
    void CheckMenuPage();
    void CheckAfter(const Action &action, const std::array<QStringList, kWindows> &before,
                    const std::array<QString, kWindows> &keptBefore, const std::array<QWidget *, kWindows> &windows);

    // The window still answers: a known computation gives its known result.
    // The typed texts are put back afterwards, so the random user goes on
    // from where it was.
    void Probe(int w);
    void ProbeCalculator();
    void ProbeDesigner();
    void ProbeConverter();
    void TypeKnown(int w, const QString &field, const QString &text);

    void Log(const QString &line);
    QString Recent() const;

    std::unique_ptr<Application> m_app;
    std::unique_ptr<ModalCatcher> m_catcher;
    std::mt19937_64 m_rng;
    QLocale m_locale;
    int m_ends = 0;
    std::array<QStringList, kWindows> m_fresh;
    std::deque<QString> m_recent;

    // Tallies for the summary.
    QMap<QString, int> m_boxesByKind;
    QMap<QString, int> m_actionsByKind;
    int m_restarts = 0;
    int m_probes = 0;
};

FormBase &RandomUser::Form(int w) const
{
    switch (w) {
    case Calculator:
        return m_app->Calculator();
    case Designer:
        return m_app->Designer();
    case Converter:
        return m_app->Converter();
    default:
        return m_app->Menu();
    }
}

void RandomUser::initTestCase()
{
    Application::ConfigureApplication();
    Program::instance().SetEndAction([this] { ++m_ends; });
    g_previousHandler = qInstallMessageHandler(FilterMessages);
}

void RandomUser::cleanupTestCase()
{
    qInstallMessageHandler(g_previousHandler);
    QLocale::setDefault(QLocale::c());
}

void RandomUser::randomActions_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("decimal point") << QLocale(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("decimal comma") << QLocale(QLocale::Italian, QLocale::Italy);
}

void RandomUser::randomActions()
{
    QFETCH(QLocale, locale);
    const quint64 seed = EnvNumber("SOLENORIUM_RANDOM_SEED", kDefaultSeed);
    const quint64 count = EnvNumber("SOLENORIUM_RANDOM_ACTIONS", kDefaultActions);
    const quint64 limit = EnvNumber("SOLENORIUM_RANDOM_WATCHDOG", kDefaultWatchdogSeconds);
    qInfo("seed %llu, %llu actions, watchdog %llu s", seed, count, limit);

    m_locale = locale;
    QLocale::setDefault(locale);
    m_rng.seed(seed);
    m_fresh = {};
    m_recent.clear();
    m_boxesByKind.clear();
    m_actionsByKind.clear();
    m_restarts = 0;
    m_probes = 0;
    m_catcher = std::make_unique<ModalCatcher>();
    Watchdog watchdog{std::chrono::seconds(limit)};
    Restart();
    if (QTest::currentTestFailed())
        return;

    for (quint64 step = 1; step <= count; ++step) {
        watchdog.Beat();
        Action action = NextAction();
        const QString line = QStringLiteral("#%1 %2").arg(step).arg(action.description);
        Log(line);
        SetStep(QStringLiteral("seed %1, %2").arg(seed).arg(line));
        ++m_actionsByKind[action.description.section(u' ', 0, 1)];

        std::array<QStringList, kWindows> before;
        std::array<QString, kWindows> keptBefore;
        std::array<QWidget *, kWindows> windows{};
        for (int w = 0; w < kWindows; ++w) {
            before[w] = Snapshot(w);
            keptBefore[w] = Kept(w);
            windows[w] = Window(w);
        }
        const int boxesBefore = m_catcher->count();
        const int endsBefore = m_ends;

        action.run();
        Flush();

        CHECK(GuardedApplication::escaped.isEmpty(), GuardedApplication::escaped.join(u'\n'));
        CheckBoxes(boxesBefore, action);
        if (QTest::currentTestFailed())
            return;

        // The program ends on Esc in the menu, on Ctrl+A on a converter
        // scroll bar, and when its last window is unloaded; never otherwise.
        bool othersLoaded = false;
        for (int w = 0; w < kWindows; ++w)
            othersLoaded = othersLoaded || (w != action.closes && windows[w]);
        const bool endExpected = action.endsProgram || (action.closes >= 0 && !othersLoaded);
        CHECK((m_ends != endsBefore) == endExpected,
              QStringLiteral("end of the program %1expected").arg(endExpected ? "" : "not "));
        if (m_ends != endsBefore) {
            QCOMPARE(m_ends, endsBefore + 1);
            for (QWidget *top : QApplication::topLevelWidgets())
                CHECK(!top->isVisible(), top->objectName() + QStringLiteral(" still shown after the end"));
            Restart();
            if (QTest::currentTestFailed())
                return;
            continue;
        }

        CheckAfter(action, before, keptBefore, windows);
        if (QTest::currentTestFailed())
            return;
    }

    for (int w = Calculator; w <= Converter; ++w) {
        if (Loaded(w))
            Probe(w);
    }
    if (QTest::currentTestFailed())
        return;

    QStringList boxes;
    for (auto it = m_boxesByKind.cbegin(); it != m_boxesByKind.cend(); ++it)
        boxes << QStringLiteral("  %1: %2").arg(it.value(), 5).arg(it.key());
    QStringList actions;
    for (auto it = m_actionsByKind.cbegin(); it != m_actionsByKind.cend(); ++it)
        actions << QStringLiteral("  %1: %2").arg(it.value(), 5).arg(it.key());
    qInfo("%llu actions survived (%d program restarts, %d probes of a known computation)\nactions:\n%s\nboxes:\n%s",
          count, m_restarts, m_probes, qPrintable(actions.join(u'\n')), qPrintable(boxes.join(u'\n')));

    m_app.reset();
    Flush();
    m_catcher.reset();
    if (QWidget *help = HelpWindow())
        help->hide();
}

void RandomUser::Restart()
{
    if (m_app)
        ++m_restarts;
    m_app.reset();
    Flush();
    if (QWidget *help = HelpWindow())
        help->hide();
    m_app = std::make_unique<Application>();
    m_app->Start();
    QVERIFY(Loaded(Menu));
    QVERIFY(Window(Menu)->isVisible());
    const QStringList fresh = Snapshot(Menu);
    if (m_fresh[Menu].isEmpty())
        m_fresh[Menu] = fresh;
    QCOMPARE(fresh, m_fresh[Menu]);
}

void RandomUser::Log(const QString &line)
{
    m_recent.push_back(line);
    if (m_recent.size() > 40)
        m_recent.pop_front();
}

QString RandomUser::Recent() const
{
    QString text = QStringLiteral("\nlast steps:");
    for (const QString &line : m_recent)
        text += u'\n' + line;
    return text;
}

// ---------------------------------------------------------------- user acts

QString RandomUser::RandomText()
{
    if (Chance(6))
        return QString();
    QString text;
    const int pieces = 1 + static_cast<int>(Pick(5));
    for (int i = 0; i < pieces; ++i) {
        if (Chance(25)) {
            text += PickOf(kAllowedCharacters);
        } else if (Chance(2)) {
            text += QString(1 + static_cast<int>(Pick(60)), u'9'); // a long run of digits
        } else {
            text += PickOf(kTokens);
        }
    }
    return text;
}

void RandomUser::ClickButton(int w, const QString &name)
{
    auto *button = Control<QAbstractButton>(w, name);
    QVERIFY2(button, qPrintable(name));
    QTest::mouseClick(button, Qt::LeftButton);
}

void RandomUser::ClickOption(int w, const QString &name)
{
    auto *button = Control<QAbstractButton>(w, name);
    QVERIFY2(button, qPrintable(name));
    // On the indicator, which answers whatever the caption's width.
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(7, button->height() / 2));
}

void RandomUser::ClickTab(int index)
{
    auto *tabs = Control<QTabBar>(Menu, QStringLiteral("tbsOptions"));
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index - 1).center());
}

void RandomUser::TypeInto(QLineEdit *edit, const QString &text, bool clickFirst, bool replace)
{
    if (clickFirst)
        QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(edit->width() / 2, edit->height() / 2));
    else
        edit->setFocus(Qt::TabFocusReason);
    if (replace) {
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Delete);
    } else {
        QTest::keyClick(edit, Qt::Key_End);
    }
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7f)
            QTest::keyClick(edit, static_cast<char>(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

int RandomUser::RandomKey(Qt::KeyboardModifiers &modifiers)
{
    static const int keys[] = {Qt::Key_Return, Qt::Key_Enter,  Qt::Key_Escape,   Qt::Key_Tab,  Qt::Key_Backtab,
                               Qt::Key_Space,  Qt::Key_Up,     Qt::Key_Down,     Qt::Key_PageUp, Qt::Key_PageDown,
                               Qt::Key_Home,   Qt::Key_End,    Qt::Key_Delete,   Qt::Key_Backspace, Qt::Key_F1,
                               Qt::Key_Plus,   Qt::Key_Minus,  Qt::Key_R,        Qt::Key_A,    Qt::Key_5};
    modifiers = Qt::NoModifier;
    const int key = keys[Pick(std::size(keys))];
    if (Chance(15))
        modifiers = Qt::ControlModifier;
    else if (Chance(10))
        modifiers = Qt::AltModifier;
    else if (Chance(10))
        modifiers = Qt::ShiftModifier;
    return key;
}

void RandomUser::PressKey(int w, QWidget *target, int key, Qt::KeyboardModifiers modifiers)
{
    // The user brings the window to the front first; the window system
    // answers the activation with an event of its own.
    QWidget *window = Window(w);
    window->activateWindow();
    QVERIFY2(QTest::qWaitForWindowActive(window), qPrintable(window->objectName()));
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    // A button's access key (Alt+R, "&Ricalcolo") clicks it a moment later,
    // when the button comes up again; the step lasts until then.
    QList<QPointer<QAbstractButton>> down;
    if (Window(w) == window) {
        for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
            if (button->isDown())
                down << button;
        }
    }
    for (const QPointer<QAbstractButton> &button : down)
        QTRY_VERIFY_WITH_TIMEOUT(!button || !button->isDown(), 10000);
    // F1 opens the help window beside the program; the user closes it again.
    if (QWidget *help = HelpWindow())
        help->hide();
}

void RandomUser::ClickScrollPart(QScrollBar *bar, QStyle::SubControl part)
{
    const QRect area = ScrollPartRect(bar, part);
    if (area.isEmpty())
        return;
    QTest::mouseClick(bar, Qt::LeftButton, {}, area.center());
}

void RandomUser::DragScrollBar(QScrollBar *bar)
{
    const QRect handle = ScrollPartRect(bar, QStyle::SC_ScrollBarSlider);
    if (handle.isEmpty())
        return;
    const QPoint to(handle.center().x(), static_cast<int>(Pick(static_cast<quint64>(bar->height()))));
    QTest::mousePress(bar, Qt::LeftButton, {}, handle.center());
    QTest::mouseMove(bar, to);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, to);
}

Action RandomUser::NextAction()
{
    QList<int> open;
    for (int w = 0; w < kWindows; ++w) {
        if (Loaded(w) && Window(w)->isVisible())
            open << w;
    }
    Q_ASSERT(!open.isEmpty()); // the program ends when the last window goes
    switch (open.at(static_cast<qsizetype>(Pick(static_cast<quint64>(open.size()))))) {
    case Calculator:
        return CalculatorAction();
    case Designer:
        return DesignerAction();
    case Converter:
        return ConverterAction();
    default:
        return MenuAction();
    }
}

Action RandomUser::MenuAction()
{
    Action a;
    a.window = Menu;
    const int r = static_cast<int>(Pick(100));
    if (r < 62) {
        const int tab = 1 + static_cast<int>(Pick(5));
        a.description = QStringLiteral("frmOptions tab %1").arg(tab);
        a.run = [this, tab] { ClickTab(tab); };
    } else if (r < 72) {
        auto *ok = Control<QPushButton>(Menu, QStringLiteral("cmdOK"));
        if (ok->isVisible()) {
            a.description = QStringLiteral("frmOptions click cmdOK");
            a.run = [this] { ClickButton(Menu, QStringLiteral("cmdOK")); };
        } else {
            a.description = QStringLiteral("frmOptions tab 4");
            a.run = [this] { ClickTab(4); };
        }
    } else if (r < 80) {
        a.description = QStringLiteral("frmOptions key Ctrl+Tab");
        a.run = [this] {
            QWidget *focus = Window(Menu)->focusWidget();
            PressKey(Menu, focus ? focus : Window(Menu), Qt::Key_Tab, Qt::ControlModifier);
        };
    } else if (r < 95) {
        Action key = KeyAction(Menu);
        return key;
    } else if (r < 97) {
        a.description = QStringLiteral("frmOptions key Esc");
        a.endsProgram = true;
        a.run = [this] {
            QWidget *focus = Window(Menu)->focusWidget();
            PressKey(Menu, focus ? focus : Window(Menu), Qt::Key_Escape, Qt::NoModifier);
        };
    } else if (r < 99) {
        a.description = QStringLiteral("frmOptions click cmdApply");
        a.closes = Menu;
        a.run = [this] { ClickButton(Menu, QStringLiteral("cmdApply")); };
    } else {
        a.description = QStringLiteral("frmOptions close box");
        a.closes = Menu;
        a.run = [this] { Window(Menu)->close(); };
    }
    return a;
}

Action RandomUser::CalculatorAction()
{
    Action a;
    a.window = Calculator;
    const int r = static_cast<int>(Pick(100));
    if (r < 22) {
        const QString button = QStringLiteral("Cmd%1").arg(1 + Pick(7));
        a.description = QStringLiteral("Form1 click ") + button;
        a.run = [this, button] { ClickButton(Calculator, button); };
    } else if (r < 55) {
        QStringList visible;
        for (const QString &name : kCalculatorFields) {
            if (Control(Calculator, name)->isVisible())
                visible << name;
        }
        const QString field = PickOf(visible);
        const QString text = RandomText();
        const bool click = Chance(50), replace = Chance(85);
        a.description = QStringLiteral("Form1 type %1 \"%2\"%3").arg(field, text, replace ? "" : " (appended)");
        a.run = [this, field, text, click, replace] {
            TypeInto(Control<QLineEdit>(Calculator, field), text, click, replace);
        };
    } else if (r < 82) {
        a.description = QStringLiteral("Form1 click CmdKalc");
        a.boxes = 1;
        a.run = [this] { ClickButton(Calculator, QStringLiteral("CmdKalc")); };
    } else if (r < 94) {
        return KeyAction(Calculator);
    } else if (r < 97) {
        a.description = QStringLiteral("Form1 click Command1");
        a.closes = Calculator;
        a.run = [this] { ClickButton(Calculator, QStringLiteral("Command1")); };
    } else {
        a.description = QStringLiteral("Form1 close box");
        a.closes = Calculator;
        a.run = [this] { Window(Calculator)->close(); };
    }
    return a;
}

Action RandomUser::DesignerAction()
{
    Action a;
    a.window = Designer;
    const int r = static_cast<int>(Pick(100));
    if (r < 30) {
        const QString button = PickOf(kDesignerSteps);
        a.description = QStringLiteral("Form2 click ") + button;
        a.boxes = 1;
        a.run = [this, button] { ClickButton(Designer, button); };
    } else if (r < 37) {
        a.description = QStringLiteral("Form2 click CmdCalc");
        a.boxes = 1;
        a.mustReport = DesignerFieldsFail();
        a.run = [this] { ClickButton(Designer, QStringLiteral("CmdCalc")); };
    } else if (r < 46) {
        const QString option = PickOf(kDesignerOptions);
        a.description = QStringLiteral("Form2 click ") + option;
        a.run = [this, option] { ClickOption(Designer, option); };
    } else if (r < 51) {
        a.description = QStringLiteral("Form2 click Aggancia");
        a.run = [this] { ClickButton(Designer, QStringLiteral("Aggancia")); };
    } else if (r < 55) {
        a.description = QStringLiteral("Form2 click CmdBlock");
        a.run = [this] { ClickButton(Designer, QStringLiteral("CmdBlock")); };
    } else if (r < 60) {
        const QString field = PickOf(kDesignerFields);
        a.description = QStringLiteral("Form2 click field ") + field;
        a.run = [this, field] { QTest::mouseClick(Control(Designer, field), Qt::LeftButton); };
    } else if (r < 84) {
        const QString field = PickOf(kDesignerFields);
        const QString text = RandomText();
        const bool click = Chance(50), replace = Chance(85);
        a.description = QStringLiteral("Form2 type %1 \"%2\"%3").arg(field, text, replace ? "" : " (appended)");
        a.run = [this, field, text, click, replace] {
            TypeInto(Control<QLineEdit>(Designer, field), text, click, replace);
        };
    } else if (r < 95) {
        return KeyAction(Designer);
    } else if (r < 98) {
        a.description = QStringLiteral("Form2 click Cmdesci");
        a.closes = Designer;
        a.run = [this] { ClickButton(Designer, QStringLiteral("Cmdesci")); };
    } else {
        a.description = QStringLiteral("Form2 close box");
        a.closes = Designer;
        a.run = [this] { Window(Designer)->close(); };
    }
    return a;
}

Action RandomUser::ConverterAction()
{
    Action a;
    a.window = Converter;
    const int r = static_cast<int>(Pick(100));
    const QString barName = Chance(50) ? QStringLiteral("VScroll1") : QStringLiteral("VScroll2");
    if (r < 34) {
        // Mostly the four inputs, now and then the boxes the program writes.
        const QString field = kConverterFields.at(static_cast<qsizetype>(Chance(85) ? Pick(4) : 4 + Pick(2)));
        const QString text = RandomText();
        const bool click = Chance(50), replace = Chance(85);
        a.description = QStringLiteral("Form3 type %1 \"%2\"%3").arg(field, text, replace ? "" : " (appended)");
        a.run = [this, field, text, click, replace] {
            TypeInto(Control<QLineEdit>(Converter, field), text, click, replace);
        };
    } else if (r < 54) {
        a.description = QStringLiteral("Form3 click Command1");
        // The search raises the bars' change notifications, each of which
        // may report, and goes on.
        a.boxes = -1;
        a.run = [this] { ClickButton(Converter, QStringLiteral("Command1")); };
    } else if (r < 72) {
        const bool up = Chance(50);
        a.description = QStringLiteral("Form3 arrow %1 %2").arg(barName, up ? "up" : "down");
        a.boxes = 1;
        a.run = [this, barName, up] {
            ClickScrollPart(Control<QScrollBar>(Converter, barName),
                            up ? QStyle::SC_ScrollBarSubLine : QStyle::SC_ScrollBarAddLine);
        };
    } else if (r < 77) {
        const bool up = Chance(50);
        a.description = QStringLiteral("Form3 page %1 %2").arg(barName, up ? "up" : "down");
        a.boxes = 1;
        a.run = [this, barName, up] {
            ClickScrollPart(Control<QScrollBar>(Converter, barName),
                            up ? QStyle::SC_ScrollBarSubPage : QStyle::SC_ScrollBarAddPage);
        };
    } else if (r < 80) {
        a.description = QStringLiteral("Form3 drag ") + barName;
        a.boxes = 1;
        a.run = [this, barName] { DragScrollBar(Control<QScrollBar>(Converter, barName)); };
    } else if (r < 88) {
        static const int keys[] = {Qt::Key_Up,       Qt::Key_Down, Qt::Key_PageUp,
                                   Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};
        const int key = keys[Pick(std::size(keys))];
        a.description = QStringLiteral("Form3 key %1 on %2").arg(QKeySequence(key).toString(), barName);
        a.boxes = 1;
        a.run = [this, barName, key] {
            auto *bar = Control<QScrollBar>(Converter, barName);
            bar->setFocus(Qt::TabFocusReason);
            PressKey(Converter, bar, key, Qt::NoModifier);
        };
    } else if (r < 89) {
        a.description = QStringLiteral("Form3 key Ctrl+A on ") + barName;
        a.endsProgram = true;
        a.run = [this, barName] {
            auto *bar = Control<QScrollBar>(Converter, barName);
            bar->setFocus(Qt::TabFocusReason);
            PressKey(Converter, bar, Qt::Key_A, Qt::ControlModifier);
        };
    } else if (r < 95) {
        return KeyAction(Converter);
    } else if (r < 98) {
        a.description = QStringLiteral("Form3 click Command2");
        a.closes = Converter;
        a.run = [this] { ClickButton(Converter, QStringLiteral("Command2")); };
    } else {
        a.description = QStringLiteral("Form3 close box");
        a.closes = Converter;
        a.run = [this] { Window(Converter)->close(); };
    }
    return a;
}

// A key pressed where the window's focus is.
Action RandomUser::KeyAction(int w)
{
    Action a;
    a.window = w;
    Qt::KeyboardModifiers modifiers;
    int key = RandomKey(modifiers);
    QWidget *target = Window(w)->focusWidget();
    if (!target)
        target = Window(w);
    // Esc in the menu and Ctrl+A on a converter bar end the program; they are
    // steps of their own, with their own weights.
    if (w == Menu && key == Qt::Key_Escape)
        key = Qt::Key_Space;
    if (w == Converter && key == Qt::Key_A && (modifiers & Qt::ControlModifier) && qobject_cast<QScrollBar *>(target))
        modifiers = Qt::NoModifier;
    // Space clicks the focused button; on a return button it unloads the window.
    if (key == Qt::Key_Space) {
        modifiers = Qt::NoModifier;
        static const char *const returnButtons[kWindows] = {"cmdApply", "Command1", "Cmdesci", "Command2"};
        if (qobject_cast<QAbstractButton *>(target) && target->objectName() == QLatin1String(returnButtons[w]))
            a.closes = w;
    }
    a.description = QStringLiteral("%1 key %2 on %3")
                        .arg(QString::fromLatin1(kWindowNames[w]), QKeySequence(key | modifiers).toString(),
                             target->objectName());
    a.boxes = KeyBoxes(w, target, key, modifiers);
    if (w == Designer && key == Qt::Key_R && (modifiers & Qt::AltModifier))
        a.mustReport = DesignerFieldsFail();
    QPointer<QWidget> where(target);
    a.run = [this, w, where, key, modifiers] {
        if (where)
            PressKey(w, where, key, modifiers);
    };
    return a;
}

// Keys reach a computing handler only through a focused computing button
// (Space), a focused converter scroll bar, or the designer's Alt+R.
int RandomUser::KeyBoxes(int w, QWidget *target, int key, Qt::KeyboardModifiers modifiers) const
{
    const QString name = target->objectName();
    switch (w) {
    case Calculator:
        return name == QLatin1String("CmdKalc") ? 1 : 0;
    case Designer:
        return (key == Qt::Key_R && (modifiers & Qt::AltModifier)) || name == QLatin1String("CmdCalc")
                || kDesignerSteps.contains(name)
            ? 1
            : 0;
    case Converter:
        if (name == QLatin1String("Command1"))
            return -1;
        return qobject_cast<QScrollBar *>(target) ? 1 : 0;
    default:
        return 0;
    }
}

// The designer's recalculation reads all five fields by the locale; a field
// that is no number, or a number beyond the double range, stops it with a
// report.
bool RandomUser::DesignerFieldsFail() const
{
    for (const QString &field : kDesignerFields) {
        try {
            ParseLocaleNumber(Control<QLineEdit>(Designer, field)->text());
        } catch (const RuntimeError &) {
            return true;
        }
    }
    return false;
}

// ------------------------------------------------------------------- checks

QStringList RandomUser::Snapshot(int w) const
{
    QWidget *window = Window(w);
    if (!window)
        return {QStringLiteral("unloaded")};
    QStringList state{QStringLiteral("window visible=%1 title=%2").arg(window->isVisible()).arg(window->windowTitle())};
    const QList<QWidget *> children = window->findChildren<QWidget *>();
    for (QWidget *child : children) {
        const QString name = child->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")))
            continue;
        QString entry = QStringLiteral("%1 %2 shown=%3")
                            .arg(name, QString::fromLatin1(child->metaObject()->className()))
                            .arg(child->isVisibleTo(window));
        if (auto *edit = qobject_cast<QLineEdit *>(child))
            entry += QStringLiteral(" text=") + edit->text();
        else if (auto *label = qobject_cast<QLabel *>(child))
            entry += QStringLiteral(" text=") + label->text();
        else if (auto *check = qobject_cast<QCheckBox *>(child))
            entry += QStringLiteral(" text=%1 state=%2").arg(check->text()).arg(check->checkState());
        else if (auto *button = qobject_cast<QAbstractButton *>(child))
            entry += QStringLiteral(" text=%1 checked=%2 face=%3 sheet=%4")
                         .arg(button->text())
                         .arg(button->isChecked())
                         .arg(button->palette().color(QPalette::Button).name(), button->styleSheet());
        else if (auto *bar = qobject_cast<QScrollBar *>(child))
            entry += QStringLiteral(" value=%1").arg(bar->value());
        else if (auto *tabs = qobject_cast<QTabBar *>(child))
            entry += QStringLiteral(" current=%1").arg(tabs->currentIndex());
        else if (auto *page = qobject_cast<QPlainTextEdit *>(child))
            entry += QStringLiteral(" length=%1").arg(page->toPlainText().size());
        state << entry;
    }
    return state;
}

QString RandomUser::Kept(int w) const
{
    if (w == Calculator)
        return QStringLiteral("Modo=%1").arg(m_app->Calculator().Modo);
    if (w == Converter) {
        const Form3 &f = m_app->Converter();
        return QStringLiteral("IND=%1,%2")
            .arg(f.Induttanze()[1].raw())
            .arg(f.Induttanze()[2].raw());
    }
    return QString();
}

void RandomUser::CheckBoxes(int from, const Action &action)
{
    static const QRegularExpression report(QStringLiteral("^Errore di run-time '(\\d+)':\n\n"));
    const QStringList programMessages{
        QStringLiteral("Mettere i valori"),
        QStringLiteral("Mettere il valore"),
        QStringLiteral("Errore non contemplato!"),
        QStringLiteral("La lunghezza della bobina di partenza deve essere maggiore di zero: "
                       "correggere il valore di \"Lunghezza bobina mm\" nei dati di partenza."),
        QStringLiteral("La spaziatura di partenza (lunghezza diviso spire) deve essere maggiore di zero: "
                       "correggere il numero delle \"Spire\" o la \"Lunghezza bobina mm\" nei dati di partenza."),
        QStringLiteral("Dopo %1 tentativi la ricerca non ha raggiunto l'induttanza di partenza ed è stata "
                       "interrotta: controllare i dati di partenza e il nuovo diametro.")
            .arg(kMaxSearchPasses),
    };
    const QList<ModalCatcher::Box> &boxes = m_catcher->boxes();
    const qsizetype shown = boxes.size() - from;
    CHECK(action.boxes < 0 || shown <= action.boxes,
          QStringLiteral("%1 boxes after a step that can show %2, the last: ").arg(shown).arg(action.boxes)
              + boxes.constLast().text);
    CHECK(!action.mustReport
              || (shown == 1 && boxes.constLast().objectName == QLatin1String("runtimeErrorReport")),
          QStringLiteral("a field that is no number and no run-time error report"));
    for (qsizetype i = from; i < boxes.size(); ++i) {
        const ModalCatcher::Box &box = boxes.at(i);
        CHECK(box.title == QLatin1String("Solenorium"), QStringLiteral("box titled ") + box.title);
        CHECK(box.buttons == 1, QStringLiteral("box with more than OK: ") + box.text);
        if (box.objectName == QLatin1String("msgBox")) {
            CHECK(programMessages.contains(box.text) || box.text.contains(QStringLiteral("non si legge tutto come numero")), QStringLiteral("unknown message: ") + box.text);
            ++m_boxesByKind[QStringLiteral("message \"%1\"").arg(box.text.left(48))];
        } else if (box.objectName == QLatin1String("runtimeErrorReport")) {
            const QRegularExpressionMatch match = report.match(box.text);
            CHECK(match.hasMatch(), QStringLiteral("malformed report: ") + box.text);
            const int number = match.captured(1).toInt();
            const QList<int> known{5, 6, 9, 11, 13, 380};
            CHECK(known.contains(number), QStringLiteral("unknown error: ") + box.text);
            QVERIFY(box.text.startsWith(RuntimeErrorText(RuntimeError(static_cast<ErrorNumber>(number)))));
            ++m_boxesByKind[QStringLiteral("run-time error %1").arg(number)];
        } else {
            CHECK(false, QStringLiteral("a box that is not the program's: ") + box.objectName + u' ' + box.text);
        }
    }
}

// The menu's page agrees with its selected tab: the picture only under
// "ZORVEK", the converter's page and its button only under "Diametri", the
// story only under "Circa", and never two pages at once.
void RandomUser::CheckMenuPage()
{
    const int tab = Control<QTabBar>(Menu, QStringLiteral("tbsOptions"))->currentIndex() + 1;
    const bool picture = Control(Menu, QStringLiteral("Picture1"))->isVisible();
    const bool diametri = Control(Menu, QStringLiteral("Text2"))->isVisible();
    const bool circa = Control(Menu, QStringLiteral("Text1"))->isVisible();
    const bool ok = Control(Menu, QStringLiteral("cmdOK"))->isVisible();
    CHECK(!picture || tab == 1, QStringLiteral("picture under tab %1").arg(tab));
    CHECK(!diametri || tab == 4, QStringLiteral("converter page under tab %1").arg(tab));
    CHECK(!circa || tab == 5, QStringLiteral("story under tab %1").arg(tab));
    CHECK(ok == diametri, QStringLiteral("\"Vai al programma\" without its page"));
    CHECK(!(diametri && circa), QStringLiteral("two pages at once"));
}

void RandomUser::CheckAfter(const Action &action, const std::array<QStringList, kWindows> &before,
                            const std::array<QString, kWindows> &keptBefore,
                            const std::array<QWidget *, kWindows> &windows)
{
    for (int w = 0; w < kWindows; ++w) {
        const bool wasLoaded = windows[w] != nullptr;
        const QString name = QString::fromLatin1(kWindowNames[w]);
        if (w == action.closes) {
            CHECK(!Loaded(w), name + QStringLiteral(" still loaded"));
        } else if (wasLoaded) {
            // Nothing unloads a window but its own return button or close box.
            CHECK(Loaded(w), name + QStringLiteral(" unloaded"));
            CHECK(Window(w) == windows[w], name + QStringLiteral(" loaded again"));
            CHECK(Window(w)->isVisible(), name + QStringLiteral(" hidden"));
        } else if (Loaded(w)) {
            // Only the menu opens windows, and a window opens as its definition
            // and Form_Load make it.
            CHECK(action.window == Menu && w != Menu, name + QStringLiteral(" opened by a step in another window"));
            CHECK(Window(w)->isVisible(), name + QStringLiteral(" opened hidden"));
            const QStringList fresh = Snapshot(w);
            if (m_fresh[w].isEmpty())
                m_fresh[w] = fresh;
            CHECK(fresh == m_fresh[w], name + QStringLiteral(" opened unlike its definition:\n") + fresh.join(u'\n'));
        }
        // The window object's own variables survive its window.
        if (w != action.window || w == action.closes)
            CHECK(Kept(w) == keptBefore[w],
                  name + QStringLiteral(" lost its ") + keptBefore[w] + QStringLiteral(": ") + Kept(w));
        // A window the step was not meant for keeps everything it shows.
        if (wasLoaded && w != action.window && w != action.closes)
            CHECK(Snapshot(w) == before[w], name + QStringLiteral(" changed by a step in another window"));
    }
    if (Loaded(Menu))
        CheckMenuPage();
    if (QTest::currentTestFailed())
        return;

    // The window acted on, and any window the step opened, still computes.
    for (int w = Calculator; w <= Converter; ++w) {
        if (Loaded(w) && (w == action.window || !windows[w]))
            Probe(w);
        if (QTest::currentTestFailed())
            return;
    }
}

// -------------------------------------------------------- known computations

void RandomUser::TypeKnown(int w, const QString &field, const QString &text)
{
    auto *edit = Control<QLineEdit>(w, field);
    QVERIFY2(edit, qPrintable(field));
    TypeInto(edit, text, false, true);
    QCOMPARE(edit->text(), text);
}

void RandomUser::Probe(int w)
{
    ++m_probes;
    SetStep(QString::fromStdString(CurrentStep()) + QStringLiteral(", probe of ") + QLatin1String(kWindowNames[w]));
    const int boxesBefore = m_catcher->count();
    if (w == Calculator)
        ProbeCalculator();
    else if (w == Designer)
        ProbeDesigner();
    else if (w == Converter)
        ProbeConverter();
    if (QTest::currentTestFailed())
        return;
    CHECK(GuardedApplication::escaped.isEmpty(), GuardedApplication::escaped.join(u'\n'));
    if (w != Calculator)
        CHECK(m_catcher->count() == boxesBefore,
              QStringLiteral("a box during a known computation: ") + m_catcher->boxes().constLast().text);
}

// In the selected mode with its fields on show: the mode's known values give
// its known result. Fields hidden with a mode selected (the window was
// reopened and keeps its mode) hold the definition's 0, so the mode's guard
// answers; with no mode yet, "Errore non contemplato!".
void RandomUser::ProbeCalculator()
{
    Form1 &form = m_app->Calculator();
    const int modo = form.Modo;
    const KnownCalculation known = Known(modo);
    bool shown = !known.fields.isEmpty();
    for (const QString &field : known.fields)
        shown = shown && Control(Calculator, field)->isVisible();

    QStringList saved;
    for (const QString &field : known.fields)
        saved << Control<QLineEdit>(Calculator, field)->text();
    if (shown) {
        for (qsizetype i = 0; i < known.fields.size(); ++i)
            TypeKnown(Calculator, known.fields.at(i), known.values.at(i));
    }
    const int boxesBefore = m_catcher->count();
    ClickButton(Calculator, QStringLiteral("CmdKalc"));
    if (QTest::currentTestFailed())
        return;

    if (shown) {
        CHECK(m_catcher->count() == boxesBefore,
              QStringLiteral("a box during a known computation: ") + m_catcher->boxes().constLast().text);
        const QString seo = Control<QLineEdit>(Calculator, QStringLiteral("SEO"))->text();
        CHECK(seo == Shown(known.seo), QStringLiteral("mode %1: SEO %2").arg(modo).arg(seo));
        const QStringList labels{"LblC1", "LblC2", "LblFT"};
        for (qsizetype i = 0; i < known.lowPass.size(); ++i)
            QCOMPARE(Control<QLabel>(Calculator, labels.at(i))->text(), Shown(known.lowPass.at(i)));
        for (qsizetype i = 0; i < known.fields.size(); ++i)
            Control<QLineEdit>(Calculator, known.fields.at(i))->setText(saved.at(i));
    } else {
        CHECK(m_catcher->count() == boxesBefore + 1,
              QStringLiteral("mode %1 with its fields hidden: no message").arg(modo));
        const ModalCatcher::Box &box = m_catcher->boxes().constLast();
        QCOMPARE(box.objectName, QStringLiteral("msgBox"));
        const QString expected = modo == 7 ? QStringLiteral("Mettere il valore")
            : known.fields.isEmpty()       ? QStringLiteral("Errore non contemplato!")
                                           : QStringLiteral("Mettere i valori");
        CHECK(box.text == expected, QStringLiteral("mode %1: %2").arg(modo).arg(box.text));
        QCOMPARE(box.icon, known.fields.isEmpty() ? QMessageBox::Critical : QMessageBox::NoIcon);
    }
}

void RandomUser::ProbeDesigner()
{
    const QStringList known{"40", "55", "110", "365", "35"};
    QStringList saved;
    for (const QString &field : kDesignerFields)
        saved << Control<QLineEdit>(Designer, field)->text();
    for (qsizetype i = 0; i < kDesignerFields.size(); ++i)
        TypeKnown(Designer, kDesignerFields.at(i), known.at(i));
    ClickButton(Designer, QStringLiteral("CmdCalc")); // "&Ricalcolo"
    QStringList results;
    for (const char *label : {"Spaz", "MicroH", "Freq1", "Freq2", "FiloCm", "Label9", "Label10"})
        results << Control<QLabel>(Designer, QString::fromLatin1(label))->text();
    CHECK(results
              == QStringList({Shown("0.50"), Shown("265.205"), Shown(".512"), Shown("1.652"), Shown("13.823"),
                              QString(), QString()}),
          QStringLiteral("designer shows ") + results.join(u' '));
    for (qsizetype i = 0; i < kDesignerFields.size(); ++i)
        Control<QLineEdit>(Designer, kDesignerFields.at(i))->setText(saved.at(i));
}

// The default coil (50 turns on 75 mm over 35 mm) moved to 70 mm. Every result
// shown is independent of where the scroll bars stood before.
void RandomUser::ProbeConverter()
{
    QStringList saved;
    for (const QString &field : kConverterFields)
        saved << Control<QLineEdit>(Converter, field)->text();
    TypeKnown(Converter, QStringLiteral("TextSPI"), QStringLiteral("50"));
    TypeKnown(Converter, QStringLiteral("TextDIA1"), QStringLiteral("75"));
    TypeKnown(Converter, QStringLiteral("TextLUN"), QStringLiteral("35"));
    TypeKnown(Converter, QStringLiteral("TextDIA2"), QStringLiteral("70"));
    // The spacing box is read too before its value is replaced, so it must
    // hold a number a quantity can take.
    TypeKnown(Converter, QStringLiteral("TextSPZ"), QStringLiteral("0.70"));
    ClickButton(Converter, QStringLiteral("Command1"));
    QStringList results;
    for (const char *name : {"TextIND", "TextSPZ", "TextLUN"})
        results << Control<QLineEdit>(Converter, QString::fromLatin1(name))->text();
    for (const char *name : {"LabelIND2", "LabelSPI", "LabelLUN", "LabelSPZ", "FiloCm"})
        results << Control<QLabel>(Converter, QString::fromLatin1(name))->text();
    results << QString::number(Control<QScrollBar>(Converter, QStringLiteral("VScroll1"))->value())
            << QString::number(Control<QScrollBar>(Converter, QStringLiteral("VScroll2"))->value());
    CHECK(results
              == QStringList({Shown("204.546"), Shown("0.70"), "35", Shown("205.072"), Shown("54.00"), "38",
                              Shown("0.69"), Shown("11.809"), "108", "75"}),
          QStringLiteral("converter shows ") + results.join(u' '));
    QCOMPARE(m_app->Converter().Induttanze()[2], ToQuantity(205.0717));
    for (qsizetype i = 0; i < kConverterFields.size(); ++i)
        Control<QLineEdit>(Converter, kConverterFields.at(i))->setText(saved.at(i));
}

int main(int argc, char *argv[])
{
    std::set_terminate(OnTerminate);
    GuardedApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    RandomUser test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_randomuser.moc"
