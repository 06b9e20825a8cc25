// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/cutmark.h"

#include <QEvent>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolTip>

namespace {

const QString kEllipsis = QStringLiteral("…");
// The two pixels a field keeps on each side of its text: the mark covers them
// at the edge it stands on, and keeps them from the last character it leaves.
constexpr int kMargine = 2;

QString TextOf(const QWidget *result)
{
    if (const auto *field = qobject_cast<const QLineEdit *>(result))
        return field->text();
    if (const auto *label = qobject_cast<const QLabel *>(result))
        return label->text();
    return QString();
}

// The room a text has, and the side on which the part that does not fit goes.
struct Room
{
    QRect rect;
    bool cutOnLeft;
};

Room TextRoom(const QWidget *result)
{
    if (const auto *field = qobject_cast<const QLineEdit *>(result)) {
        QStyleOptionFrame option;
        option.initFrom(field);
        option.lineWidth =
            field->hasFrame() ? field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field) : 0;
        const QMargins margins = field->textMargins();
        return {field->style()
                    ->subElementRect(QStyle::SE_LineEditContents, &option, field)
                    .marginsRemoved(margins + QMargins(kMargine, 0, kMargine, 0)),
                false};
    }
    const auto *label = static_cast<const QLabel *>(result);
    const int margin = label->margin();
    return {label->contentsRect().adjusted(margin, margin, -margin, -margin),
            bool(label->alignment() & Qt::AlignRight)};
}

class CutMarker : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *result = static_cast<QWidget *>(watched);
        switch (event->type()) {
        case QEvent::Paint:
        case QEvent::Resize:
        case QEvent::FontChange:
        case QEvent::Show:
            Update(result);
            break;
        case QEvent::ToolTip:
            if (IsCut(result)) {
                const QString note = result->toolTip();
                const QString whole =
                    note.isEmpty() ? TextOf(result) : TextOf(result) + QStringLiteral("\n\n") + note;
                QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), whole, result);
                return true;
            }
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

    // The mark is a child over the edge where the text is cut; it takes no
    // click, so the field under it still does.
    static void Update(QWidget *result)
    {
        auto *mark = result->findChild<QLabel *>(QStringLiteral("cutMark"), Qt::FindDirectChildrenOnly);
        const bool cut = IsCut(result);
        if (!cut) {
            if (mark && mark->isVisible())
                mark->hide();
            return;
        }
        if (!mark) {
            mark = new QLabel(kEllipsis, result);
            mark->setObjectName(QStringLiteral("cutMark"));
            mark->setAttribute(Qt::WA_TransparentForMouseEvents);
            mark->setAlignment(Qt::AlignCenter);
            mark->setAutoFillBackground(true);
            QPalette palette = mark->palette();
            palette.setColor(QPalette::Window,
                             result->palette().color(qobject_cast<QLineEdit *>(result) ? QPalette::Base
                                                                                       : QPalette::Window));
            mark->setPalette(palette);
        }
        const auto [room, cutOnLeft] = TextRoom(result);
        // The mark covers the edge from the last whole character that still
        // fits beside it, so no half character shows.
        const QFontMetrics metrics = result->fontMetrics();
        const QString text = TextOf(result);
        const int markWidth = metrics.horizontalAdvance(kEllipsis) + kMargine;
        qsizetype shown = text.size();
        while (shown > 0
               && metrics.horizontalAdvance(cutOnLeft ? text.right(shown) : text.left(shown)) + markWidth
                   > room.width())
            --shown;
        const int kept = metrics.horizontalAdvance(cutOnLeft ? text.right(shown) : text.left(shown));
        const int width = room.width() - kept + kMargine;
        const QRect place(cutOnLeft ? room.left() - kMargine : room.left() + kept, room.top(), width,
                          room.height());
        if (mark->geometry() != place)
            mark->setGeometry(place);
        if (!mark->isVisible())
            mark->show();
    }
};

} // namespace

bool IsCut(const QWidget *result)
{
    return result->fontMetrics().horizontalAdvance(TextOf(result)) > TextRoom(result).rect.width();
}

void MarkCutResults(std::initializer_list<QWidget *> results)
{
    for (QWidget *result : results) {
        auto *marker = new CutMarker(result);
        result->installEventFilter(marker);
        if (auto *field = qobject_cast<QLineEdit *>(result))
            QObject::connect(field, &QLineEdit::textChanged, marker, [field] { CutMarker::Update(field); });
    }
}
