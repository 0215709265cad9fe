// Reading the companion sound-level meter's files: which extension blocks a
// version holds, the FFT tables, and files that end too early.
#include "messgeraet_bilder.h"
#include "testumgebung.h"

#include "core/shell/cp1252.h"
#include "core/shell/programmstart.h"

#include <QFileInfo>

#include <limits>
#include <random>

using namespace testumgebung;

class Messgeraet : public Einstellungs_Test
{
protected:
    void SetUp() override
    {
        Einstellungs_Test::SetUp();
        Einstellungsordner_festlegen();
        Bass_Geraet_Kanal_einstellen = [this] {
            ++hook_aufrufe;
            // The 1.9 block is in place when the device is chosen.
            hook_geraet = Schallpegel_Einstellungen1_9.Geraete_name.text();
        };
        merker_setzen();
    }

    // Marks in every block, so that a block that was not read is visible.
    static void merker_setzen()
    {
        Schallpegel_Einstellungen.Version.setzen(QStringLiteral("vorher"));
        Schallpegel_Einstellungen1_2.Anzahl_Loops = 99;
        Schallpegel_Einstellungen1_5.PapierKorrektur = -1;
        Schallpegel_Einstellungen1_6.dB_Hintergrund = -1;
        Schallpegel_Einstellungen1_7.dBA_rot = -1;
        Schallpegel_Einstellungen1_7_1.ende = -1;
        Schallpegel_Einstellungen1_9.Aufnahme_Kanal_Nummer = -1;
    }

    QString mes_ablegen(const QByteArray& inhalt, const QString& name = QStringLiteral("messung.mes")) const
    {
        const QString pfad = heim() + QLatin1Char('/') + name;
        EXPECT_TRUE(schreiben_datei(pfad, inhalt));
        return pfad;
    }

    QString sch_pfad() const
    {
        return Dokumente_pfad +
               QStringLiteral("Grundeinstellungen_Quarvel_Schallpegelmesser/Grundeinstellungen.sch");
    }

    void sch_ablegen(const QByteArray& inhalt) const
    {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(sch_pfad()).path()));
        ASSERT_TRUE(schreiben_datei(sch_pfad(), inhalt));
    }

    int hook_aufrufe = 0;
    QString hook_geraet;
};

TEST(MessgeraetVersionen, TabelleDerErweiterungsbloecke)
{
    struct Fall {
        const char* version;
        bool b12, b15, b16, b17, b171, b19;
    };
    const Fall faelle[] = {
        {"Vidizedazevadadev Version 1.2", true, false, false, false, false, false},
        {"Vidizedazevadadev Version 1.3", true, false, false, false, false, false},
        {"Vidizedazevadadev Version 1.4", true, false, false, false, false, false},
        {"Vidizedazevadadev Version 1.5", true, true, false, false, false, false},
        {"Vidizedazevadadev Version 1.6", true, true, true, false, false, false},
        {"Vidizedazevadadev Version 1.7", true, true, true, true, false, false},
        {"Vidizedazevadadev Version 1.7.1", true, true, true, true, true, false},
        {"Vidizedazevadadev Version 1.9", true, true, true, true, true, true},
        // Compared exactly and case-sensitively.
        {"Vidizedazevadadev Version 1.1", false, false, false, false, false, false},
        {"Vidizedazevadadev Version 2.0", false, false, false, false, false, false},
        {"vidizedazevadadev Version 1.9", false, false, false, false, false, false},
        {"Vidizedazevadadev Version 1.9 ", false, false, false, false, false, false},
        {"Vidizedazevadadev Version 1.7.", false, false, false, false, false, false},
        {"", false, false, false, false, false, false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.version);
        Kurztext<50> v;
        v.setzen(QString::fromLatin1(f.version));
        const Schallpegel_Bloecke b = Schallpegel_Bloecke_fuer(v);
        EXPECT_EQ(b.b1_2, f.b12);
        EXPECT_EQ(b.b1_5, f.b15);
        EXPECT_EQ(b.b1_6, f.b16);
        EXPECT_EQ(b.b1_7, f.b17);
        EXPECT_EQ(b.b1_7_1, f.b171);
        EXPECT_EQ(b.b1_9, f.b19);
    }
}

