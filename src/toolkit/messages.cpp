// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/messages.h"

#include "numbers/runtimeerror.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QString applicationTitle()
{
    const QString name = QApplication::applicationDisplayName();
    return name.isEmpty() ? QStringLiteral("Solenorium") : name;
}

void showBox(const QString &objectName, QMessageBox::Icon icon, const QString &text)
{
    QMessageBox box(icon, applicationTitle(), text, QMessageBox::Ok, QApplication::activeWindow());
    box.setObjectName(objectName);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace

void MsgBox(const QString &prompt, MsgBoxStyle style)
{
    showBox(QStringLiteral("msgBox"),
            style == MsgBoxStyle::Critical ? QMessageBox::Critical : QMessageBox::NoIcon, prompt);
}

QString RuntimeErrorText(const RuntimeError &error)
{
    QString text = QCoreApplication::translate("RuntimeError", "Errore di run-time '%1':\n\n%2")
                       .arg(error.code())
                       .arg(error.description());
    if (!error.detail().isEmpty())
        text += QStringLiteral("\n\n") + error.detail();
    return text;
}

void ShowRuntimeErrorReport(const RuntimeError &error)
{
    showBox(QStringLiteral("runtimeErrorReport"), QMessageBox::Critical, RuntimeErrorText(error));
}
