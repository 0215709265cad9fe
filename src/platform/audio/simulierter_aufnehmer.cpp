#include "platform/audio/simulierter_aufnehmer.h"

#include "platform/audio/simulierter_abspieler.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace
{
constexpr double Frames_pro_ms = 44.1;
constexpr size_t Pufferframes = 4101;
constexpr double Nyquist = 22050.0;

int64_t frame_bei(double ms)
{
    return int64_t(std::floor(ms * Frames_pro_ms + 1e-6));
}
} // namespace

Simulierter_Aufnehmer::Simulierter_Aufnehmer(Simulierter_Abspieler* abspieler, QObject* parent)
    : Aufnehmer(parent), abspieler_(abspieler)
{
    puffer_.reserve(2 * Pufferframes);
    samples_.resize(Pufferframes);
}

bool Simulierter_Aufnehmer::initialisieren(int geraet)
{
    ++einrichtungen;
    if (geraet < -1 || geraet >= int(geraete_liste.size()) || scheiternde_geraete.contains(geraet))
        return false;
    if (geraet == -1 && geraete_liste.empty())
        return false;
    eingerichtet = geraet;
    return true;
}

void Simulierter_Aufnehmer::freigeben()
{
    if (gestartet_)
        stoppen();
    eingerichtet = -2;
}

QStringList Simulierter_Aufnehmer::eingaenge()
{
    return eingerichtet == -2 ? QStringList() : eingang_namen;
}

bool Simulierter_Aufnehmer::eingang_aus(int i)
{
    return i >= 0 && i < eingang_ist_aus.size() && eingang_ist_aus[i];
}

bool Simulierter_Aufnehmer::eingang_setzen(int i, float lautstaerke)
{
    gesetzte_eingaenge.append({i, lautstaerke});
    if (i < 0 || i >= eingang_namen.size())
        return false;
    if (i < eingang_ist_aus.size())
        eingang_ist_aus[i] = false;
    return true;
}

bool Simulierter_Aufnehmer::starten()
{
    if (eingerichtet == -2 || start_scheitert)
        return false;
    ++starts;
    gestartet_ = true;
    puffer_.clear();
    return true;
}

bool Simulierter_Aufnehmer::stoppen()
{
    ++stopps;
    gestartet_ = false;
    puffer_.clear();
    return !stopp_scheitert;
}

void Simulierter_Aufnehmer::vorruecken(double ms)
{
    if (ms <= 0)
        return;
    const double ziel = zeit_ms_ + ms;
    // In steps of whole buffers at most, so that each buffer hears the
    // player at its own time.
    for (;;) {
        const int64_t jetzt = frame_bei(zeit_ms_);
        const int64_t bis = frame_bei(ziel);
        int64_t n = bis - jetzt;
        if (gestartet_)
            n = std::min<int64_t>(n, int64_t(Pufferframes - puffer_.size()));
        const double schritt_ende = n == bis - jetzt ? ziel : double(jetzt + n) / Frames_pro_ms;
        if (gestartet_ && n > 0)
            aufnehmen(n);
        zeit_ms_ = schritt_ende;
        if (abspieler_)
            abspieler_->zeit_setzen(zeit_ms_);
        if (gestartet_ && puffer_.size() >= Pufferframes)
            puffer_abgeben();
        if (zeit_ms_ >= ziel)
            return;
    }
}

void Simulierter_Aufnehmer::bis_zum_naechsten_Puffer()
{
    const size_t fehlt = gestartet_ ? Pufferframes - puffer_.size() : Pufferframes;
    const double ende = double(frame_bei(zeit_ms_) + int64_t(fehlt)) / Frames_pro_ms;
    vorruecken(ende - zeit_ms_ + 1e-9);
}

void Simulierter_Aufnehmer::pause(int ms)
{
    vorruecken(std::max(ms, 1));
    QCoreApplication::processEvents();
}

void Simulierter_Aufnehmer::aufnehmen(int64_t frames)
{
    const uint32_t n = uint32_t(frames);
    if (abspieler_)
        abspieler_->gehoerte_frames(n, stereo_);
    else
        stereo_.assign(size_t(n) * 2, 0.0f);
    const double f = strecke.frequenz ? strecke.frequenz() : 1000.0;
    const double gl = kopfhoerer(true, f) * mikrofon(f);
    const double gr = kopfhoerer(false, f) * mikrofon(f);
    for (uint32_t i = 0; i < n; ++i) {
        double x = gl * stereo_[2 * size_t(i)] + gr * stereo_[2 * size_t(i) + 1];
        for (const auto& [ft, p] : strecke.toene)
            x += mikrofon(ft) * p * std::sqrt(2.0) * std::sin(2.0 * M_PI * ft * double(frame_ + i) / 44100.0);
        puffer_.push_back(x);
    }
    frame_ += n;
}

double Simulierter_Aufnehmer::kopfhoerer(bool links, double f) const
{
    return strecke.kopfhoerer ? strecke.kopfhoerer(links, f) : 1.0;
}

double Simulierter_Aufnehmer::mikrofon(double f) const
{
    return strecke.mikrofon ? strecke.mikrofon(f) : 1.0;
}

void Simulierter_Aufnehmer::puffer_abgeben()
{
    const double f = strecke.frequenz ? strecke.frequenz() : 1000.0;
    double spitze = 0;
    for (size_t i = 0; i < Pufferframes; ++i)
        spitze = std::max(spitze, std::fabs(puffer_[i]));
    // Harmonics from the tone's own waveform, T_k(cos x) = cos(k x), with the
    // amplitude of the whole buffer.
    double h2 = 0, h3 = 0;
    if (strecke.oberton && spitze > 0) {
        h2 = 2 * f < Nyquist ? strecke.oberton(2, f) * mikrofon(2 * f) / mikrofon(f) : 0.0;
        h3 = 3 * f < Nyquist ? strecke.oberton(3, f) * mikrofon(3 * f) / mikrofon(f) : 0.0;
    }
    std::normal_distribution<double> rauschen(0.0, strecke.rauschen > 0 ? strecke.rauschen : 1.0);
    for (size_t i = 0; i < Pufferframes; ++i) {
        double x = puffer_[i];
        if (h2 != 0 || h3 != 0) {
            const double u = x / spitze;
            x += spitze * (h2 * (2 * u * u - 1) + h3 * (4 * u * u * u - 3 * u));
        }
        if (strecke.rauschen > 0)
            x += rauschen(zufall_);
        samples_[i] = int16_t(std::clamp(std::nearbyint(x), -32768.0, 32767.0));
    }
    puffer_.erase(puffer_.begin(), puffer_.begin() + ptrdiff_t(Pufferframes));
    if (uebergabe_.rueckruf(samples_.data(), Pufferframes))
        emit Puffer_da();
}
