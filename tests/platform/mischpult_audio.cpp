// The ALSA mixer of the default card on the real audio stack (PulseAudio
// through ALSA's pulse plugin, started by tools/audio-server.sh): the master
// volume is read, set and read back, the master switch toggled, and the
// microphone-monitor switch, which that mixer lacks, reports failure. Without
// a mixer the tests are skipped, except in CI (CI=true), where that is a
// failure.
#include "platform/mixer/alsa_mischpult.h"
#include "platform/mixer/lautstaerke_regler.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

class ALSA_Mischpult_Test : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!pult.vorhanden()) {
            const char* ci = std::getenv("CI");
            if (ci && std::strcmp(ci, "true") == 0)
                FAIL() << "no ALSA mixer with a Master control in CI: start tools/audio-server.sh with "
                          "XDG_RUNTIME_DIR set";
            GTEST_SKIP() << "no ALSA mixer with a Master control (start tools/audio-server.sh with "
                            "XDG_RUNTIME_DIR set)";
        }
        ASSERT_TRUE(pult.Gesamtlautstaerke_lesen(vorher_));
        ASSERT_TRUE(pult.Gesamtschalter_lesen(vorher_stumm_));
        Mischpult_einsetzen(&pult);
    }
    void TearDown() override
    {
        Mischpult_einsetzen(nullptr);
        if (pult.vorhanden()) {
            pult.Gesamtlautstaerke_setzen(vorher_);
            pult.Gesamtschalter_setzen(vorher_stumm_);
        }
    }
    ALSA_Mischpult pult;
    uint16_t vorher_ = 0;
    bool vorher_stumm_ = false;
};

TEST_F(ALSA_Mischpult_Test, GesamtlautstaerkeLesenUndSetzen)
{
    for (uint16_t soll : {uint16_t(0x4000), uint16_t(0xFFFF), uint16_t(0x2222)}) {
        SetMasterVolume(soll);
        uint16_t ist = 0;
        ASSERT_EQ(VolumeControl(ist), 0);
        // The control's own steps may be coarser than 1/65535.
        EXPECT_NEAR(int(ist), int(soll), 700) << soll;
    }
}

TEST_F(ALSA_Mischpult_Test, GesamtschalterUndFehlendeRegler)
{
    bool stumm = false;
    EXPECT_TRUE(SetMasterMute(true));
    ASSERT_TRUE(GetMasterMute(stumm));
    EXPECT_TRUE(stumm);
    EXPECT_TRUE(SetMasterMute(false));
    ASSERT_TRUE(GetMasterMute(stumm));
    EXPECT_FALSE(stumm);
    // The sound server's mixer has no microphone monitoring path.
    EXPECT_FALSE(SetMicrophoneVolumeMute(true));
}

TEST(ALSA_Mischpult_ohne_Karte, UnbekannteKarteScheitertSauber)
{
    ALSA_Mischpult keine("hw:97");
    uint16_t w = 0;
    bool stumm = false;
    EXPECT_FALSE(keine.vorhanden());
    EXPECT_FALSE(keine.Gesamtlautstaerke_setzen(100));
    EXPECT_FALSE(keine.Gesamtschalter_lesen(stumm));
    EXPECT_FALSE(keine.Mikrofon_Mithoeren_stumm(true));
    EXPECT_FALSE(keine.Gesamtlautstaerke_lesen(w));
}
