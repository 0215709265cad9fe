#pragma once
// The settings records. Each is a plain struct whose size and field offsets
// equal the byte image on disk (little-endian, with the alignment gaps
// spelled out as members); static_asserts pin every offset. Files are still
// read and written field by field through the serializer in records_io.h,
// never by copying memory.
//
// Short strings are `Kurztext<n>`: a length byte and n characters in code
// page 1252. Extended (10-byte) values are `Extended10` images converted
// through long double. Arrays that the program indexes from 1 (rows 1..21)
// or 3 (calibration kinds 3..6, volume groups 3..5) are stored 0-based;
// use the accessor functions below, which take the program's indices.
#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

// Short string: one length byte, then up to N characters (code page 1252).
template <int N> struct Kurztext {
    uint8_t laenge = 0;
    char zeichen[N] = {};

    // The text; a length byte above N counts as N.
    QString text() const;
    // Stores the text in code page 1252, cut to N characters.
    void setzen(const QString& s);
    // Compares length byte and characters exactly (as version markers are compared).
    bool gleich(const char* latin) const
    {
        const size_t n = std::strlen(latin);
        return laenge == n && n <= size_t(N) && std::memcmp(zeichen, latin, n) == 0;
    }
};
static_assert(sizeof(Kurztext<50>) == 51 && sizeof(Kurztext<30>) == 31 && sizeof(Kurztext<255>) == 256);

// A 10-byte x87 extended value as it lies in a file.
struct Extended10 {
    uint8_t bytes[10] = {};
    long double wert() const;
    void setzen(long double x);
};
static_assert(sizeof(Extended10) == 10 && alignof(Extended10) == 1);

inline constexpr int Zeilen = 21;
inline constexpr int Laenge_Dateiname_lang = 10000;
inline constexpr const char* Version_1_2 = "Vazozez Version 1.2";
inline constexpr const char* Version_1_6 = "Vazozez Version 1.6";
inline constexpr const char* Datei_nicht_vorhanden = "Datei_nicht_vorhanden";

enum Eichungstyp : uint8_t { Span_nung = 0, Schall_messer = 1 };

using Versions_typ = Kurztext<50>;
using hilfarray = std::array<double, Zeilen>;                     // rows 1..21
using volume_array = std::array<std::array<uint32_t, Zeilen>, 3>; // groups 3..5, rows 1..21
using Einstellarray = std::array<hilfarray, 2>;                   // ear 0..1
using Einstell_2_array = std::array<Einstellarray, 4>;            // kinds 3..6
using hilfarray_string = std::array<Kurztext<30>, Zeilen>;
using Einstell_2_array_string = std::array<std::array<hilfarray_string, 2>, 4>;
using Freqarray = std::array<uint16_t, Zeilen>;
using geaendert_array = std::array<uint8_t, Zeilen>;
using Schallmesser_array = std::array<std::array<int32_t, Zeilen>, 2>;

// Settings of one settings file (9256 bytes).
struct Einstellungstyp {
    Versions_typ Version;
    uint8_t luecke51[1];
    volume_array Rechts_Volume1;
    volume_array Links_Volume1;
    uint8_t luecke556[4];
    Einstell_2_array Spannung1;
    Einstell_2_array_string Spannung1_string;
    double dB_1000Hz_links;
    double dB_1000Hz_rechts;
    double Um_Fak_U_p_1000_links;
    double Um_Fak_U_p_1000_rechts;
    hilfarray Um_Fak_U_p_links;
    hilfarray Um_Fak_U_p_rechts;
    Kurztext<30> db_1000Hz_l_string;
    Kurztext<30> db_1000Hz_r_string;
    Freqarray Frequenzen;
    std::array<Kurztext<30>, Zeilen> Frequenzen_string;
    uint8_t wave_immer_neu;
    uint8_t Freq_geaendert;
    geaendert_array Freq_welche_geaendert;
    uint8_t pulsierend;
    uint8_t zunehmend;
    uint8_t luecke8260[4];
    hilfarray Frequenzgang;
    hilfarray_string Frequenzgang_string;
    Eichungstyp Eichung;
    Schallmesser_array Schallmesser;
    uint8_t luecke9252[4];
};

// Tail of a settings file (4 bytes).
struct Einstellungstyp1_4 {
    int32_t Auto;
};

