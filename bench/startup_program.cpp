// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own start-up, as main.cpp does it, ending after the first
// paint of the menu window.
#include "app/application.h"
#include "app/frmoptions.h"
#include "firstpaint.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication qapp(argc, argv);
    Application::ConfigureApplication();
    Application program;
    program.Start();
    QuitAfterFirstPaint quit(program.Menu().Window());
    return QApplication::exec();
}
