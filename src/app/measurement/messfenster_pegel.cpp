// Level entry in the measurement window: the start volumes, the manual and
// the voltage calibration, the track bars that set a row's volume.
#include "app/measurement/messfenster_intern.h"

#include "core/acoustics/physik_hoertest.h"
#include "core/calibration/lauter_ton.h"
#include "core/settings/eichzustand.h"
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
    if (!edit || Form2_Modus < 1 || Form2_Modus > 3)
        return false;
    const QString fehler = Zeileneingabe_Fehlertext(Form2_Modus, edit->text());
    if (fehler.isEmpty())
        return false;
    eingabemeldung_offen_ = true;
    dialoge().meldung(Symbol::Information, Knoepfe::Ok, fehler, tr("Eingabefehler"), Antwort::Ok);
    eingabemeldung_offen_ = false;
    edit->setFocus();
    return true;
}

bool TForm2::FalscheDezibeleingabe(QLineEdit* edit)
{
    if (!edit || Dezibeleingabe_richtig(edit->text()))
        return false;
    eingabemeldung_offen_ = true;
    dialoge().meldung(Symbol::Information, Knoepfe::Ok, Text_Dezibel_Eingabefehler(), tr("Eingabefehler"),
                      Antwort::Ok);
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
    const bool gezogen = TrackBar1->isSliderDown() || TrackBar2->isSliderDown();
    if (laut_pruefen_ && Form2_Modus >= 1 && Form2_Modus <= 3 && aktive_Zeile != 0) {
        const uint32_t jetzt = (links() ? Lautstaerke_links : Lautstaerke_rechts)[v][aktive_Zeile];
        const uint32_t bezug = gezogen ? std::min(laut_bezug_, jetzt) : jetzt;
        if (Lauter_Ton_pruefen(bezug, lautstaerke, Eichpunkt_der_Zeile(Einstellungen, links(), aktive_Zeile))
                .fragen) {
            // The question takes the mouse from the bar; the bar ends its drag.
            TrackBar1->setSliderDown(false);
            TrackBar2->setSliderDown(false);
            if (!Lauter_Ton_erlaubt(bezug, lautstaerke, links(), aktive_Zeile)) {
                Lautstaerke_in_Trackbar(jetzt);
                return;
            }
            laut_bezug_ = lautstaerke;
        } else if (!gezogen) {
            laut_bezug_ = lautstaerke;
        }
    }
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
    // A volume the program puts in place (the row's own, or the previous one
    // after a refused loud tone) was checked before and is no user's move.
    laut_pruefen_ = false;
    Trackbar_geaendert();
    laut_pruefen_ = true;
    laut_bezug_ = uint32_t(TrackBar1->value() + 10 * TrackBar2->value());
}

bool TForm2::Lauter_Ton_erlaubt(uint32_t alt, uint32_t neu, bool l, int zeile)
{
    const Laut_Entscheidung d = Lauter_Ton_pruefen(alt, neu, Eichpunkt_der_Zeile(Einstellungen, l, zeile));
    if (!d.fragen)
        return true;
    return dialoge().meldung(Symbol::Warnung, Knoepfe::OkAbbrechen, Lauter_Ton_Frage(d), Lauter_Ton_Titel(),
                             Antwort::Abbrechen) == Antwort::Ok;
}

void TForm2::Eichzustand_zeigen()
{
    //: %1 the state of the ear's calibration (kind and date)
    QString text = (links() ? tr("Kalibrierung links: %1") : tr("Kalibrierung rechts: %1"))
                       .arg(Eichzustand_text(Eichzustand_holen(Einstellungen, links())));
    if (Form2_Modus == 4)
        text =
            tr("Setzen Sie den Kopfhörer nicht auf: er liegt am Mikrofon, die Töne sind laut. %1").arg(text);
    Eichzustand_Label->setText(text);
}

void TForm2::Eine_Spannung_ausgeben(bool l, int zeile)
{
    QString text;
    Eine_Messung_in_Anfangslautstaerke(zeile, l, l ? Lautstaerke_links[3] : Lautstaerke_rechts[3],
                                       Einstellungen, text);
    Edit[size_t(zeile)]->setText(text);
}
