#include "platform/audio/portaudio_abspieler.h"

#include "platform/audio/portaudio_sitzung.h"
#include "platform/audio/tondatei_lesen.h"

#include <QTimer>

#include <portaudio.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <thread>

namespace
{
constexpr double Rate = 44100.0;
}

// Everything the audio callback touches. The file's frames and their count
// only change while the stream is stopped.
struct PortAudio_Abspieler::Zustand {
    std::shared_ptr<PortAudio_Sitzung> sitzung = PortAudio_Sitzung::holen();
    PaStream* strom = nullptr;
    double latenz = 0;
    Tondatei_Inhalt inhalt;
    uint32_t frames = 0;

    // Set by the window thread, read once per buffer by the callback.
    std::atomic<uint32_t> lautstaerke{0xFFFFFFFFu}; // low word left, high word right
    std::atomic<bool> wiederholen{false};

    // The callback's own counters (reset while the stream is stopped).
    int64_t strom_frame = 0; // frames handed over in this playing
    uint32_t lese = 0;       // next frame of the file
    int64_t ende_cb = -1;    // stream frame where the file ended, -1 before

    // The last buffer, published by the callback under a sequence counter
    // (odd while it writes) and read by the window thread.
    std::atomic<uint32_t> seq{0};
    std::atomic<int64_t> s0{0};  // stream frame of the buffer's first frame
    std::atomic<int64_t> s1{0};  // frames handed over after this buffer
    std::atomic<uint32_t> c0{0}; // file frame of the buffer's first frame
    std::atomic<double> dac{0};  // when that first frame reaches the output
    std::atomic<bool> schleife{false};
    std::atomic<int64_t> ende{-1}; // stream frame where the file ended

    void zuruecksetzen()
    {
        strom_frame = 0;
        lese = 0;
        ende_cb = -1;
        seq.store(0);
        s0.store(0);
        s1.store(0);
        c0.store(0);
        dac.store(0);
        schleife.store(false);
        ende.store(-1);
    }
};

namespace
{

int rueckruf(const void*, void* ausgabe, unsigned long anzahl, const PaStreamCallbackTimeInfo* zeit,
             PaStreamCallbackFlags, void* nutzer)
{
    auto* z = static_cast<PortAudio_Abspieler::Zustand*>(nutzer);
    float* aus = static_cast<float*>(ausgabe);
    const uint32_t v = z->lautstaerke.load(std::memory_order_relaxed);
    const float gl = float(v & 0xFFFFu) / 65535.0f / 32768.0f;
    const float gr = float(v >> 16) / 65535.0f / 32768.0f;
    const bool schleife = z->wiederholen.load(std::memory_order_relaxed);
    const int16_t* quelle = z->inhalt.samples.data();
    const uint32_t L = z->frames;

    if (schleife && z->ende_cb < 0 && z->lese >= L)
        z->lese = 0;
    const int64_t s0 = z->strom_frame;
    const uint32_t c0 = z->lese;
    for (unsigned long i = 0; i < anzahl; ++i) {
        if (z->ende_cb >= 0 || z->lese >= L) {
            if (z->ende_cb < 0)
                z->ende_cb = s0 + int64_t(i);
            aus[2 * i] = 0.0f;
            aus[2 * i + 1] = 0.0f;
            continue;
        }
        const int16_t* f = quelle + 2 * size_t(z->lese);
        aus[2 * i] = float(f[0]) * gl;
        aus[2 * i + 1] = float(f[1]) * gr;
        if (++z->lese == L && schleife)
            z->lese = 0;
    }
    z->strom_frame = s0 + int64_t(anzahl);

    const uint32_t n = z->seq.load(std::memory_order_relaxed);
    z->seq.store(n + 1, std::memory_order_relaxed);
    std::atomic_thread_fence(std::memory_order_release);
    z->s0.store(s0, std::memory_order_relaxed);
    z->s1.store(z->strom_frame, std::memory_order_relaxed);
    z->c0.store(c0, std::memory_order_relaxed);
    z->dac.store(zeit ? zeit->outputBufferDacTime : 0.0, std::memory_order_relaxed);
    z->schleife.store(schleife, std::memory_order_relaxed);
    z->ende.store(z->ende_cb, std::memory_order_relaxed);
    z->seq.store(n + 2, std::memory_order_release);
    return paContinue;
}

} // namespace

