// SPDX-License-Identifier: GPL-3.0-or-later
// What the GUI tests share: the program started afresh in a locale and a language ("it" or "en"), its windows
// and controls found by name, text typed and controls clicked where a person does, and every message box
// caught and closed so none blocks a test.
#pragma once

#include "app/application.h"
#include "app/frmoptions.h"
#include "calculator/form1.h"
#include "common/clickpoints.h"
#include "converter/form3.h"
#include "designer/form2.h"
#include "toolkit/helpviewer.h"
#include "toolkit/language.h"
#include "toolkit/program.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <memory>

// A box the program showed: "msgBox" or "runtimeErrorReport", with "!" for an error's icon; title, text,
// buttons.
struct CaughtBox
{
    QString kind, title, text;
    int buttons = 0;
};

class WindowTest
{
public:
    explicit WindowTest(const QString &locale = "C", const QString &language = "it_IT.UTF-8")
    {
        QLocale::setDefault(QLocale(locale));
        [[maybe_unused]] static const bool configured = (Application::ConfigureApplication(), true);
        SetLanguage(LanguageOf({language}));
        Program::instance().SetEndAction([this] { ++ends; });
        // Every modal box is accepted as soon as it shows, and remembered.
        m_catcher.callOnTimeout([this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !box->isVisible() || box->property("caught").toBool())
                return;
            box->setProperty("caught", true);
            boxes.append({box->objectName() + (box->icon() == QMessageBox::Critical ? "!" : ""),
                          box->windowTitle(), box->text(), int(box->buttons().size())});
            box->accept();
        });
        m_catcher.start(5);
        app = std::make_unique<Application>();
        app->Start();
        window = app->Menu().Window();
    }
    ~WindowTest()
    {
        app.reset();
        if (QWidget *help = HelpWindow())
            help->hide();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QLocale::setDefault(QLocale::c());
    }

    // "frmOptions", "Form1", "Form2" or "Form3".
    FormBase &form(const QString &name) const
    {
        FormBase *forms[] = {&app->Menu(), &app->Calculator(), &app->Designer(), &app->Converter()};
        return *forms[QStringList{"Form1", "Form2", "Form3"}.indexOf(name) + 1];
    }
    // Shows a window as the menu does and works in it from now on.
    QWidget *open(const QString &name)
    {
        form(name).Show();
        return window = form(name).Window();
    }
    template<typename T = QWidget> T *control(const QString &name) const
    {
        T *found = window->objectName() == name ? qobject_cast<T *>(window) : window->findChild<T *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    // What a control shows: a field's or a label's text, a bar's value.
    QString text(const QString &name) const
    {
        QWidget *widget = control(name);
        if (auto *bar = qobject_cast<QScrollBar *>(widget))
            return QString::number(bar->value());
        return widget->property("text").toString();
    }
    // The coil sheet on show, if one is; of the window whose title holds `of`, when two are.
    static QWidget *sheet(const QString &of = {})
    {
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top->objectName() == QLatin1String("SchedaBobina") && top->isVisible()
                && top->windowTitle().contains(of))
                return top;
        return nullptr;
    }
    void click(const QString &name, int point = 0)
    {
        ClickAt(control(name), ClickPoints(control(name)).value(point));
    }
    // Clicks into a field, selects what it holds and types over it.
    void type(const QString &name, const QString &typed)
    {
        auto *field = control<QLineEdit>(name);
        ClickAt(field);
        field->selectAll();
        QTest::keyClicks(field, typed);
        if (typed.isEmpty())
            QTest::keyClick(field, Qt::Key_Delete);
    }

    std::unique_ptr<Application> app;
    QWidget *window = nullptr;
    QList<CaughtBox> boxes;
    int ends = 0;

private:
    QTimer m_catcher;
};
