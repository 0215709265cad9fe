// The PortAudio player on a machine without any output device: the sound
// server is given an address where nobody listens before PortAudio starts in
// this process, so ALSA's default device leads nowhere. Nothing may crash,
// hang or print to stderr; the player refuses to open and to play. (On a
// machine with a sound card of its own there is a device after all: skipped.)
#include "core/tones/kvwave.h"
#include "platform/audio/portaudio_abspieler.h"
#include "platform/audio/portaudio_sitzung.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

namespace
{

TEST(PortAudioOhneGeraet, PlayerRefusesQuietlyAndKeepsItsVolume)
{
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    setenv("PULSE_SERVER", ("unix:" + ordner.filePath("niemand").toStdString()).c_str(), 1);
    const QString ton_l = ordner.filePath("Ton_l.wav");
    ASSERT_TRUE(erzeuge_wave_stereo_konstant_l_r(100, ton_l, ordner.filePath("Ton_r.wav"), 1000.0f, true));

    testing::internal::CaptureStderr();
    const bool ausgabe = Ausgabegeraet_vorhanden();
    bool geoeffnet = true, gespielt = true;
    {
        PortAudio_Abspieler p;
        geoeffnet = p.oeffnen(ton_l);
        gespielt = p.abspielen();
        EXPECT_FALSE(p.laeuft());
        EXPECT_TRUE(p.datei().isEmpty());
        EXPECT_EQ(p.position_ms(), 0.0);
        Wellenlautstaerke_einsetzen(&p);
        SetWaveVolume(1234, 0);
        Wellenlautstaerke_einsetzen(nullptr);
        uint16_t l = 0, r = 1;
        p.lautstaerke(l, r);
        EXPECT_EQ(l, 1234);
        EXPECT_EQ(r, 0);
        p.stoppen();
        p.schliessen();
    }
    const std::string meldungen = testing::internal::GetCapturedStderr();
    if (ausgabe && meldungen.empty())
        GTEST_SKIP() << "this machine has an output device without the sound server";
    EXPECT_FALSE(ausgabe);
    EXPECT_FALSE(geoeffnet);
    EXPECT_FALSE(gespielt);
    EXPECT_EQ(meldungen, "");
}

} // namespace