TEST_F(Messgeraet, Version15LiestNurDieBloecke12Und15)
{
    ASSERT_TRUE(Schallpegel_Einstellungen_von_Festplatte_holen(
        mes_ablegen(mes_bild("Vidizedazevadadev Version 1.5"))));
    EXPECT_TRUE(Schallpegel_Einstellungen.Version.gleich("Vidizedazevadadev Version 1.5"));
    EXPECT_EQ(Schallpegel_Einstellungen.Max_Anzahl_Zeilen, 1234);
    EXPECT_EQ(Schallpegel_Einstellungen.dB_untersteuert, -12.5);
    EXPECT_EQ(Schallpegel_Einstellungen.dB_uebersteuert, 99.0);
    EXPECT_EQ(Schallpegel_Einstellungen1_2.Anzahl_Loops, 7);
    EXPECT_EQ(Schallpegel_Einstellungen1_2.Max_Aufnahmezeit, 2.5);
    EXPECT_EQ(Schallpegel_Einstellungen1_5.PapierKorrektur, 1.25);
    EXPECT_EQ(Schallpegel_Einstellungen1_6.dB_Hintergrund, -1);
    EXPECT_EQ(Schallpegel_Einstellungen1_7.dBA_rot, -1);
    EXPECT_EQ(Schallpegel_Einstellungen1_7_1.ende, -1);
    EXPECT_EQ(Schallpegel_Einstellungen1_9.Aufnahme_Kanal_Nummer, -1);
    EXPECT_EQ(hook_aufrufe, 0);

    // The seven per-bin tables, interleaved in the file.
    ASSERT_EQ(FFT_Tabellen.W_dB_fast.size(), size_t(Bins));
    EXPECT_EQ(FFT_Tabellen.W_dB_fast[0], bin_wert(0, 0));
    EXPECT_EQ(FFT_Tabellen.W_dB_slow[1], bin_wert(1, 1));
    EXPECT_EQ(FFT_Tabellen.W_dBA_fast[100], bin_wert(100, 2));
    EXPECT_EQ(FFT_Tabellen.W_dBA_slow[2048], bin_wert(2048, 3));
    EXPECT_EQ(FFT_Tabellen.Weitere3[5], bin_wert(5, 6));
}

TEST_F(Messgeraet, Version19LiestAlleBloeckeUndStelltDasGeraetEin)
{
    ASSERT_TRUE(Schallpegel_Einstellungen_holen2(mes_ablegen(mes_bild("Vidizedazevadadev Version 1.9"))));
    EXPECT_EQ(Schallpegel_Einstellungen1_2.Anzahl_Loops, 7);
    EXPECT_EQ(Schallpegel_Einstellungen1_5.PapierKorrektur, 1.25);
    EXPECT_EQ(Schallpegel_Einstellungen1_6.Auswahl1, 1);
    EXPECT_EQ(Schallpegel_Einstellungen1_6.dBA_Hintergrund, 28.0);
    EXPECT_EQ(Schallpegel_Einstellungen1_6.peff_untersteuert.wert(), 0.001L);
    EXPECT_EQ(Schallpegel_Einstellungen1_7.Fenster[12].top, 640);
    EXPECT_EQ(Schallpegel_Einstellungen1_7.dBA_rot, 85);
    EXPECT_EQ(Schallpegel_Einstellungen1_7.dBA_gelb, 70);
    EXPECT_EQ(Schallpegel_Einstellungen1_7.Ansage_Dateiname.text(), QStringLiteral("ansage.wav"));
    EXPECT_EQ(Langer_Dateiname_zu_string(Schallpegel_Einstellungen1_7_1), QStringLiteral("/ansage2.wav"));
    EXPECT_EQ(Schallpegel_Einstellungen1_9.Geraete_name.text(), QStringLiteral("Mikrofon (USB) Größe"));
    EXPECT_EQ(Schallpegel_Einstellungen1_9.Kanal_name.text(), QStringLiteral("Capture"));
    EXPECT_EQ(Schallpegel_Einstellungen1_9.Aufnahme_Kanal_Nummer, 3);
    EXPECT_EQ(Schallpegel_Einstellungen1_9.Aufnahme_Volume, 0.75f);
    EXPECT_EQ(Schallpegel_Einstellungen1_9.Geraet_Kanal_einstellen, 1);
    EXPECT_EQ(hook_aufrufe, 1);
    EXPECT_EQ(hook_geraet, QStringLiteral("Mikrofon (USB) Größe"));
}

