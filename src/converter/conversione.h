// SPDX-License-Identifier: GPL-3.0-or-later
// The diameter converter's formulas, as pure functions of quantities: the
// inductance of a single-layer coil, the turns that give an inductance for a
// length estimate, the cut to the tenth of a turn, the wire of the helix, and
// the inductance and spacing that the two scroll bars stand for. Each is
// evaluated in the order and precision the conversion needs, with the checked
// operations of foundation, so a fault raises its run-time error.
#pragma once

#include "numbers/quantity.h"

// A search gives up after this many passes; no real coil comes near it.
inline constexpr int kMaxSearchPasses = 10000;

// 0.45 × D, stored as a quantity: the diameter's share of the coil formula's
// denominator, mm.
Quantity DiameterTerm(Quantity diameter);

// Inductance in µH of N turns on a former of diameter D mm over a coil length
// ℓ mm: (N² × D²) ÷ (ℓ ⊕ [0.45 × D]) × 0.001, stored as a quantity.
Quantity CoilInductance(Quantity turns, Quantity diameter, Quantity length);

// Spacing in mm per turn: ℓ ÷ N, stored as a quantity.
Quantity Spacing(Quantity length, Quantity turns);

// The coil formula solved for the turns: √( L ⊗ (ℓ ⊕ [0.45 × D]) ÷ (D² × 0.001) )
// with L in µH, D mm and the length estimate ℓ mm, stored as a quantity.
Quantity TurnsForInductance(Quantity inductance, Quantity diameter, Quantity lengthEstimate);

// Turns cut down to the tenth of a turn: Int(10 ⊗ N) ÷ 10, stored as a quantity.
Quantity CutToTenth(Quantity turns);

// The value a scroll bar holds for a quantity counted in halves: 2 ⊗ q rounded
// to a 16-bit integer (half to even).
int Halves(Quantity value);

// Length in metres of the wire of the helix:
// √( (ℓ ÷ 10)² + N² × 9.8696 × (D ÷ 10)² ) ÷ 100, with D and ℓ in mm taken in
// cm (9.8696 stands for π²), stored as a quantity.
Quantity WireLength(Quantity turns, Quantity diameter, Quantity length);

// Inductance in µH of the coil the scroll bars hold on a former of diameter D
// mm: (D² × (v₁ ÷ 2)²) ÷ (D × 0.45 + v₂ ÷ 2) × 0.001, all in double precision,
// stored as a quantity. v₁ is twice the turns, v₂ twice the length in mm.
Quantity ScrollInductance(Quantity diameter, int turnsHalves, int lengthHalves);

// Spacing in mm per turn of the coil the scroll bars hold: v₂ ÷ v₁.
double ScrollSpacing(int turnsHalves, int lengthHalves);