PortAudio_Abspieler::PortAudio_Abspieler(QObject* parent)
    : Abspieler(parent), z_(std::make_unique<Zustand>()), ende_timer_(new QTimer(this))
{
    ende_timer_->setSingleShot(true);
    ende_timer_->setTimerType(Qt::PreciseTimer);
    connect(ende_timer_, &QTimer::timeout, this, &PortAudio_Abspieler::ende_pruefen);
}

PortAudio_Abspieler::~PortAudio_Abspieler()
{
    ende_timer_->stop();
    strom_schliessen();
}

bool PortAudio_Abspieler::strom_oeffnen()
{
    if (z_->strom)
        return true;
    if (!z_->sitzung->bereit() || Pa_GetDeviceCount() <= 0)
        return false;
    const PaDeviceIndex geraet = Pa_GetDefaultOutputDevice();
    if (geraet == paNoDevice)
        return false;
    const PaDeviceInfo* info = Pa_GetDeviceInfo(geraet);
    if (!info || info->maxOutputChannels < 2)
        return false;
    PaStreamParameters p{};
    p.device = geraet;
    p.channelCount = 2;
    p.sampleFormat = paFloat32;
    // The device's higher latency (about 35 ms on a sound server instead of
    // about 9): with the shorter buffers a pause of a few milliseconds in
    // scheduling (a busy or virtual machine) already cuts gaps into the tone,
    // and the heard position then runs slower than real time, which would
    // shift the threshold. The position subtracts the latency either way.
    p.suggestedLatency = info->defaultHighOutputLatency;
    p.hostApiSpecificStreamInfo = nullptr;
    PaStream* s = nullptr;
    if (Pa_OpenStream(&s, nullptr, &p, Rate, paFramesPerBufferUnspecified,
                      paClipOff | paPrimeOutputBuffersUsingStreamCallback, rueckruf, z_.get()) != paNoError) {
        return false;
    }
    z_->strom = s;
    const PaStreamInfo* si = Pa_GetStreamInfo(s);
    z_->latenz = si ? si->outputLatency : 0.0;
    return true;
}

void PortAudio_Abspieler::strom_anhalten()
{
    if (z_->strom && Pa_IsStreamStopped(z_->strom) == 0)
        Pa_AbortStream(z_->strom);
}

void PortAudio_Abspieler::strom_schliessen()
{
    if (!z_->strom)
        return;
    strom_anhalten();
    Pa_CloseStream(z_->strom);
    z_->strom = nullptr;
    z_->latenz = 0;
}

bool PortAudio_Abspieler::oeffnen(const QString& pfad)
{
    schliessen();
    Tondatei_Inhalt inhalt;
    if (!Tondatei_lesen(pfad, inhalt))
        return false;
    if (!strom_oeffnen())
        return false;
    // The stream is stopped: the callback does not run.
    z_->inhalt = std::move(inhalt);
    z_->frames = z_->inhalt.frames();
    datei_ = pfad;
    return true;
}

bool PortAudio_Abspieler::abspielen()
{
    if (datei_.isEmpty())
        return false;
    ende_timer_->stop();
    spielt_ = false;
    eingefroren_ms_ = 0;
    // Every playing gets a stream that has never run: starting a stream again
    // whose sound server has gone away in the meantime never returns in
    // PortAudio's ALSA host API, while opening a new one fails at once.
    if (gestartet_) {
        strom_schliessen();
        gestartet_ = false;
    }
    if (!strom_oeffnen())
        return false;
    z_->zuruecksetzen();
    gestartet_ = true;
    if (Pa_StartStream(z_->strom) != paNoError) {
        strom_schliessen();
        gestartet_ = false;
        return false;
    }
    spielt_ = true;
    ende_timer_stellen();
    return true;
}

void PortAudio_Abspieler::stoppen()
{
    ende_timer_->stop();
    if (spielt_) {
        const Lage l = lage();
        eingefroren_ms_ = l.frame * 1000.0 / Rate;
        spielt_ = false;
    }
    strom_anhalten();
}

void PortAudio_Abspieler::schliessen()
{
    stoppen();
    strom_schliessen();
    gestartet_ = false;
    z_->inhalt.samples.clear();
    z_->inhalt.samples.shrink_to_fit();
    z_->frames = 0;
    datei_.clear();
    eingefroren_ms_ = 0;
}

QString PortAudio_Abspieler::datei() const
{
    return datei_;
}

