// The mixer routines against the simulated mixer: controls that exist and
// controls that do not, no mixer at all, and the wave volume read back from
// the player's channel gains.
#include "core/tones/kvwave.h"
#include "platform/audio/simulierter_abspieler.h"
#include "platform/mixer/lautstaerke_regler.h"
#include "platform/mixer/simuliertes_mischpult.h"

#include <gtest/gtest.h>

class Mischpult_Test : public ::testing::Test
{
protected:
    void SetUp() override { Mischpult_einsetzen(&pult); }
    void TearDown() override
    {
        Mischpult_einsetzen(nullptr);
        Wellenlautstaerke_einsetzen(nullptr);
    }
    Simuliertes_Mischpult pult;
};

TEST_F(Mischpult_Test, OhneMischpultScheitertAlles)
{
    Mischpult_einsetzen(nullptr);
    uint16_t w = 7;
    bool stumm = false;
    EXPECT_FALSE(SetMicrophoneVolumeMute(true));
    EXPECT_FALSE(SetMixerLineSourceMute(5, false));
    EXPECT_FALSE(SetMasterMute(false));
    EXPECT_FALSE(GetMasterMute(stumm));
    EXPECT_EQ(VolumeControl(w), 1);
    SetMasterVolume(0xFFFF); // does nothing, does not crash
    EXPECT_EQ(pult.aufrufe, 0);
}

TEST_F(Mischpult_Test, GesamtlautstaerkeUndSchalter)
{
    uint16_t w = 0;
    EXPECT_EQ(VolumeControl(w), 0);
    EXPECT_EQ(w, 30000);
    SetMasterVolume(0xFFFF);
    EXPECT_EQ(pult.gesamtlautstaerke, 0xFFFF);
    bool stumm = false;
    ASSERT_TRUE(GetMasterMute(stumm));
    EXPECT_TRUE(stumm);
    EXPECT_TRUE(SetMasterMute(false));
    EXPECT_FALSE(pult.gesamt_stumm);
    EXPECT_TRUE(SetMasterMute(true));
    EXPECT_TRUE(pult.gesamt_stumm);
}

TEST_F(Mischpult_Test, FehlendeRegler)
{
    pult.hat_gesamtlautstaerke = false;
    pult.hat_gesamtschalter = false;
    pult.hat_mikrofon_mithoeren = false;
    SetMasterVolume(1234);
    EXPECT_EQ(pult.gesamtlautstaerke, 30000);
    EXPECT_FALSE(SetMasterMute(false));
    EXPECT_TRUE(pult.gesamt_stumm);
    EXPECT_FALSE(SetMicrophoneVolumeMute(true));
    EXPECT_FALSE(pult.mikrofon_stumm);
    EXPECT_EQ(pult.gesetzt, 0);
}

TEST_F(Mischpult_Test, LeitungenNachIndex)
{
    EXPECT_TRUE(SetMixerLineSourceMute(5, false));
    EXPECT_FALSE(pult.wiedergabe_stumm);
    EXPECT_TRUE(SetMixerLineSourceMute(2, true));
    EXPECT_TRUE(pult.mikrofon_stumm);
    EXPECT_TRUE(SetMicrophoneVolumeMute(false));
    EXPECT_FALSE(pult.mikrofon_stumm);
    for (int leitung : {-1, 0, 1, 3, 4, 6, 7, 8, 9})
        EXPECT_FALSE(SetMixerLineSourceMute(leitung, true)) << leitung;
    EXPECT_FALSE(pult.wiedergabe_stumm);
}

TEST_F(Mischpult_Test, WellenlautstaerkeVomAbspieler)
{
    EXPECT_EQ(GetWaveVolume(), 0u); // no player
    Simulierter_Abspieler player;
    Wellenlautstaerke_einsetzen(&player);
    SetWaveVolume(1234, 0);
    EXPECT_EQ(GetWaveVolume(), 1234u);
    SetWaveVolume(0, 65535);
    EXPECT_EQ(GetWaveVolume(), 0xFFFF0000u);
    // Written back as read: nothing changes.
    const uint32_t gemerkt = GetWaveVolume();
    WaveVolume_hilf(gemerkt);
    EXPECT_EQ(GetWaveVolume(), gemerkt);
}
