// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator/form1.h"

#include "coil/accuracy.h"
#include "coil/selfcapacitance.h"
#include "toolkit/colour.h"
#include "toolkit/cutmark.h"
#include "toolkit/definition.h"
#include "toolkit/handlerguard.h"
#include "toolkit/messages.h"

#include "ui_Form1.h"

#include <array>

namespace {

// &H00C0E0FF&: the window's light orange ground.
constexpr std::uint32_t kSfondoFinestra = 0x00C0E0FF;
// &H00E0E0E0&: the face of a button that is not the selected mode.
constexpr std::uint32_t kGrigio = 0x00E0E0E0;
// &H80000008&: the system's window-text colour.
constexpr std::uint32_t kTestoFinestra = 0x80000008;
// The selected mode's button: light red (red 255, green 192, blue 192),
// kept in the text form in which the program states it.
const QString kEvidenziato = QStringLiteral("&HC0C0FF");

} // namespace

Form1::Form1() = default;

Form1::~Form1()
{
    // The tree goes while this object can still answer its events.
    delete Window();
}

QString Form1::HelpPage() const
{
    return QStringLiteral("calcolatore.html");
}

void Form1::SetupWindow(QWidget *window)
{
    ui = std::make_unique<Ui::Form1>();
    ui->setupUi(window);
    ApplyFractionalFontSizes(window);
    // A fixed dialog: title and close box only, not resizable.
    window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowCloseButtonHint);

    QPalette ground = window->palette();
    ground.setColor(QPalette::Window, ColourFromValue(kSfondoFinestra));
    window->setPalette(ground);
    window->setAutoFillBackground(true);

    // The heading is opaque in the window's colour; every other label lets the
    // drawings show through.
    SetBackColour(ui->Label2, kSfondoFinestra);
    SetForeColour(ui->Label2, kTestoFinestra);

    const std::array modeButtons{ui->Cmd1, ui->Cmd2, ui->Cmd3, ui->Cmd4, ui->Cmd5, ui->Cmd6, ui->Cmd7};
    for (QPushButton *button : modeButtons)
        SetBackColour(button, kGrigio);
    SetBackColour(ui->CmdKalc, kGrigio);
    SetBackColour(ui->Command1, kGrigio);

    // Screen readers name each box after the caption beside it. The result box
    // takes the caption of Risultato, which the mode buttons rewrite.
    ui->Text1->setAccessibleName(ui->Lblindu->text());
    ui->Text2->setAccessibleName(ui->Lblcap->text());
    ui->Text3->setAccessibleName(ui->Lblfreq->text());
    ui->Text4->setAccessibleName(ui->LblSup->text());
    ui->Text5->setAccessibleName(ui->LblSpi->text());
    ui->Text6->setAccessibleName(ui->LblLun->text());
    NominaRisultato();
    // The low-pass values over the schematic have no caption of their own; the
    // drawing marks them in pF and µH.
    ui->LblFT->setAccessibleName(tr("Passa-basso: induttanza µH"));
    ui->LblC1->setAccessibleName(tr("Passa-basso: condensatore C1 pF"));
    ui->LblC2->setAccessibleName(tr("Passa-basso: condensatore C2 pF"));
    // Results can be selected with the mouse and copied with Ctrl+C.
    for (QLabel *risultato : {ui->LblFT, ui->LblC1, ui->LblC2})
        risultato->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    MarkCutResults({ui->SEO, ui->LblC1, ui->LblC2, ui->LblFT});

    ConnectHandler(ui->Cmd1, &QPushButton::clicked, this, &Form1::Cmd1_Click);
    ConnectHandler(ui->Cmd2, &QPushButton::clicked, this, &Form1::Cmd2_Click);
    ConnectHandler(ui->Cmd3, &QPushButton::clicked, this, &Form1::Cmd3_Click);
    ConnectHandler(ui->Cmd4, &QPushButton::clicked, this, &Form1::Cmd4_Click);
    ConnectHandler(ui->Cmd5, &QPushButton::clicked, this, &Form1::Cmd5_Click);
    ConnectHandler(ui->Cmd6, &QPushButton::clicked, this, &Form1::Cmd6_Click);
    ConnectHandler(ui->Cmd7, &QPushButton::clicked, this, &Form1::Cmd7_Click);
    ConnectHandler(ui->CmdKalc, &QPushButton::clicked, this, &Form1::CmdKalc_Click);
    ConnectHandler(ui->Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    // A figure the user types over is no longer the one the note describes.
    ConnectHandler(ui->SEO, &QLineEdit::textEdited, this, &Form1::DimenticaNota);
}

void Form1::NominaRisultato()
{
    // "*" stands until a mode is chosen; it names nothing.
    const QString caption = ui->Risultato->text();
    ui->SEO->setAccessibleName(caption == QLatin1String("*") ? tr("Risultato") : caption);
}

void Form1::DimenticaNota()
{
    ui->SEO->setToolTip(QString());
}

void Form1::ReleaseWindow()
{
    ui.reset();
}

void Form1::Form_Load()
{
    SetHelpFile(QStringLiteral("solenoria.hlp"));
    CaricaValoriC(ValoriC);
    AzzeraSelezione();
    ui->Image1->setVisible(true);
}

