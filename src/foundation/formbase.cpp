#include "foundation/formbase.h"

#include "foundation/handlerguard.h"
#include "foundation/helpviewer.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>
#include <QWidget>

FormBase::FormBase(QObject *parent)
    : QObject(parent)
{
}

FormBase::~FormBase()
{
    delete m_window.data();
}

void FormBase::Load()
{
    if (IsLoaded())
        return;
    auto *window = new QWidget(nullptr, Qt::Window);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    SetupWindow(window);
    m_window = window;
    window->installEventFilter(this);
    auto *help = new QShortcut(QKeySequence(Qt::Key_F1), window);
    help->setContext(Qt::WindowShortcut);
    connect(help, &QShortcut::activated, this, [this] { OpenHelp(HelpPage()); });
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

void FormBase::CentreOnScreen()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize size = m_window->frameGeometry().size().expandedTo(m_window->size());
    m_window->move(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
}