// Base settings (544 bytes): which settings file is current (old format) and
// the tone options the stored tone files were made with.
struct Grundeinstellungstyp {
    Versions_typ Version;
    Kurztext<255> Dateiname;
    uint8_t luecke307[1];
    Freqarray Frequenzen;
    uint8_t wave_immer_neu;
    uint8_t Freq_geaendert;
    geaendert_array Freq_welche_geaendert;
    uint8_t pulsierend;
    uint8_t zunehmend;
    Eichungstyp Eichung;
    Schallmesser_array Schallmesser;
};

// A long path: number of characters used, then the characters.
struct Langer_Dateiname_typ {
    int32_t ende;
    char Dateiname[Laenge_Dateiname_lang];
};
using Grundeinstellungstyp1_6 = Langer_Dateiname_typ;              // ende_Dateiname1_6
using Schallpegel_Grundeinstellungtyp1_7_1 = Langer_Dateiname_typ; // ende_Dateiname1_7_1
using Schallpegel_Einstellungentyp1_7_1 = Langer_Dateiname_typ;    // ende_Dateiname, Ansage_Dateiname

// Records of the companion sound-level meter (read only).
struct Schallpegel_Grundeinstellungentyp {
    Versions_typ Version;
    Kurztext<255> Dateiname;
};

enum Erfolgs_typ : uint8_t { erfolgreich = 0, uebersteuert = 1, abgebrochen = 2, keineMessung = 3 };

struct Schallpegel_Einstellungentyp {
    Versions_typ Version;
    uint8_t Ansicht[10];
    uint8_t luecke61[3];
    Extended10 U1000Hz2;
    uint8_t luecke74[6];
    Extended10 U1000Hz2_Papier;
    uint8_t luecke90[6];
    Extended10 U1000Hz2_Exakt;
    uint8_t luecke106[6];
    Extended10 Konstante;
    uint8_t luecke122[6];
    Extended10 Konstante_schnell;
    uint8_t luecke138[6];
    Extended10 Konstante_langsam;
    uint8_t luecke154[6];
    Extended10 Frequenzgang[21];
    uint8_t Hintergrund_erfolgreich;
    uint8_t Papier_erfolgreich[10];
    uint8_t Exakt_erfolgreich[10];
    uint8_t luecke391[1];
    Extended10 dB_Exakt;
    uint8_t luecke402[6];
    Extended10 Exakt_Standardabweichung_dB;
    uint8_t luecke418[6];
    Extended10 Papier_Standardabweichung_dB;
    uint8_t Eichungsart_Papier;
    uint8_t Ergebnisse_Tabelle;
    int32_t Max_Anzahl_Zeilen;
    double dB_untersteuert;
    double dB_uebersteuert;
};

struct Schallpegel_Einstellungentyp1_2 {
    uint8_t Anzahl_Loops;
    uint8_t luecke1[7];
    double Max_Aufnahmezeit;
};

struct Schallpegel_Einstellungentyp1_5 {
    double PapierKorrektur;
};

struct Schallpegel_Einstellungentyp1_6 {
    uint8_t Auswahl1;
    uint8_t luecke1[7];
    double dB_Hintergrund;
    double dBA_Hintergrund;
    double dBA_untersteuert;
    Extended10 peff_untersteuert;
    uint8_t luecke42[6];
    Extended10 Wm2_untersteuert;
    uint8_t luecke58[6];
};

struct Fenster_typ {
    int32_t top;
    int32_t left;
    int32_t height;
    int32_t Width;
    uint8_t maximal;
    uint8_t luecke17[3];
};

struct Schallpegel_Einstellungentyp1_7 {
    uint8_t Ansicht[3]; // indices 11..13
    uint8_t luecke3[1];
    Fenster_typ Fenster[13];
    int32_t dBA_rot;
    int32_t dBA_gelb;
    uint8_t Warnsignal;
    uint8_t luecke273[3];
    int32_t DauerWarnsignal;
    Kurztext<255> Ansage_Dateiname;
};

struct Schallpegel_Einstellungentyp1_9 {
    Kurztext<255> Geraete_name;
    Kurztext<255> Kanal_name;
    int32_t Aufnahme_Kanal_Nummer;
    float Aufnahme_Volume;
    uint8_t Geraet_Kanal_einstellen;
    uint8_t luecke521[3];
};

