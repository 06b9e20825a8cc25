// SPDX-License-Identifier: GPL-3.0-or-later
#include "designer/form2.h"

#include "designer/ricalcolo.h"
#include "ui_Form2.h"

#include "coil/accuracy.h"
#include "coil/selfcapacitance.h"
#include "numbers/campo.h"
#include "numbers/checkedmath.h"
#include "numbers/format.h"
#include "numbers/localenumber.h"
#include "numbers/runtimeerror.h"
#include "sheet/schedabobina.h"
#include "toolkit/cutmark.h"
#include "toolkit/definition.h"
#include "toolkit/handlerguard.h"
#include "toolkit/helpviewer.h"
#include "toolkit/messages.h"

#include <QEvent>
#include <QMouseEvent>
#include <QScopeGuard>
#include <QShortcut>

namespace {

// Bounds of the steps, in the unit of each quantity: a decrease by 1 (or 0.5)
// needs a value above `sotto`, a decrease by 10 a value above `sotto10`, any
// increase a value below `sopra`.
struct Limiti
{
    double sotto;
    double sotto10;
    double sopra;
};
constexpr Limiti kDiametro{4, 10, 1000};
constexpr Limiti kLunghezza{1, 10, 500};
constexpr Limiti kSpire{1, 10, 500};
constexpr Limiti kCapacita{1, 10, 2000};

// A field's text, named after the field's caption for the report of a fault.
Variante Campo(const QLineEdit *campo)
{
    return Variante(campo->text(), campo->accessibleName());
}

} // namespace

Form2::Form2() = default;

Form2::~Form2() = default;

QString Form2::HelpPage() const
{
    return QStringLiteral("progettista.html");
}

void Form2::SetupWindow(QWidget *window)
{
    ui = std::make_unique<Ui::Form2>();
    ui->setupUi(window);
    ApplyFractionalFontSizes(window);
    // The window opens with the focus in the first field of the tab order.
    ui->DiamSup->setFocus();

    // Screen readers name each field after its row and each result after the
    // captions around it.
    ui->DiamSup->setAccessibleName(ui->Option1->text());
    ui->LunBob->setAccessibleName(ui->Option2->text());
    ui->Spire->setAccessibleName(ui->Option3->text());
    ui->Cap1->setAccessibleName(ui->Option4->text());
    ui->Cap2->setAccessibleName(ui->Option5->text());
    ui->Spaz->setAccessibleName(tr("Spaziatura %1").arg(ui->Label8->text()));
    ui->MicroH->setAccessibleName(QStringLiteral("%1 %2").arg(ui->Label7->text(), ui->Label1->text()));
    ui->Freq1->setAccessibleName(tr("Frequenza %1, %2").arg(ui->Label5->text(), ui->Option4->text()));
    ui->Freq2->setAccessibleName(tr("Frequenza %1, %2").arg(ui->Label6->text(), ui->Option5->text()));
    ui->FiloCm->setAccessibleName(QStringLiteral("%1 %2").arg(ui->Label3->text(), ui->Label4->text()));
    ui->Label9->setAccessibleName(tr("%1: lato").arg(ui->Label12->text()));
    ui->Label10->setAccessibleName(tr("%1: diagonale").arg(ui->Label12->text()));
    // Two wire lengths for one coil: this one on the former, the sheet's on the wire's centres.
    ui->Label3->setToolTip(tr("Il filo dell'elica misurato sul supporto, di diametro D, terminali esclusi. "
                              "La scheda della bobina lo misura sui centri del filo (D più un filo): "
                              "per questo dà un po' di più."));
    // The small button without a caption works the lock.
    ui->CmdBlock->setAccessibleName(ui->Aggancia->text());
    // Results can be selected with the mouse and copied with Ctrl+C.
    for (QLabel *risultato :
         {ui->Spaz, ui->MicroH, ui->Freq1, ui->Freq2, ui->FiloCm, ui->Label9, ui->Label10})
        risultato->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    MarkCutResults({ui->Spaz, ui->MicroH, ui->Freq1, ui->Freq2, ui->FiloCm, ui->Label9, ui->Label10});

    ConnectHandler(ui->CmdCalc, &QPushButton::clicked, this, &Form2::CmdCalc_Click);
    ConnectHandler(ui->Cmdmeno1, &QPushButton::clicked, this, &Form2::Cmdmeno1_Click);
    ConnectHandler(ui->Cmdpiu1, &QPushButton::clicked, this, &Form2::Cmdpiu1_Click);
    ConnectHandler(ui->meno05, &QPushButton::clicked, this, &Form2::meno05_Click);
    ConnectHandler(ui->piu05, &QPushButton::clicked, this, &Form2::piu05_Click);
    ConnectHandler(ui->meno10a, &QPushButton::clicked, this, &Form2::meno10a_Click);
    ConnectHandler(ui->meno10b, &QPushButton::clicked, this, &Form2::meno10b_Click);
    ConnectHandler(ui->meno10c, &QPushButton::clicked, this, &Form2::meno10c_Click);
    ConnectHandler(ui->meno10d, &QPushButton::clicked, this, &Form2::meno10d_Click);
    ConnectHandler(ui->meno10e, &QPushButton::clicked, this, &Form2::meno10e_Click);
    ConnectHandler(ui->piu10a, &QPushButton::clicked, this, &Form2::piu10a_Click);
    ConnectHandler(ui->piu10b, &QPushButton::clicked, this, &Form2::piu10b_Click);
    ConnectHandler(ui->piu10c, &QPushButton::clicked, this, &Form2::piu10c_Click);
    ConnectHandler(ui->piu10d, &QPushButton::clicked, this, &Form2::piu10d_Click);
    ConnectHandler(ui->piu10e, &QPushButton::clicked, this, &Form2::piu10e_Click);
    // Any change of the lock's value, by the user or by code, runs its handler.
    ConnectHandler(ui->Aggancia, &QCheckBox::stateChanged, this, &Form2::Aggancia_Click);
    ConnectHandler(ui->CmdBlock, &QPushButton::clicked, this, &Form2::CmdBlock_Click);
    ConnectHandler(ui->Cmdesci, &QPushButton::clicked, this, &Form2::Cmdesci_Click);
    ConnectHandler(ui->CmdScheda, &QPushButton::clicked, this, &Form2::CmdScheda_Click);
    ConnectHandler(new QShortcut(QKeySequence(Qt::Key_F2), window), &QShortcut::activated, this,
                   &Form2::CmdScheda_Click);

    // A line edit has no click of its own: the window watches the mouse in the
    // five fields and raises their clicks.
    for (QLineEdit *campo : {ui->DiamSup, ui->LunBob, ui->Spire, ui->Cap1, ui->Cap2})
        campo->installEventFilter(this);
    // "F1 guida all'uso" looks like a link, and a click on it opens the help as F1 does.
    ui->Label2->setCursor(Qt::PointingHandCursor);
    ui->Label2->installEventFilter(this);
}

