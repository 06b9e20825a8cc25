// Opening and closing each window many times leaves nothing behind: after every
// cycle the program holds exactly the widgets it held after the first one, the
// heap in use stops growing, and each window computes right every time. Under
// the sanitizers LeakSanitizer looks for unreachable blocks after the cycles.
// The peak and resident memory after the first and the last cycle are printed.
//
// SOLENORIUM_CYCLES   open/close cycles per window (default 1000)
#include "app/application.h"
#include "app/frmoptions.h"
#include "calculator/form1.h"
#include "common/modalcatcher.h"
#include "converter/form3.h"
#include "designer/form2.h"
#include "toolkit/program.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPixmapCache>
#include <QTabBar>
#include <QTest>

#include <cstddef>
#include <malloc.h>
#include <memory>

#if defined(__SANITIZE_ADDRESS__)
#define SOLENORIUM_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SOLENORIUM_ASAN 1
#endif
#endif

#ifdef SOLENORIUM_ASAN
#include <sanitizer/lsan_interface.h>
// The sanitizer runtime's count of the bytes allocated and not freed.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
// fontconfig, under Qt's font matching, keeps 288 bytes of its own where
// LeakSanitizer cannot see them while the program runs; they are fontconfig's,
// the same after one cycle as after a thousand.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}
#endif

namespace {

// Heap bytes in use: the allocator's own count. Qt's pixmap cache keeps up to
// its limit (10 MB) of drawn buttons and pictures by design; it is emptied
// first, so that what is counted is what the program holds.
qint64 HeapInUse()
{
    QPixmapCache::clear();
#ifdef SOLENORIUM_ASAN
    return static_cast<qint64>(__sanitizer_get_current_allocated_bytes());
#else
    malloc_trim(0);
    return static_cast<qint64>(mallinfo2().uordblks);
#endif
}

// A line of /proc/self/status, in kB.
qint64 StatusKilobytes(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray key = QByteArray(field) + ':';
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// The offscreen platform tells of every raise it ignores, a thousand times here.
QtMessageHandler g_previousHandler = nullptr;

void FilterMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (g_previousHandler)
        g_previousHandler(type, context, message);
}

struct Measure
{
    qsizetype widgets = 0;
    qsizetype windows = 0;
    qint64 heap = 0;
    qint64 peakKb = 0;
    qint64 residentKb = 0;
};

Measure Take()
{
    Measure m;
    m.widgets = QApplication::allWidgets().size();
    m.windows = QApplication::topLevelWidgets().size();
    m.heap = HeapInUse();
    m.peakKb = StatusKilobytes("VmHWM");
    m.residentKb = StatusKilobytes("VmRSS");
    return m;
}

// Growth of the heap in use that the second half of the cycles may show. Qt's
// own tables (fonts, glyphs, the pointer device's event history) grow by a few
// bytes per cycle, less and less (about 20 kB over cycles 500 to 1000 of the
// calculator), and free everything at exit; a window that kept 100 bytes per
// cycle would exceed this over 500 cycles.
constexpr qint64 kHeapSlack = 48 * 1024;

} // namespace

class WindowCycles : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void cycles_data();
    void cycles();

private:
    void Cycle(const QString &window, int cycle);
    void OpenFromMenu(int tab, bool withButton);
    template<typename T = QWidget>
    T *Control(FormBase &form, const char *name) const
    {
        return form.Window()->findChild<T *>(QString::fromLatin1(name));
    }
    void Click(FormBase &form, const char *name)
    {
        QTest::mouseClick(Control<QAbstractButton>(form, name), Qt::LeftButton);
    }
    void Type(FormBase &form, const char *name, const QString &text);
    // What the event loop does between two user actions: the window system's
    // notifications are delivered and unloaded windows deleted.
    void Flush()
    {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    std::unique_ptr<Application> m_app;
    int m_ends = 0;
};

void WindowCycles::initTestCase()
{
    Application::ConfigureApplication();
    Program::instance().SetEndAction([this] { ++m_ends; });
    g_previousHandler = qInstallMessageHandler(FilterMessages);
}

void WindowCycles::cleanupTestCase()
{
    qInstallMessageHandler(g_previousHandler);
    m_app.reset();
    Flush();
#ifdef SOLENORIUM_ASAN
    // Every block the cycles allocated and lost is reported here.
    QCOMPARE(__lsan_do_recoverable_leak_check(), 0);
#endif
}

void WindowCycles::cycles_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("calculator") << "Form1";
    QTest::newRow("designer") << "Form2";
    QTest::newRow("converter") << "Form3";
    // The menu is loaded once per run: the whole program starts and ends.
    QTest::newRow("whole program") << "program";
}

void WindowCycles::OpenFromMenu(int tab, bool withButton)
{
    auto *tabs = Control<QTabBar>(m_app->Menu(), "tbsOptions");
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab - 1).center());
    if (withButton)
        Click(m_app->Menu(), "cmdOK");
}

