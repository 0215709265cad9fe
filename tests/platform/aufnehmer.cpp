// The recording without a device: choosing device and input by the meter's
// names, the hand-over between capture and window thread, and one level
// measurement over the simulated recorder on its stepped clock.
#include "core/acoustics/kv_fft.h"
#include "core/shell/uhr.h"
#include "platform/audio/pegelmesser.h"
#include "platform/audio/simulierter_aufnehmer.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace
{

struct Wahlfall {
    const char* name;
    std::vector<Aufnehmer::Geraet> geraete;
    QStringList eingaenge;
    QList<bool> aus;
    int geraet;        // expected device
    int eingang;       // expected input
    float lautstaerke; // expected volume of that input
};

class AufnahmeWahl : public ::testing::TestWithParam<Wahlfall>
{
};

TEST_P(AufnahmeWahl, DeviceAndInputByName)
{
    const Wahlfall& f = GetParam();
    Simulierter_Aufnehmer a;
    a.geraete_liste = f.geraete;
    a.eingang_namen = f.eingaenge;
    a.eingang_ist_aus = f.aus;
    Aufnahme_Wahl w;
    ASSERT_TRUE(Geraet_Kanal_einstellen(a, QStringLiteral("USB-Mikrofon"), QStringLiteral("Mic"), 0.75f, &w));
    EXPECT_EQ(w.geraet, f.geraet);
    EXPECT_EQ(a.eingerichtet, f.geraet);
    EXPECT_EQ(w.eingang, f.eingang);
    ASSERT_EQ(a.gesetzte_eingaenge.size(), 1);
    EXPECT_EQ(a.gesetzte_eingaenge[0].first, f.eingang);
    EXPECT_EQ(a.gesetzte_eingaenge[0].second, f.lautstaerke);
}

const Aufnehmer::Geraet Standard{QStringLiteral("default"), true};
const Aufnehmer::Geraet Usb{QStringLiteral("USB-Mikrofon"), true};
const Aufnehmer::Geraet Usb_gesperrt{QStringLiteral("USB-Mikrofon"), false};

INSTANTIATE_TEST_SUITE_P(
    Faelle, AufnahmeWahl,
    ::testing::Values(
        // The last device and the last input of that name win; the input gets the meter's volume.
        Wahlfall{"namen", {Usb, Standard, Usb}, {"Mic", "Line", "Mic"}, {true, false, true}, 2, 2, 0.75f},
        // A device that may not be chosen does not count: the default device.
        Wahlfall{"gesperrt", {Standard, Usb_gesperrt}, {"Mic"}, {false}, -1, 0, 0.75f},
        // No input of that name: the last one switched on, at full volume.
        Wahlfall{"kein_eingang", {Usb}, {"Line", "Capture", "Aux"}, {false, false, true}, 0, 1, 1.0f},
        // All inputs off: no particular input, at full volume.
        Wahlfall{"alle_aus", {Usb}, {"Line", "Aux"}, {true, true}, 0, -1, 1.0f}),
    [](const auto& info) { return std::string(info.param.name); });

// The named device exists but cannot be set up: released, no input touched.
TEST(AufnahmeWahlGescheitert, DeviceReleased)
{
    Simulierter_Aufnehmer a;
    a.geraete_liste = {Standard, Usb};
    a.scheiternde_geraete = {1};
    ASSERT_TRUE(a.initialisieren(-1));
    EXPECT_FALSE(Geraet_Kanal_einstellen(a, QStringLiteral("USB-Mikrofon"), QStringLiteral("Mic"), 1.0f));
    EXPECT_EQ(a.eingerichtet, -2);
    EXPECT_TRUE(a.gesetzte_eingaenge.isEmpty());
}

// One measurement over the simulated recorder: the first buffer after the
// start never counts, every block comes from a buffer of its own, buffers that
// arrive while the window thread is busy are dropped, and a stopped recording
// takes nothing.
class PegelmesserSimuliert : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "test_platform_aufnehmer";
        static char* argv[] = {name, nullptr};
        if (!QCoreApplication::instance())
            new QCoreApplication(argc, argv);
    }
    void SetUp() override
    {
        ASSERT_TRUE(kvFFT_dyn_Arrays_erzeugen(4096));
        kvFFT_Grundeinstellungen(4096);
        uhr_setzen(&a);
        ASSERT_TRUE(a.initialisieren(-1));
        p.aufnehmer_setzen(&a);
        QObject::connect(&a, &Aufnehmer::Puffer_da, &p, [this] { ++gemeldet; });
        QObject::connect(&p, &Pegelmesser::Messung_fertig, &p, [this] { ++fertig; });
    }
    void TearDown() override
    {
        uhr_setzen(nullptr);
        kvFFT_dyn_arrays_schliessen();
    }

    Simulierter_Aufnehmer a;
    Pegelmesser p;
    int gemeldet = 0;
    int fertig = 0;
};

