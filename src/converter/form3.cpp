// SPDX-License-Identifier: GPL-3.0-or-later
#include "converter/form3.h"

#include "coil/accuracy.h"
#include "converter/conversione.h"
#include "numbers/campo.h"
#include "numbers/checkedmath.h"
#include "numbers/format.h"
#include "numbers/runtimeerror.h"
#include "numbers/val.h"
#include "sheet/schedabobina.h"
#include "toolkit/cutmark.h"
#include "toolkit/definition.h"
#include "toolkit/handlerguard.h"
#include "toolkit/messages.h"
#include "toolkit/program.h"

#include "ui_Form3.h"

#include <QKeyEvent>
#include <QScopeGuard>
#include <QShortcut>

namespace {

const char *const kSpaziaturaDaCorreggere = QT_TRANSLATE_NOOP(
    "Form3",
    "La spaziatura di partenza (lunghezza diviso spire) deve essere maggiore di zero: "
    "correggere il numero delle \"Spire\" o la \"Lunghezza bobina mm\" nei dati di partenza.");
const char *const kRicercaInterrotta = QT_TRANSLATE_NOOP(
    "Form3",
    "Dopo %1 tentativi la ricerca non ha raggiunto l'induttanza di partenza ed è stata interrotta: "
    "controllare i dati di partenza e il nuovo diametro.");

// The departure length written back with the decimals it has, up to the
// quantity's four, so that the next press reads the same coil: "###" for a
// whole number, as always, "##0.0" to "##0.0000" otherwise.
QString FormatoLunghezza(Quantity lunghezza)
{
    int decimali = 4;
    for (std::int64_t resto = lunghezza.raw(); decimali > 0 && resto % 10 == 0; resto /= 10)
        --decimali;
    if (decimali == 0)
        return QStringLiteral("###");
    return QStringLiteral("##0.") + QString(decimali, u'0');
}

// The character code a key press delivers: Ctrl with a letter gives the
// control character (Ctrl+A is 1), other keys their first character, 0 none.
int CharacterCode(const QKeyEvent *event)
{
    if ((event->modifiers() & Qt::ControlModifier) && event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z)
        return event->key() - Qt::Key_A + 1;
    const QString text = event->text();
    return text.isEmpty() ? 0 : text.front().unicode();
}

} // namespace

Form3::Form3() = default;

Form3::~Form3() = default;

QString Form3::HelpPage() const
{
    return QStringLiteral("convertitore.html");
}

