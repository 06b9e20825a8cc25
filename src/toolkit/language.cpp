// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {
Language current = Language::Italian;
}

Language LanguageOf(const QStringList &uiLanguages)
{
    if (uiLanguages.isEmpty())
        return Language::English;
    const QString first = uiLanguages.first();
    const bool italian = first.startsWith(QLatin1String("it"), Qt::CaseInsensitive)
        && (first.size() == 2 || first.at(2) == u'-' || first.at(2) == u'_' || first.at(2) == u'.');
    return italian ? Language::Italian : Language::English;
}

void SetLanguage(Language language)
{
    // The program's own texts in English, or Qt's own (the print dialog, the
    // standard buttons, the fields' menus) in Italian from Qt's catalogue where
    // it is installed; without it those few stay English.
    static QTranslator english;
    static QTranslator qtItalian;
    QCoreApplication::removeTranslator(&english);
    QCoreApplication::removeTranslator(&qtItalian);
    current = Language::Italian;
    if (language == Language::English && english.load(QStringLiteral(":/i18n/solenorium_en.qm"))
        && QCoreApplication::installTranslator(&english))
        current = Language::English;
    if (current == Language::Italian
        && qtItalian.load(QStringLiteral("qtbase_it"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtItalian);
}

Language CurrentLanguage()
{
    return current;
}
