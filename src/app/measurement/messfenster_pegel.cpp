// Level entry in the measurement window: the start volumes, the manual and
// the voltage calibration, the track bars that set a row's volume.
#include "app/measurement/messfenster_intern.h"

#include "core/acoustics/physik_hoertest.h"
#include "core/settings/einstellungen.h"
#include "core/settings/frequenzgang.h"
#include "core/settings/pegeleingabe.h"
#include "core/shell/dialoge.h"
#include "core/tones/kvwave.h"
#include "platform/audio/abspieler.h"

#include <QFocusEvent>

// ---- Level entry ---------------------------------------------------------------------

void TForm2::Einstellungen_uebernehmen(Einstellungstyp& e, bool l)
{
    Messfenster_Eingaben ein;
    ein.modus = Form2_Modus;
    ein.links = l;
    for (int i = 1; i <= Zeilen; ++i) {
        ein.werte[size_t(i - 1)] = Edit[size_t(i)]->text();
        const int einheit = ComboBox[size_t(i)]->currentIndex();
        ein.einheiten[size_t(i - 1)] = einheit >= 0 ? einheit : e.Schallmesser[l ? 0 : 1][size_t(i - 1)];
    }
    ein.pegel_1000 = Edit[22]->text();
    const int v = ::Lautstaerkegruppe(Form2_Modus);
    Messfenster_in_Einstellungen(e, ein, l ? Lautstaerke_links[v] : Lautstaerke_rechts[v]);
    Form2_Messung_neu();
}

bool TForm2::FalscheZahleneingabe(QLineEdit* edit)
{
    if (!edit || Form2_Modus < 1 || Form2_Modus > 3 || Zahleingabe_richtig(edit->text()))
        return false;
    eingabemeldung_offen_ = true;
    dialoge().meldung(Symbol::Information, Knoepfe::Ok, Text_Zahl_Eingabefehler,
                      QStringLiteral("Eingabefehler"), Antwort::Ok);
    eingabemeldung_offen_ = false;
    edit->setFocus();
    return true;
}

bool TForm2::FalscheDezibeleingabe(QLineEdit* edit)
{
    if (!edit || Dezibeleingabe_richtig(edit->text()))
        return false;
    eingabemeldung_offen_ = true;
    dialoge().meldung(Symbol::Information, Knoepfe::Ok, Text_Dezibel_Eingabefehler,
                      QStringLiteral("Eingabefehler"), Antwort::Ok);
    eingabemeldung_offen_ = false;
    edit->setFocus();
    return true;
}

void TForm2::EditExit(int i)
{
    if (i == 22)
        FalscheDezibeleingabe(Edit[22]);
    else if (i >= 1 && i <= Zeilen)
        FalscheZahleneingabe(Edit[size_t(i)]);
}

bool TForm2::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::FocusOut && !eingabemeldung_offen_ && isVisible()) {
        // Leaving an edit inside the window; a message box or another window
        // taking the focus is no exit.
        const Qt::FocusReason grund = static_cast<QFocusEvent*>(e)->reason();
        if (grund != Qt::ActiveWindowFocusReason && grund != Qt::PopupFocusReason) {
            for (int i = 1; i <= 22; ++i) {
                if (o == Edit[size_t(i)]) {
                    EditExit(i);
                    break;
                }
            }
        }
    }
    return QMainWindow::eventFilter(o, e);
}

void TForm2::Abbrechen2Click()
{
    if (Form2_Modus == 0) {
        Ergebnisse_uebernommen = false;
        close();
        return;
    }
    sound_beenden();
    close();
    Einstellungen_von_Festplatte_holen();
}

void TForm2::StartKalibrierung1Click()
{
    if (Form2_Modus == 4 && !Automatik.Auto_laeuft)
        Auto1_start();
}

// ---- Volume --------------------------------------------------------------------------

void TForm2::TrackBar1Change()
{
    Trackbar_geaendert();
}
void TForm2::TrackBar2Change()
{
    Trackbar_geaendert();
}

void TForm2::Trackbar_geaendert()
{
    if (trackbar_setzt_)
        return;
    const uint32_t lautstaerke = uint32_t(TrackBar1->value() + 10 * TrackBar2->value());
    const int v = Lautstaerkegruppe();
    if (links()) {
        Lautstaerke_links[v][aktive_Zeile] = lautstaerke;
        SetWaveVolume(uint16_t(std::min<uint32_t>(lautstaerke, 65535)), 0);
    } else {
        Lautstaerke_rechts[v][aktive_Zeile] = lautstaerke;
        SetWaveVolume(0, uint16_t(std::min<uint32_t>(lautstaerke, 65535)));
    }
    if (Form2_Modus == 1 && aktive_Zeile != 0)
        Eine_Spannung_ausgeben(links(), aktive_Zeile);
}

void TForm2::Lautstaerke_in_Trackbar(uint32_t V)
{
    const uint32_t h = uint32_t(TrackBar1->maximum() / 2);
    const uint32_t grob_max = uint32_t(TrackBar2->maximum());
    int fein = 0;
    int grob = 0;
    if (V <= h) {
        fein = int(V);
        grob = 0;
    } else if (V > 10 * grob_max) {
        grob = int(grob_max);
        fein = int(V - 10 * grob_max);
    } else {
        fein = int(h);
        grob = int((V - h) / 10);
    }
    // Both bars are set first, then the volume they stand for is applied once.
    trackbar_setzt_ = true;
    TrackBar2->setValue(grob);
    TrackBar1->setValue(std::max(fein, TrackBar1->minimum()));
    trackbar_setzt_ = false;
    Trackbar_geaendert();
}

void TForm2::Eine_Spannung_ausgeben(bool l, int zeile)
{
    QString text;
    Eine_Messung_in_Anfangslautstaerke(zeile, l, l ? Lautstaerke_links[3] : Lautstaerke_rechts[3],
                                       Einstellungen, text);
    Edit[size_t(zeile)]->setText(text);
}