TEST_F(Messgeraet, Version171LiestBisZumLangenAnsagepfad)
{
    ASSERT_TRUE(Schallpegel_Einstellungen_von_Festplatte_holen(mes_ablegen(mes_bild(Meter_Version_1_7_1))));
    EXPECT_EQ(Schallpegel_Einstellungen1_7.dBA_rot, 85);
    EXPECT_EQ(Schallpegel_Einstellungen1_7_1.ende, 12);
    EXPECT_EQ(Schallpegel_Einstellungen1_9.Aufnahme_Kanal_Nummer, -1);
    EXPECT_EQ(hook_aufrufe, 0);
}

TEST_F(Messgeraet, UnbekannteVersionLiestKeinenBlock)
{
    ASSERT_TRUE(Schallpegel_Einstellungen_von_Festplatte_holen(
        mes_ablegen(mes_bild("Vidizedazevadadev Version 3.0"))));
    EXPECT_TRUE(Schallpegel_Einstellungen.Version.gleich("Vidizedazevadadev Version 3.0"));
    EXPECT_EQ(FFT_Tabellen.W_dB_fast[7], bin_wert(7, 0));
    EXPECT_EQ(Schallpegel_Einstellungen1_2.Anzahl_Loops, 99);
    EXPECT_EQ(Schallpegel_Einstellungen1_5.PapierKorrektur, -1);
    EXPECT_EQ(Schallpegel_Einstellungen1_9.Aufnahme_Kanal_Nummer, -1);
    EXPECT_EQ(hook_aufrufe, 0);
}

TEST_F(Messgeraet, AbgeschnitteneEinstellungsdateiAendertNichts)
{
    const QByteArray voll = mes_bild("Vidizedazevadadev Version 1.9");
    const qsizetype ende_19 = Mes_Kopf_und_Bins + 16 + 8 + 64 + 536 + 10004 + 524;
    ASSERT_EQ(voll.size(), ende_19);
    struct Fall {
        const char* name;
        QByteArray inhalt;
    };
    const Fall faelle[] = {
        {"leer", QByteArray()},
        {"halber Kopf", voll.left(200)},
        {"nur Kopf", voll.left(456)},
        {"mitten in den Bins", voll.left(456 + 1000 * 70 + 3)},
        {"ohne Block 1.2", voll.left(Mes_Kopf_und_Bins + 15)},
        {"letzter Block ein Byte zu kurz", voll.left(ende_19 - 1)},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        EXPECT_FALSE(Schallpegel_Einstellungen_von_Festplatte_holen(mes_ablegen(f.inhalt)));
        EXPECT_TRUE(Schallpegel_Einstellungen.Version.gleich("vorher"));
        EXPECT_EQ(Schallpegel_Einstellungen1_2.Anzahl_Loops, 99);
        EXPECT_EQ(Schallpegel_Einstellungen1_7.dBA_rot, -1);
        EXPECT_EQ(Schallpegel_Einstellungen1_9.Aufnahme_Kanal_Nummer, -1);
        EXPECT_TRUE(FFT_Tabellen.W_dB_fast.empty());
        EXPECT_EQ(hook_aufrufe, 0);
    }
    EXPECT_FALSE(Schallpegel_Einstellungen_von_Festplatte_holen(heim() + QStringLiteral("/fehlt.mes")));
    EXPECT_FALSE(Schallpegel_Einstellungen_von_Festplatte_holen(heim()));
    // A complete file extended to 100 MB is not a meter file: nothing is taken over.
    const QString riesig = mes_ablegen(voll);
    ASSERT_TRUE(QFile::resize(riesig, 100 * 1024 * 1024));
    EXPECT_FALSE(Schallpegel_Einstellungen_von_Festplatte_holen(riesig));
    EXPECT_TRUE(Schallpegel_Einstellungen.Version.gleich("vorher"));
    EXPECT_TRUE(FFT_Tabellen.W_dB_fast.empty());

    // Random bytes of any length never crash.
    std::mt19937 gen(5);
    for (int n : {1, 455, 457, 150000, 170000}) {
        QByteArray b(n, '\0');
        for (auto& c : b)
            c = char(gen() & 0xFF);
        Schallpegel_Einstellungen_von_Festplatte_holen(mes_ablegen(b));
    }
}