void Form2::ReleaseWindow()
{
    // The sheet belongs to the window and closes with it.
    if (m_scheda)
        m_scheda->Unload();
    m_premuto = nullptr;
    ui.reset();
}

bool Form2::eventFilter(QObject *watched, QEvent *event)
{
    if (ui && watched == ui->Label2 && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        Guard([this] { OpenHelp(HelpPage()); });
        return true;
    }
    if (ui && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease)) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        auto *campo = qobject_cast<QLineEdit *>(watched);
        if (campo && mouse->button() == Qt::LeftButton) {
            if (event->type() == QEvent::MouseButtonPress) {
                m_premuto = campo;
            } else if (m_premuto == campo) {
                m_premuto = nullptr;
                if (campo->rect().contains(mouse->position().toPoint())) {
                    void (Form2::*handler)() = nullptr;
                    if (campo == ui->DiamSup)
                        handler = &Form2::DiamSup_Click;
                    else if (campo == ui->LunBob)
                        handler = &Form2::LunBob_Click;
                    else if (campo == ui->Spire)
                        handler = &Form2::Spire_Click;
                    else if (campo == ui->Cap1)
                        handler = &Form2::Cap1_Click;
                    else if (campo == ui->Cap2)
                        handler = &Form2::Cap2_Click;
                    if (handler)
                        Guard([&] { (this->*handler)(); });
                }
            }
        }
    }
    return FormBase::eventFilter(watched, event);
}

void Form2::Form_Load()
{
    SetHelpFile(QStringLiteral("solenoria.hlp"));

    // The lock starts released; the check box already holds 0, so no click runs.
    ui->Aggancia->setCheckState(Qt::Unchecked);
    ui->Image2->setVisible(false);
    ui->Image1->setVisible(true);

    Diametro = std::int16_t{40};
    Lunghezza = std::int16_t{55};
    NumSpire = std::int16_t{110};
    Capacita1 = std::int16_t{365};
    Capacita2 = std::int16_t{35};
    ImpostaCampi();
    Ricalcola();
}

