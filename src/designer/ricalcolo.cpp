// SPDX-License-Identifier: GPL-3.0-or-later
#include "designer/ricalcolo.h"

#include "numbers/checkedmath.h"
#include "numbers/runtimeerror.h"

namespace Ricalcolo {

double Spaziatura(const Variante &lunghezza, const Variante &spire)
{
    const double l = lunghezza.ToDouble();
    const double n = spire.ToDouble();
    try {
        return Divide(l, n);
    } catch (const RuntimeError &error) {
        // Only 0 turns make the division fail.
        throw error.withDetail(spire.Causa());
    }
}

double Induttanza(const Variante &diametro, const Variante &spire, const Variante &lunghezza)
{
    const double d = diametro.ToDouble();
    const double n = spire.ToDouble();
    const double l = lunghezza.ToDouble();
    const double numeratore = Multiply(Power(d, 2), Power(n, 2));
    const double denominatore = Add(l, Multiply(0.45, d));
    return Multiply(Divide(numeratore, denominatore), 0.001);
}

std::optional<double> Frequenza(double induttanza, const Variante &capacita)
{
    if (!(capacita.ToDouble() > 0))
        return std::nullopt;
    return Sqr(Divide(25330, Multiply(induttanza, capacita.ToDouble())));
}

double Filo(const Variante &diametro, const Variante &spire, const Variante &lunghezza)
{
    const double assiale = Power(Divide(lunghezza.ToDouble(), 10), 2);
    const double giri =
        Multiply(Multiply(9.8696, Power(spire.ToDouble(), 2)), Power(Divide(diametro.ToDouble(), 10), 2));
    return Divide(Sqr(Add(assiale, giri)), 100);
}

std::optional<double> LatoQuadro(const Variante &diametro)
{
    if (!(diametro.ToDouble() >= 250))
        return std::nullopt;
    const double d = diametro.ToDouble();
    return Divide(Sqr(Multiply(Divide(d, 4), Multiply(3.14, d))), 10);
}

double DiagonaleQuadro(double lato)
{
    return Multiply(Sqr(2), lato);
}

} // namespace Ricalcolo
