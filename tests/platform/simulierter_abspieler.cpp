// The simulated tone player: its clock, position, loop, end notice, volume
// records and failures, which the window tests rely on to know the truth.
#include "platform/audio/simulierter_abspieler.h"
#include "core/tones/kvwave.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

namespace
{

class SimulierterAbspieler : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ordner.isValid());
        // 0.5 s falling pure tone, and a 1-s constant tone.
        ASSERT_TRUE(erzeuge_wave_stereo_l_r(false, false, 50, 1000.0f, kurz_l, kurz_r, false, true));
        ASSERT_TRUE(erzeuge_wave_stereo_konstant_l_r(100, konst_l, konst_r, 1000.0f, true));
        QObject::connect(&p, &Abspieler::Ende, [this] { ++enden; });
    }

    QTemporaryDir ordner;
    const QString kurz_l = ordner.filePath("abn_l1.wav");
    const QString kurz_r = ordner.filePath("abn_r1.wav");
    const QString konst_l = ordner.filePath("Ton_l.wav");
    const QString konst_r = ordner.filePath("Ton_r.wav");
    Simulierter_Abspieler p;
    int enden = 0;
};

TEST_F(SimulierterAbspieler, PositionFollowsTheClockAndStopsAtTheEnd)
{
    EXPECT_EQ(p.position_ms(), 0.0);
    ASSERT_TRUE(p.oeffnen(kurz_l));
    EXPECT_EQ(p.datei(), kurz_l);
    EXPECT_DOUBLE_EQ(p.laenge_ms(), 500.0);
    p.vorruecken(100); // time before the playing does not count
    ASSERT_TRUE(p.abspielen());
    EXPECT_TRUE(p.laeuft());
    p.vorruecken(123.5);
    EXPECT_DOUBLE_EQ(p.position_ms(), 123.5);
    p.zeit_setzen(50); // the clock never runs backwards
    EXPECT_DOUBLE_EQ(p.position_ms(), 123.5);
    p.vorruecken(10000);
    EXPECT_DOUBLE_EQ(p.position_ms(), 500.0);
    EXPECT_FALSE(p.laeuft());
}

TEST_F(SimulierterAbspieler, StopFreezesThePositionAndPlayStartsFromTheBeginning)
{
    ASSERT_TRUE(p.oeffnen(kurz_l));
    ASSERT_TRUE(p.abspielen());
    p.vorruecken(200);
    p.stoppen();
    p.vorruecken(1000);
    EXPECT_DOUBLE_EQ(p.position_ms(), 200.0);
    EXPECT_FALSE(p.laeuft());
    ASSERT_TRUE(p.abspielen());
    EXPECT_DOUBLE_EQ(p.position_ms(), 0.0);
    p.schliessen();
    EXPECT_TRUE(p.datei().isEmpty());
    EXPECT_FALSE(p.abspielen());
    EXPECT_EQ(p.gespielte_dateien(), QStringList({kurz_l, kurz_l}));
}

TEST_F(SimulierterAbspieler, EndNoticeComesOncePerPlayingAndOnlyWithNotifyOn)
{
    ASSERT_TRUE(p.oeffnen(kurz_l));
    ASSERT_TRUE(p.abspielen());
    p.vorruecken(600);
    EXPECT_EQ(enden, 0); // notify off

    p.benachrichtigen_setzen(true);
    ASSERT_TRUE(p.abspielen());
    p.vorruecken(499.9);
    EXPECT_EQ(enden, 0);
    p.vorruecken(0.1);
    EXPECT_EQ(enden, 1);
    p.vorruecken(5000);
    EXPECT_EQ(enden, 1);
    EXPECT_EQ(p.ende_anzahl(), 1);
}

TEST_F(SimulierterAbspieler, RestartFromTheEndNoticeRunsFromTheEndTime)
{
    // As the window restarts a repeating tone from the notice: each restart
    // begins at the end time of the one before, however far the clock jumps.
    QObject::connect(&p, &Abspieler::Ende, &p, [this] { p.abspielen(); });
    p.benachrichtigen_setzen(true);
    ASSERT_TRUE(p.oeffnen(kurz_l));
    ASSERT_TRUE(p.abspielen());
    p.vorruecken(1750);
    EXPECT_EQ(enden, 3);
    EXPECT_DOUBLE_EQ(p.position_ms(), 250.0);
    EXPECT_TRUE(p.laeuft());
}