PortAudio_Abspieler::Lage PortAudio_Abspieler::lage() const
{
    const Zustand& z = *z_;
    int64_t s0, s1, ende;
    uint32_t c0;
    double dac;
    bool schleife;
    for (;;) {
        const uint32_t a = z.seq.load(std::memory_order_acquire);
        if (a & 1u) {
            std::this_thread::yield(); // the callback is writing
            continue;
        }
        s0 = z.s0.load(std::memory_order_relaxed);
        s1 = z.s1.load(std::memory_order_relaxed);
        c0 = z.c0.load(std::memory_order_relaxed);
        dac = z.dac.load(std::memory_order_relaxed);
        schleife = z.schleife.load(std::memory_order_relaxed);
        ende = z.ende.load(std::memory_order_relaxed);
        std::atomic_thread_fence(std::memory_order_acquire);
        if (z.seq.load(std::memory_order_relaxed) == a)
            break;
    }
    Lage l;
    if (s1 == 0 || z.frames == 0)
        return l; // nothing handed over yet
    // The last buffer's first frame reaches the output at `dac`, normally one
    // output latency after now: the frame heard now lies that far before it.
    // Never beyond what was handed over (a stall), never before the start.
    double h = double(s0);
    if (z.strom && dac > 0) {
        const double jetzt = Pa_GetStreamTime(z.strom);
        if (jetzt > 0)
            h += (jetzt - dac) * Rate;
    }
    h = std::clamp(h, 0.0, double(s1));
    const double L = double(z.frames);
    if (ende >= 0 && h >= double(ende)) {
        l.frame = L;
        l.ende_gehoert = true;
        return l;
    }
    double c = double(c0) + (h - double(s0));
    if (schleife)
        c = std::fmod(c, L);
    l.frame = std::min(c, L);
    return l;
}

double PortAudio_Abspieler::position_ms() const
{
    if (!spielt_)
        return eingefroren_ms_;
    return lage().frame * 1000.0 / Rate;
}

void PortAudio_Abspieler::ende_timer_stellen()
{
    if (!spielt_ || z_->wiederholen.load())
        return;
    const Lage l = lage();
    const double rest_ms = (double(z_->frames) - l.frame) * 1000.0 / Rate;
    // Before the first buffer add the output latency; never poll faster than 5 ms.
    const double bis = rest_ms + (uebergebene_frames() == 0 ? z_->latenz * 1000.0 : 0.0);
    ende_timer_->start(std::max(5, int(std::ceil(bis)) + 1));
}

bool PortAudio_Abspieler::strom_tot() const
{
    // A stream whose callback thread gave up (the device or the sound server
    // went away) is no longer active although nobody stopped it.
    return z_->strom && Pa_IsStreamActive(z_->strom) == 0;
}

void PortAudio_Abspieler::ende_pruefen()
{
    if (!spielt_)
        return;
    const Lage l = lage();
    if (!l.ende_gehoert) {
        if (strom_tot()) {
            // The end will never be heard: the playing is over, silently.
            eingefroren_ms_ = l.frame * 1000.0 / Rate;
            spielt_ = false;
            return;
        }
        ende_timer_stellen();
        return;
    }
    spielt_ = false;
    eingefroren_ms_ = double(z_->frames) * 1000.0 / Rate;
    strom_anhalten();
    if (benachrichtigen_)
        emit Ende();
}

void PortAudio_Abspieler::wiederholen_setzen(bool an)
{
    z_->wiederholen.store(an);
    if (!an)
        ende_timer_stellen();
}

bool PortAudio_Abspieler::wiederholen() const
{
    return z_->wiederholen.load();
}

void PortAudio_Abspieler::benachrichtigen_setzen(bool an)
{
    benachrichtigen_ = an;
}

bool PortAudio_Abspieler::benachrichtigen() const
{
    return benachrichtigen_;
}

bool PortAudio_Abspieler::laeuft() const
{
    return spielt_ && !lage().ende_gehoert && !strom_tot();
}

void PortAudio_Abspieler::lautstaerke_setzen(uint16_t links, uint16_t rechts)
{
    z_->lautstaerke.store(uint32_t(links) | (uint32_t(rechts) << 16));
}

void PortAudio_Abspieler::lautstaerke(uint16_t& links, uint16_t& rechts) const
{
    const uint32_t v = z_->lautstaerke.load();
    links = uint16_t(v & 0xFFFFu);
    rechts = uint16_t(v >> 16);
}

int64_t PortAudio_Abspieler::uebergebene_frames() const
{
    return z_->s1.load(std::memory_order_acquire);
}

double PortAudio_Abspieler::ausgabelatenz_s() const
{
    return z_->latenz;
}
