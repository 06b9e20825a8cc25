// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/program.h"

#include <QApplication>
#include <QWidget>

Program &Program::instance()
{
    static Program program;
    return program;
}

void Program::End()
{
    emit Ending();
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows)
        window->hide();
    if (m_endAction)
        m_endAction();
    else
        QCoreApplication::exit(0);
}

void Program::SetEndAction(std::function<void()> action)
{
    m_endAction = std::move(action);
}