// Sizes and offsets of the byte images.
static_assert(sizeof(Einstellungstyp) == 9256);
static_assert(offsetof(Einstellungstyp, Rechts_Volume1) == 52);
static_assert(offsetof(Einstellungstyp, Links_Volume1) == 304);
static_assert(offsetof(Einstellungstyp, Spannung1) == 560);
static_assert(offsetof(Einstellungstyp, Spannung1_string) == 1904);
static_assert(offsetof(Einstellungstyp, dB_1000Hz_links) == 7112);
static_assert(offsetof(Einstellungstyp, dB_1000Hz_rechts) == 7120);
static_assert(offsetof(Einstellungstyp, Um_Fak_U_p_1000_links) == 7128);
static_assert(offsetof(Einstellungstyp, Um_Fak_U_p_1000_rechts) == 7136);
static_assert(offsetof(Einstellungstyp, Um_Fak_U_p_links) == 7144);
static_assert(offsetof(Einstellungstyp, Um_Fak_U_p_rechts) == 7312);
static_assert(offsetof(Einstellungstyp, db_1000Hz_l_string) == 7480);
static_assert(offsetof(Einstellungstyp, db_1000Hz_r_string) == 7511);
static_assert(offsetof(Einstellungstyp, Frequenzen) == 7542);
static_assert(offsetof(Einstellungstyp, Frequenzen_string) == 7584);
static_assert(offsetof(Einstellungstyp, wave_immer_neu) == 8235);
static_assert(offsetof(Einstellungstyp, Freq_geaendert) == 8236);
static_assert(offsetof(Einstellungstyp, Freq_welche_geaendert) == 8237);
static_assert(offsetof(Einstellungstyp, pulsierend) == 8258);
static_assert(offsetof(Einstellungstyp, zunehmend) == 8259);
static_assert(offsetof(Einstellungstyp, Frequenzgang) == 8264);
static_assert(offsetof(Einstellungstyp, Frequenzgang_string) == 8432);
static_assert(offsetof(Einstellungstyp, Eichung) == 9083);
static_assert(offsetof(Einstellungstyp, Schallmesser) == 9084);

static_assert(sizeof(Einstellungstyp1_4) == 4);

static_assert(sizeof(Grundeinstellungstyp) == 544);
static_assert(offsetof(Grundeinstellungstyp, Dateiname) == 51);
static_assert(offsetof(Grundeinstellungstyp, Frequenzen) == 308);
static_assert(offsetof(Grundeinstellungstyp, wave_immer_neu) == 350);
static_assert(offsetof(Grundeinstellungstyp, Freq_geaendert) == 351);
static_assert(offsetof(Grundeinstellungstyp, Freq_welche_geaendert) == 352);
static_assert(offsetof(Grundeinstellungstyp, pulsierend) == 373);
static_assert(offsetof(Grundeinstellungstyp, zunehmend) == 374);
static_assert(offsetof(Grundeinstellungstyp, Eichung) == 375);
static_assert(offsetof(Grundeinstellungstyp, Schallmesser) == 376);

static_assert(sizeof(Langer_Dateiname_typ) == 10004);
static_assert(offsetof(Langer_Dateiname_typ, Dateiname) == 4);