void WindowCycles::Type(FormBase &form, const char *name, const QString &text)
{
    auto *edit = Control<QLineEdit>(form, name);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, text);
}

// One cycle: the window opened from the menu as a user opens it, one known
// computation, and the window closed by its return button or, every other
// time, by its close box.
void WindowCycles::Cycle(const QString &window, int cycle)
{
    const bool closeBox = cycle % 2 == 0;
    if (window == QLatin1String("Form1")) {
        OpenFromMenu(5, false);
        OpenFromMenu(2, false);
        Form1 &form = m_app->Calculator();
        QVERIFY(form.IsLoaded());
        Click(form, "Cmd1");
        Type(form, "Text1", QStringLiteral("10"));
        Type(form, "Text2", QStringLiteral("100"));
        Click(form, "CmdKalc");
        QCOMPARE(Control<QLineEdit>(form, "SEO")->text(), QStringLiteral("5.033"));
        if (closeBox)
            form.Window()->close();
        else
            Click(form, "Command1");
        QVERIFY(!form.IsLoaded());
    } else if (window == QLatin1String("Form2")) {
        OpenFromMenu(5, false);
        OpenFromMenu(3, false);
        Form2 &form = m_app->Designer();
        QVERIFY(form.IsLoaded());
        Click(form, "Cmdpiu1");
        Click(form, "CmdBlock");
        Type(form, "DiamSup", QStringLiteral("40"));
        Click(form, "CmdCalc");
        QCOMPARE(Control<QLabel>(form, "MicroH")->text(), QStringLiteral("265.205"));
        if (closeBox)
            form.Window()->close();
        else
            Click(form, "Cmdesci");
        QVERIFY(!form.IsLoaded());
    } else if (window == QLatin1String("Form3")) {
        OpenFromMenu(4, true);
        Form3 &form = m_app->Converter();
        QVERIFY(form.IsLoaded());
        Click(form, "Command1");
        QCOMPARE(Control<QLabel>(form, "LabelIND2")->text(), QStringLiteral("205.072"));
        if (closeBox)
            form.Window()->close();
        else
            Click(form, "Command2");
        QVERIFY(!form.IsLoaded());
    } else {
        m_app = std::make_unique<Application>();
        m_app->Start();
        OpenFromMenu(2, false);
        OpenFromMenu(3, false);
        OpenFromMenu(4, true);
        const int ends = m_ends;
        QTest::keyClick(Control(m_app->Menu(), "tbsOptions"), Qt::Key_Escape);
        QCOMPARE(m_ends, ends + 1);
        m_app.reset();
    }
    Flush();
}

void WindowCycles::cycles()
{
    QFETCH(QString, window);
    bool ok = false;
    int cycles = qEnvironmentVariableIntValue("SOLENORIUM_CYCLES", &ok);
    if (!ok || cycles < 2)
        cycles = 1000;
    const int half = cycles / 2;
    QLocale::setDefault(QLocale::c());
    ModalCatcher catcher;
    if (window != QLatin1String("program")) {
        m_app = std::make_unique<Application>();
        m_app->Start();
    }

    Cycle(window, 1);
    const Measure first = Take();
    Measure warm = first;
    for (int cycle = 2; cycle <= cycles && !QTest::currentTestFailed(); ++cycle) {
        Cycle(window, cycle);
        const qsizetype widgets = QApplication::allWidgets().size();
        if (widgets != first.widgets)
            QFAIL(qPrintable(QStringLiteral("cycle %1: %2 widgets, %3 after the first")
                                 .arg(cycle)
                                 .arg(widgets)
                                 .arg(first.widgets)));
        if (cycle == half)
            warm = Take();
    }
    if (QTest::currentTestFailed())
        return;
    const Measure last = Take();
    QCOMPARE(catcher.count(), 0);

    qInfo("%s: after 1 cycle VmHWM %lld kB, VmRSS %lld kB, heap in use %lld B; after %d cycles VmHWM %lld kB, "
          "VmRSS %lld kB, heap in use %lld B (after %d: %lld B); %lld widgets, %lld windows throughout",
          qPrintable(window), first.peakKb, first.residentKb, first.heap, cycles, last.peakKb, last.residentKb,
          last.heap, half, warm.heap, static_cast<long long>(last.widgets),
          static_cast<long long>(last.windows));
    QCOMPARE(last.windows, first.windows);
    QVERIFY2(last.heap - warm.heap < kHeapSlack,
             qPrintable(QStringLiteral("heap grew by %1 bytes over %2 cycles")
                            .arg(last.heap - warm.heap)
                            .arg(cycles - half)));
    m_app.reset();
    Flush();
}

QTEST_MAIN(WindowCycles)
#include "tst_windowcycles.moc"
