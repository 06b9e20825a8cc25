// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet/schedabobina.h"

#include "coil/sheetmath.h"
#include "numbers/runtimeerror.h"
#include "numbers/val.h"
#include "sheet/curvescheda.h"
#include "sheet/graficoscheda.h"
#include "toolkit/cutmark.h"
#include "toolkit/definition.h"
#include "toolkit/handlerguard.h"
#include "toolkit/messages.h"

#include "ui_SchedaBobina.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScopeGuard>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QTextDocument>

namespace {

// The sheet's inputs in the program's settings. The wire is kept in mm and its
// unit apart, so that it reads back under any locale.
const QString kFilo = QStringLiteral("SchedaBobina/filoMm");
const QString kCalibro = QStringLiteral("SchedaBobina/calibro");
const QString kConduttore = QStringLiteral("SchedaBobina/conduttore");
const QString kSupporto = QStringLiteral("SchedaBobina/supporto");
const QString kFrequenza = QStringLiteral("SchedaBobina/frequenzaMhz");
constexpr double kFiloIniziale = 0.4;

} // namespace

SchedaBobina::SchedaBobina(const QString &origine, const QString &paginaGuida, const QString &fonteFrequenze)
    : m_origine(origine)
    , m_pagina(paginaGuida)
    , m_fonte(fonteFrequenze)
{ }

SchedaBobina::~SchedaBobina() = default;

QString SchedaBobina::HelpPage() const
{
    return m_pagina;
}

void SchedaBobina::SetupWindow(QWidget *window)
{
    ui = std::make_unique<Ui::SchedaBobina>();
    ui->setupUi(window);
    ApplyFractionalFontSizes(window);
    window->setWindowTitle(QStringLiteral("%1 (%2)").arg(window->windowTitle(), m_origine));
    ui->LabelFonte->setText(m_fonte);

    // Each figure is read out under its caption and explains itself.
    const QList<QLabel *> valori = Valori();
    for (int i = 0; i < kFigure; ++i) {
        valori[i]->setToolTip(TooltipFor(Figura(i)));
        valori[i]->setText(QString());
        valori[i]->setAccessibleName(Didascalia(valori[i])->text());
    }
    ui->TextFilo->setAccessibleName(ui->LabelDidFilo->text().remove(u'&'));
    // A long reason for no coil is marked as cut and shown whole where the pointer rests.
    MarkCutResults({ui->LabelBobina});
    ui->TextFrequenza->setAccessibleName(ui->LabelDidFrequenza->text().remove(u'&'));

    ConnectHandler(ui->TextFilo, &QLineEdit::textEdited, this, &SchedaBobina::Salva);
    ConnectHandler(ui->TextFrequenza, &QLineEdit::textEdited, this, &SchedaBobina::Salva);
    ConnectHandler(ui->ComboCalibro, &QComboBox::activated, this, &SchedaBobina::Calibro_Change);
    ConnectHandler(ui->ComboConduttore, &QComboBox::activated, this, &SchedaBobina::Salva);
    ConnectHandler(ui->ComboSupporto, &QComboBox::activated, this, &SchedaBobina::Salva);
    ConnectHandler(ui->CmdCopia, &QPushButton::clicked, this, &SchedaBobina::CmdCopia_Click);
    ConnectHandler(ui->CmdStampa, &QPushButton::clicked, this, &SchedaBobina::CmdStampa_Click);
    ConnectHandler(ui->CmdChiudi, &QPushButton::clicked, this, &SchedaBobina::CmdChiudi_Click);
    ConnectHandler(new QShortcut(QKeySequence(Qt::Key_Escape), window), &QShortcut::activated, this,
                   &SchedaBobina::CmdChiudi_Click);
    ui->TextFilo->setFocus();
}

void SchedaBobina::ReleaseWindow()
{
    ui.reset();
}

// The inputs of the last run, or the defaults: 0.4 mm copper wire in air.
void SchedaBobina::Form_Load()
{
    const QSettings impostazioni;
    const auto indice = [&](const QString &chiave, const QComboBox *combo) {
        // The list's first choice for an index it does not have (no text there).
        const int i = impostazioni.value(chiave).toInt();
        return combo->itemText(i).isEmpty() ? 0 : i;
    };
    m_calibro = indice(kCalibro, ui->ComboCalibro);
    ui->ComboCalibro->setCurrentIndex(m_calibro);
    ui->ComboConduttore->setCurrentIndex(indice(kConduttore, ui->ComboConduttore));
    ui->ComboSupporto->setCurrentIndex(indice(kSupporto, ui->ComboSupporto));
    const double filo = impostazioni.value(kFilo).toDouble(); // 0 when there is none
    ui->TextFilo->setText(TestoFilo(filo > 0 ? filo : kFiloIniziale, Calibro(m_calibro)));
    // A remembered frequency as this locale writes it; one not above zero is warned of.
    const QVariant frequenza = impostazioni.value(kFrequenza);
    ui->TextFrequenza->setText(frequenza.isNull() ? QString() : QLocale().toString(frequenza.toDouble()));
    Aggiorna();
}

