// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet/graficoscheda.h"

#include "sheet/curvescheda.h"

#include <QAreaSeries>
#include <QChart>
#include <QGraphicsLayout>
#include <QGraphicsLineItem>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QLogValueAxis>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

const QColor kColoreQ(0, 70, 170);
const QColor kColoreR(190, 60, 0);
const QColor kColoreL(0, 125, 50);
// The region where the figures grow uncertain lightly, the one past the resonance more strongly.
const QColor kColoreIncerta(150, 150, 150, 55);
const QColor kColoreOltre(110, 110, 110, 130);

// The runs of a figure across the points, each without a gap.
QList<QList<QPointF>> Tratti(const QList<PuntoCurva> &punti,
                             const std::function<std::optional<double>(const PuntoCurva &)> &figura)
{
    QList<QList<QPointF>> tratti;
    bool aperto = false;
    for (const PuntoCurva &punto : punti) {
        const std::optional<double> valore = figura(punto);
        if (!valore) {
            aperto = false;
            continue;
        }
        if (!aperto)
            tratti.append(QList<QPointF>());
        aperto = true;
        tratti.last().append(QPointF(punto.mhz, *valore));
    }
    return tratti;
}

// The smallest and largest value of a figure over the points, if it has any.
std::optional<std::pair<double, double>>
Estremi(const QList<PuntoCurva> &punti,
        const std::function<std::optional<double>(const PuntoCurva &)> &figura)
{
    std::optional<std::pair<double, double>> estremi;
    for (const PuntoCurva &punto : punti)
        if (const std::optional<double> v = figura(punto))
            estremi = estremi ? std::pair(std::min(estremi->first, *v), std::max(estremi->second, *v))
                              : std::pair(*v, *v);
    return estremi;
}

// Each change of an axis or a series lays the chart out again: only what differs is written.
void Intervallo(QAbstractAxis *asse, double minimo, double massimo)
{
    if (asse->property("min").toDouble() != minimo || asse->property("max").toDouble() != massimo)
        asse->setRange(minimo, massimo);
}

void Sostituisci(QXYSeries *serie, const QList<QPointF> &punti)
{
    if (serie->points() != punti)
        serie->replace(punti);
}

// A linear axis from zero to above `massimo`, ending on a round step (1, 2 or
// 5 times a power of ten) with five steps at most, so that it moves only when
// the figure crosses a step.
void DaZero(QValueAxis *asse, double massimo)
{
    double passo = std::pow(10.0, std::floor(std::log10(massimo / 5)));
    for (const double volte : {1.0, 2.0, 5.0, 10.0})
        if (massimo / (passo * volte) <= 5) {
            passo *= volte;
            break;
        }
    const int passi = std::max(1, int(std::ceil(massimo / passo - 1e-9)));
    Intervallo(asse, 0, passi * passo);
    if (asse->tickCount() != passi + 1)
        asse->setTickCount(passi + 1);
}

void Colora(QAbstractAxis *asse, const QColor &colore)
{
    asse->setLabelsColor(colore);
    asse->setTitleBrush(colore);
    asse->setLinePenColor(colore);
}

} // namespace

