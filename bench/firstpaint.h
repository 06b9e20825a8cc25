// SPDX-License-Identifier: GPL-3.0-or-later
// Ends the event loop right after a window's first paint: the start-up
// benchmarks measure from process start until the first window is on screen.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

class QuitAfterFirstPaint : public QObject
{
public:
    explicit QuitAfterFirstPaint(QWidget *window)
    {
        if (!window) {
            std::fputs("no window to wait for\n", stderr);
            std::exit(3);
        }
        window->installEventFilter(this);
        // A window that never paints is a failed run, not a hang.
        QTimer::singleShot(20000, qApp, [] {
            std::fputs("the window was not painted within 20 s\n", stderr);
            std::exit(4);
        });
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            // The window paints first and its children after it in the same
            // pass; the queued quit runs once that pass and its flush are done.
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_painted = false;
};
