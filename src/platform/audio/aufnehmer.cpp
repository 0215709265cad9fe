#include "platform/audio/aufnehmer.h"

#include <algorithm>

Aufnahme_Uebergabe::Aufnahme_Uebergabe() : puffer_(Hoechstens) {}

bool Aufnahme_Uebergabe::rueckruf(const int16_t* samples, size_t anzahl) noexcept
{
    if (!aktiv_.load(std::memory_order_acquire))
        return false;
    const uint32_t nummer = nummer_.fetch_add(1, std::memory_order_acq_rel) + 1;
    if (erster_weg_.exchange(false, std::memory_order_acq_rel))
        return false;
    if (!samples || !annehmen_.exchange(false, std::memory_order_acq_rel))
        return false;
    laenge_ = std::min(anzahl, Hoechstens);
    std::copy_n(samples, laenge_, puffer_.begin());
    puffer_nummer_ = nummer;
    bereit_.store(true, std::memory_order_release);
    return true;
}

void Aufnahme_Uebergabe::starten()
{
    aktiv_.store(false, std::memory_order_release);
    bereit_.store(false, std::memory_order_relaxed);
    nummer_.store(0, std::memory_order_relaxed);
    erster_weg_.store(true, std::memory_order_relaxed);
    annehmen_.store(true, std::memory_order_relaxed);
    aktiv_.store(true, std::memory_order_release);
}

void Aufnahme_Uebergabe::anhalten()
{
    aktiv_.store(false, std::memory_order_release);
}

bool Aufnahme_Uebergabe::abholen(std::vector<int16_t>& ziel, uint32_t& nummer)
{
    if (!bereit_.exchange(false, std::memory_order_acq_rel))
        return false;
    ziel.assign(puffer_.begin(), puffer_.begin() + ptrdiff_t(laenge_));
    nummer = puffer_nummer_;
    return true;
}

void Aufnahme_Uebergabe::weiter_annehmen()
{
    annehmen_.store(true, std::memory_order_release);
}

Aufnahme_Einrichtung Aufnahme_einrichten(Aufnehmer& a)
{
    if (!a.version_passt())
        return Aufnahme_Einrichtung::falsche_version;
    if (!a.initialisieren(-1)) {
        a.freigeben();
        return Aufnahme_Einrichtung::kein_geraet;
    }
    return Aufnahme_Einrichtung::bereit;
}

bool Geraet_Kanal_einstellen(Aufnehmer& a, const QString& geraete_name, const QString& kanal_name,
                             float lautstaerke, Aufnahme_Wahl* wahl)
{
    Aufnahme_Wahl w;
    const std::vector<Aufnehmer::Geraet> geraete = a.geraete();
    for (size_t i = 0; i < geraete.size(); ++i)
        if (geraete[i].waehlbar && geraete[i].name.left(255) == geraete_name)
            w.geraet = int(i);
    a.freigeben();
    if (!a.initialisieren(w.geraet)) {
        a.freigeben();
        if (wahl)
            *wahl = w;
        return false;
    }
    const QStringList eingaenge = a.eingaenge();
    for (int i = 0; i < eingaenge.size(); ++i)
        if (eingaenge[i] == kanal_name)
            w.eingang = i;
    if (w.eingang >= 0) {
        a.eingang_setzen(w.eingang, lautstaerke);
    } else {
        for (int i = 0; i < eingaenge.size(); ++i)
            if (!a.eingang_aus(i))
                w.eingang = i;
        a.eingang_setzen(w.eingang, 1.0f);
    }
    if (wahl)
        *wahl = w;
    return true;
}