GraficoScheda::GraficoScheda(QWidget *parent)
    // The view owns the chart, the chart its axes and series. The chart is given as the view is made: a
    // view made without one makes a chart of its own, which setChart would leave behind undeleted.
    : QChartView(new QChart, parent)
    , m_chart(chart())
    , m_asseF(new QLogValueAxis)
    , m_asseQ(new QValueAxis)
    , m_asseR(new QLogValueAxis)
    , m_asseL(new QValueAxis)
    , m_asseAltezza(new QValueAxis)
{
    setRenderHint(QPainter::Antialiasing);
    setFocusPolicy(Qt::NoFocus);
    setFrameShape(QFrame::NoFrame);
    // The curves span the plot: one rectangle around what changed redraws as much, and its plain clip
    // draws the grid's lines far faster than the region of many rectangles the minimal update makes.
    setViewportUpdateMode(QGraphicsView::BoundingRectViewportUpdate);
    m_chart->setBackgroundRoundness(0);
    m_chart->setMargins(QMargins(2, 2, 2, 0));
    m_chart->layout()->setContentsMargins(0, 0, 0, 0);
    m_chart->setPlotAreaBackgroundBrush(Qt::white);
    m_chart->setPlotAreaBackgroundVisible(true);
    m_chart->setLocalizeNumbers(true);
    m_chart->legend()->setAlignment(Qt::AlignTop);
    m_chart->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);

    m_asseF->setBase(10);
    m_asseF->setLabelFormat(QStringLiteral("%.4g"));
    m_asseF->setMinorTickCount(8); // 2, 3 ... 9 within each decade
    // Solid grid lines: dashed ones, stroked dash by dash, took most of a redraw.
    m_asseF->setGridLinePen(QPen(QColor(205, 205, 205), 1));
    m_asseF->setMinorGridLinePen(QPen(QColor(232, 232, 232), 1));
    m_asseF->setTitleText(tr("Frequenza (MHz)"));
    m_asseQ->setLabelFormat(QStringLiteral("%.4g"));
    m_asseQ->setTitleText(tr("Q a vuoto"));
    m_asseQ->setGridLinePen(QPen(QColor(205, 205, 205), 1));
    Colora(m_asseQ, kColoreQ);
    m_asseR->setBase(10);
    m_asseR->setLabelFormat(QStringLiteral("%.4g"));
    m_asseR->setTitleText(tr("R in alta frequenza (Ω)"));
    m_asseR->setGridLineVisible(false);
    Colora(m_asseR, kColoreR);
    m_asseL->setLabelFormat(QStringLiteral("%.4g"));
    m_asseL->setTitleText(tr("L apparente (µH)"));
    m_asseL->setGridLineVisible(false);
    Colora(m_asseL, kColoreL);
    m_asseAltezza->setRange(0, 1);
    m_asseAltezza->setVisible(false);
    m_chart->addAxis(m_asseF, Qt::AlignBottom);
    m_chart->addAxis(m_asseQ, Qt::AlignLeft);
    m_chart->addAxis(m_asseR, Qt::AlignRight);
    m_chart->addAxis(m_asseL, Qt::AlignRight);
    m_chart->addAxis(m_asseAltezza, Qt::AlignLeft);

    // Beneath the curves, in the order they are drawn: the shaded regions, then the marks.
    m_incerta = NuovaZona(kColoreIncerta, tr("figure incerte"));
    m_oltre = NuovaZona(kColoreOltre, tr("oltre la risonanza"));
    QPen segno(QColor(60, 60, 60), 1, Qt::DashLine);
    m_marcatori = {m_asseAltezza, segno, tr("frequenze della scheda"), {}};
    m_q = {m_asseQ, QPen(kColoreQ, 2), tr("Q"), {}};
    m_r = {m_asseR, QPen(kColoreR, 2), tr("R (Ω)"), {}};
    m_l = {m_asseL, QPen(kColoreL, 2), tr("L apparente (µH)"), {}};
    for (Curva *curva : {&m_marcatori, &m_q, &m_r, &m_l})
        curva->tratti << NuovaSerie(curva->penna, curva->nome, curva->asse, true);
    ApplicaCaratteri();
    m_chart->setBackgroundBrush(palette().window());
}

GraficoScheda::~GraficoScheda() = default;

QLineSeries *GraficoScheda::NuovaSerie(const QPen &penna, const QString &nome, QAbstractAxis *asseY,
                                       bool inLegenda)
{
    auto *serie = new QLineSeries;
    serie->setPen(penna);
    serie->setName(nome);
    m_chart->addSeries(serie);
    serie->attachAxis(m_asseF);
    serie->attachAxis(asseY);
    if (!inLegenda)
        Voce(m_chart->legend()->markers(serie).constFirst(), false);
    return serie;
}

