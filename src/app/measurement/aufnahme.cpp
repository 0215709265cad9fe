#include "app/measurement/aufnahme.h"

#include "app/measurement/einstellungen_messungen.h"
#include "core/acoustics/kv_fft.h"
#include "core/calibration/auto_kalibrierung.h"
#include "core/calibration/messmikrofon.h"
#include "core/settings/schallpegel.h"
#include "core/shell/dialoge.h"
#include "core/shell/meldungen.h"
#include "core/shell/prioritaet.h"
#include "platform/audio/aufnehmer.h"
#include "platform/audio/pegelmesser.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

bool Aufnahme_bereit = false;

namespace
{

Aufnehmer* aufnehmer = nullptr;
QPointer<Pegelmesser> messung;
QMetaObject::Connection puffer_verbindung;
// The main window's three timers that drive one measurement.
QPointer<QTimer> timer_puffer;
QPointer<QTimer> timer_ende;
QPointer<QTimer> timer_start;

// The recorder's buffers wake Timer1 of the main window.
void verbinden()
{
    QObject::disconnect(puffer_verbindung);
    if (messung)
        messung->aufnehmer_setzen(aufnehmer);
    if (aufnehmer && timer_puffer)
        puffer_verbindung =
            QObject::connect(aufnehmer, &Aufnehmer::Puffer_da, timer_puffer, qOverload<>(&QTimer::start));
}

} // namespace

void Aufnehmer_einsetzen(Aufnehmer* a)
{
    if (a != aufnehmer)
        Aufnahme_bereit = false;
    aufnehmer = a;
    verbinden();
}

Aufnehmer* Aufnehmer_eingesetzt()
{
    return aufnehmer;
}

Pegelmesser* Aufnahme_Messung()
{
    return messung;
}

void Aufnahme_anbinden(QObject* besitzer, QTimer* Timer1, QTimer* Timer2, QTimer* Timer3)
{
    timer_puffer = Timer1;
    timer_ende = Timer2;
    timer_start = Timer3;
    messung = new Pegelmesser(besitzer);
    messung->setObjectName(QStringLiteral("Pegelmesser"));
    QObject::connect(Timer1, &QTimer::timeout, messung, &Pegelmesser::Aufnahme1);
    QObject::connect(messung, &Pegelmesser::Messung_fertig, Timer2, qOverload<>(&QTimer::start));
    QObject::connect(messung, &Pegelmesser::Aufnahme_ausgefallen, besitzer, [] {
        if (Form2)
            Form2->Auto1_Aufnahme_ausgefallen();
    });
    QObject::connect(Timer2, &QTimer::timeout, besitzer, [] {
        if (messung && messung->Messung_laeuft())
            kvTimer_Aufnahme_ende();
    });
    // A measurement asked for after the run ended (window closed) is not started.
    QObject::connect(Timer3, &QTimer::timeout, besitzer, [] {
        if (Automatik.Auto_laeuft)
            langsam_Aufnahme();
    });
    verbinden();
}

void Aufnahme_loesen()
{
    QObject::disconnect(puffer_verbindung);
    messung = nullptr;
    timer_puffer = nullptr;
    timer_ende = nullptr;
    timer_start = nullptr;
}

void Aufnahme_anstossen()
{
    if (timer_start)
        timer_start->start();
}

void Schallpegelmesser_Grundeinstellungen_Erzeugung()
{
    Aufnahme_bereit = false;
    if (aufnehmer)
        aufnehmer->uebergabe().anhalten();
    kvFFT_dyn_Arrays_erzeugen(4096);
    kvFFT_Grundeinstellungen(4096);
    Schallpegel_Optionen_Grundeinstellung();
    Automatik.Auto_dBA = true;
    Bass_Geraet_Kanal_einstellen = Bass_Geraet_Kanal_einstellen_Aufnahme;
}

void Aufnahme_Programmende()
{
    Audio_Aufnahme_beenden();
    if (Aufnahme_bereit && aufnehmer)
        aufnehmer->freigeben();
    Aufnahme_bereit = false;
    kvFFT_dyn_arrays_schliessen();
}