TEST_F(SimulierterAbspieler, LoopWrapsWithoutEndAndEndsAfterLoopIsSwitchedOff)
{
    p.benachrichtigen_setzen(true);
    p.wiederholen_setzen(true);
    ASSERT_TRUE(p.oeffnen(konst_l));
    ASSERT_TRUE(p.abspielen());
    p.vorruecken(2300);
    EXPECT_NEAR(p.position_ms(), 300.0, 1e-9);
    EXPECT_TRUE(p.laeuft());
    EXPECT_EQ(enden, 0);
    // Switched off in the third pass: this pass is the last.
    p.wiederholen_setzen(false);
    p.vorruecken(699);
    EXPECT_EQ(enden, 0);
    EXPECT_NEAR(p.position_ms(), 999.0, 1e-9);
    p.vorruecken(1);
    EXPECT_EQ(enden, 1);
    EXPECT_FALSE(p.laeuft());
    EXPECT_DOUBLE_EQ(p.position_ms(), 1000.0);
}

TEST_F(SimulierterAbspieler, VolumeChangesAreRecordedWithTheirTimeAlsoThroughSetWaveVolume)
{
    ASSERT_TRUE(p.oeffnen(kurz_l));
    p.lautstaerke_setzen(30000, 0);
    ASSERT_TRUE(p.abspielen());
    p.vorruecken(40);
    Wellenlautstaerke_einsetzen(&p);
    SetWaveVolume(0, 12345);
    WaveVolume_hilf(0xFFFF0001u);
    Wellenlautstaerke_einsetzen(nullptr);
    SetWaveVolume(1, 1); // nobody installed: nothing happens
    using A = Simulierter_Abspieler::Lautstaerke_Aenderung;
    const std::vector<A> erwartet{{0, 30000, 0}, {40, 0, 12345}, {40, 1, 65535}};
    EXPECT_EQ(p.lautstaerke_aenderungen(), erwartet);
    uint16_t l = 0, r = 0;
    p.lautstaerke(l, r);
    EXPECT_EQ(l, 1);
    EXPECT_EQ(r, 65535);
    // The volume belongs to the player: another file keeps it.
    ASSERT_TRUE(p.oeffnen(kurz_r));
    p.lautstaerke(l, r);
    EXPECT_EQ(l, 1);
}

TEST_F(SimulierterAbspieler, FailuresAsWithoutAnOutputDevice)
{
    p.oeffnen_scheitern_lassen(true);
    EXPECT_FALSE(p.oeffnen(kurz_l));
    EXPECT_TRUE(p.datei().isEmpty());
    EXPECT_FALSE(p.abspielen());
    EXPECT_FALSE(p.laeuft());
    p.oeffnen_scheitern_lassen(false);
    EXPECT_FALSE(p.oeffnen(ordner.filePath("fehlt.wav")));
    ASSERT_TRUE(p.oeffnen(kurz_l));
    p.abspielen_scheitern_lassen(true);
    EXPECT_FALSE(p.abspielen());
    EXPECT_FALSE(p.laeuft());
    EXPECT_EQ(p.geoeffnete_dateien(), QStringList{kurz_l});
    EXPECT_TRUE(p.gespielte_dateien().isEmpty());
}

TEST_F(SimulierterAbspieler, HeardFramesCarryTheGainsAndExactSilence)
{
    std::vector<float> f;
    ASSERT_TRUE(p.oeffnen(konst_r));
    p.gehoerte_frames(4, f);
    EXPECT_EQ(f, std::vector<float>(8, 0.0f)); // not playing

    p.wiederholen_setzen(true);
    p.lautstaerke_setzen(65535, 6554);
    ASSERT_TRUE(p.abspielen());
    p.gehoerte_frames(3, f);
    EXPECT_EQ(f[0], 0.0f);
    EXPECT_FLOAT_EQ(f[1], 32700.0f / 32768.0f * 6554.0f / 65535.0f);
    EXPECT_EQ(f[2], 0.0f);
    // Half a frame into the file's last frame: that frame, then the start again.
    const float g = 6554.0f / 65535.0f / 32768.0f;
    p.vorruecken(1000.0 - 0.5 / 44.1);
    p.gehoerte_frames(2, f);
    EXPECT_FLOAT_EQ(f[1], float(links_digitalisieren(false, false, 44099, 1, 1000.0f, 100, true)) * g);
    EXPECT_FLOAT_EQ(f[3], 32700.0f * g);

    p.lautstaerke_setzen(65535, 0);
    p.gehoerte_frames(1000, f);
    for (float x : f)
        ASSERT_EQ(x, 0.0f);
}

} // namespace
