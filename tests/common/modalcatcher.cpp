#include "common/modalcatcher.h"

#include <QAbstractButton>
#include <QApplication>

ModalCatcher::ModalCatcher(QObject *parent)
    : QObject(parent)
{
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &ModalCatcher::poll);
    m_timer.start();
}

QStringList ModalCatcher::texts() const
{
    QStringList list;
    for (const Box &box : m_boxes)
        list << box.text;
    return list;
}

void ModalCatcher::poll()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || !box->isVisible() || box->property("caught").toBool())
        return;
    box->setProperty("caught", true);
    Box seen;
    seen.objectName = box->objectName();
    seen.title = box->windowTitle();
    seen.text = box->text();
    seen.icon = box->icon();
    seen.buttons = static_cast<int>(box->buttons().size());
    m_boxes << seen;
    box->accept();
}