static_assert(sizeof(Schallpegel_Grundeinstellungentyp) == 307);
static_assert(sizeof(Schallpegel_Einstellungentyp) == 456);
static_assert(offsetof(Schallpegel_Einstellungentyp, Ansicht) == 51);
static_assert(offsetof(Schallpegel_Einstellungentyp, U1000Hz2) == 64);
static_assert(offsetof(Schallpegel_Einstellungentyp, U1000Hz2_Papier) == 80);
static_assert(offsetof(Schallpegel_Einstellungentyp, U1000Hz2_Exakt) == 96);
static_assert(offsetof(Schallpegel_Einstellungentyp, Konstante) == 112);
static_assert(offsetof(Schallpegel_Einstellungentyp, Konstante_schnell) == 128);
static_assert(offsetof(Schallpegel_Einstellungentyp, Konstante_langsam) == 144);
static_assert(offsetof(Schallpegel_Einstellungentyp, Frequenzgang) == 160);
static_assert(offsetof(Schallpegel_Einstellungentyp, Hintergrund_erfolgreich) == 370);
static_assert(offsetof(Schallpegel_Einstellungentyp, Papier_erfolgreich) == 371);
static_assert(offsetof(Schallpegel_Einstellungentyp, Exakt_erfolgreich) == 381);
static_assert(offsetof(Schallpegel_Einstellungentyp, dB_Exakt) == 392);
static_assert(offsetof(Schallpegel_Einstellungentyp, Exakt_Standardabweichung_dB) == 408);
static_assert(offsetof(Schallpegel_Einstellungentyp, Papier_Standardabweichung_dB) == 424);
static_assert(offsetof(Schallpegel_Einstellungentyp, Eichungsart_Papier) == 434);
static_assert(offsetof(Schallpegel_Einstellungentyp, Ergebnisse_Tabelle) == 435);
static_assert(offsetof(Schallpegel_Einstellungentyp, Max_Anzahl_Zeilen) == 436);
static_assert(offsetof(Schallpegel_Einstellungentyp, dB_untersteuert) == 440);
static_assert(offsetof(Schallpegel_Einstellungentyp, dB_uebersteuert) == 448);

static_assert(sizeof(Schallpegel_Einstellungentyp1_2) == 16);
static_assert(offsetof(Schallpegel_Einstellungentyp1_2, Max_Aufnahmezeit) == 8);
static_assert(sizeof(Schallpegel_Einstellungentyp1_5) == 8);
static_assert(sizeof(Schallpegel_Einstellungentyp1_6) == 64);
static_assert(offsetof(Schallpegel_Einstellungentyp1_6, dB_Hintergrund) == 8);
static_assert(offsetof(Schallpegel_Einstellungentyp1_6, dBA_Hintergrund) == 16);
static_assert(offsetof(Schallpegel_Einstellungentyp1_6, dBA_untersteuert) == 24);
static_assert(offsetof(Schallpegel_Einstellungentyp1_6, peff_untersteuert) == 32);
static_assert(offsetof(Schallpegel_Einstellungentyp1_6, Wm2_untersteuert) == 48);
static_assert(sizeof(Fenster_typ) == 20);
static_assert(sizeof(Schallpegel_Einstellungentyp1_7) == 536);
static_assert(offsetof(Schallpegel_Einstellungentyp1_7, Fenster) == 4);
static_assert(offsetof(Schallpegel_Einstellungentyp1_7, dBA_rot) == 264);
static_assert(offsetof(Schallpegel_Einstellungentyp1_7, dBA_gelb) == 268);
static_assert(offsetof(Schallpegel_Einstellungentyp1_7, Warnsignal) == 272);
static_assert(offsetof(Schallpegel_Einstellungentyp1_7, DauerWarnsignal) == 276);
static_assert(offsetof(Schallpegel_Einstellungentyp1_7, Ansage_Dateiname) == 280);
static_assert(sizeof(Schallpegel_Einstellungentyp1_9) == 524);
static_assert(offsetof(Schallpegel_Einstellungentyp1_9, Kanal_name) == 256);
static_assert(offsetof(Schallpegel_Einstellungentyp1_9, Aufnahme_Kanal_Nummer) == 512);
static_assert(offsetof(Schallpegel_Einstellungentyp1_9, Aufnahme_Volume) == 516);
static_assert(offsetof(Schallpegel_Einstellungentyp1_9, Geraet_Kanal_einstellen) == 520);

// Accessors with the program's own indices.
// kind 3..6, ear 0 = left / 1 = right, row 1..21
inline double& Spannung(Einstellungstyp& e, int art, int ohr, int zeile)
{
    return e.Spannung1[art - 3][ohr][zeile - 1];
}
inline Kurztext<30>& Spannung_string(Einstellungstyp& e, int art, int ohr, int zeile)
{
    return e.Spannung1_string[art - 3][ohr][zeile - 1];
}
// group 3..5, row 1..21
inline uint32_t& Links_Volume(Einstellungstyp& e, int gruppe, int zeile)
{
    return e.Links_Volume1[gruppe - 3][zeile - 1];
}
inline uint32_t& Rechts_Volume(Einstellungstyp& e, int gruppe, int zeile)
{
    return e.Rechts_Volume1[gruppe - 3][zeile - 1];
}