void SchedaBobina::Apri(QWidget *accanto)
{
    const bool aperta = IsLoaded() && Window()->isVisible();
    Show();
    if (aperta || !IsLoaded() || !accanto || !accanto->screen())
        return;
    const QRect schermo = accanto->screen()->availableGeometry();
    const QSize misura = Window()->frameGeometry().size().expandedTo(Window()->size());
    m_collocando = true;
    const auto fatto = qScopeGuard([this] { m_collocando = false; });
    // Where the user last put it, if it is still on the screen.
    const QPoint ricordata = QSettings().value(ChiavePosizione()).toPoint();
    if (QSettings().contains(ChiavePosizione()) && schermo.contains(QRect(ricordata, misura))) {
        Window()->move(ricordata);
        return;
    }
    // The farthest the sheet's corner may go with the whole sheet on the screen.
    const int ultimaX = std::max(schermo.left(), schermo.x() + schermo.width() - misura.width());
    const int ultimaY = std::max(schermo.top(), schermo.y() + schermo.height() - misura.height());
    QRect vicino = accanto->frameGeometry();
    const int destra = schermo.right() - vicino.right(), sinistra = vicino.left() - schermo.left();
    if (destra < misura.width() && sinistra < misura.width()
        && schermo.width() >= vicino.width() + misura.width()) {
        // Neither side has room, the screen has for both: the window steps aside, once.
        const int x = schermo.left() + (schermo.width() - vicino.width() - misura.width()) / 2;
        accanto->move(accanto->pos() + QPoint(x - vicino.left(), 0));
        vicino = accanto->frameGeometry();
    }
    // On the side with more room; pushed back onto the screen where it would leave it.
    const bool aDestra = schermo.right() - vicino.right() >= vicino.left() - schermo.left();
    const int x = aDestra ? vicino.right() + 1 : vicino.left() - misura.width();
    Window()->move(std::clamp(x, schermo.left(), ultimaX), std::clamp(vicino.top(), schermo.top(), ultimaY));
}

QString SchedaBobina::ChiavePosizione() const
{
    return QStringLiteral("SchedaBobina/posizione/") + m_pagina.section(u'.', 0, 0);
}

bool SchedaBobina::eventFilter(QObject *watched, QEvent *event)
{
    // Where the user puts the sheet, it opens the next time.
    if (IsLoaded() && watched == Window() && event->type() == QEvent::Move && !m_collocando
        && Window()->isVisible())
        QSettings().setValue(ChiavePosizione(), Window()->pos());
    return FormBase::eventFilter(watched, event);
}

void SchedaBobina::Segui(const BobinaSeguita &bobina)
{
    m_bobina = bobina;
    if (IsLoaded())
        Aggiorna();
}

