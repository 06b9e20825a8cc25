// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/formbase.h"

#include "toolkit/definition.h"
#include "toolkit/handlerguard.h"
#include "toolkit/helpviewer.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QWidget>

namespace {

const char *const kFormProperty = "solenoriumForm";

// F1 anywhere in a window of the program opens the help at that window's page.
// The key goes to the widget with the focus, so the window is the focus
// widget's own, whichever window the system thinks is active.
class HelpKey : public QObject
{
public:
    static void Install()
    {
        static HelpKey *filter = nullptr;
        if (!filter) {
            filter = new HelpKey;
            qApp->installEventFilter(filter);
        }
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_F1
            && watched->isWidgetType()) {
            QWidget *window = static_cast<QWidget *>(watched)->window();
            // A window of the program's own; any other (the manual, a message) has no page.
            if (auto *form = qobject_cast<FormBase *>(window->property(kFormProperty).value<QObject *>());
                form && form->Window() == window) {
                const QString page = form->HelpPage();
                Guard([&] { OpenHelp(page); });
                return true;
            }
        }
        return false;
    }
};

} // namespace

FormBase::FormBase(QObject *parent)
    : QObject(parent)
{ }

FormBase::~FormBase()
{
    delete m_window.data();
}

void FormBase::Load()
{
    if (IsLoaded())
        return;
    auto *window = new QWidget(nullptr, Qt::Window);
    SetupWindow(window);
    LowerWindowlessControls(window);
    m_window = window;
    window->installEventFilter(this);
    window->setProperty(kFormProperty, QVariant::fromValue<QObject *>(this));
    HelpKey::Install();
    CentreOnScreen();
    emit Loaded();
    Guard([this] { Form_Load(); });
}

void FormBase::Show()
{
    Load();
    if (!IsLoaded())
        return;
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void FormBase::Unload()
{
    if (!IsLoaded())
        return;
    QWidget *window = m_window;
    m_window = nullptr;
    ReleaseWindow();
    window->removeEventFilter(this);
    window->hide();
    // The handler that asked for the unload may still be running inside the tree.
    window->deleteLater();
    emit Unloaded();
}

bool FormBase::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Close) {
        Unload();
        return false;
    }
    return QObject::eventFilter(watched, event);
}

void FormBase::CentreOnScreen(ScreenArea area)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect rect = area == ScreenArea::Whole ? screen->geometry() : screen->availableGeometry();
    const QSize size = m_window->frameGeometry().size().expandedTo(m_window->size());
    m_window->move(rect.x() + (rect.width() - size.width()) / 2,
                   rect.y() + (rect.height() - size.height()) / 2);
}
