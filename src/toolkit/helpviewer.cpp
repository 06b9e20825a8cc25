// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/helpviewer.h"

#include "toolkit/definition.h"
#include "toolkit/language.h"
#include "toolkit/messages.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

namespace {
QPointer<QTextBrowser> &viewer()
{
    static QPointer<QTextBrowser> browser;
    return browser;
}
} // namespace

QString HelpFolder(const QString &helpFile)
{
    // The project's "SOLENORIA.HLP" and the windows' "solenoria.hlp" name the same manual.
    const QString base = QFileInfo(helpFile).completeBaseName().toLower();
    if (base == QLatin1String("solenoria"))
        return CurrentLanguage() == Language::English ? QStringLiteral(":/help/en")
                                                      : QStringLiteral(":/help");
    return QString();
}

void OpenHelp(const QString &page)
{
    QPointer<QTextBrowser> &browser = viewer();
    if (!browser) {
        browser = new QTextBrowser;
        // Kept when closed, and links followed inside it: a text browser's defaults.
        browser->setObjectName(QStringLiteral("helpViewer"));
        browser->resize(720, 600);
        QFile style(QStringLiteral(":/help/style.css"));
        if (style.open(QIODevice::ReadOnly))
            browser->document()->setDefaultStyleSheet(QString::fromUtf8(style.readAll()));
    }
    // The title follows the language, which may have changed since the window was made.
    browser->setWindowTitle(QCoreApplication::translate("HelpViewer", "Guida"));
    const QString folder = HelpFolder(HelpFile());
    if (folder.isEmpty()) {
        MsgBox(QCoreApplication::translate("HelpViewer", "Impossibile trovare la guida %1").arg(HelpFile()),
               MsgBoxStyle::Critical);
        return;
    }
    browser->setSearchPaths({folder});
    QString target = page.isEmpty() ? QStringLiteral("index.html") : page;
    if (!QFileInfo::exists(folder + u'/' + target.section(u'#', 0, 0)))
        target = QStringLiteral("index.html");
    browser->setSource(QUrl(QStringLiteral("qrc") + folder + u'/' + target));
    browser->show();
    browser->raise();
    browser->activateWindow();
}

QWidget *HelpWindow()
{
    return viewer();
}