// Reads the inputs, writes every figure, and says in the warning what was
// refused and what does not hold; without a coil, says why.
void SchedaBobina::Aggiorna()
{
    QStringList avvisi;
    const LetturaFilo filo = LeggiFilo(ui->TextFilo->text(), Calibro(ui->ComboCalibro->currentIndex()));
    if (!filo.mm)
        avvisi << filo.rifiuto;
    m_frequenze = m_bobina.frequenzeMhz;
    if (!ui->TextFrequenza->text().trimmed().isEmpty()) {
        const LetturaCampo mhz = LeggiFrequenza();
        m_frequenze.clear();
        if (mhz.valore)
            m_frequenze = {*mhz.valore};
        else
            avvisi << mhz.rifiuto;
    }
    const bool bobina = m_bobina.nessunaBobina.isEmpty();
    m_scheda = bobina ? CalcolaScheda(m_bobina, filo.mm, Conductor(ui->ComboConduttore->currentIndex()),
                                      Former(ui->ComboSupporto->currentIndex()), m_frequenze)
                      : Scheda{};
    ui->LabelBobina->setText(
        bobina ? DescriviBobina(m_bobina)
               : tr("Nessuna bobina: %1").arg(QString(m_bobina.nessunaBobina).replace(u'\n', u' ')));
    const QList<QLabel *> valori = Valori();
    for (int i = 0; i < kFigure; ++i)
        valori[i]->setText(m_scheda.figure[i]);
    ui->LabelQ->setToolTip(
        TooltipFor(Figura::Q)
        + (m_scheda.qSenzaRisonanza ? u'\n' + SourceNote(SheetFigure::QWithoutSelfResonance) : QString()));
    m_avvisi = (bobina ? QStringList() : QStringList{m_bobina.nessunaBobina}) + avvisi + m_scheda.avvisi;
    ui->LabelAvviso->setText(m_avvisi.join(u'\n'));
    if (!bobina)
        ui->Grafico->Svuota(tr("Nessun grafico: la finestra non mostra una bobina."));
    else if (!filo.mm)
        ui->Grafico->Svuota(tr("Nessun grafico senza il diametro del filo."));
    else if (m_scheda.figure[int(Figura::LClassica)].isEmpty())
        ui->Grafico->Svuota(tr("Nessun grafico: la finestra non ha una bobina."));
    else
        ui->Grafico->Mostra(CalcolaCurve({m_bobina.diametroMm, m_bobina.lunghezzaMm, m_bobina.spire, *filo.mm,
                                          Conductor(ui->ComboConduttore->currentIndex()),
                                          Former(ui->ComboSupporto->currentIndex())},
                                         m_frequenze));
}

LetturaCampo SchedaBobina::LeggiFrequenza() const
{
    return LeggiCampo(tr("Frequenza MHz"), ui->TextFrequenza->text(), Grandezza::Frequenza);
}

// Every input the user changes is kept at once, if it reads; then the sheet follows.
void SchedaBobina::Salva()
{
    QSettings impostazioni;
    impostazioni.setValue(kCalibro, ui->ComboCalibro->currentIndex());
    impostazioni.setValue(kConduttore, ui->ComboConduttore->currentIndex());
    impostazioni.setValue(kSupporto, ui->ComboSupporto->currentIndex());
    if (const LetturaFilo filo = LeggiFilo(ui->TextFilo->text(), Calibro(ui->ComboCalibro->currentIndex()));
        filo.mm)
        impostazioni.setValue(kFilo, *filo.mm);
    if (ui->TextFrequenza->text().trimmed().isEmpty())
        impostazioni.remove(kFrequenza);
    else if (const LetturaCampo mhz = LeggiFrequenza(); mhz.valore)
        impostazioni.setValue(kFrequenza, *mhz.valore);
    Aggiorna();
}

// A new unit carries the wire over: the same diameter, or the nearest gauge.
void SchedaBobina::Calibro_Change()
{
    const LetturaFilo filo = LeggiFilo(ui->TextFilo->text(), Calibro(m_calibro));
    m_calibro = ui->ComboCalibro->currentIndex();
    if (filo.mm)
        ui->TextFilo->setText(TestoFilo(*filo.mm, Calibro(m_calibro)));
    Salva();
}

QList<QLabel *> SchedaBobina::Valori() const
{
    return {ui->LabelLClassica, ui->LabelLNagaoka, ui->LabelLFilo,    ui->LabelLunghezzaFilo,
            ui->LabelPeso,      ui->LabelRdc,      ui->LabelCpropria, ui->LabelRisonanza,
            ui->LabelPelle,     ui->LabelRac,      ui->LabelQ,        ui->LabelLApparente};
}

// The caption of a figure's label: LabelDidXxx beside LabelXxx.
QLabel *SchedaBobina::Didascalia(const QLabel *valore) const
{
    return valore->parentWidget()->findChild<QLabel *>(QStringLiteral("LabelDid")
                                                       + valore->objectName().mid(5));
}

