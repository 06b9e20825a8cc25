// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet/schedabobina.h"

#include "numbers/runtimeerror.h"
#include "numbers/val.h"
#include "toolkit/definition.h"
#include "toolkit/handlerguard.h"
#include "toolkit/messages.h"

#include "ui_SchedaBobina.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
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

void SchedaBobina::Apri(const QWidget *accanto)
{
    const bool aperta = IsLoaded() && Window()->isVisible();
    Show();
    if (aperta || !IsLoaded() || !accanto || !accanto->screen())
        return;
    const QRect schermo = accanto->screen()->availableGeometry();
    const QRect vicino = accanto->frameGeometry();
    const QSize misura = Window()->frameGeometry().size();
    // The farthest the sheet's corner may go with the whole sheet on the screen.
    const int ultimaX = std::max(schermo.left(), schermo.x() + schermo.width() - misura.width());
    const int ultimaY = std::max(schermo.top(), schermo.y() + schermo.height() - misura.height());
    // On the side with more room; pushed back onto the screen where it would leave it.
    const bool destra = schermo.right() - vicino.right() >= vicino.left() - schermo.left();
    const int x = destra ? vicino.right() + 1 : vicino.left() - misura.width();
    Window()->move(std::clamp(x, schermo.left(), ultimaX), std::clamp(vicino.top(), schermo.top(), ultimaY));
}

void SchedaBobina::Segui(const BobinaSeguita &bobina)
{
    m_bobina = bobina;
    if (IsLoaded())
        Aggiorna();
}

// Reads the inputs, writes every figure, and says in the warning what was
// refused and what does not hold.
void SchedaBobina::Aggiorna()
{
    QStringList avvisi;
    const LetturaFilo filo = LeggiFilo(ui->TextFilo->text(), Calibro(ui->ComboCalibro->currentIndex()));
    if (!filo.mm)
        avvisi << filo.rifiuto;
    QList<double> frequenze = m_bobina.frequenzeMhz;
    if (const QString testo = ui->TextFrequenza->text().trimmed(); !testo.isEmpty()) {
        std::optional<double> mhz;
        try {
            mhz = ReadFieldNumber(testo);
        } catch (const RuntimeError &) {
            mhz.reset();
        }
        frequenze.clear();
        if (!mhz)
            avvisi << FieldRefusalMessage(ui->LabelDidFrequenza->text().remove(u'&'), testo);
        else if (!(*mhz > 0))
            avvisi << tr("La frequenza deve essere maggiore di zero.");
        else
            frequenze = {*mhz};
    }
    const Scheda scheda = CalcolaScheda(m_bobina, filo.mm, Conductor(ui->ComboConduttore->currentIndex()),
                                        Former(ui->ComboSupporto->currentIndex()), frequenze);
    ui->LabelBobina->setText(DescriviBobina(m_bobina));
    const QList<QLabel *> valori = Valori();
    for (int i = 0; i < kFigure; ++i)
        valori[i]->setText(scheda.figure[i]);
    m_avvisi = avvisi + scheda.avvisi;
    ui->LabelAvviso->setText(m_avvisi.join(u'\n'));
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
    const QString frequenza = ui->TextFrequenza->text().trimmed();
    std::optional<double> mhz;
    try {
        mhz = ReadFieldNumber(frequenza);
    } catch (const RuntimeError &) {
        mhz.reset();
    }
    if (frequenza.isEmpty())
        impostazioni.remove(kFrequenza);
    else if (mhz && *mhz > 0)
        impostazioni.setValue(kFrequenza, *mhz);
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
    const auto riga = [](const QLabel *didascalia, const QString &valore) {
        return RigaScheda{didascalia->text().remove(u'&'), valore};
    };
    QList<RigaScheda> righe{
        riga(ui->LabelDidFilo,
             QStringLiteral("%1 %2").arg(ui->TextFilo->text(), ui->ComboCalibro->currentText())),
        riga(ui->LabelDidConduttore, ui->ComboConduttore->currentText()),
        riga(ui->LabelDidSupporto, ui->ComboSupporto->currentText()),
        riga(ui->LabelDidFrequenza, ui->TextFrequenza->text())};
    // An empty frequency field stands for the window's frequencies.
    if (ui->TextFrequenza->text().trimmed().isEmpty()) {
        QStringList finestra;
        for (const double mhz : m_bobina.frequenzeMhz)
            finestra << QLocale().toString(mhz, 'f', 3);
        righe.last().valore = finestra.isEmpty()
            ? tr("nessuna")
            : tr("%1 (della finestra)").arg(finestra.join(QStringLiteral(" · ")));
    }
    for (const QLabel *valore : Valori())
        righe << riga(Didascalia(valore), valore->text());
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
                        QDateTime::currentDateTime());
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
                  const QLocale &locale)
{
    QString html =
        QStringLiteral("<h2>%1</h2><p>%2</p><p><b>%3</b> %4</p><table cellpadding=\"3\">")
            .arg(titolo.toHtmlEscaped(), locale.toString(quando, QLocale::LongFormat).toHtmlEscaped(),
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
    const double altezza = documento.size().height() * scala;
    const double riduzione = altezza > pagina.height() ? pagina.height() / altezza : 1.0;
    painter.scale(scala * riduzione, scala * riduzione);
    documento.drawContents(&painter);
    return painter.end();
}
