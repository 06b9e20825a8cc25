// SPDX-License-Identifier: GPL-3.0-or-later
// The reference for the start-up benchmark: a bare Qt application with one
// shown, empty window of the menu's size, ending after its first paint.
#include "firstpaint.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication qapp(argc, argv);
    QWidget window;
    window.resize(594, 472);
    window.show();
    QuitAfterFirstPaint quit(&window);
    return QApplication::exec();
}
