#pragma once
// The tone player of the measurement window: it plays one of the program's
// tone files (16-bit stereo, 44100 Hz) and tells where the listener is in it.
//
// All calls come from the thread the object lives on (the window thread);
// Ende() is emitted on that thread as well.
//
// Volume: a gain per channel, linear in amplitude, sample * volume / 65535,
// applied while the samples go to the device. It belongs to the player, not
// to the file: it stays when another file is opened. A change takes effect
// within one device buffer, also while a tone plays. Volume 0 gives exact
// digital silence on that channel. The player is also the Wellenlautstaerke
// that SetWaveVolume/WaveVolume_hilf reach once it is installed with
// Wellenlautstaerke_einsetzen.
#include "core/tones/wave_volume.h"

#include <QObject>
#include <QString>

#include <cstdint>

class Abspieler : public QObject, public Wellenlautstaerke
{
    Q_OBJECT
public:
    explicit Abspieler(QObject* parent = nullptr) : QObject(parent) {}
    ~Abspieler() override = default;

    // Loads the tone file and makes the output ready. False when the file
    // cannot be read, is not 16-bit stereo PCM at 44100 Hz, or no output
    // device can be opened. A file opened before is closed first.
    virtual bool oeffnen(const QString& pfad) = 0;
    // Plays the open file from its start. False when nothing is open or the
    // output cannot be started.
    virtual bool abspielen() = 0;
    // Stops at once; the position stays where the listener was.
    virtual void stoppen() = 0;
    // Stops and releases the file, so it can be written again.
    virtual void schliessen() = 0;
    // Path of the open file; empty when none is open.
    virtual QString datei() const = 0;
    // Play position in ms from the start of the file: the frame the listener
    // hears at this moment. While looping it runs from 0 to the file's length
    // and starts again; after the end it is the file's length.
    virtual double position_ms() const = 0;
    // On: the whole file repeats without gap until stopped (the constant tones).
    // A looping playing never ends, so it gives no Ende().
    virtual void wiederholen_setzen(bool an) = 0;
    virtual bool wiederholen() const = 0;
    // On: the end of a playing gives one Ende().
    virtual void benachrichtigen_setzen(bool an) = 0;
    virtual bool benachrichtigen() const = 0;
    // True from abspielen() until stoppen(), schliessen() or the end is heard.
    virtual bool laeuft() const = 0;

    // Channel volumes, 0..65535 each.
    virtual void lautstaerke_setzen(uint16_t links, uint16_t rechts) = 0;
    virtual void lautstaerke(uint16_t& links, uint16_t& rechts) const = 0;

    // Wellenlautstaerke: SetWaveVolume sets the player's channel volumes.
    void setzen(uint16_t links, uint16_t rechts) override { lautstaerke_setzen(links, rechts); }
    // GetWaveVolume reads the player's channel volumes.
    bool lesen(uint16_t& links, uint16_t& rechts) const override
    {
        lautstaerke(links, rechts);
        return true;
    }

signals:
    // The end of the file has been heard (not looping, notify on); once per
    // playing, on the object's thread.
    void Ende();
};
