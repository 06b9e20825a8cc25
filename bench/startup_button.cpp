// SPDX-License-Identifier: GPL-3.0-or-later
// A second reference for the start-up benchmark: the bare window with one push
// button that shows a word. Drawing any text loads fontconfig's font list, a
// font file, FreeType and HarfBuzz; this window pays that and nothing else, so
// it tells how much of the program's start-up is the cost of showing text.
#include "firstpaint.h"

#include <QApplication>
#include <QPushButton>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication qapp(argc, argv);
    QWidget window;
    window.resize(594, 472);
    QPushButton button(QStringLiteral("END"), &window);
    button.setGeometry(457, 390, 130, 76);
    window.show();
    QuitAfterFirstPaint quit(&window);
    return QApplication::exec();
}
