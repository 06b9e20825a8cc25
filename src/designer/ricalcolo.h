// SPDX-License-Identifier: GPL-3.0-or-later
// The designer's coil arithmetic, one function per result in the order the
// window shows them, so that the window can write each result as soon as it is
// known. Inputs are the window's values as they stand (text from the fields is
// read by the user's locale where a formula first uses it); every operation is
// checked, so a formula that is undefined for its inputs raises its run-time
// error at that step.
#pragma once

#include "designer/variante.h"

#include <optional>

namespace Ricalcolo {

// Turn spacing s = L / N in mm.
double Spaziatura(const Variante &lunghezza, const Variante &spire);

// Inductance in µH of a single-layer coil, D and L in mm:
// ((D² × N²) / (L + 0.45 × D)) × 0.001.
double Induttanza(const Variante &diametro, const Variante &spire, const Variante &lunghezza);

// Resonant frequency in MHz with a capacitance in pF: √(25330 / (Lµ × C)),
// where 25330 stands for 10⁶ / 4π². None when C is not above 0.
std::optional<double> Frequenza(double induttanza, const Variante &capacita);

// Wire to cut, in metres: the helix on the former,
// √((L / 10)² + 9.8696 × N² × (D / 10)²) / 100 with lengths taken in cm.
double Filo(const Variante &diametro, const Variante &spire, const Variante &lunghezza);

// Side in cm of the square with the same area as the former's cross-section,
// √((D / 4) × (3.14 × D)) / 10, for formers of 250 mm and more; none below.
std::optional<double> LatoQuadro(const Variante &diametro);

// Diagonal of that square in cm: √2 × side.
double DiagonaleQuadro(double lato);

} // namespace Ricalcolo