bool Bass_Aufnahme_Initialisierung()
{
    if (Aufnahme_bereit)
        return true;
    const Aufnahme_Einrichtung e =
        aufnehmer ? Aufnahme_einrichten(*aufnehmer) : Aufnahme_Einrichtung::kein_geraet;
    switch (e) {
    case Aufnahme_Einrichtung::bereit:
        Aufnahme_bereit = true;
        // The device and input the active microphone calibration belongs to.
        if (const auto& k = Aktive_Mikrofon_Kalibrierung; k && !k->Geraet.isEmpty())
            if (!Geraet_Kanal_einstellen(*aufnehmer, k->Geraet, k->Eingang, 1.0f))
                Aufnahme_bereit = aufnehmer->initialisieren(-1); // back to the default device
        break;
    case Aufnahme_Einrichtung::falsche_version:
        dialoge().meldung(Symbol::Fehler, Knoepfe::Ok,
                          QCoreApplication::translate("aufnahme", "Falsche Version der BASS.dll geladen!"),
                          QString(), Antwort::Ok);
        break;
    case Aufnahme_Einrichtung::kein_geraet:
        dialoge().meldung(Symbol::Information, Knoepfe::OkAbbrechen,
                          QCoreApplication::translate("aufnahme",
                                                      "Bitte verbinden Sie ein Mikrofon mit dem PC. "
                                                      "Starten Sie anschließend die Vazozez-Software "
                                                      "erneut."),
                          QCoreApplication::translate("aufnahme", "Hinweis"), Antwort::Ok);
        break;
    }
    return Aufnahme_bereit;
}

void Bass_Geraet_Kanal_einstellen_Aufnahme()
{
    const Schallpegel_Einstellungentyp1_9& e = Schallpegel_Einstellungen1_9;
    if (!e.Geraet_Kanal_einstellen || !aufnehmer)
        return;
    Audio_Aufnahme_beenden();
    if (Geraet_Kanal_einstellen(*aufnehmer, e.Geraete_name.text(), e.Kanal_name.text(), e.Aufnahme_Volume)) {
        Aufnahme_bereit = true;
        return;
    }
    Aufnahme_bereit = false;
    dialoge().meldung(Symbol::Information, Knoepfe::OkAbbrechen,
                      QCoreApplication::translate("aufnahme", "Bitte schließen Sie ein Mikrofon an."),
                      QCoreApplication::translate("aufnahme", "Hinweis"), Antwort::Ok);
}

namespace
{

// audio_aufnahme_start: on failure the user is told and the calibration
// window goes back to idle.
bool audio_aufnahme_start(const Messvorgaben& v)
{
    if (messung && messung->starten(v))
        return true;
    Fehler_ausgabe(QCoreApplication::translate(
                       "aufnahme",
                       "Die Audioaufnahme kann nicht gestartet werden. Vermutlich greift ein anderes "
                       "Programm ebenfalls auf die Audioaufnahme zu. Schließen Sie alle anderen "
                       "Programme und versuchen es dann erneut."),
                   QCoreApplication::translate("aufnahme", "Audiofehler"));
    Automatik.abbrechen();
    Prozessprioritaet_normal();
    if (Form2)
        Form2->Auto1_Leerlauf();
    return false;
}

} // namespace

void langsam_Aufnahme()
{
    Messvorgaben v;
    v.schnell = 0;
    v.Bloecke = Bloecke_langsam;
    v.halbe_Breite = Auto_halbe_Breite;
    v.Mitte = Automatik.Auto_Bin;
    v.Toleranz = Auto_Tonschwelle;
    v.A_bewertet = Automatik.Auto_dBA ? 1 : 0;
    audio_aufnahme_start(v);
}

void Audio_Aufnahme_beenden()
{
    if (!messung)
        return;
    const Pegelmesser::Stopp s = messung->beenden();
    if (timer_ende)
        timer_ende->stop();
    if (s == Pegelmesser::Stopp::fehler)
        Audio_Fehler(QCoreApplication::translate("aufnahme", "Aufnahmefehler!"));
}

void Stop_Taste_druecken()
{
    Audio_Aufnahme_beenden();
}

void kvTimer_Aufnahme_ende()
{
    if (!messung)
        return;
    const Messergebnis ergebnis = messung->ergebnis();
    Stop_Taste_druecken();
    if (Form2)
        Form2->Auto1_eineFrequenz(ergebnis);
}

void Audio_Fehler(const QString& text)
{
    Fehler_ausgabe(text, QCoreApplication::translate("aufnahme", "Audiofehler"));
}
