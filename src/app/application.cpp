// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"

#include "app/frmoptions.h"
#include "calculator/form1.h"
#include "converter/form3.h"
#include "designer/form2.h"
#include "toolkit/definition.h"
#include "toolkit/language.h"
#include "toolkit/program.h"
#include "toolkit/resultaccessible.h"
#include "toolkit/svgicon.h"

#include <QApplication>
#include <QLocale>

Application::Application() = default;
// Here, where the four window classes are whole.
Application::~Application() = default;

void Application::ConfigureApplication()
{
    QApplication::setApplicationName(QStringLiteral(SOLENORIUM_TITLE));
    QApplication::setApplicationDisplayName(QStringLiteral(SOLENORIUM_TITLE));
    QApplication::setApplicationVersion(QStringLiteral(SOLENORIUM_VERSION_TEXT));
    QApplication::setOrganizationName(QStringLiteral(SOLENORIUM_TITLE));
    QApplication::setDesktopFileName(QStringLiteral("solenorium"));
    QApplication::setWindowIcon(SvgIcon(QStringLiteral(":/pictures/solenorium.svg")));
    // The program ends when its last window is unloaded, not when the last one is hidden.
    QApplication::setQuitOnLastWindowClosed(false);
    // Captions and messages follow the system's message languages; numbers keep following QLocale().
    SetLanguage(LanguageOf(QLocale::system().uiLanguages()));
    InstallFontSubstitutions();
    InstallResultAccessibility();
    SetHelpFile(QStringLiteral("SOLENORIA.HLP"));
}

void Application::Start()
{
    Menu().Show();
}

void Application::Watch(FormBase &form)
{
    connect(&form, &FormBase::Unloaded, this, &Application::FormUnloaded);
}

frmOptions &Application::Menu()
{
    if (!m_menu) {
        m_menu = std::make_unique<frmOptions>(*this);
        Watch(*m_menu);
    }
    return *m_menu;
}

Form1 &Application::Calculator()
{
    if (!m_form1) {
        m_form1 = std::make_unique<Form1>();
        Watch(*m_form1);
    }
    return *m_form1;
}

Form2 &Application::Designer()
{
    if (!m_form2) {
        m_form2 = std::make_unique<Form2>();
        Watch(*m_form2);
    }
    return *m_form2;
}

Form3 &Application::Converter()
{
    if (!m_form3) {
        m_form3 = std::make_unique<Form3>();
        Watch(*m_form3);
    }
    return *m_form3;
}

void Application::ShowForm1()
{
    Calculator().Show();
}

void Application::ShowForm2()
{
    Designer().Show();
}

void Application::ShowForm3()
{
    Converter().Show();
}

bool Application::AnyWindowLoaded() const
{
    return (m_menu && m_menu->IsLoaded()) || (m_form1 && m_form1->IsLoaded())
        || (m_form2 && m_form2->IsLoaded()) || (m_form3 && m_form3->IsLoaded());
}

void Application::FormUnloaded()
{
    if (!AnyWindowLoaded())
        Program::instance().End();
}
