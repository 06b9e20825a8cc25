// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmoptions.h"

#include "app/application.h"
#include "app/testimenu.h"
#include "toolkit/colour.h"
#include "toolkit/definition.h"
#include "toolkit/handlerguard.h"
#include "toolkit/program.h"

#include "ui_frmOptions.h"

#include <QApplication>
#include <QKeyEvent>

namespace {

struct Scheda
{
    const char *caption;
    const char *toolTip;
};

// The five tabs of the strip, in order; the handlers use the index and the caption.
constexpr Scheda kSchede[] = {
    {QT_TRANSLATE_NOOP("frmOptions", "ZORVEK"), QT_TRANSLATE_NOOP("frmOptions", "Quello ero io")},
    {QT_TRANSLATE_NOOP("frmOptions", "Bobine-1"),
     QT_TRANSLATE_NOOP("frmOptions", "Esegue il programma n. 1")},
    {QT_TRANSLATE_NOOP("frmOptions", "Bobine-2"),
     QT_TRANSLATE_NOOP("frmOptions", "Esegue il programma bobine 2")},
    {QT_TRANSLATE_NOOP("frmOptions", "Diametri"),
     QT_TRANSLATE_NOOP("frmOptions", "Il perchè di questi programmi")},
    {QT_TRANSLATE_NOOP("frmOptions", "Circa"),
     QT_TRANSLATE_NOOP("frmOptions", "Il perchè di questi programmi")},
};

constexpr std::uint32_t kSfondo = 0x00C0E0FF;
constexpr std::uint32_t kPulsante = 0x00E0E0E0;
constexpr std::uint32_t kSfondoDiametri = 0x00C0FFC0;
constexpr std::uint32_t kTestoDiametri = 0x00400000;
constexpr std::uint32_t kSfondoCirca = 0x00C0FFFF;

} // namespace

frmOptions::frmOptions(Application &application)
    : m_application(application)
{ }

frmOptions::~frmOptions() = default;

QString frmOptions::HelpPage() const
{
    return QStringLiteral("menu.html");
}

void frmOptions::SetupWindow(QWidget *window)
{
    m_ui = std::make_unique<Ui::frmOptions>();
    m_ui->setupUi(window);
    ApplyFractionalFontSizes(window);
    window->setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                           | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    SetBackColour(window, kSfondo);

    QTabBar *tabs = m_ui->tbsOptions;
    tabs->setDrawBase(false);
    tabs->setExpanding(false);
    for (const Scheda &scheda : kSchede) {
        const int index = tabs->addTab(tr(scheda.caption));
        tabs->setTabToolTip(index, tr(scheda.toolTip));
    }
    tabs->setCurrentIndex(0);
    // The page frame starts under the tabs, so the strip and its page read as one control.
    const int tabHeight = tabs->sizeHint().height();
    tabs->resize(tabs->width(), tabHeight);
    // The strip reaches past the window's right edge; its page ends a pixel inside it.
    m_ui->tbsOptionsPage->setGeometry(tabs->x(), tabs->y() + tabHeight - 1, window->width() - 1 - tabs->x(),
                                      TwipsToPixels(5595) - tabHeight + 1);

    SetBackColour(m_ui->cmdOK, kPulsante);
    SetBackColour(m_ui->cmdApply, kPulsante);
    SetBackColour(m_ui->Text2, kSfondoDiametri);
    SetForeColour(m_ui->Text2, kTestoDiametri);
    SetBackColour(m_ui->Text1, kSfondoCirca);
    // Screen readers name each page after its tab.
    m_ui->Image1->setAccessibleName(tabs->tabText(0));
    m_ui->Text2->setAccessibleName(tabs->tabText(3));
    m_ui->Text1->setAccessibleName(tabs->tabText(4));

    ConnectHandler(tabs, &QTabBar::currentChanged, this, &frmOptions::tbsOptions_Click);
    // A click on the tab that is already selected is a selection too.
    connect(tabs, &QTabBar::tabBarClicked, this, [this](int index) {
        if (m_ui && index == m_ui->tbsOptions->currentIndex())
            Guard([this] { tbsOptions_Click(); });
    });
    ConnectHandler(m_ui->cmdOK, &QPushButton::clicked, this, &frmOptions::cmdOK_Click);
    ConnectHandler(m_ui->cmdApply, &QPushButton::clicked, this, &frmOptions::cmdApply_Click);
    qApp->installEventFilter(this);
}

void frmOptions::ReleaseWindow()
{
    qApp->removeEventFilter(this);
    m_ui.reset();
}