void Form1::AzzeraSelezione()
{
    for (QPushButton *button : {ui->Cmd1, ui->Cmd2, ui->Cmd3, ui->Cmd4, ui->Cmd5, ui->Cmd6, ui->Cmd7})
        SetBackColour(button, kGrigio);
    for (QWidget *box : {ui->Text1, ui->Text2, ui->Text3, ui->Text4, ui->Text5, ui->Text6})
        box->setVisible(false);
    for (QWidget *label : {ui->Lblindu, ui->Lblfreq, ui->Lblcap, ui->LblSpi, ui->LblSup, ui->LblLun,
                           ui->LblC1, ui->LblC2, ui->LblFT})
        label->setVisible(false);
    ui->Image1->setVisible(false);
    ui->Image3->setVisible(false);
}

void Form1::ScegliModo(QPushButton *button, std::int16_t modo, std::initializer_list<QWidget *> ingressi,
                       const QString &risultato, QWidget *figura)
{
    AzzeraSelezione();
    SetBackColour(button, ParseColour(kEvidenziato));
    Modo = modo;
    for (QWidget *ingresso : ingressi)
        ingresso->setVisible(true);
    ui->Risultato->setText(risultato);
    NominaRisultato();
    // The result of another mode does not stand under this mode's caption.
    SvuotaRisultato();
    figura->setVisible(true);
}

void Form1::Cmd1_Click()
{
    ScegliModo(ui->Cmd1, 1, {ui->Text2, ui->Text1, ui->Lblindu, ui->Lblcap}, tr("Frequenza Mhz"), ui->Image1);
}

void Form1::Cmd2_Click()
{
    ScegliModo(ui->Cmd2, 2, {ui->Text2, ui->Text3, ui->Lblfreq, ui->Lblcap}, tr("Induttanza µHenry"),
               ui->Image1);
}

void Form1::Cmd3_Click()
{
    ScegliModo(ui->Cmd3, 3, {ui->Text1, ui->Text3, ui->Lblfreq, ui->Lblindu}, tr("Capacità PF"), ui->Image1);
}

void Form1::Cmd4_Click()
{
    ScegliModo(ui->Cmd4, 4, {ui->LblLun, ui->LblSpi, ui->LblSup, ui->Text4, ui->Text5, ui->Text6},
               tr("Induttanza µHenry"), ui->Image1);
}

void Form1::Cmd5_Click()
{
    ScegliModo(ui->Cmd5, 5, {ui->Text1, ui->Text4, ui->Text6, ui->Lblindu, ui->LblSup, ui->LblLun},
               tr("Spire n."), ui->Image1);
}

void Form1::Cmd6_Click()
{
    ScegliModo(ui->Cmd6, 6,
               {ui->Text2, ui->Text3, ui->Text4, ui->Text6, ui->Lblfreq, ui->Lblcap, ui->LblSup, ui->LblLun},
               tr("Spire n."), ui->Image1);
}

void Form1::Cmd7_Click()
{
    // The low-pass values stay hidden until a computation fills them.
    ScegliModo(ui->Cmd7, 7, {ui->Text3, ui->Lblfreq}, tr("Freq. taglio Mhz"), ui->Image3);
}

void Form1::CmdKalc_Click()
{
    const std::array campi{ui->Text1, ui->Text2, ui->Text3, ui->Text4, ui->Text5, ui->Text6};
    TestiIngresso testi{ui->Text1->text(),
                        ui->Text2->text(),
                        ui->Text3->text(),
                        ui->Text4->text(),
                        ui->Text5->text(),
                        ui->Text6->text(),
                        {}};
    for (std::size_t i = 0; i < campi.size(); ++i)
        testi.didascalie[i] = campi[i]->accessibleName();
    // The result box and the filter's values show only what this press
    // computes: a refusal or a fault leaves them empty.
    SvuotaRisultato();
    const EsitoCalcolo esito = EseguiCalcolo(Modo, ValoriC, testi, QLocale());
    if (esito.messaggio) {
        MsgBox(esito.testoMessaggio, esito.critico ? MsgBoxStyle::Critical : MsgBoxStyle::OkOnly);
        return;
    }
    SetFieldText(ui->SEO, esito.SEO);
    if (esito.bobina) {
        const BobinaCalcolata &bobina = *esito.bobina;
        QStringList note{
            AccuracyNote(bobina.induttanza, bobina.D, bobina.lunghezza, bobina.N, QLocale(),
                         bobina.spireCalcolate ? ShownFigure::RequestedInductance : ShownFigure::Inductance)};
        // Turns for a frequency: the coil's own capacitance moves that frequency
        // (no note without a capacitance).
        note << SelfCapacitanceNote(bobina.induttanza, bobina.capacita, bobina.D, bobina.lunghezza, bobina.N);
        note.removeAll(QString());
        ui->SEO->setToolTip(note.join(QStringLiteral("\n\n")));
    }
    if (esito.passaBasso) {
        ui->LblC1->setVisible(true);
        ui->LblC2->setVisible(true);
        ui->LblFT->setVisible(true);
        // Both capacitors of the filter take the same standard value.
        ui->LblC1->setText(esito.LblC1);
        ui->LblC2->setText(esito.LblC2);
        ui->LblFT->setText(esito.LblFT);
    }
}

void Form1::SvuotaRisultato()
{
    SetFieldText(ui->SEO, QString());
    ui->SEO->setToolTip(QString());
    for (QLabel *valore : {ui->LblC1, ui->LblC2, ui->LblFT})
        valore->setVisible(false);
}

void Form1::Command1_Click()
{
    Unload();
}
