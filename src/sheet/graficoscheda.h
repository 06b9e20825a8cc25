// SPDX-License-Identifier: GPL-3.0-or-later
// The coil sheet's chart across frequency: draws what CalcolaCurve gives, the
// unloaded Q on the left, the RF resistance on a logarithmic axis and the
// apparent inductance on the right, over a logarithmic frequency axis, with
// the sheet's frequencies marked and the regions where the figures no longer
// hold shaded. The chart keeps its series and axes from one coil to the next
// and only replaces their points, so that it follows the designer step by step.
#pragma once

#include <QChartView>
#include <QGraphicsItem>
#include <QList>
#include <QPen>

class QAbstractAxis;
class QAreaSeries;
class QLegendMarker;
class QLineSeries;
class QLogValueAxis;
class QValueAxis;
struct CurveScheda;

class GraficoScheda : public QChartView
{
    Q_OBJECT
public:
    explicit GraficoScheda(QWidget *parent = nullptr);
    ~GraficoScheda() override;

    // Draws the curves of a coil.
    void Mostra(const CurveScheda &curve);
    // No curves: the chart empties and says why in one short sentence.
    void Svuota(const QString &perche);
    // The chart as it stands, drawn into a rectangle of another device (the printed page).
    void Disegna(QPainter *painter, const QRectF &dove);

protected:
    void changeEvent(QEvent *event) override;

private:
    // One curve: its runs without gaps, each a series of its own (a line
    // series cannot leave a gap), with one entry in the legend.
    struct Curva
    {
        QAbstractAxis *asse = nullptr;
        QPen penna;
        QString nome;
        QList<QLineSeries *> tratti;
    };
    void Traccia(Curva &curva, const QList<QList<QPointF>> &tratti);
    QLineSeries *NuovaSerie(const QPen &penna, const QString &nome, QAbstractAxis *asseY, bool inLegenda);
    QAreaSeries *NuovaZona(const QColor &colore, const QString &nome);
    void Zona(QAreaSeries *zona, double da, double a);
    void Voce(QLegendMarker *segno, bool visibile);
    void ApplicaCaratteri();
    void MostraAssi(bool visibili);
    static void ConservaLinee(QGraphicsItem *elemento, QGraphicsItem::CacheMode modo);

    QChart *m_chart;
    QLogValueAxis *m_asseF;
    QValueAxis *m_asseQ;
    QLogValueAxis *m_asseR;
    QValueAxis *m_asseL;
    // 0 to 1 over the plot's height, hidden: the shaded regions and the marks span it.
    QValueAxis *m_asseAltezza;
    QAreaSeries *m_incerta;
    QAreaSeries *m_oltre;
    Curva m_q, m_r, m_l, m_marcatori;
};
