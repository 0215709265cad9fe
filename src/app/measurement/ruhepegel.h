#pragma once
// The room noise in the hearing test, while a microphone calibration is
// active (without one none of this records or shows anything). Before the
// first row of an ear the room is recorded for 3 s and the window
// "Ruhepegel" shows its octave-band levels 125 Hz … 8 kHz against the
// highest permissible ones (ruhepegel.h in core); a band above its limit
// brings a warning after which the user may go on. The recording then runs
// on while the measurement window is open: while a row's tone plays, about
// every second the octave band of the row's frequency is compared with its
// limit, and a row where it lay above is marked (a sign at its frequency and
// a status text). The capture thread only copies buffers; the analysis runs
// on the window thread, one FFT per recorded block, and never touches the
// player, so the tone's timing is that of the player alone.
#include "core/acoustics/pegelanzeige.h"

#include <QDialog>

class QLabel;
class TForm2;

// The measurement window's calls (hearing test only).
// Shown for an ear: the check before its first row is due, its marks shown.
void Ruhepegel_Sitzung_beginnt(TForm2* w, bool links);
// Before a row starts: runs the check when it is due; false when the row
// must not start (the check runs, or the user cancelled after the warning).
bool Ruhepegel_vor_Zeile(TForm2* w, bool links);
// After the row's tone was started (nothing when it did not start).
void Ruhepegel_Zeile_beginnt(TForm2* w, bool links, int zeile);
// The row was stopped; ton_lief: its tone played, so its result is new.
void Ruhepegel_Zeile_endet(TForm2* w, bool links, int zeile, bool ton_lief);
// The ear's results were cleared, and with them its marks: shown again.
void Ruhepegel_Ohr_leeren(TForm2* w, bool links);
// The window closes: the recording stops; verworfen: the ear's results were dropped.
void Ruhepegel_beenden(TForm2* w, bool links, bool verworfen);

// A row's finding: the octave band of its frequency above its limit while its tone played.
struct Ruhepegel_Befund {
    bool ueberschritten = false;
    int Band = -1;     // index into Oktavbaender_Hz
    double um_dB = 0;  // the largest excess of the one-second levels
};
// Read from the results store (Hoertest_Ruhepegel), so that it lives and goes
// with the row's result.
Ruhepegel_Befund Ruhepegel_Befund_von(bool links, int zeile);
// The status text of a marked row ("" when it is not marked).
QString Ruhepegel_Text(const Ruhepegel_Befund& b);

// "Ruhepegel": the octave-band levels of the room against the limits.
class TRuhepegel_Form : public QDialog
{
    Q_OBJECT
public:
    explicit TRuhepegel_Form(QWidget* parent);
    void zeigen(const Pegelwerte& w, bool links);

    QLabel* Ueberschrift = nullptr;
    QLabel* Ergebnis = nullptr;
    std::array<QLabel*, 7> Pegel{};
    std::array<QLabel*, 7> Grenze{};
    std::array<QLabel*, 7> Bewertung{};
};
