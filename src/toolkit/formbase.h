// SPDX-License-Identifier: GPL-3.0-or-later
// The window object behind each window of the program. It outlives its window:
// loading builds the widget tree from the definition and runs Form_Load;
// unloading destroys the tree and keeps the object's own variables, so a
// window reopened later starts again from its definition.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

class FormBase : public QObject
{
    Q_OBJECT
public:
    explicit FormBase(QObject *parent = nullptr);
    ~FormBase() override;

    bool IsLoaded() const { return !m_window.isNull(); }
    // The loaded window, or nullptr.
    QWidget *Window() const { return m_window; }

    // Loads the window if it is not loaded (running Form_Load), shows it
    // modeless without an owner and brings it to the front.
    void Show();
    // Builds the widget tree and runs Form_Load without showing the window.
    void Load();
    // Destroys the widget tree; the window object and its variables stay.
    void Unload();

    // The help page F1 opens from this window.
    virtual QString HelpPage() const = 0;

signals:
    void Loaded();
    void Unloaded();

protected:
    // Builds the widgets from the definition into the new top-level widget and
    // connects the handlers.
    virtual void SetupWindow(QWidget *window) = 0;
    // Forgets every pointer into the widget tree, which is about to go.
    virtual void ReleaseWindow() = 0;
    virtual void Form_Load() = 0;

    bool eventFilter(QObject *watched, QEvent *event) override;

    // Every window opens centred on the screen's free area; the menu asks for
    // the middle of the whole screen.
    enum class ScreenArea { Available, Whole };
    void CentreOnScreen(ScreenArea area = ScreenArea::Available);

private:
    QPointer<QWidget> m_window;
};