void Form3::SetupWindow(QWidget *window)
{
    ui = std::make_unique<Ui::Form3>();
    ui->setupUi(window);
    ApplyFractionalFontSizes(window);
    // The window may grow, never shrink below its definition: every caption stays whole.
    window->setMinimumSize(window->size());

    // Screen readers name each box after its row and its column: the departure
    // coil on the left, the new one on the right.
    const QString partenza = ui->Label11->text();
    const QString nuovi = ui->Label12->text();
    const auto nome = [](const QLabel *riga, const QString &colonna) {
        return QStringLiteral("%1 (%2)").arg(riga->text(), colonna);
    };
    ui->TextIND->setAccessibleName(nome(ui->Label1, partenza));
    ui->TextDIA1->setAccessibleName(nome(ui->Label2, partenza));
    ui->TextSPI->setAccessibleName(nome(ui->Label3, partenza));
    ui->TextLUN->setAccessibleName(nome(ui->Label4, partenza));
    ui->TextSPZ->setAccessibleName(nome(ui->Label5, partenza));
    ui->LabelIND2->setAccessibleName(nome(ui->Label6, nuovi));
    ui->TextDIA2->setAccessibleName(nome(ui->Label7, nuovi));
    ui->LabelSPI->setAccessibleName(nome(ui->Label8, nuovi));
    ui->LabelLUN->setAccessibleName(nome(ui->Label9, nuovi));
    ui->LabelSPZ->setAccessibleName(nome(ui->Label10, nuovi));
    ui->VScroll1->setAccessibleName(tr("Regola %1").arg(nome(ui->Label8, nuovi)));
    ui->VScroll2->setAccessibleName(tr("Regola %1").arg(nome(ui->Label9, nuovi)));
    ui->FiloCm->setAccessibleName(ui->Label13->text());
    // The wire measured as the designer measures it; the sheet's is on the wire's centres.
    ui->Label13->setToolTip(
        tr("Il filo della bobina nuova misurato sul supporto, di diametro D, terminali "
           "esclusi. La scheda della bobina lo misura sui centri del filo (D più un filo): "
           "per questo dà un po' di più."));
    // Results can be selected with the mouse and copied with Ctrl+C.
    for (QLabel *risultato : {ui->LabelIND2, ui->LabelSPI, ui->LabelLUN, ui->LabelSPZ, ui->FiloCm})
        risultato->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    MarkCutResults({ui->TextIND, ui->TextLUN, ui->TextSPZ, ui->LabelIND2, ui->LabelSPI, ui->LabelLUN,
                    ui->LabelSPZ, ui->FiloCm});

    ConnectHandler(ui->Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
    ConnectHandler(ui->Command2, &QPushButton::clicked, this, &Form3::Command2_Click);
    ConnectHandler(ui->VScroll1, &QScrollBar::valueChanged, this, &Form3::VScroll1_Change);
    ConnectHandler(ui->VScroll2, &QScrollBar::valueChanged, this, &Form3::VScroll2_Change);
    ui->VScroll1->installEventFilter(this);
    ui->VScroll2->installEventFilter(this);
    // A departure inductance the user types over is no longer the one the
    // note describes.
    ConnectHandler(ui->TextIND, &QLineEdit::textEdited, this, &Form3::DimenticaNota);
    ConnectHandler(ui->TextDIA2, &QLineEdit::textEdited, this, &Form3::DimenticaConversione);
    ConnectHandler(ui->CmdScheda, &QPushButton::clicked, this, &Form3::CmdScheda_Click);
    ConnectHandler(new QShortcut(QKeySequence(Qt::Key_F2), window), &QShortcut::activated, this,
                   &Form3::CmdScheda_Click);

    ui->TextDIA2->setFocus();
}

void Form3::ReleaseWindow()
{
    // The sheet belongs to the window and closes with it.
    if (m_scheda)
        m_scheda->Unload();
    ui.reset();
}

void Form3::Form_Load()
{
    SetHelpFile(QStringLiteral("solenoria.hlp"));
    // The definition's numbers as this locale writes them, with the decimals they have.
    for (QLineEdit *campo : {ui->TextDIA1, ui->TextSPI, ui->TextLUN, ui->TextDIA2}) {
        const QString testo = campo->text();
        const qsizetype punto = testo.indexOf(u'.');
        campo->setText(QLocale().toString(Val(testo), 'f', punto < 0 ? 0 : int(testo.size() - punto - 1)));
    }
    // The departure column opens with the inductance and spacing of the coil it
    // shows; the new column, with no coil yet, shows no wire either.
    // The bars of a reopened window keep the last conversion's new diameter
    // only while the box shows it.
    Guard([this] {
        const Letti letti = Leggi();
        Partenza(letti);
        if (letti.nuovoDiametro != DIA[2])
            m_hasConversion = false;
    });
    ui->FiloCm->clear();
    m_colonna = false;
}

void Form3::Command1_Click()
{
    // A field that cannot be a coil is refused before anything is written, and
    // nothing of an earlier coil stays beside the fields.
    Letti letti;
    try {
        letti = Leggi();
    } catch (const RifiutoCampo &rifiuto) {
        for (QLineEdit *risultato : {ui->TextIND, ui->TextSPZ}) {
            SetFieldText(risultato, QString());
            risultato->setToolTip(QString());
        }
        SvuotaNuovi();
        SpingiScheda(rifiuto.testo);
        throw;
    }
    SvuotaNuovi();
    DIA[1] = letti.diametro;
    DIA[2] = letti.nuovoDiametro;
    IND[1] = Partenza(letti);
    // A fault names the field behind it and leaves the new column empty.
    try {
        Cerca(letti);
    } catch (const RuntimeError &error) {
        const RuntimeError conCausa = error.withDetail(Causa(ui->TextDIA2));
        SvuotaNuovi();
        SpingiScheda(RuntimeErrorText(conCausa));
        throw conCausa;
    }
}

Form3::Letti Form3::Leggi() const
{
    const auto campo = [](const QLineEdit *casella, Grandezza grandezza) {
        return ToQuantity(::Leggi(casella->accessibleName(), casella->text(), grandezza, Ammessi::Positivi,
                                  Precisione::Quantita));
    };
    // The spacing box only shows what the departure coil gives.
    Letti letti;
    letti.spire = campo(ui->TextSPI, Grandezza::Spire);
    letti.diametro = campo(ui->TextDIA1, Grandezza::Diametro);
    letti.nuovoDiametro = campo(ui->TextDIA2, Grandezza::Diametro);
    letti.lunghezza = campo(ui->TextLUN, Grandezza::Lunghezza);
    // Without a spacing the length estimate never grows, and the search would
    // compute the same pass for ever.
    letti.spaziatura = Spacing(letti.lunghezza, letti.spire);
    if (Compare(letti.spaziatura, 0.0) <= 0)
        throw RifiutoCampo{tr(kSpaziaturaDaCorreggere)};
    return letti;
}

QString Form3::Causa(const QLineEdit *campo) const
{
    return CausaCampi({{campo->accessibleName(), campo->text()}});
}

void Form3::SvuotaNuovi()
{
    m_colonna = false;
    for (QLabel *risultato : {ui->LabelIND2, ui->LabelSPI, ui->LabelLUN, ui->LabelSPZ, ui->FiloCm}) {
        risultato->clear();
        risultato->setToolTip(QString());
    }
}

Quantity Form3::Partenza(const Letti &letti)
{
    SetFieldText(ui->TextLUN, Format(letti.lunghezza, FormatoLunghezza(letti.lunghezza)));
    SetFieldText(ui->TextSPZ, Format(letti.spaziatura, QStringLiteral("#0.00")));
    const Quantity induttanza = CoilInductance(letti.spire, letti.diametro, letti.lunghezza);
    SetFieldText(ui->TextIND, Format(induttanza, QStringLiteral("#,##0.000")));
    ui->TextIND->setToolTip(AccuracyNote(FromQuantity(induttanza), FromQuantity(letti.diametro),
                                         FromQuantity(letti.lunghezza), FromQuantity(letti.spire)));
    return induttanza;
}

// The search: each pass solves the coil formula for the turns with the length
// estimate of the pass before (none before the first), until the new
// inductance reaches the departure one. The bars then hold the coil it
// reached, in half turns and half millimetres, and the new column shows that
// coil: the one a person winds and measures.
void Form3::Cerca(const Letti &letti)
{
    Quantity spire;
    Quantity lunghezza;
    Quantity spirePrecedenti;
    m_hasConversion = true;
    m_passi = 0;
    m_searching = true;
    const auto searchDone = qScopeGuard([this] { m_searching = false; });
    for (int pass = 1;; ++pass) {
        spire = CutToTenth(TurnsForInductance(IND[1], DIA[2], lunghezza));
        // A pass that finds no more turns than the one before would repeat
        // itself for ever, its inductance still short: go on by a tenth of a turn.
        if (pass > 1 && spire <= spirePrecedenti)
            spire = spirePrecedenti + ToQuantity(0.1);
        SetScrollValue(ui->VScroll1, Halves(spire));
        lunghezza = spire * letti.spaziatura;
        SetScrollValue(ui->VScroll2, Halves(lunghezza));
        IND[2] = CoilInductance(spire, DIA[2], lunghezza);
        ++m_passi;
        if (IND[2] >= IND[1])
            break;
        if (pass == kMaxSearchPasses) {
            SpingiScheda(tr(kRicercaInterrotta).arg(kMaxSearchPasses));
            MsgBox(tr(kRicercaInterrotta).arg(kMaxSearchPasses));
            return;
        }
        spirePrecedenti = spire;
        // The half turn only lengthens the estimate; the next pass computes the turns afresh.
        lunghezza = ToQuantity(Add(FromQuantity(spire), 0.5)) * letti.spaziatura;
    }
    m_searching = false;
    RicalcolaScroll();
}

void Form3::DimenticaNota()
{
    ui->TextIND->setToolTip(QString());
}

// Another new diameter typed: the column and the bars no longer describe a
// coil on it, so they wait for the next search.
void Form3::DimenticaConversione()
{
    m_hasConversion = false;
    SvuotaNuovi();
    SpingiScheda();
}

void Form3::Command2_Click()
{
    Unload();
}

void Form3::VScroll1_Change()
{
    if (m_hasConversion)
        RicalcolaScroll();
}

void Form3::VScroll2_Change()
{
    if (m_hasConversion)
        RicalcolaScroll();
}

void Form3::VScroll1_KeyPress(int KeyAscii)
{
    if (KeyAscii == 1)
        Program::instance().End();
}

void Form3::VScroll2_KeyPress(int KeyAscii)
{
    if (KeyAscii == 1)
        Program::instance().End();
}

// The new column from the bars: turns, length, spacing, inductance and wire
// of the one coil they hold.
void Form3::RicalcolaScroll()
{
    if (m_searching)
        return;
    SvuotaNuovi();
    const int v1 = ui->VScroll1->value();
    const int v2 = ui->VScroll2->value();
    const Quantity spire = ToQuantity(v1 / 2.0);
    const Quantity lunghezza = ToQuantity(v2 / 2.0);
    ui->LabelSPI->setText(Format(spire, QStringLiteral("##0.00")));
    ui->LabelLUN->setText(Format(lunghezza, QStringLiteral("##0.0")));
    if (v1 == 0) {
        // No turns, no coil: no inductance, spacing or wire to show.
        SpingiScheda(tr("Le barre non tengono spire: nessuna bobina."));
        return;
    }
    IND[2] = ScrollInductance(DIA[2], v1, v2);
    ui->LabelIND2->setText(Format(IND[2], QStringLiteral("#,##0.000")));
    ui->LabelIND2->setToolTip(AccuracyNote(FromQuantity(IND[2]), FromQuantity(DIA[2]),
                                           FromQuantity(lunghezza), FromQuantity(spire)));
    ui->LabelSPZ->setText(Format(ScrollSpacing(v1, v2), QStringLiteral("#0.00")));
    ui->FiloCm->setText(Format(WireLength(spire, DIA[2], lunghezza), QStringLiteral("##0.000")));
    ui->FiloCm->setToolTip(ui->Label13->toolTip());
    m_nuovaBobina = {FromQuantity(spire), FromQuantity(lunghezza)};
    m_colonna = true;
    SpingiScheda();
}

void Form3::CmdScheda_Click()
{
    if (!m_scheda)
        m_scheda = std::make_unique<SchedaBobina>(
            tr("convertitore"), HelpPage() + QStringLiteral("#scheda"),
            tr("Il convertitore non dà frequenze: scriverne una per le figure in alta frequenza."));
    SpingiScheda();
    m_scheda->Apri(Window());
}

// The new coil is the one the bars hold: turns and length in halves.
void Form3::SpingiScheda() noexcept
{
    if (!m_scheda || !ui)
        return;
    BobinaSeguita bobina;
    if (m_colonna)
        bobina = {FromQuantity(DIA[2]), m_nuovaBobina[1], m_nuovaBobina[0], {}, {}};
    else
        bobina.nessunaBobina =
            tr("Premere \"Ricalcola con nuovo Diametro\": la scheda descrive la bobina nuova.");
    Guard([&] { m_scheda->Segui(bobina); });
}

void Form3::SpingiScheda(const QString &nessunaBobina) noexcept
{
    if (!m_scheda || !ui)
        return;
    BobinaSeguita bobina;
    bobina.nessunaBobina = nessunaBobina;
    Guard([&] { m_scheda->Segui(bobina); });
}

bool Form3::eventFilter(QObject *watched, QEvent *event)
{
    if (ui && event->type() == QEvent::KeyPress && (watched == ui->VScroll1 || watched == ui->VScroll2)) {
        // Every key, 0 for one with no character; after it the bar does with the key what a bar does.
        const int code = CharacterCode(static_cast<QKeyEvent *>(event));
        const bool first = watched == ui->VScroll1;
        Guard([&] { first ? VScroll1_KeyPress(code) : VScroll2_KeyPress(code); });
    }
    return FormBase::eventFilter(watched, event);
}