// A weight table with a value that is not finite or negative, or with nothing
// but zeros, would give every level of the automatic calibration as nan or
// -200 dB: the file is refused with a message naming the table, and nothing
// of it is taken over. The three tables that nothing uses are not judged.
TEST_F(Messgeraet, UngueltigeGewichteWerdenAbgelehnt)
{
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    const long double inf = std::numeric_limits<long double>::infinity();
    // Value k of bin j in the image.
    const auto mit = [](int j, int k, long double x) {
        QByteArray b = mes_bild("Vidizedazevadadev Version 1.9");
        QByteArray e;
        extended_anhaengen(e, x);
        b.replace(456 + (j * 7 + k) * 10, 10, e);
        return b;
    };
    const auto alle = [](int k, long double x) {
        QByteArray b = mes_bild("Vidizedazevadadev Version 1.9");
        QByteArray e;
        extended_anhaengen(e, x);
        for (int j = 0; j < Bins; ++j)
            b.replace(456 + (j * 7 + k) * 10, 10, e);
        return b;
    };
    struct Fall {
        const char* name;
        QByteArray inhalt;
        const char* tabelle; // nullptr: taken over
    };
    const Fall faelle[] = {
        {"nan", mit(93, 3, nan), "dB(A) langsam"},
        {"inf", mit(0, 1, inf), "dB langsam"},
        {"-inf", mit(2048, 0, -inf), "dB schnell"},
        {"negativ", mit(500, 2, -1e-30L), "dB(A) schnell"},
        {"alles null", alle(3, 0.0L), "dB(A) langsam"},
        {"null an einer Stelle", mit(7, 3, 0.0L), nullptr},
        {"ungenutzte Tabelle negativ", mit(7, 5, -3.0L), nullptr},
        {"ungenutzte Tabelle nan", alle(6, nan), nullptr},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        merker_setzen();
        FFT_Tabellen = kvFFT_Tabellen{};
        hook_aufrufe = 0;
        const QString pfad = mes_ablegen(f.inhalt);
        const bool gelesen = Schallpegel_Einstellungen_holen2(pfad);
        EXPECT_EQ(gelesen, f.tabelle == nullptr);
        if (f.tabelle) {
            EXPECT_TRUE(Schallpegel_Ablehnung().startsWith(QStringLiteral("Die Datei \r") + pfad));
            EXPECT_TRUE(Schallpegel_Ablehnung().contains(QStringLiteral("\"%1\"").arg(f.tabelle)))
                << Schallpegel_Ablehnung().toStdString();
            EXPECT_TRUE(Schallpegel_Einstellungen.Version.gleich("vorher"));
            EXPECT_TRUE(FFT_Tabellen.W_dBA_slow.empty());
            EXPECT_EQ(Schallpegel_Einstellungen1_9.Aufnahme_Kanal_Nummer, -1);
            EXPECT_EQ(hook_aufrufe, 0);
        } else {
            EXPECT_TRUE(Schallpegel_Ablehnung().isEmpty());
            EXPECT_EQ(hook_aufrufe, 1);
        }
    }
    // A missing file is no refusal of its content.
    EXPECT_FALSE(Schallpegel_Einstellungen_holen2(heim() + QStringLiteral("/fehlt.mes")));
    EXPECT_TRUE(Schallpegel_Ablehnung().isEmpty());
}

// The meter's base settings: tables that go into every transform must be
// finite, the frequency axis must not fall; otherwise nothing is taken over.
TEST_F(Messgeraet, UngueltigeSpektraltabellenWerdenAbgelehnt)
{
    const QByteArray gut = sch_bild("Vidizedazevadadev Version 1.6", QStringLiteral("/a.mes"));
    const auto mit = [&](qsizetype element, long double x) {
        QByteArray b = gut;
        QByteArray e;
        extended_anhaengen(e, x);
        b.replace(307 + element * 10, 10, e);
        return b;
    };
    const qsizetype fenster = 0, wpr = N + 1, achse = N + 1 + 2 * (S + 1) + 21;
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    struct Fall {
        const char* name;
        QByteArray inhalt;
        bool gelesen;
    };
    const Fall faelle[] = {
        {"Fenster nan", mit(fenster + 17, nan), false},
        {"Drehfaktor unendlich", mit(wpr + 4, std::numeric_limits<long double>::infinity()), false},
        {"Achse faellt", mit(achse + 100, 5.0L), false},
        {"Achse nan", mit(achse + 2048, nan), false},
        {"Messgeraetfrequenz nan (ungenutzt)", mit(N + 1 + 2 * (S + 1) + 3, nan), true},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        FFT_Tabellen = kvFFT_Tabellen{};
        sch_ablegen(f.inhalt);
        EXPECT_EQ(Schallpegelmesser_Grundeinstellungen_von_Festplatte_holen(), f.gelesen);
        EXPECT_EQ(FFT_Tabellen.Fenster.empty(), !f.gelesen);
        EXPECT_EQ(Schallpegel_Ablehnung().isEmpty(), f.gelesen);
        if (!f.gelesen) {
            EXPECT_FALSE(Schallpegel_Einstellungen_holen1());
            EXPECT_TRUE(Schallpegel_Ablehnung().startsWith(QStringLiteral("Die Datei \r") + sch_pfad()));
        }
    }
}

