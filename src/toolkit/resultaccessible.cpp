// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/resultaccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace {

// Qt asks for a label's interface as soon as its accessible name is set, so
// the choice between caption and figure is made when the text is read.
class ResultLabelAccessible : public QAccessibleWidget
{
public:
    explicit ResultLabelAccessible(QLabel *label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    { }

    QString text(QAccessible::Text t) const override
    {
        const auto *label = static_cast<const QLabel *>(object());
        const bool named = !label->accessibleName().isEmpty() && label->accessibleName() != label->text();
        switch (t) {
        case QAccessible::Name:
            return named ? label->accessibleName() : label->text();
        case QAccessible::Value:
        case QAccessible::Description:
            return named ? label->text() : QAccessibleWidget::text(t);
        default:
            return QAccessibleWidget::text(t);
        }
    }
};

QAccessibleInterface *resultLabelFactory(const QString &className, QObject *object)
{
    if (className != QLatin1String("QLabel"))
        return nullptr;
    auto *label = qobject_cast<QLabel *>(object);
    return label ? new ResultLabelAccessible(label) : nullptr;
}

} // namespace

void InstallResultAccessibility()
{
    QAccessible::installFactory(resultLabelFactory); // once: Qt keeps a factory only once
}
