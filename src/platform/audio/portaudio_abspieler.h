#pragma once
// The tone player on a PortAudio output stream (the default output device,
// float samples, stereo, 44100 Hz, the device's low output latency).
//
// The whole file is loaded at oeffnen(), which also opens the output stream;
// the audio callback only copies its frames with the current channel gains
// and never blocks or allocates. Every abspielen() after the first on the
// same file opens the stream anew (a few ms): a stream is never started twice,
// because restarting one whose sound server has gone away hangs in PortAudio.
// A playing whose stream dies (device or server gone) stops: laeuft() turns
// false, the position stays where the sound stopped, no Ende().
//
// Position: the callback records, for every buffer, its first frame, the
// frames handed over so far and the time its first frame reaches the output
// (outputBufferDacTime, normally one output latency ahead). The heard frame is
// that first frame plus (stream time now - that time) x 44100, which is
// negative while the buffer still waits in the device: the output latency is
// subtracted. It is clamped to [0, frames handed over], so a stall never runs
// the position ahead of the sound.
//
// End of play: the callback marks the frame where the file ended; a timer on
// the object's thread checks when that frame has been heard and then emits
// Ende() (at most once per playing). The object's thread needs an event loop.
#include "platform/audio/abspieler.h"

#include <memory>

class QTimer;

class PortAudio_Abspieler : public Abspieler
{
    Q_OBJECT
public:
    explicit PortAudio_Abspieler(QObject* parent = nullptr);
    ~PortAudio_Abspieler() override;

    bool oeffnen(const QString& pfad) override;
    bool abspielen() override;
    void stoppen() override;
    void schliessen() override;
    QString datei() const override;
    double position_ms() const override;
    void wiederholen_setzen(bool an) override;
    bool wiederholen() const override;
    void benachrichtigen_setzen(bool an) override;
    bool benachrichtigen() const override;
    bool laeuft() const override;
    void lautstaerke_setzen(uint16_t links, uint16_t rechts) override;
    void lautstaerke(uint16_t& links, uint16_t& rechts) const override;

    // Frames the callback has handed to the device in the current playing
    // (0 until the first callback after abspielen()).
    int64_t uebergebene_frames() const;
    // Output latency of the open stream in seconds; 0 when no stream is open.
    double ausgabelatenz_s() const;

    struct Zustand;

private:
    struct Lage {
        double frame = 0;          // heard frame within the file
        bool ende_gehoert = false; // the file's end has been heard
    };
    Lage lage() const;
    bool strom_oeffnen();
    bool strom_tot() const;
    void strom_schliessen();
    void strom_anhalten();
    void ende_pruefen();
    void ende_timer_stellen();

    std::unique_ptr<Zustand> z_;
    QTimer* ende_timer_ = nullptr;
    QString datei_;
    bool spielt_ = false;
    bool gestartet_ = false; // the open stream has been started once
    bool benachrichtigen_ = false;
    double eingefroren_ms_ = 0; // position while not playing
};
