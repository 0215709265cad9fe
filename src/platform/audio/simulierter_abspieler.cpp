#include "platform/audio/simulierter_abspieler.h"

#include <algorithm>
#include <cmath>

namespace
{
constexpr double Frames_pro_ms = 44.1;
}

Simulierter_Abspieler::Simulierter_Abspieler(QObject* parent) : Abspieler(parent) {}

bool Simulierter_Abspieler::oeffnen(const QString& pfad)
{
    schliessen();
    if (oeffnen_scheitert_)
        return false;
    if (!Tondatei_lesen(pfad, inhalt_))
        return false;
    datei_ = pfad;
    geoeffnet_.append(pfad);
    return true;
}

bool Simulierter_Abspieler::abspielen()
{
    spielt_ = false;
    eingefroren_ms_ = 0;
    if (datei_.isEmpty() || abspielen_scheitert_)
        return false;
    spielt_ = true;
    basis_zeit_ms_ = zeit_ms_;
    basis_frame_ = 0;
    gespielt_.append(datei_);
    return true;
}

void Simulierter_Abspieler::stoppen()
{
    if (spielt_)
        eingefroren_ms_ = frame_jetzt() / Frames_pro_ms;
    spielt_ = false;
}

void Simulierter_Abspieler::schliessen()
{
    stoppen();
    inhalt_.samples.clear();
    inhalt_.samples.shrink_to_fit();
    datei_.clear();
    eingefroren_ms_ = 0;
}

QString Simulierter_Abspieler::datei() const
{
    return datei_;
}

double Simulierter_Abspieler::laenge_ms() const
{
    return inhalt_.frames() / Frames_pro_ms;
}

double Simulierter_Abspieler::frame_jetzt() const
{
    const double L = inhalt_.frames();
    const double f = basis_frame_ + (zeit_ms_ - basis_zeit_ms_) * Frames_pro_ms;
    if (wiederholen_ && L > 0)
        return std::fmod(f, L);
    return std::min(f, L);
}

double Simulierter_Abspieler::position_ms() const
{
    if (!spielt_)
        return eingefroren_ms_;
    return frame_jetzt() / Frames_pro_ms;
}

void Simulierter_Abspieler::wiederholen_setzen(bool an)
{
    if (an == wiederholen_)
        return;
    // Continue from where the listener is now.
    if (spielt_) {
        basis_frame_ = frame_jetzt();
        basis_zeit_ms_ = zeit_ms_;
    }
    wiederholen_ = an;
}

bool Simulierter_Abspieler::wiederholen() const
{
    return wiederholen_;
}

void Simulierter_Abspieler::benachrichtigen_setzen(bool an)
{
    benachrichtigen_ = an;
}

bool Simulierter_Abspieler::benachrichtigen() const
{
    return benachrichtigen_;
}

bool Simulierter_Abspieler::laeuft() const
{
    return spielt_;
}

void Simulierter_Abspieler::lautstaerke_setzen(uint16_t links, uint16_t rechts)
{
    links_ = links;
    rechts_ = rechts;
    aenderungen_.push_back({zeit_ms_, links, rechts});
}

void Simulierter_Abspieler::lautstaerke(uint16_t& links, uint16_t& rechts) const
{
    links = links_;
    rechts = rechts_;
}

void Simulierter_Abspieler::vorruecken(double ms)
{
    if (ms > 0)
        zeit_weiter(zeit_ms_ + ms);
}

void Simulierter_Abspieler::zeit_setzen(double ms)
{
    if (ms > zeit_ms_)
        zeit_weiter(ms);
}

void Simulierter_Abspieler::zeit_weiter(double ziel_ms)
{
    // Time passes in order: a playing that ends on the way ends at its end
    // time, and whatever the Ende() receiver starts then runs from there.
    for (;;) {
        if (!spielt_ || wiederholen_) {
            zeit_ms_ = ziel_ms;
            return;
        }
        const double L = inhalt_.frames();
        const double ende_ms = std::max(zeit_ms_, basis_zeit_ms_ + (L - basis_frame_) / Frames_pro_ms);
        if (ende_ms > ziel_ms) {
            zeit_ms_ = ziel_ms;
            return;
        }
        zeit_ms_ = ende_ms;
        // The end has been heard: the playing is over before anyone is told.
        spielt_ = false;
        eingefroren_ms_ = L / Frames_pro_ms;
        if (benachrichtigen_) {
            ++ende_anzahl_;
            emit Ende();
        }
    }
}

void Simulierter_Abspieler::aufzeichnungen_loeschen()
{
    geoeffnet_.clear();
    gespielt_.clear();
    aenderungen_.clear();
    ende_anzahl_ = 0;
}

void Simulierter_Abspieler::gehoerte_frames(uint32_t anzahl, std::vector<float>& stereo) const
{
    stereo.assign(size_t(anzahl) * 2, 0.0f);
    const uint32_t L = inhalt_.frames();
    if (!spielt_ || L == 0)
        return;
    const float gl = float(links_) / 65535.0f / 32768.0f;
    const float gr = float(rechts_) / 65535.0f / 32768.0f;
    uint64_t f = uint64_t(std::floor(frame_jetzt()));
    for (uint32_t i = 0; i < anzahl; ++i, ++f) {
        if (f >= L) {
            if (!wiederholen_)
                break;
            f = 0;
        }
        stereo[2 * size_t(i)] = float(inhalt_.samples[2 * f]) * gl;
        stereo[2 * size_t(i) + 1] = float(inhalt_.samples[2 * f + 1]) * gr;
    }
}
