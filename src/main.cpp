// SPDX-License-Identifier: GPL-3.0-or-later
// Solenorium: calculations for single-layer coils, tuned circuits and a
// low-pass filter.
#include "app/application.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication qapp(argc, argv);
    Application::ConfigureApplication();
    Application program;
    program.Start();
    return QApplication::exec();
}
