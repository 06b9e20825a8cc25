// SPDX-License-Identifier: GPL-3.0-or-later
#include "converter/form3.h"

#include "coil/accuracy.h"
#include "converter/conversione.h"
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

const char *const kLunghezzaDaCorreggere =
    QT_TRANSLATE_NOOP("Form3",
                      "La lunghezza della bobina di partenza deve essere maggiore di zero: "
                      "correggere il valore di \"Lunghezza bobina mm\" nei dati di partenza.");
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
}

void Form3::Command1_Click()
{
    // The sheet follows the new coil, also when the search stops half-way.
    const auto scheda = qScopeGuard([this] { SpingiScheda(); });
    // A text read only in part is refused before anything is written.
    std::array<double, 5> letti{};
    const std::array campi = Campi();
    for (std::size_t i = 0; i < campi.size(); ++i) {
        const std::optional<double> valore = ReadFieldNumber(campi[i]->text());
        if (!valore) {
            MsgBox(FieldRefusalMessage(campi[i]->accessibleName(), campi[i]->text()));
            return;
        }
        letti[i] = *valore;
    }
    // Inputs that are sure to end in a fault are refused before anything is written.
    if (letti[0] == 0) {
        MsgBox(RifiutoCampo(ui->TextSPI, tr("con 0 spire la spaziatura non si può calcolare.")));
        return;
    }
    if (!(letti[3] > 0)) {
        MsgBox(RifiutoCampo(ui->TextDIA2, tr("il nuovo diametro deve essere maggiore di zero.")));
        return;
    }
    // The accuracy notes describe the inductances this click computes; a
    // click that fails before them leaves none.
    ui->TextIND->setToolTip(QString());
    ui->LabelIND2->setToolTip(QString());
    m_scritti.clear();
    // A fault names the field behind it, and leaves no result of an earlier
    // coil beside the ones this click wrote.
    QLineEdit *causa = ui->TextSPI;
    try {
        Converti(letti, causa);
    } catch (const RuntimeError &error) {
        for (QWidget *risultato : std::initializer_list<QWidget *>{ui->TextIND, ui->LabelIND2, ui->LabelSPI,
                                                                   ui->LabelLUN, ui->LabelSPZ, ui->FiloCm}) {
            if (m_scritti.contains(risultato))
                continue;
            if (auto *campo = qobject_cast<QLineEdit *>(risultato))
                SetFieldText(campo, QString());
            else
                static_cast<QLabel *>(risultato)->clear();
            risultato->setToolTip(QString());
        }
        throw error.withDetail(Causa(causa));
    }
}

std::array<QLineEdit *, 5> Form3::Campi() const
{
    return {ui->TextSPI, ui->TextDIA1, ui->TextSPZ, ui->TextDIA2, ui->TextLUN};
}

QString Form3::Causa(const QLineEdit *campo) const
{
    return tr("Causa: \"%1\" vale %2.").arg(campo->accessibleName(), campo->text());
}

QString Form3::RifiutoCampo(const QLineEdit *campo, const QString &motivo) const
{
    return tr("Nel campo \"%1\" il testo \"%2\" non va bene: %3")
        .arg(campo->accessibleName(), campo->text(), motivo);
}

void Form3::Scrivi(QLabel *risultato, const QString &testo)
{
    risultato->setText(testo);
    m_scritti.insert(risultato);
}

