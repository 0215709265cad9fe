#pragma once
// A fresh home folder per test, the shared settings reset, message boxes
// recorded; plus little-endian readers and writers for byte images.
#include "bytebilder.h"
#include "core/acoustics/kv_fft_daten.h"
#include "core/settings/einstellungen.h"
#include "core/settings/schallpegel.h"
#include "core/shell/dialoge.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstring>

namespace testumgebung
{

// Offsets of the settings file.
constexpr int Off_Rechts_Volume = 52;
constexpr int Off_Links_Volume = 304;
constexpr int Off_Spannung = 560;
constexpr int Off_Spannung_string = 1904;
constexpr int Off_Frequenzen = 7542;
constexpr int Off_Frequenzen_string = 7584;
constexpr int Off_wave_immer_neu = 8235;
constexpr int Off_Freq_geaendert = 8236;
constexpr int Off_Freq_welche = 8237;
constexpr int Off_pulsierend = 8258;
constexpr int Off_zunehmend = 8259;
constexpr int Off_Frequenzgang = 8264;
constexpr int Off_Frequenzgang_string = 8432;
constexpr int Off_Eichung = 9083;
constexpr int Off_Schallmesser = 9084;
constexpr int Off_Auto = 9256;
// kind 3..6, ear 0..1, row 1..21
constexpr int off_spannung(int art, int ohr, int zeile)
{
    return Off_Spannung + ((art - 3) * 2 + ohr) * 168 + (zeile - 1) * 8;
}
constexpr int off_spannung_string(int art, int ohr, int zeile)
{
    return Off_Spannung_string + (((art - 3) * 2 + ohr) * 21 + (zeile - 1)) * 31;
}
constexpr int off_volume(int basis, int gruppe, int zeile)
{
    return basis + (gruppe - 3) * 84 + (zeile - 1) * 4;
}

// Offsets of the base settings file.
constexpr int G_Dateiname = 51;
constexpr int G_Frequenzen = 308;
constexpr int G_wave_immer_neu = 350;
constexpr int G_Freq_geaendert = 351;
constexpr int G_Freq_welche = 352;
constexpr int G_pulsierend = 373;
constexpr int G_zunehmend = 374;
constexpr int G_Eichung = 375;
constexpr int G_Schallmesser = 376;
constexpr int G_ende_Dateiname = 544;
constexpr int G_Dateiname_lang = 548;

inline constexpr uint16_t Standardfrequenzen[21] = {50,   100,  200,   500,   1000,  1500,  2000,
                                                    2500, 3000, 3500,  4000,  4500,  5000,  6000,
                                                    7000, 8000, 10000, 12000, 14000, 16000, 18000};

} // namespace testumgebung

// Every test runs with its own empty home folder and fresh shared records.
class Einstellungs_Test : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(heim_.isValid());
        alt_home_ = qgetenv("HOME");
        alt_xdg_ = qgetenv("XDG_CONFIG_HOME");
        hatte_xdg_ = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
        qputenv("HOME", QFile::encodeName(heim_.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(heim_.filePath(QStringLiteral(".config"))));
        Einstellungen_zuruecksetzen();
        meter_zuruecksetzen();
        dialoge_setzen(&dlg);
    }

    void TearDown() override
    {
        dialoge_setzen(nullptr);
        Einstellungen_zuruecksetzen();
        meter_zuruecksetzen();
        qputenv("HOME", alt_home_);
        if (hatte_xdg_)
            qputenv("XDG_CONFIG_HOME", alt_xdg_);
        else
            qunsetenv("XDG_CONFIG_HOME");
    }

    static void meter_zuruecksetzen()
    {
        Schallpegel_Grundeinstellungen = {};
        Schallpegel_Grundeinstellungen1_7_1 = {};
        Schallpegel_Einstellungen = {};
        Schallpegel_Einstellungen1_2 = {};
        Schallpegel_Einstellungen1_5 = {};
        Schallpegel_Einstellungen1_6 = {};
        Schallpegel_Einstellungen1_7 = {};
        Schallpegel_Einstellungen1_7_1 = {};
        Schallpegel_Einstellungen1_9 = {};
        FFT_Tabellen = kvFFT_Tabellen{};
        Bass_Geraet_Kanal_einstellen = nullptr;
    }

    QString heim() const { return QDir::cleanPath(heim_.path()); }
    QString ordner() const { return heim() + QStringLiteral("/Grundeinstellungen_Quarvel_Hoertest/"); }
    QString standard_qvl() const { return ordner() + QStringLiteral("Einstellungen_Hoertest_1_6.qvl"); }
    QString hoe() const { return ordner() + QStringLiteral("Grundeinstellungen.hoe"); }

    Aufzeichnende_Dialoge dlg;

private:
    QTemporaryDir heim_;
    QByteArray alt_home_;
    QByteArray alt_xdg_;
    bool hatte_xdg_ = false;
};