TEST_F(Messgeraet, AlteGrundeinstellungenNennenDieEinstellungsdateiImKurzenFeld)
{
    const QString mes =
        mes_ablegen(mes_bild("Vidizedazevadadev Version 1.2"), QStringLiteral("Kalibrierung ä.mes"));
    sch_ablegen(sch_bild("Vidizedazevadadev Version 1.6", mes));
    ASSERT_TRUE(Schallpegelmesser_Grundeinstellungen_von_Festplatte_holen());
    EXPECT_EQ(Dateiname1_7_1_zu_string(), mes);
    EXPECT_TRUE(Schallpegel_Grundeinstellungen.Version.gleich(Meter_Version_1_7_1));
    ASSERT_EQ(FFT_Tabellen.Fenster.size(), size_t(N + 1));
    EXPECT_EQ(FFT_Tabellen.Fenster[N], 1.0L);
    ASSERT_EQ(FFT_Tabellen.wpr.size(), size_t(S + 1));
    EXPECT_EQ(FFT_Tabellen.wpr[S], -S - 0.5L);
    EXPECT_EQ(FFT_Tabellen.wpi[3], 3.25L);
    ASSERT_EQ(FFT_Tabellen.Messgeraet_Frequenzen.size(), 21u);
    EXPECT_EQ(FFT_Tabellen.Messgeraet_Frequenzen[20], 1020.0L);
    ASSERT_EQ(FFT_Tabellen.Frequenzachse.size(), size_t(Bins));
    EXPECT_EQ(FFT_Tabellen.Frequenzachse[N / 2], 22050.0L);

    merker_setzen();
    ASSERT_TRUE(Schallpegel_Einstellungen_holen1());
    EXPECT_EQ(Schallpegel_Einstellungen1_2.Anzahl_Loops, 7);
}

TEST_F(Messgeraet, NeueGrundeinstellungenMitLangemPfad)
{
    const QString mes = mes_ablegen(mes_bild("Vidizedazevadadev Version 1.9"), QStringLiteral("neu.mes"));
    sch_ablegen(sch_bild(Meter_Version_1_7_1, QStringLiteral("/alt/kurz.mes"), mes));
    ASSERT_TRUE(Schallpegel_Einstellungen_holen1());
    EXPECT_EQ(Dateiname1_7_1_zu_string(), mes);
    EXPECT_EQ(Schallpegel_Grundeinstellungen1_7_1.Dateiname[mes.size()], 'B');
    EXPECT_EQ(hook_aufrufe, 1);

    // The settings file that it names is missing.
    ASSERT_TRUE(QFile::remove(mes));
    EXPECT_FALSE(Schallpegel_Einstellungen_holen1());
}

TEST_F(Messgeraet, AbgeschnitteneGrundeinstellungenAendernNichts)
{
    EXPECT_FALSE(Schallpegelmesser_Grundeinstellungen_von_Festplatte_holen()) << "missing file";
    EXPECT_FALSE(Schallpegel_Einstellungen_holen1());

    const QByteArray alt = sch_bild("Vidizedazevadadev Version 1.6", QStringLiteral("/a.mes"));
    const QByteArray neu = sch_bild(Meter_Version_1_7_1, QString(), QStringLiteral("/b.mes"));
    for (const QByteArray& kaputt :
         {QByteArray(), alt.left(306), alt.left(307 + 10 * 100), alt.left(alt.size() - 1),
          neu.left(neu.size() - 1), neu.left(neu.size() - 10004)}) {
        SCOPED_TRACE(kaputt.size());
        sch_ablegen(kaputt);
        EXPECT_FALSE(Schallpegelmesser_Grundeinstellungen_von_Festplatte_holen());
        EXPECT_TRUE(Schallpegel_Grundeinstellungen.Version.text().isEmpty());
        EXPECT_TRUE(FFT_Tabellen.Fenster.empty());
        EXPECT_TRUE(Dateiname1_7_1_zu_string().isEmpty());
    }
}
