// Closes the modal message boxes that a GUI test provokes, and remembers what
// they said, so a box never blocks a test and every box is accounted for.
#pragma once

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

class ModalCatcher : public QObject
{
    Q_OBJECT
public:
    struct Box
    {
        QString objectName; // "msgBox" or "runtimeErrorReport"
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        int buttons = 0;
    };

    explicit ModalCatcher(QObject *parent = nullptr);

    const QList<Box> &boxes() const { return m_boxes; }
    QStringList texts() const;
    int count() const { return static_cast<int>(m_boxes.size()); }
    void clear() { m_boxes.clear(); }

private:
    void poll();

    QTimer m_timer;
    QList<Box> m_boxes;
};
