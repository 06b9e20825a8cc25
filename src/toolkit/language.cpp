// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/language.h"

#include <QCoreApplication>
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
    // Qt's own few strings (the line fields' menu) are English already; the
    // Italian program keeps them as it always showed them.
    static QTranslator english;
    QCoreApplication::removeTranslator(&english);
    current = Language::Italian;
    if (language == Language::English && english.load(QStringLiteral(":/i18n/solenorium_en.qm"))
        && QCoreApplication::installTranslator(&english))
        current = Language::English;
}

Language CurrentLanguage()
{
    return current;
}
