// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own help: HTML pages, Italian and English, kept in the resources and shown
// in one help window (objectName "helpViewer") at the page of the window that
// asked for it.
#pragma once

#include <QString>

class QWidget;

// Opens the help window at a page of the help file that the application has
// set, and brings it to the front.
void OpenHelp(const QString &page);
// The help window, or nullptr if it was never opened.
QWidget *HelpWindow();
// The resource folder of a help file name ("solenoria.hlp" in any case), in
// the current language.
QString HelpFolder(const QString &helpFile);
