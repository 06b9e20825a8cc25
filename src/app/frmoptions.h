// SPDX-License-Identifier: GPL-3.0-or-later
// The menu window: a tab strip whose tabs open the calculator and the
// designer, explain the converter and open it with "Vai al programma", and
// tell why the programs exist. Esc ends the program, Ctrl+Tab steps the tabs.
#pragma once

#include "toolkit/formbase.h"

#include <memory>

namespace Ui {
class frmOptions;
}
class Application;
class QKeyEvent;
class QPlainTextEdit;

class frmOptions : public FormBase
{
    Q_OBJECT
public:
    explicit frmOptions(Application &application);
    ~frmOptions() override;

    QString HelpPage() const override;

protected:
    void SetupWindow(QWidget *window) override;
    void ReleaseWindow() override;
    void Form_Load() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void tbsOptions_Click();
    void cmdOK_Click();
    void cmdApply_Click();
    // Key preview: the window sees every key before its controls do.
    bool Form_KeyDown(int keyCode, Qt::KeyboardModifiers shift);
    void Form_KeyPress(int keyAscii);

    void SelectTab(int index);
    void PreparaPagina(QPlainTextEdit *pagina, const QString &testo);

    Application &m_application;
    std::unique_ptr<Ui::frmOptions> m_ui;
};
