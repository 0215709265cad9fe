// The level measurement on the real audio stack: the player plays a 1000-Hz
// tone into the sound server's sink, the recorder takes the sink's monitor
// (the server's default source) as its microphone, chosen by device name as
// the meter's settings do, and the measurement runs exactly as in the
// program. Two volumes 20 dB apart must read 20.0 +- 0.2 dB apart; the first
// buffer after a start is never analysed; each of the 10 blocks comes from a
// recorded buffer of its own. Needs the test sound server
// (tools/audio-server.sh); without it the test is skipped, except in CI
// (CI=true), where that is a failure.
#include "platform/echter_klang.h"
#include "core/acoustics/kv_fft.h"
#include "core/tones/kvwave.h"
#include "platform/audio/pegelmesser.h"
#include "platform/audio/portaudio_abspieler.h"
#include "platform/audio/portaudio_aufnehmer.h"
#include "platform/audio/portaudio_sitzung.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

namespace
{

class PortAudioAufnehmer : public Echter_Klang
{
protected:
    void SetUp() override
    {
        Echter_Klang::SetUp();
        if (ohne_Klang())
            return;
        ASSERT_TRUE(ordner.isValid());
        ASSERT_TRUE(kvFFT_dyn_Arrays_erzeugen(4096));
        kvFFT_Grundeinstellungen(4096);
        // A meter whose weights are all the same: only differences count here.
        std::fill(FFT_Tabellen.W_dB_slow.begin(), FFT_Tabellen.W_dB_slow.end(), 1e-12L);
    }
    void TearDown() override { kvFFT_dyn_arrays_schliessen(); }

    // One measurement as the program makes it; false after 10 s.
    bool messen(Pegelmesser& p, Messergebnis& ergebnis)
    {
        Messvorgaben v;
        v.Mitte = 93; // 1000 Hz
        v.A_bewertet = 0;
        bool fertig = false;
        const auto verbindung = QObject::connect(&p, &Pegelmesser::Messung_fertig, [&] { fertig = true; });
        const bool gestartet = p.starten(v);
        QElapsedTimer t;
        t.start();
        while (gestartet && !fertig && t.elapsed() < 10000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            QThread::msleep(1);
        }
        QObject::disconnect(verbindung);
        p.beenden();
        ergebnis = p.ergebnis();
        return fertig;
    }

    QTemporaryDir ordner;
};

TEST_F(PortAudioAufnehmer, TwoVolumesTwentyDecibelsApart)
{
    const QString ton_l = ordner.filePath("Ton_l.wav");
    ASSERT_TRUE(erzeuge_wave_stereo_konstant_l_r(300, ton_l, ordner.filePath("Ton_r.wav"), 1000.0f, true));
    PortAudio_Abspieler spieler;
    spieler.lautstaerke_setzen(30000, 0);
    ASSERT_TRUE(spieler.oeffnen(ton_l));
    spieler.wiederholen_setzen(true);
    ASSERT_TRUE(spieler.abspielen());

    PortAudio_Aufnehmer aufnehmer;
    ASSERT_TRUE(aufnehmer.version_passt());
    ASSERT_EQ(Aufnahme_einrichten(aufnehmer), Aufnahme_Einrichtung::bereit);
    // Chosen by name as after reading the meter's settings; no input is
    // called "Mikrofon" here, so the last one switched on is taken.
    Aufnahme_Wahl wahl;
    ASSERT_TRUE(Geraet_Kanal_einstellen(aufnehmer, QStringLiteral("default"), QStringLiteral("Mikrofon"), 1.0f,
                                        &wahl));
    EXPECT_GE(wahl.geraet, 0);

    Pegelmesser p;
    p.aufnehmer_setzen(&aufnehmer);
    QObject::connect(&aufnehmer, &Aufnehmer::Puffer_da, &p, &Pegelmesser::Aufnahme1, Qt::QueuedConnection);

    std::vector<double> pegel;
    for (const uint16_t v : {uint16_t(30000), uint16_t(3000)}) {
        SCOPED_TRACE(v);
        spieler.lautstaerke_setzen(v, 0);
        warten(400); // the new volume has reached the monitor
        Messergebnis m;
        ASSERT_TRUE(messen(p, m));
        EXPECT_TRUE(m.echter_Ton) << "difference " << double(m.Differenz) << " dB";
        pegel.push_back(double(m.Lges));
        const auto& nummern = p.genommene_Puffer();
        ASSERT_EQ(nummern.size(), 10u);
        EXPECT_GE(nummern.front(), 2u) << "the first buffer after the start was analysed";
        EXPECT_EQ(std::set<uint32_t>(nummern.begin(), nummern.end()).size(), 10u);
        // Ten buffers made exactly ten blocks with nothing left over: every
        // buffer was one recorded block of 4101 samples.
        EXPECT_EQ(p.messung().analysierte_Bloecke(), 10);
        EXPECT_EQ(p.messung().gesammelt(), 0u);
    }
    spieler.stoppen();
    std::printf("1000 Hz at volumes 30000 and 3000: %.3f dB and %.3f dB, %.3f dB apart\n", pegel[0], pegel[1],
                pegel[0] - pegel[1]);
    EXPECT_NEAR(pegel[0] - pegel[1], 20.0, 0.2);
}

} // namespace
