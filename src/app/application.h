// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and the window slots: one window object per window class, created on
// first use; showing, unloading, and ending the program when the last window
// is unloaded.
#pragma once

#include <QObject>
#include <memory>

class FormBase;
class frmOptions;
class Form1;
class Form2;
class Form3;

class Application : public QObject
{
    Q_OBJECT
public:
    Application();
    ~Application() override;

    // Name, title, version and description of the program, its language, the
    // fonts of the window definitions and the project's help file.
    static void ConfigureApplication();

    // Creates, loads and shows the menu window.
    void Start();

    // The window objects, each created on first use.
    frmOptions &Menu();
    Form1 &Calculator();
    Form2 &Designer();
    Form3 &Converter();

    // Loads the window if needed, shows it modeless and brings it to the front.
    void ShowForm1();
    void ShowForm2();
    void ShowForm3();

    // Whether any of the four windows is loaded.
    bool AnyWindowLoaded() const;

private:
    void Watch(FormBase &form);
    void FormUnloaded();

    std::unique_ptr<frmOptions> m_menu;
    std::unique_ptr<Form1> m_form1;
    std::unique_ptr<Form2> m_form2;
    std::unique_ptr<Form3> m_form3;
};