void Form2::ImpostaCampi()
{
    SetFieldText(ui->Spire, NumSpire.ToText());
    SetFieldText(ui->DiamSup, Diametro.ToText());
    SetFieldText(ui->LunBob, Lunghezza.ToText());
    SetFieldText(ui->Cap1, Capacita1.ToText());
    SetFieldText(ui->Cap2, Capacita2.ToText());
}

// Reads the five fields and shows every result as soon as it is known. A
// field that cannot be a coil is refused before anything is written; a fault
// at one step leaves the results before it on show, and no result of an
// earlier coil beside them. The sheet follows, or says why there is no coil.
void Form2::Ricalcola()
{
    const std::array<double, 5> letti = Convalida();
    Diametro = letti[0];
    Lunghezza = letti[1];
    NumSpire = letti[2];
    // An empty capacitance is a 0: its frequency stays blank.
    Capacita1 = letti[3];
    Capacita2 = letti[4];
    Svuota();
    try {
        Risultati();
    } catch (const RuntimeError &errore) {
        SpingiScheda(RuntimeErrorText(errore));
        throw;
    }
    SpingiScheda();
}

std::array<double, 5> Form2::Convalida()
{
    try {
        const auto campo = [](const QLineEdit *casella, Grandezza grandezza,
                              Ammessi ammessi = Ammessi::Positivi) {
            return Leggi(casella->accessibleName(), casella->text(), grandezza, ammessi);
        };
        // A capacitance of zero or less leaves its frequency blank.
        return {campo(ui->DiamSup, Grandezza::Diametro), campo(ui->LunBob, Grandezza::Lunghezza),
                campo(ui->Spire, Grandezza::Spire), campo(ui->Cap1, Grandezza::Capacita, Ammessi::Tutti),
                campo(ui->Cap2, Grandezza::Capacita, Ammessi::Tutti)};
    } catch (const RifiutoCampo &rifiuto) {
        Svuota();
        SpingiScheda(rifiuto.testo);
        throw;
    }
}

// Figures and notes belong to the coil a run computes.
void Form2::Svuota()
{
    for (QLabel *figura : {ui->Spaz, ui->MicroH, ui->Freq1, ui->Freq2, ui->FiloCm, ui->Label9, ui->Label10}) {
        figura->clear();
        figura->setToolTip(QString());
    }
}

void Form2::Risultati()
{
    const double spaziatura = Ricalcolo::Spaziatura(Lunghezza, NumSpire);
    Spaziatura = spaziatura;
    ui->Spaz->setText(Format(spaziatura, QStringLiteral("##0.00")));

    const double induttanza = Ricalcolo::Induttanza(Diametro, NumSpire, Lunghezza);
    ui->MicroH->setText(Format(induttanza, QStringLiteral("##,##0.000")));
    QStringList nota{AccuracyNote(induttanza, Diametro.ToDouble(), Lunghezza.ToDouble(), NumSpire.ToDouble()),
                     SelfCapacitanceLine(Diametro.ToDouble(), Lunghezza.ToDouble())};
    nota.removeAll(QString());
    ui->MicroH->setToolTip(nota.join(u'\n'));

    // A capacitance that is not above zero leaves a single blank. A diameter
    // so small that its square is no number (1e-200 mm) leaves no inductance:
    // the frequencies would divide by zero.
    if (induttanza == 0 && (Capacita1.ToDouble() > 0 || Capacita2.ToDouble() > 0))
        throw RuntimeError(ErrorNumber::DivisionByZero).withDetail(Diametro.Causa());
    const std::optional<double> frequenza1 = Ricalcolo::Frequenza(induttanza, Capacita1);
    ui->Freq1->setText(frequenza1 ? Format(*frequenza1, QStringLiteral("###.000")) : QStringLiteral(" "));
    if (frequenza1)
        ui->Freq1->setToolTip(SelfCapacitanceNote(induttanza, Capacita1.ToDouble(), Diametro.ToDouble(),
                                                  Lunghezza.ToDouble(), NumSpire.ToDouble()));

    const std::optional<double> frequenza2 = Ricalcolo::Frequenza(induttanza, Capacita2);
    ui->Freq2->setText(frequenza2 ? Format(*frequenza2, QStringLiteral("###.000")) : QStringLiteral(" "));
    if (frequenza2)
        ui->Freq2->setToolTip(SelfCapacitanceNote(induttanza, Capacita2.ToDouble(), Diametro.ToDouble(),
                                                  Lunghezza.ToDouble(), NumSpire.ToDouble()));

    ui->FiloCm->setText(Format(Ricalcolo::Filo(Diametro, NumSpire, Lunghezza), QStringLiteral("##0.000")));
    ui->FiloCm->setToolTip(ui->Label3->toolTip());

    if (const std::optional<double> lato = Ricalcolo::LatoQuadro(Diametro)) {
        const Variante latoTesto =
            Variante(tr("lato cm ")) + Variante(Format(*lato, QStringLiteral("##0.0")));
        ui->Label9->setText(latoTesto.ToText());
        const double diagonale = Ricalcolo::DiagonaleQuadro(*lato);
        const Variante diagonaleTesto =
            Variante(tr("diagon. cm ")) + Variante(Format(diagonale, QStringLiteral("##0.0")));
        ui->Label10->setText(diagonaleTesto.ToText());
    } else {
        ui->Label9->setText(QString());
        ui->Label10->setText(QString());
    }
}

