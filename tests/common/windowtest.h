// What the GUI tests share: the program started afresh, its windows found by
// name, text typed and controls clicked where a person does, and every message
// box caught so none blocks a test.
#pragma once

#include "app/application.h"
#include "calculator/form1.h"
#include "common/clickpoints.h"
#include "common/modalcatcher.h"
#include "converter/form3.h"
#include "designer/form2.h"
#include "toolkit/program.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTest>
#include <memory>

class WindowTest
{
public:
    explicit WindowTest(const QString &locale = QStringLiteral("C"))
    {
        QLocale::setDefault(QLocale(locale));
        static bool configured = false;
        if (!configured) {
            Application::ConfigureApplication();
            configured = true;
        }
        Program::instance().SetEndAction([this] { ++ends; });
        app = std::make_unique<Application>();
        app->Start();
    }
    ~WindowTest()
    {
        app.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QLocale::setDefault(QLocale::c());
    }

    // Opens a program window ("Form1", "Form2", "Form3") as the menu does.
    QWidget *open(const QString &name)
    {
        FormBase *form = name == QLatin1String("Form1")   ? static_cast<FormBase *>(&app->Calculator())
                         : name == QLatin1String("Form2") ? static_cast<FormBase *>(&app->Designer())
                                                          : static_cast<FormBase *>(&app->Converter());
        form->Show();
        window = form->Window();
        return window;
    }
    template<typename T = QWidget>
    T *control(const QString &name) const
    {
        T *found = window->findChild<T *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    QString text(const QString &name) const
    {
        if (auto *field = window->findChild<QLineEdit *>(name))
            return field->text();
        return control<QLabel>(name)->text();
    }
    void click(const QString &name) { ClickAt(control(name)); }
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
    ModalCatcher boxes;
    int ends = 0;
};
