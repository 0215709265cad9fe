#pragma once
// Process priority while the automatic calibration runs: raised, and back to
// what it was. Best effort: where the system does not allow raising it,
// nothing happens and nobody is told.
void Prozessprioritaet_hoch();
void Prozessprioritaet_normal();
