// SPDX-License-Identifier: GPL-3.0-or-later
// The exact inductance of a single-layer coil taken as a current sheet, to
// compare the classic millimetre formula with.
//
// Lorenz's formula for a uniformly wound cylindrical current sheet, written
// with Nagaoka's coefficient kN (H. Nagaoka, 1909; E. B. Rosa and F. W. Grover,
// "Formulas and Tables for the Calculation of Mutual and Self-Inductance",
// Bulletin of the Bureau of Standards 8, 1912; F. W. Grover, "Inductance
// Calculations", 1946):
//
//   L = μ0 · N² · π (D/2)² / ℓ · kN
//   kN = 4 / (3π k′) · [ (k′² / k²) (K(k) − E(k)) + E(k) − k ],
//   k² = D² / (D² + ℓ²),  k′ = √(1 − k²)
//
// with K and E the complete elliptic integrals of the first and second kind.
#pragma once

#include <optional>

// Nagaoka's coefficient for a coil of diameter D and length ℓ (any one unit);
// empty unless both are positive and finite and ℓ/D lies between 10⁻⁵ and 10⁶,
// where the elliptic integrals keep their precision (real coils lie far inside).
std::optional<double> NagaokaCoefficient(double diameter, double length);

// The current-sheet inductance in µH of N turns on diameter D and length ℓ in
// millimetres: 0.0001 · π² · N² · D² / ℓ · kN. Empty unless all three are
// positive and finite.
std::optional<double> CurrentSheetInductance(double diameterMm, double lengthMm, double turns);