void frmOptions::Form_Load()
{
    // The menu stands in the middle of the screen.
    CentreOnScreen(ScreenArea::Whole);
    m_ui->Picture1->setVisible(false);
    m_ui->Text1->setVisible(false);
    m_ui->Text2->setVisible(false);
    m_ui->cmdOK->setVisible(false);
    m_ui->Image1->setVisible(false);
}

void frmOptions::tbsOptions_Click()
{
    m_ui->cmdOK->setVisible(false);
    m_ui->Image1->setVisible(false);
    m_ui->Picture1->setVisible(false);
    switch (m_ui->tbsOptions->currentIndex() + 1) {
    case 1:
        m_ui->Picture1->setGeometry(TwipsToPixels(450), TwipsToPixels(3000), TwipsToPixels(1300),
                                    TwipsToPixels(1600));
        m_ui->Picture1->setVisible(true);
        m_ui->Image1->setVisible(true);
        m_ui->Text1->setVisible(false);
        m_ui->Text2->setVisible(false);
        m_ui->cmdOK->setVisible(false);
        break;
    case 2:
        m_application.ShowForm1();
        m_ui->Picture1->setVisible(false);
        m_ui->Text1->setVisible(false);
        m_ui->Text2->setVisible(false);
        break;
    case 3:
        m_application.ShowForm2();
        m_ui->Picture1->setVisible(false);
        m_ui->Text2->setVisible(false);
        m_ui->Text1->setVisible(false);
        break;
    case 4:
        PreparaPagina(m_ui->Text2, TestoDiametri());
        m_ui->cmdOK->setVisible(true);
        m_ui->cmdOK->setFocus();
        m_ui->Text1->setVisible(false);
        m_ui->Text2->setVisible(true);
        break;
    case 5:
        PreparaPagina(m_ui->Text1, TestoCirca());
        m_ui->Text1->setVisible(true);
        m_ui->Text2->setVisible(false);
        break;
    default:
        break;
    }
}

void frmOptions::PreparaPagina(QPlainTextEdit *pagina, const QString &testo)
{
    // The prose pages get their font and text when first shown: the menu opens
    // without laying out pages it does not show.
    if (!pagina->document()->isEmpty())
        return;
    pagina->setFont(QFont(QStringLiteral("Comic Sans MS"), 12));
    pagina->setPlainText(testo);
}

void frmOptions::cmdOK_Click()
{
    // The caption in the program's own language names the program, whatever language shows.
    const QString caption = QString::fromUtf8(kSchede[m_ui->tbsOptions->currentIndex()].caption);
    if (caption == QLatin1String("Bobine-1"))
        m_application.ShowForm1();
    else if (caption == QLatin1String("Bobine-2"))
        m_application.ShowForm2();
    else if (caption == QLatin1String("Diametri"))
        m_application.ShowForm3();
}

void frmOptions::cmdApply_Click()
{
    Unload();
}

void frmOptions::SelectTab(int index)
{
    // Selecting a tab from code raises its click, as a user's selection does.
    m_ui->tbsOptions->setCurrentIndex(index - 1);
}

bool frmOptions::Form_KeyDown(int keyCode, Qt::KeyboardModifiers shift)
{
    constexpr int kTab = 9;
    if (keyCode != kTab || shift != Qt::ControlModifier)
        return false;
    const int selected = m_ui->tbsOptions->currentIndex() + 1;
    SelectTab(selected == m_ui->tbsOptions->count() ? 1 : selected + 1);
    return true;
}

void frmOptions::Form_KeyPress(int keyAscii)
{
    if (keyAscii == 27)
        Program::instance().End();
}

bool frmOptions::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && m_ui && watched->isWidgetType()
        && static_cast<QWidget *>(watched)->window() == Window()) {
        auto *key = static_cast<QKeyEvent *>(event);
        // Each key reaches the window once, through its focus widget.
        if (watched != QApplication::focusWidget() && watched != Window())
            return FormBase::eventFilter(watched, event);
        const int keyCode = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab ? 9 : key->key();
        const Qt::KeyboardModifiers shift =
            key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
        bool handled = false;
        Guard([&] { handled = Form_KeyDown(keyCode, shift); });
        if (handled)
            return true;
        const int keyAscii = key->key() == Qt::Key_Escape ? 27
            : key->text().isEmpty()                       ? 0
                                                          : key->text().front().unicode();
        Guard([&] { Form_KeyPress(keyAscii); });
        if (keyAscii == 27)
            return true;
        // Enter presses the default button wherever the focus is, but on another button.
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && m_ui && m_ui->cmdOK->isVisible()
            && !qobject_cast<QPushButton *>(QApplication::focusWidget())) {
            m_ui->cmdOK->click();
            return true;
        }
    }
    return FormBase::eventFilter(watched, event);
}