QList<RigaScheda> SchedaBobina::Righe() const
{
    const auto didascalia = [](const QLabel *etichetta) { return etichetta->text().remove(u'&'); };
    QStringList frequenze;
    for (const double mhz : m_frequenze)
        frequenze << FrequenzaScheda(mhz);
    // An empty frequency field stands for the window's frequencies.
    const bool finestra = ui->TextFrequenza->text().trimmed().isEmpty();
    const QString frequenza = frequenze.isEmpty() ? (finestra ? tr("nessuna") : QString())
        : finestra ? tr("%1 MHz (della finestra)").arg(frequenze.join(QStringLiteral(" · ")))
                   : tr("%1 MHz").arg(frequenze.first());
    QList<RigaScheda> righe{
        {didascalia(ui->LabelDidFilo),
         QStringLiteral("%1 %2").arg(ui->TextFilo->text(), ui->ComboCalibro->currentText())},
        {didascalia(ui->LabelDidConduttore), ui->ComboConduttore->currentText()},
        {didascalia(ui->LabelDidSupporto), ui->ComboSupporto->currentText()},
        {tr("Frequenza"), frequenza}};
    const QList<QLabel *> valori = Valori();
    for (int i = 0; i < kFigure; ++i) {
        if (Figura(i) < Figura::Pelle) { // one value for the coil
            righe.append({didascalia(Didascalia(valori[i])), valori[i]->text()});
            continue;
        }
        // One line per frequency: "Skin depth at 7.1 MHz: 24.8 µm".
        for (const FiguraAFrequenza &valore : m_scheda.aFrequenza[std::size_t(i)])
            righe.append(
                {tr("%1 a %2 MHz").arg(didascalia(Didascalia(valori[i])), FrequenzaScheda(valore.mhz)),
                 valore.valore});
        if (m_scheda.aFrequenza[std::size_t(i)].isEmpty())
            righe.append({didascalia(Didascalia(valori[i])), QString()});
    }
    return righe;
}

QString SchedaBobina::Testo() const
{
    if (!ui)
        return QString();
    return TestoScheda(ui->LabelBobina->text(), Righe(), m_avvisi, QDateTime::currentDateTime());
}

bool SchedaBobina::Stampa(QPrinter &printer) const
{
    // The sheet may have closed while its print dialog was open.
    return ui
        && StampaScheda(printer, Window()->windowTitle(), ui->LabelBobina->text(), Righe(), m_avvisi,
                        QDateTime::currentDateTime(), QLocale(), ui->Grafico);
}

void SchedaBobina::CmdCopia_Click()
{
    QGuiApplication::clipboard()->setText(Testo());
}

void SchedaBobina::CmdStampa_Click()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(Window()->windowTitle());
    QPrintDialog dialogo(&printer, Window());
    dialogo.setWindowTitle(tr("Stampa la scheda della bobina"));
    if (dialogo.exec() == QDialog::Accepted && !Stampa(printer))
        MsgBox(tr("La stampante non si apre: la scheda non è stata stampata."));
}

void SchedaBobina::CmdChiudi_Click()
{
    Unload();
}

bool StampaScheda(QPrinter &printer, const QString &titolo, const QString &bobina,
                  const QList<RigaScheda> &righe, const QStringList &avvisi, const QDateTime &quando,
                  const QLocale &locale, GraficoScheda *grafico)
{
    QString html = QStringLiteral("<h2>%1</h2><p>%2</p><p><b>%3</b> %4</p><table cellpadding=\"3\">")
                       .arg(titolo.toHtmlEscaped(), DataScheda(quando, locale).toHtmlEscaped(),
                            SchedaBobina::tr("Bobina:").toHtmlEscaped(), bobina.toHtmlEscaped());
    for (const RigaScheda &riga : righe)
        html += QStringLiteral("<tr><td align=\"right\">%1</td><td><b>%2</b></td></tr>")
                    .arg(riga.didascalia.toHtmlEscaped(),
                         riga.valore.toHtmlEscaped().replace(u'\n', QStringLiteral("<br>")));
    html += QStringLiteral("</table>");
    for (const QString &avviso : avvisi)
        html += QStringLiteral("<p style=\"color:#c00000\">%1</p>").arg(avviso.toHtmlEscaped());

    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRectF pagina = printer.pageRect(QPrinter::DevicePixel);
    QTextDocument documento;
    // Laid out at the screen's 96 dpi and scaled to the printer: the page is
    // as wide as the paper, and the whole sheet shrinks onto one page if needed.
    const double scala = printer.resolution() / 96.0;
    documento.setPageSize(QSizeF(pagina.width() / scala, 1e6));
    documento.setHtml(html);
    // The chart below the table, as wide as the page and as tall as its shape on screen.
    const QSizeF misuraGrafico = grafico && grafico->width() > 0
        ? QSizeF(documento.pageSize().width(),
                 documento.pageSize().width() * grafico->height() / double(grafico->width()))
        : QSizeF();
    const double altezza = (documento.size().height() + misuraGrafico.height()) * scala;
    const double riduzione = altezza > pagina.height() ? pagina.height() / altezza : 1.0;
    painter.scale(scala * riduzione, scala * riduzione);
    documento.drawContents(&painter);
    if (!misuraGrafico.isEmpty())
        grafico->Disegna(&painter, QRectF(QPointF(0, documento.size().height()), misuraGrafico));
    return painter.end();
}
