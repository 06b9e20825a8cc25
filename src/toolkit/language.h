// SPDX-License-Identifier: GPL-3.0-or-later
// The language of the captions, messages and help: Italian, the language the
// program is written in, or English through the translation built into the
// program. Number formats do not follow it: they follow QLocale(), as before.
#pragma once

#include <QStringList>

enum class Language { Italian, English };

// Italian where the first of the system's message languages is Italian
// (QLocale::system().uiLanguages(): LANGUAGE, then LC_ALL, LC_MESSAGES, LANG),
// English otherwise.
Language LanguageOf(const QStringList &uiLanguages);
// Installs the English translation, or Qt's Italian catalogue for its own
// dialogs and menus; windows loaded afterwards and the help opened afterwards
// speak the language.
void SetLanguage(Language language);
Language CurrentLanguage();
