// SPDX-License-Identifier: GPL-3.0-or-later
// Screen readers and result labels: a label that carries the name of its
// caption would otherwise hide the figure it shows. The figure is given as the
// label's value (and description), the caption as its name.
#pragma once

// Installs the accessible interface for result labels; call once at start-up.
void InstallResultAccessibility();