QAreaSeries *GraficoScheda::NuovaZona(const QColor &colore, const QString &nome)
{
    auto *zona = new QAreaSeries(new QLineSeries(this), new QLineSeries(this));
    zona->setName(nome);
    zona->setBrush(colore);
    zona->setPen(Qt::NoPen);
    m_chart->addSeries(zona);
    zona->attachAxis(m_asseF);
    zona->attachAxis(m_asseAltezza);
    // In the legend, the colour the region shows over the white plot, in a square drawn whole.
    const double a = colore.alphaF();
    const auto suBianco = [a](int c) { return int(std::lround(255 - a * (255 - c))); };
    QLegendMarker *segno = m_chart->legend()->markers(zona).constFirst();
    segno->setBrush(QColor(suBianco(colore.red()), suBianco(colore.green()), suBianco(colore.blue())));
    segno->setPen(QPen(QColor(110, 110, 110), 1));
    segno->setShape(QLegend::MarkerShapeRectangle);
    return zona;
}

// The region from `da` to `a` MHz over the whole height; none, with no entry in the legend, when empty.
void GraficoScheda::Zona(QAreaSeries *zona, double da, double a)
{
    const bool presente = a > da;
    Sostituisci(zona->upperSeries(), presente ? QList<QPointF>{{da, 1}, {a, 1}} : QList<QPointF>());
    Sostituisci(zona->lowerSeries(), presente ? QList<QPointF>{{da, 0}, {a, 0}} : QList<QPointF>());
    Voce(m_chart->legend()->markers(zona).constFirst(), presente);
}

// The runs replace the points of the curve's series; a curve with more runs
// than ever before gets a series more, and the ones left over are emptied.
void GraficoScheda::Traccia(Curva &curva, const QList<QList<QPointF>> &tratti)
{
    while (curva.tratti.size() < tratti.size())
        curva.tratti << NuovaSerie(curva.penna, curva.nome, curva.asse, false);
    for (int i = 0; i < curva.tratti.size(); ++i)
        Sostituisci(curva.tratti[i], i < tratti.size() ? tratti[i] : QList<QPointF>());
    Voce(m_chart->legend()->markers(curva.tratti.constFirst()).constFirst(), !tratti.isEmpty());
}

// An entry of the legend stands only for something drawn, and the legend closes
// up around the ones it hides. Whether an entry is hidden is kept on it: its
// own visibility reads false too while the chart is not on screen.
void GraficoScheda::Voce(QLegendMarker *segno, bool visibile)
{
    if (segno->property("nascosta").toBool() == !visibile)
        return;
    segno->setProperty("nascosta", !visibile);
    segno->setVisible(visibile);
    m_chart->legend()->layout()->invalidate();
}

void GraficoScheda::Mostra(const CurveScheda &curve)
{
    if (!m_chart->title().isEmpty())
        m_chart->setTitle(QString());
    MostraAssi(true);
    Intervallo(m_asseF, curve.daMhz, curve.aMhz);

    const auto q = [](const PuntoCurva &p) { return p.q; };
    const auto r = [](const PuntoCurva &p) { return p.rOhm; };
    const auto l = [](const PuntoCurva &p) { return p.lMicroH; };
    // Q from zero to above its peak; R over whole decades; L' from zero with
    // the low-frequency inductance at about two fifths of the height, so that
    // its rise towards the resonance shows (the rest of the rise is cut off).
    const auto estremiQ = Estremi(curve.punti, q);
    DaZero(m_asseQ, estremiQ ? estremiQ->second * 1.05 : 1);
    const auto estremiR = Estremi(curve.punti, r);
    const double decadeR = estremiR ? std::floor(std::log10(estremiR->first)) : 0;
    const double decadeFineR = estremiR ? std::ceil(std::log10(estremiR->second)) : 1;
    Intervallo(m_asseR, std::pow(10.0, decadeR), std::pow(10.0, std::max(decadeR + 1, decadeFineR)));
    const auto estremiL = Estremi(curve.punti, l);
    DaZero(m_asseL, estremiL ? estremiL->first * 2.5 : 1);

    Zona(m_incerta, curve.limiteMhz.value_or(0), curve.risonanzaMhz.value_or(0));
    Zona(m_oltre, curve.risonanzaMhz.value_or(0), curve.risonanzaMhz ? curve.aMhz : 0);
    QList<QList<QPointF>> segni;
    for (const double mhz : curve.marcatoriMhz)
        segni.append({{mhz, 0}, {mhz, 1}});
    Traccia(m_marcatori, segni);
    Traccia(m_q, Tratti(curve.punti, q));
    Traccia(m_r, Tratti(curve.punti, r));
    Traccia(m_l, Tratti(curve.punti, l));
    ConservaLinee(m_chart, QGraphicsItem::DeviceCoordinateCache);
}

