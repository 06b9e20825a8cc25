// SPDX-License-Identifier: GPL-3.0-or-later
// Ending the whole program at once: every window closes without its unload
// handlers and the process ends. Any window may ask for it (Esc in the menu,
// Ctrl+A on a converter scroll bar, the last window unloaded).
#pragma once

#include <QObject>
#include <functional>

class Program : public QObject
{
    Q_OBJECT
public:
    static Program &instance();

    // Hides every top-level window and ends the event loop.
    void End();
    // What End does after hiding the windows; tests put a recorder here
    // instead of ending their own process.
    void SetEndAction(std::function<void()> action);

signals:
    void Ending();

private:
    Program() = default;
    std::function<void()> m_endAction;
};
