#pragma once
// The tone player for tests: no device, a clock that the test moves.
//
// The clock starts at 0 ms and moves only through vorruecken()/zeit_setzen().
// The position is the clock time since abspielen(), clamped to the file's
// length (or wrapped around it while looping). When the clock passes the end
// of a playing that does not loop, the playing ends and, with notify on, Ende()
// is emitted once, directly from vorruecken()/zeit_setzen().
//
// The player records what the program asked of it: the files opened and
// played and every volume change with the clock time it happened at. It can
// be told to fail opening or playing, as a machine without an output device
// would. gehoerte_frames() gives what the listener hears (the file's samples
// times the channel gains), for models of a listener or a microphone.
#include "platform/audio/abspieler.h"
#include "platform/audio/tondatei_lesen.h"

#include <QStringList>

#include <vector>

class Simulierter_Abspieler : public Abspieler
{
    Q_OBJECT
public:
    struct Lautstaerke_Aenderung {
        double zeit_ms;
        uint16_t links;
        uint16_t rechts;
        bool operator==(const Lautstaerke_Aenderung&) const = default;
    };

    explicit Simulierter_Abspieler(QObject* parent = nullptr);

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

    // The clock, in ms. Time never runs backwards: a smaller value is ignored.
    void vorruecken(double ms);
    void zeit_setzen(double ms);
    double zeit_ms() const { return zeit_ms_; }

    // From now on oeffnen() (or abspielen()) fails, as without an output device.
    void oeffnen_scheitern_lassen(bool an) { oeffnen_scheitert_ = an; }
    void abspielen_scheitern_lassen(bool an) { abspielen_scheitert_ = an; }

    // Length of the open file in ms (0 when none is open).
    double laenge_ms() const;
    const QStringList& geoeffnete_dateien() const { return geoeffnet_; }
    const QStringList& gespielte_dateien() const { return gespielt_; }
    const std::vector<Lautstaerke_Aenderung>& lautstaerke_aenderungen() const { return aenderungen_; }
    int ende_anzahl() const { return ende_anzahl_; }
    void aufzeichnungen_loeschen();

    // What the listener hears from the current position on: `anzahl` frames,
    // left and right interleaved, as fractions of full scale (sample / 32768
    // times the channel gain). Silence when nothing plays or after the end.
    // Does not move the clock.
    void gehoerte_frames(uint32_t anzahl, std::vector<float>& stereo) const;

private:
    double frame_jetzt() const; // heard file frame, ends at the file's length
    void zeit_weiter(double ziel_ms);

    Tondatei_Inhalt inhalt_;
    QString datei_;
    double zeit_ms_ = 0;
    bool spielt_ = false;
    bool wiederholen_ = false;
    bool benachrichtigen_ = false;
    // The playing runs from (basis_zeit_ms_, basis_frame_): position = basis_frame_ + elapsed.
    double basis_zeit_ms_ = 0;
    double basis_frame_ = 0;
    double eingefroren_ms_ = 0;
    uint16_t links_ = 65535;
    uint16_t rechts_ = 65535;
    bool oeffnen_scheitert_ = false;
    bool abspielen_scheitert_ = false;
    QStringList geoeffnet_;
    QStringList gespielt_;
    std::vector<Lautstaerke_Aenderung> aenderungen_;
    int ende_anzahl_ = 0;
};