bool Form2::Passo(QLineEdit *campo, double passo, double limite)
{
    // A step starts from a coil: a field that cannot be one is refused first.
    Convalida();
    const double valore = Campo(campo).ToDouble();
    // Taken while the field stands short of the bound on the step's side.
    const bool ammesso = std::signbit(passo) ? valore > limite : valore < limite;
    if (!ammesso)
        return false;
    SetFieldText(campo, FormatLocaleNumber(Add(Campo(campo).ToDouble(), passo)));
    return true;
}

bool Form2::Agganciato() const
{
    return ui->Aggancia->checkState() == Qt::Checked;
}

// Square coils keep the length equal to the diameter.
void Form2::DopoDiametro()
{
    if (ui->Option6->isChecked())
        SetFieldText(ui->LunBob, ui->DiamSup->text());
}

// A new length with the same turns is a new spacing, so the lock lets go;
// square coils then carry the length over to the diameter.
void Form2::DopoLunghezza()
{
    if (Agganciato())
        CmdBlock_Click();
    if (ui->Option6->isChecked())
        SetFieldText(ui->DiamSup, ui->LunBob->text());
}

// Locked, the coil keeps the spacing of the last recalculation and its length
// follows the turns.
void Form2::DopoSpire()
{
    if (Agganciato()) {
        const double lunghezza = Multiply(Campo(ui->Spire).ToDouble(), Spaziatura.ToDouble());
        SetFieldText(ui->LunBob, FormatLocaleNumber(lunghezza));
    }
}

void Form2::CmdCalc_Click()
{
    Ricalcola();
}

void Form2::Cmdmeno1_Click()
{
    if (ui->Option1->isChecked()) {
        Passo(ui->DiamSup, -1, kDiametro.sotto);
        DopoDiametro();
    } else if (ui->Option2->isChecked()) {
        Passo(ui->LunBob, -1, kLunghezza.sotto);
        DopoLunghezza();
    } else if (ui->Option3->isChecked()) {
        Passo(ui->Spire, -1, kSpire.sotto);
        DopoSpire();
    } else if (ui->Option4->isChecked()) {
        Passo(ui->Cap1, -1, kCapacita.sotto);
    } else if (ui->Option5->isChecked()) {
        Passo(ui->Cap2, -1, kCapacita.sotto);
    }
    Ricalcola();
}

void Form2::Cmdpiu1_Click()
{
    if (ui->Option1->isChecked()) {
        Passo(ui->DiamSup, 1, kDiametro.sopra);
        DopoDiametro();
    } else if (ui->Option2->isChecked()) {
        Passo(ui->LunBob, 1, kLunghezza.sopra);
        DopoLunghezza();
    } else if (ui->Option3->isChecked()) {
        Passo(ui->Spire, 1, kSpire.sopra);
        DopoSpire();
    } else if (ui->Option4->isChecked()) {
        Passo(ui->Cap1, 1, kCapacita.sopra);
    } else if (ui->Option5->isChecked()) {
        Passo(ui->Cap2, 1, kCapacita.sopra);
    }
    Ricalcola();
}

// The half-millimetre steps fine-tune the diameter alone: no selection, no
// square-coil copy.
void Form2::meno05_Click()
{
    Passo(ui->DiamSup, -0.5, kDiametro.sotto);
    Ricalcola();
}

void Form2::piu05_Click()
{
    Passo(ui->DiamSup, 0.5, kDiametro.sopra);
    Ricalcola();
}

void Form2::meno10a_Click()
{
    const bool fatto = Passo(ui->DiamSup, -10, kDiametro.sotto10);
    ui->Option1->setChecked(true);
    DopoDiametro();
    if (fatto)
        Ricalcola();
}

void Form2::piu10a_Click()
{
    const bool fatto = Passo(ui->DiamSup, 10, kDiametro.sopra);
    ui->Option1->setChecked(true);
    DopoDiametro();
    if (fatto)
        Ricalcola();
}

