#include "platform/audio/portaudio_aufnehmer.h"

#include "platform/audio/portaudio_sitzung.h"
#include "platform/mixer/alsa_aufnahmequellen.h"

#include <QRegularExpression>
#include <QSocketNotifier>

#include <portaudio.h>

#include <sys/eventfd.h>
#include <unistd.h>

namespace
{

constexpr double Rate = 44100.0;
constexpr unsigned long Pufferframes = 4101;

// PortAudio's devices that can record, in PortAudio's order.
std::vector<PaDeviceIndex> eingabegeraete()
{
    std::vector<PaDeviceIndex> v;
    const int n = Pa_GetDeviceCount();
    for (PaDeviceIndex i = 0; i < n; ++i) {
        const PaDeviceInfo* info = Pa_GetDeviceInfo(i);
        if (info && info->maxInputChannels > 0)
            v.push_back(i);
    }
    return v;
}

PaStreamParameters parameter(PaDeviceIndex geraet)
{
    PaStreamParameters p{};
    p.device = geraet;
    p.channelCount = 1;
    p.sampleFormat = paInt16;
    const PaDeviceInfo* info = Pa_GetDeviceInfo(geraet);
    p.suggestedLatency = info ? info->defaultHighInputLatency : 0.1;
    p.hostApiSpecificStreamInfo = nullptr;
    return p;
}

int rueckruf(const void* ein, void*, unsigned long frames, const PaStreamCallbackTimeInfo*,
             PaStreamCallbackFlags, void* nutzer)
{
    static_cast<PortAudio_Aufnehmer*>(nutzer)->vom_geraet(static_cast<const int16_t*>(ein), frames);
    return paContinue;
}

// "HDA Intel PCH: ALC892 Analog (hw:0,0)" -> "hw:0"; otherwise the default card.
std::string alsa_karte(const char* name)
{
    static const QRegularExpression hw(QStringLiteral("\\(hw:(\\d+)"));
    const QRegularExpressionMatch m = hw.match(QString::fromLocal8Bit(name ? name : ""));
    return m.hasMatch() ? "hw:" + m.captured(1).toStdString() : std::string("default");
}

} // namespace

PortAudio_Aufnehmer::PortAudio_Aufnehmer(QObject* parent)
    : Aufnehmer(parent), sitzung_(PortAudio_Sitzung::holen())
{
    weck_fd_ = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (weck_fd_ >= 0) {
        wecker_ = new QSocketNotifier(weck_fd_, QSocketNotifier::Read, this);
        connect(wecker_, &QSocketNotifier::activated, this, &PortAudio_Aufnehmer::geweckt);
    }
}

PortAudio_Aufnehmer::~PortAudio_Aufnehmer()
{
    uebergabe_.anhalten();
    strom_schliessen();
    delete wecker_;
    if (weck_fd_ >= 0)
        close(weck_fd_);
}

bool PortAudio_Aufnehmer::version_passt() const
{
    const PaVersionInfo* v = Pa_GetVersionInfo();
    return v && v->versionMajor == 19;
}

bool PortAudio_Aufnehmer::initialisieren(int geraet)
{
    geraet_ = -1;
    if (!sitzung_->bereit() || Pa_GetDeviceCount() <= 0)
        return false;
    PaDeviceIndex index = paNoDevice;
    if (geraet == -1) {
        index = Pa_GetDefaultInputDevice();
    } else {
        const auto v = eingabegeraete();
        if (geraet >= 0 && size_t(geraet) < v.size())
            index = v[size_t(geraet)];
    }
    if (index == paNoDevice)
        return false;
    const PaDeviceInfo* info = Pa_GetDeviceInfo(index);
    if (!info || info->maxInputChannels < 1)
        return false;
    const PaStreamParameters p = parameter(index);
    if (Pa_IsFormatSupported(&p, nullptr, Rate) != paFormatIsSupported)
        return false;
    geraet_ = index;
    karte_ = alsa_karte(info->name);
    return true;
}

void PortAudio_Aufnehmer::freigeben()
{
    uebergabe_.anhalten();
    strom_schliessen();
    geraet_ = -1;
}

std::vector<Aufnehmer::Geraet> PortAudio_Aufnehmer::geraete()
{
    std::vector<Geraet> v;
    if (!sitzung_->bereit())
        return v;
    for (PaDeviceIndex i : eingabegeraete())
        v.push_back({QString::fromLocal8Bit(Pa_GetDeviceInfo(i)->name), true});
    return v;
}

QStringList PortAudio_Aufnehmer::eingaenge()
{
    return geraet_ < 0 ? QStringList() : ALSA_Aufnahmequellen(karte_);
}

bool PortAudio_Aufnehmer::eingang_aus(int i)
{
    return geraet_ >= 0 && ALSA_Aufnahmequelle_aus(karte_, i);
}

bool PortAudio_Aufnehmer::eingang_setzen(int i, float lautstaerke)
{
    return geraet_ >= 0 && ALSA_Aufnahmequelle_setzen(karte_, i, lautstaerke);
}

void PortAudio_Aufnehmer::vom_geraet(const int16_t* samples, size_t frames) noexcept
{
    if (uebergabe_.rueckruf(samples, frames) && weck_fd_ >= 0) {
        const uint64_t eins = 1;
        [[maybe_unused]] const ssize_t n = write(weck_fd_, &eins, sizeof eins);
    }
}

bool PortAudio_Aufnehmer::starten()
{
    strom_schliessen();
    if (geraet_ < 0 || !sitzung_->bereit())
        return false;
    const PaStreamParameters p = parameter(geraet_);
    PaStream* s = nullptr;
    if (Pa_OpenStream(&s, &p, nullptr, Rate, Pufferframes, paClipOff, rueckruf, this) != paNoError)
        return false;
    strom_ = s;
    if (Pa_StartStream(s) != paNoError) {
        strom_schliessen();
        return false;
    }
    return true;
}

bool PortAudio_Aufnehmer::stoppen()
{
    if (!strom_)
        return true;
    PaStream* s = static_cast<PaStream*>(strom_);
    strom_ = nullptr;
    const PaError a = Pa_AbortStream(s);
    const PaError c = Pa_CloseStream(s);
    return (a == paNoError || a == paStreamIsStopped) && c == paNoError;
}

void PortAudio_Aufnehmer::strom_schliessen()
{
    if (strom_)
        stoppen();
}

void PortAudio_Aufnehmer::geweckt()
{
    uint64_t n = 0;
    [[maybe_unused]] const ssize_t r = read(weck_fd_, &n, sizeof n);
    if (uebergabe_.aktiv())
        emit Puffer_da();
}