// The grid's and the axes' lines stand still while the curves move: on screen
// each is drawn once into a picture of its own and copied from there at every
// redraw (DeviceCoordinateCache); on paper they are drawn as lines (NoCache).
void GraficoScheda::ConservaLinee(QGraphicsItem *elemento, QGraphicsItem::CacheMode modo)
{
    for (QGraphicsItem *figlio : elemento->childItems()) {
        if (figlio->type() == QGraphicsLineItem::Type && figlio->cacheMode() != modo)
            figlio->setCacheMode(modo);
        ConservaLinee(figlio, modo);
    }
}

void GraficoScheda::Svuota(const QString &perche)
{
    for (Curva *curva : {&m_marcatori, &m_q, &m_r, &m_l})
        Traccia(*curva, {});
    Zona(m_incerta, 0, 0);
    Zona(m_oltre, 0, 0);
    MostraAssi(false);
    if (m_chart->title() != perche)
        m_chart->setTitle(perche);
}

void GraficoScheda::MostraAssi(bool visibili)
{
    if (m_chart->legend()->isVisible() == visibili)
        return;
    for (QAbstractAxis *asse : {static_cast<QAbstractAxis *>(m_asseF), static_cast<QAbstractAxis *>(m_asseQ),
                                static_cast<QAbstractAxis *>(m_asseR), static_cast<QAbstractAxis *>(m_asseL)})
        asse->setVisible(visibili);
    m_chart->legend()->setVisible(visibili);
    m_chart->setPlotAreaBackgroundVisible(visibili);
}

void GraficoScheda::Disegna(QPainter *painter, const QRectF &dove)
{
    // On paper the chart stands on white, as the rest of the page.
    const QBrush sfondo = m_chart->backgroundBrush();
    m_chart->setBackgroundBrush(Qt::white);
    ConservaLinee(m_chart, QGraphicsItem::NoCache);
    render(painter, dove, viewport()->rect(), Qt::KeepAspectRatio);
    ConservaLinee(m_chart, QGraphicsItem::DeviceCoordinateCache);
    m_chart->setBackgroundBrush(sfondo);
}

// The chart's texts follow the window's font, a little smaller for the axes'
// figures; its background the window's colour.
void GraficoScheda::ApplicaCaratteri()
{
    const auto misura = [this](double punti) {
        QFont carattere = font();
        carattere.setPointSizeF(punti);
        return carattere;
    };
    for (QAbstractAxis *asse : m_chart->axes()) {
        asse->setLabelsFont(misura(7.5));
        asse->setTitleFont(misura(7.5));
    }
    m_chart->legend()->setFont(misura(7.5));
    m_chart->setTitleFont(misura(9));
    m_chart->setLocale(locale());
}

void GraficoScheda::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::LocaleChange)
        ApplicaCaratteri();
    else if (event->type() == QEvent::PaletteChange)
        m_chart->setBackgroundBrush(palette().window());
    QChartView::changeEvent(event);
}