void Form3::Converti(const std::array<double, 5> &letti, QLineEdit *&causa)
{
    std::array<Quantity, 3> SPI{};
    std::array<Quantity, 3> LUN{};
    Quantity SPZ;
    Quantity spirePrecedenti;

    // A number too large for a quantity names its own field.
    std::array<Quantity, 5> q{};
    for (std::size_t i = 0; i < q.size(); ++i) {
        causa = Campi()[i];
        q[i] = ToQuantity(letti[i]);
    }
    SPI[1] = q[0];
    DIA[1] = q[1];
    // What the box holds is replaced by the computed spacing below.
    SPZ = q[2];
    DIA[2] = q[3];
    LUN[1] = q[4];
    causa = ui->TextSPI;

    SetFieldText(ui->TextLUN, Format(LUN[1], FormatoLunghezza(LUN[1])));
    SPZ = Spacing(LUN[1], SPI[1]);
    SetFieldText(ui->TextSPZ, Format(SPZ, QStringLiteral("#0.00")));
    causa = ui->TextDIA1;
    IND[1] = CoilInductance(SPI[1], DIA[1], LUN[1]);
    SetFieldText(ui->TextIND, Format(IND[1], QStringLiteral("#,##0.000")));
    m_scritti.insert(ui->TextIND);
    ui->TextIND->setToolTip(
        AccuracyNote(FromQuantity(IND[1]), FromQuantity(DIA[1]), FromQuantity(LUN[1]), FromQuantity(SPI[1])));

    // Without a length the length estimate never grows and the search would
    // compute the same pass for ever.
    if (Compare(LUN[1], 0.0) <= 0) {
        MsgBox(tr(kLunghezzaDaCorreggere));
        return;
    }
    if (Compare(SPZ, 0.0) <= 0) {
        MsgBox(tr(kSpaziaturaDaCorreggere));
        return;
    }

    // The search: each pass solves the coil formula for the turns with the
    // length estimate of the pass before (none before the first), until the
    // new inductance reaches the departure one. The bars are written inside the
    // pass and their change notifications recompute the labels from the bars at once.
    causa = ui->TextDIA2;
    m_hasConversion = true;
    m_passi = 0;
    m_searching = true;
    const auto searchDone = qScopeGuard([this] { m_searching = false; });
    for (int pass = 1;; ++pass) {
        SPI[2] = TurnsForInductance(IND[1], DIA[2], LUN[2]);
        SPI[2] = CutToTenth(SPI[2]);
        // A pass that finds no more turns than the one before would repeat
        // itself for ever, its inductance still short: go on by a tenth of a turn.
        if (pass > 1 && SPI[2] <= spirePrecedenti)
            SPI[2] = spirePrecedenti + ToQuantity(0.1);
        Scrivi(ui->LabelSPI, Format(SPI[2], QStringLiteral("##0.00")));
        SetScrollValue(ui->VScroll1, Halves(SPI[2]));
        LUN[2] = SPI[2] * SPZ;
        Scrivi(ui->LabelLUN, Format(LUN[2], QStringLiteral("###")));
        SetScrollValue(ui->VScroll2, Halves(LUN[2]));
        IND[2] = CoilInductance(SPI[2], DIA[2], LUN[2]);
        Scrivi(ui->LabelIND2, Format(IND[2], QStringLiteral("#,##0.000")));
        ++m_passi;
        if (IND[2] >= IND[1]) {
            // Only the pass that reaches the inductance stays on the screen, so
            // only its coil gets the accuracy note, and the sheet.
            m_nuovaBobina = {FromQuantity(SPI[2]), FromQuantity(LUN[2])};
            ui->LabelIND2->setToolTip(AccuracyNote(FromQuantity(IND[2]), FromQuantity(DIA[2]),
                                                   FromQuantity(LUN[2]), FromQuantity(SPI[2])));
            break;
        }
        if (pass == kMaxSearchPasses) {
            MsgBox(tr(kRicercaInterrotta).arg(kMaxSearchPasses));
            return;
        }
        spirePrecedenti = SPI[2];
        // The half turn only lengthens the estimate; the next pass computes the turns afresh.
        SPI[2] = ToQuantity(Add(FromQuantity(SPI[2]), 0.5));
        LUN[2] = SPI[2] * SPZ;
    }

    // The wire is cut for the last coil that stayed below the departure
    // inductance; the labels and bars keep the pass that reached it.
    SPI[2] = spirePrecedenti;
    LUN[2] = SPI[2] * SPZ;
    const Quantity filo = WireLength(SPI[2], DIA[2], LUN[2]);
    Scrivi(ui->FiloCm, Format(filo, QStringLiteral("##0.000")));
}

void Form3::DimenticaNota()
{
    ui->TextIND->setToolTip(QString());
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

void Form3::RicalcolaScroll()
{
    // Inside the search the note and the sheet wait for the pass that stays on the screen.
    const auto scheda = qScopeGuard([this] {
        if (!m_searching)
            SpingiScheda();
    });
    if (!m_searching)
        ui->LabelIND2->setToolTip(QString());
    const int v1 = ui->VScroll1->value();
    const int v2 = ui->VScroll2->value();
    try {
        IND[2] = ScrollInductance(DIA[2], v1, v2);
        Scrivi(ui->LabelIND2, Format(IND[2], QStringLiteral("#,##0.000")));
        // The bars hold the turns and the length in halves.
        if (!m_searching)
            ui->LabelIND2->setToolTip(
                AccuracyNote(FromQuantity(IND[2]), FromQuantity(DIA[2]), v2 / 2.0, v1 / 2.0));
        Scrivi(ui->LabelSPI, Format(Divide(v1, 2.0), QStringLiteral("##0.00")));
        Scrivi(ui->LabelSPZ, Format(ScrollSpacing(v1, v2), QStringLiteral("#0.00")));
        Scrivi(ui->LabelLUN, Format(Divide(v2, 2.0), QStringLiteral("##0.0")));
        if (!m_searching)
            m_nuovaBobina = {v1 / 2.0, v2 / 2.0};
    } catch (const RuntimeError &error) {
        // The bars hold the turns and length found for the new diameter.
        throw error.withDetail(Causa(ui->TextDIA2));
    }
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
    if (m_hasConversion)
        bobina = {FromQuantity(DIA[2]), m_nuovaBobina[1], m_nuovaBobina[0], {}};
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