TEST_F(PegelmesserSimuliert, FirstBufferDroppedAndOneBufferPerBlock)
{
    Messvorgaben v;
    v.Mitte = 93;
    ASSERT_TRUE(p.starten(v));
    EXPECT_TRUE(p.Messung_laeuft());
    for (int i = 0; i < 30 && fertig == 0; ++i) {
        a.bis_zum_naechsten_Puffer();
        p.Aufnahme1();
    }
    ASSERT_EQ(fertig, 1);
    EXPECT_EQ(p.messung().analysierte_Bloecke(), 10);
    EXPECT_EQ(p.genommene_Puffer(), (std::vector<uint32_t>{2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    EXPECT_EQ(gemeldet, 10);
    // Complete: the hand-over takes nothing more until the next start.
    a.bis_zum_naechsten_Puffer();
    EXPECT_EQ(gemeldet, 10);
    EXPECT_EQ(p.beenden(), Pegelmesser::Stopp::gestoppt);
    EXPECT_FALSE(a.laeuft());
    EXPECT_FALSE(p.Messung_laeuft());
    EXPECT_EQ(p.beenden(), Pegelmesser::Stopp::nichts_lief);

    // A busy window thread: three buffers pass before it looks; only the
    // first of them was taken.
    ASSERT_TRUE(p.starten(v));
    a.bis_zum_naechsten_Puffer(); // dropped as the first
    a.vorruecken(3 * 4101 / 44.1);
    p.Aufnahme1();
    a.bis_zum_naechsten_Puffer();
    p.Aufnahme1();
    EXPECT_EQ(p.genommene_Puffer(), (std::vector<uint32_t>{2, 5}));
    EXPECT_EQ(p.messung().analysierte_Bloecke(), 2);

    // A recorder that cannot stop is reported; one that cannot start runs nothing.
    a.stopp_scheitert = true;
    EXPECT_EQ(p.beenden(), Pegelmesser::Stopp::fehler);
    a.start_scheitert = true;
    EXPECT_FALSE(p.starten(v));
    EXPECT_FALSE(p.Aufnahme_laeuft());
    EXPECT_FALSE(p.Messung_laeuft());
    EXPECT_FALSE(a.uebergabe().aktiv());
}

// A recording that stops delivering (microphone unplugged): after 2 s on the
// program's clock without any buffer the watch reports it once. A window
// thread that is only slow to take the buffers is no failure: the device
// still delivers.
TEST_F(PegelmesserSimuliert, RecordingWithoutBuffersIsReportedAfterTwoSeconds)
{
    int ausgefallen = 0;
    QObject::connect(&p, &Pegelmesser::Aufnahme_ausgefallen, &p, [&] { ++ausgefallen; });
    Messvorgaben v;
    v.Mitte = 93;
    ASSERT_TRUE(p.starten(v));
    // Five seconds in which the window thread takes nothing.
    for (int i = 0; i < 50; ++i) {
        a.vorruecken(100);
        EXPECT_FALSE(p.Aufnahme_pruefen()) << i;
    }
    p.Aufnahme1();
    // The device falls silent.
    ASSERT_TRUE(a.stoppen());
    a.vorruecken(1900);
    EXPECT_FALSE(p.Aufnahme_pruefen());
    a.vorruecken(200);
    EXPECT_TRUE(p.Aufnahme_pruefen());
    EXPECT_EQ(ausgefallen, 1);
    EXPECT_FALSE(p.Aufnahme_pruefen()) << "reported once";
    EXPECT_EQ(ausgefallen, 1);
    EXPECT_TRUE(p.Messung_laeuft()) << "stopping is for the receiver";
    p.beenden();

    // A measurement that completes is never reported, however long the
    // program then waits.
    ASSERT_TRUE(p.starten(v));
    for (int i = 0; i < 30 && fertig == 0; ++i) {
        a.bis_zum_naechsten_Puffer();
        p.Aufnahme1();
    }
    ASSERT_EQ(fertig, 1);
    a.stoppen();
    a.vorruecken(5000);
    EXPECT_FALSE(p.Aufnahme_pruefen());
    EXPECT_EQ(ausgefallen, 1);
}

} // namespace
