// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/definition.h"

#include "numbers/runtimeerror.h"
#include "toolkit/svgimage.h"

#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <cmath>

namespace {
QString &helpFileName()
{
    static QString name = QStringLiteral("SOLENORIA.HLP");
    return name;
}
} // namespace

int TwipsToPixels(int twips)
{
    return static_cast<int>(std::lround(twips / 15.0));
}

void InstallFontSubstitutions()
{
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"),
                               {QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Courier New"),
                               {QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")});
}

void ApplyFractionalFontSizes(QWidget *window)
{
    QList<QWidget *> widgets{window};
    widgets += window->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        const QVariant size = widget->property("pointSizeF");
        if (!size.isValid())
            continue;
        QFont font = widget->font();
        font.setPointSizeF(size.toDouble());
        widget->setFont(font);
    }
}

void SetHelpFile(const QString &name)
{
    helpFileName() = name;
}

QString HelpFile()
{
    return helpFileName();
}

void SetScrollValue(QScrollBar *bar, int value)
{
    if (value < 0 || value > 32767)
        throw RuntimeError(ErrorNumber::InvalidPropertyValue);
    bar->setValue(value);
}

void LowerWindowlessControls(QWidget *window)
{
    QList<QWidget *> containers{window};
    containers += window->findChildren<QWidget *>();
    for (QWidget *container : containers) {
        QList<QWidget *> windowless;
        for (QObject *child : container->children()) {
            if (qobject_cast<QLabel *>(child) || qobject_cast<SvgImage *>(child))
                windowless << static_cast<QWidget *>(child);
        }
        // Lowered from the topmost down, the first ends lowest: their order stays.
        for (auto it = windowless.crbegin(); it != windowless.crend(); ++it)
            (*it)->lower();
    }
}

void SetFieldText(QLineEdit *field, const QString &text)
{
    field->setText(text);
    field->setCursorPosition(0);
}