void Form2::meno10b_Click()
{
    Passo(ui->LunBob, -10, kLunghezza.sotto10);
    DopoLunghezza();
    ui->Option2->setChecked(true);
    Ricalcola();
}

void Form2::piu10b_Click()
{
    Passo(ui->LunBob, 10, kLunghezza.sopra);
    DopoLunghezza();
    ui->Option2->setChecked(true);
    Ricalcola();
}

void Form2::meno10c_Click()
{
    Passo(ui->Spire, -10, kSpire.sotto10);
    DopoSpire();
    ui->Option3->setChecked(true);
    Ricalcola();
}

void Form2::piu10c_Click()
{
    Passo(ui->Spire, 10, kSpire.sopra);
    DopoSpire();
    ui->Option3->setChecked(true);
    Ricalcola();
}

void Form2::meno10d_Click()
{
    if (Passo(ui->Cap1, -10, kCapacita.sotto10))
        Ricalcola();
    ui->Option4->setChecked(true);
}

void Form2::piu10d_Click()
{
    if (Passo(ui->Cap1, 10, kCapacita.sopra))
        Ricalcola();
    ui->Option4->setChecked(true);
}

void Form2::meno10e_Click()
{
    if (Passo(ui->Cap2, -10, kCapacita.sotto10))
        Ricalcola();
    ui->Option5->setChecked(true);
}

void Form2::piu10e_Click()
{
    if (Passo(ui->Cap2, 10, kCapacita.sopra))
        Ricalcola();
    ui->Option5->setChecked(true);
}

void Form2::DiamSup_Click()
{
    ui->Option1->setChecked(true);
}

void Form2::LunBob_Click()
{
    ui->Option2->setChecked(true);
    if (Agganciato())
        CmdBlock_Click();
}

void Form2::Spire_Click()
{
    ui->Option3->setChecked(true);
}

void Form2::Cap1_Click()
{
    ui->Option4->setChecked(true);
}

void Form2::Cap2_Click()
{
    ui->Option5->setChecked(true);
}

void Form2::Aggancia_Click()
{
    switch (ui->Aggancia->checkState()) {
    case Qt::Checked:
        ui->Image1->setVisible(false);
        ui->Image2->setVisible(true);
        ui->Aggancia->setText(tr("Spaziatura agganciata"));
        ui->Spire->setFocus();
        break;
    case Qt::Unchecked:
        ui->Image2->setVisible(false);
        ui->Image1->setVisible(true);
        ui->Aggancia->setText(tr("Spaziatura sganciata"));
        break;
    default:
        break;
    }
}

void Form2::CmdBlock_Click()
{
    switch (ui->Aggancia->checkState()) {
    case Qt::Unchecked:
        ui->Aggancia->setCheckState(Qt::Checked);
        ui->Image1->setVisible(false);
        ui->Image2->setVisible(true);
        ui->Spire->setFocus();
        break;
    case Qt::Checked:
        ui->Aggancia->setCheckState(Qt::Unchecked);
        ui->Image2->setVisible(false);
        ui->Image1->setVisible(true);
        break;
    default:
        break;
    }
}

void Form2::Cmdesci_Click()
{
    Unload();
}

void Form2::CmdScheda_Click()
{
    if (!m_scheda)
        m_scheda = std::make_unique<SchedaBobina>(tr("progettista"), HelpPage() + QStringLiteral("#scheda"),
                                                  tr("Vuoto: le due frequenze del progettista, "
                                                     "con la capacità 1 e con la capacità 2."));
    SpingiScheda();
    m_scheda->Apri(Window());
}

void Form2::SpingiScheda() noexcept
{
    if (!m_scheda)
        return;
    BobinaSeguita bobina;
    Guard([&] {
        // The fields were read without a fault by the recalculation that pushes them.
        bobina.diametroMm = Diametro.ToDouble();
        bobina.lunghezzaMm = Lunghezza.ToDouble();
        bobina.spire = NumSpire.ToDouble();
        const double induttanza = Ricalcolo::Induttanza(Diametro, NumSpire, Lunghezza);
        for (const Variante &capacita : {Capacita1, Capacita2})
            if (const std::optional<double> frequenza = Ricalcolo::Frequenza(induttanza, capacita))
                bobina.frequenzeMhz << *frequenza;
        m_scheda->Segui(bobina);
    });
}

void Form2::SpingiScheda(const QString &nessunaBobina) noexcept
{
    if (!m_scheda)
        return;
    BobinaSeguita bobina;
    bobina.nessunaBobina = nessunaBobina;
    Guard([&] { m_scheda->Segui(bobina); });
}
