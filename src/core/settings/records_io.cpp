#include "core/settings/records_io.h"

#include "core/shell/cp1252.h"

#include <algorithm>
#include <bit>
#include <limits>

static_assert(std::endian::native == std::endian::little, "the byte images assume a little-endian host");
static_assert(std::numeric_limits<long double>::digits == 64, "extended values need the x87 80-bit format");

template <int N> QString Kurztext<N>::text() const
{
    return von_cp1252(zeichen, std::min<int>(laenge, N));
}

template <int N> void Kurztext<N>::setzen(const QString& s)
{
    const QByteArray b = nach_cp1252(s);
    const int n = std::min<int>(int(b.size()), N);
    std::memcpy(zeichen, b.constData(), size_t(n));
    laenge = uint8_t(n);
}

template struct Kurztext<30>;
template struct Kurztext<50>;
template struct Kurztext<255>;

long double Extended10::wert() const
{
    long double x = 0;
    std::memcpy(&x, bytes, 10);
    return x;
}

void Extended10::setzen(long double x)
{
    std::memcpy(bytes, &x, 10);
}

namespace
{

// Writes fields at fixed offsets into a zero-filled image.
class Schreiber
{
public:
    explicit Schreiber(int groesse) : b_(groesse, '\0') {}
    QByteArray ergebnis() const { return b_; }

    template <typename T> void zahl(size_t off, T v)
    {
        static_assert(std::is_arithmetic_v<T> || std::is_enum_v<T>);
        std::memcpy(b_.data() + off, &v, sizeof v); // little-endian host, checked above
    }
    template <typename T, size_t N> void zahlen(size_t off, const std::array<T, N>& a)
    {
        for (size_t i = 0; i < N; ++i)
            zahl(off + i * sizeof(T), a[i]);
    }
    template <int N> void text(size_t off, const Kurztext<N>& t)
    {
        zahl<uint8_t>(off, std::min<uint8_t>(t.laenge, uint8_t(N)));
        std::memcpy(b_.data() + off + 1, t.zeichen, N);
    }
    void roh(size_t off, const void* p, size_t n) { std::memcpy(b_.data() + off, p, n); }

private:
    QByteArray b_;
};

// Reads fields at fixed offsets; the caller has checked the size.
class Leser
{
public:
    explicit Leser(const QByteArray& b) : b_(b) {}
    template <typename T> void zahl(size_t off, T& v) const { roh(off, &v, sizeof v); }
    template <typename T, size_t N> void zahlen(size_t off, std::array<T, N>& a) const
    {
        for (size_t i = 0; i < N; ++i)
            zahl(off + i * sizeof(T), a[i]);
    }
    template <int N> void text(size_t off, Kurztext<N>& t) const
    {
        uint8_t n = 0;
        zahl(off, n);
        t.laenge = std::min<uint8_t>(n, uint8_t(N));
        roh(off + 1, t.zeichen, N);
    }
    void roh(size_t off, void* p, size_t n) const
    {
        // The callers check the size first; this keeps every read inside the buffer regardless.
        if (off > size_t(b_.size()) || n > size_t(b_.size()) - off)
            return;
        std::memcpy(p, b_.constData() + off, n);
    }

private:
    const QByteArray& b_;
};

template <typename S, typename E> void felder(S& s, E& e)
{
    // Einstellungstyp, field by field at its offsets.
    s.text(0, e.Version);
    for (size_t g = 0; g < 3; ++g)
        s.zahlen(52 + g * 84, e.Rechts_Volume1[g]);
    for (size_t g = 0; g < 3; ++g)
        s.zahlen(304 + g * 84, e.Links_Volume1[g]);
    for (size_t k = 0; k < 4; ++k)
        for (size_t o = 0; o < 2; ++o)
            s.zahlen(560 + (k * 2 + o) * 168, e.Spannung1[k][o]);
    for (size_t k = 0; k < 4; ++k)
        for (size_t o = 0; o < 2; ++o)
            for (size_t i = 0; i < Zeilen; ++i)
                s.text(1904 + ((k * 2 + o) * Zeilen + i) * 31, e.Spannung1_string[k][o][i]);
    s.zahl(7112, e.dB_1000Hz_links);
    s.zahl(7120, e.dB_1000Hz_rechts);
    s.zahl(7128, e.Um_Fak_U_p_1000_links);
    s.zahl(7136, e.Um_Fak_U_p_1000_rechts);
    s.zahlen(7144, e.Um_Fak_U_p_links);
    s.zahlen(7312, e.Um_Fak_U_p_rechts);
    s.text(7480, e.db_1000Hz_l_string);
    s.text(7511, e.db_1000Hz_r_string);
    s.zahlen(7542, e.Frequenzen);
    for (size_t i = 0; i < Zeilen; ++i)
        s.text(7584 + i * 31, e.Frequenzen_string[i]);
    s.zahl(8235, e.wave_immer_neu);
    s.zahl(8236, e.Freq_geaendert);
    s.zahlen(8237, e.Freq_welche_geaendert);
    s.zahl(8258, e.pulsierend);
    s.zahl(8259, e.zunehmend);
    s.zahlen(8264, e.Frequenzgang);
    for (size_t i = 0; i < Zeilen; ++i)
        s.text(8432 + i * 31, e.Frequenzgang_string[i]);
    s.zahl(9083, e.Eichung);
    for (size_t o = 0; o < 2; ++o)
        s.zahlen(9084 + o * 84, e.Schallmesser[o]);
}

template <typename S, typename G> void grundfelder(S& s, G& g)
{
    s.text(0, g.Version);
    s.text(51, g.Dateiname);
    s.zahlen(308, g.Frequenzen);
    s.zahl(350, g.wave_immer_neu);
    s.zahl(351, g.Freq_geaendert);
    s.zahlen(352, g.Freq_welche_geaendert);
    s.zahl(373, g.pulsierend);
    s.zahl(374, g.zunehmend);
    s.zahl(375, g.Eichung);
    for (size_t o = 0; o < 2; ++o)
        s.zahlen(376 + o * 84, g.Schallmesser[o]);
}

bool genug(const QByteArray& d, size_t n)
{
    return size_t(d.size()) >= n;
}

} // namespace

QByteArray bild(const Einstellungstyp& r)
{
    Schreiber s(sizeof(Einstellungstyp));
    felder(s, r);
    return s.ergebnis();
}

QByteArray bild(const Einstellungstyp1_4& r)
{
    Schreiber s(sizeof r);
    s.zahl(0, r.Auto);
    return s.ergebnis();
}

QByteArray bild(const Grundeinstellungstyp& r)
{
    Schreiber s(sizeof(Grundeinstellungstyp));
    grundfelder(s, r);
    return s.ergebnis();
}

QByteArray bild(const Langer_Dateiname_typ& r)
{
    Schreiber s(sizeof(Langer_Dateiname_typ));
    s.zahl(0, r.ende);
    s.roh(4, r.Dateiname, sizeof r.Dateiname);
    return s.ergebnis();
}

bool lesen(Einstellungstyp& r, const QByteArray& daten)
{
    if (!genug(daten, sizeof r))
        return false;
    Leser l(daten);
    felder(l, r);
    return true;
}

bool lesen(Einstellungstyp1_4& r, const QByteArray& daten)
{
    if (!genug(daten, sizeof r))
        return false;
    Leser(daten).zahl(0, r.Auto);
    return true;
}

bool lesen(Grundeinstellungstyp& r, const QByteArray& daten)
{
    if (!genug(daten, sizeof r))
        return false;
    Leser l(daten);
    grundfelder(l, r);
    return true;
}

bool lesen(Langer_Dateiname_typ& r, const QByteArray& daten)
{
    if (!genug(daten, sizeof r))
        return false;
    Leser l(daten);
    l.zahl(0, r.ende);
    l.roh(4, r.Dateiname, sizeof r.Dateiname);
    return true;
}

bool lesen(Schallpegel_Grundeinstellungentyp& r, const QByteArray& daten)
{
    if (!genug(daten, sizeof r))
        return false;
    Leser l(daten);
    l.text(0, r.Version);
    l.text(51, r.Dateiname);
    return true;
}

bool lesen(Schallpegel_Einstellungentyp& r, const QByteArray& daten)
{
    if (!genug(daten, sizeof r))
        return false;
    Leser l(daten);
    l.text(0, r.Version);
    l.roh(51, r.Ansicht, 10);
    l.roh(64, r.U1000Hz2.bytes, 10);
    l.roh(80, r.U1000Hz2_Papier.bytes, 10);
    l.roh(96, r.U1000Hz2_Exakt.bytes, 10);
    l.roh(112, r.Konstante.bytes, 10);
    l.roh(128, r.Konstante_schnell.bytes, 10);
    l.roh(144, r.Konstante_langsam.bytes, 10);
    l.roh(160, r.Frequenzgang, 210);
    l.zahl(370, r.Hintergrund_erfolgreich);
    l.roh(371, r.Papier_erfolgreich, 10);
    l.roh(381, r.Exakt_erfolgreich, 10);
    l.roh(392, r.dB_Exakt.bytes, 10);
    l.roh(408, r.Exakt_Standardabweichung_dB.bytes, 10);
    l.roh(424, r.Papier_Standardabweichung_dB.bytes, 10);
    l.zahl(434, r.Eichungsart_Papier);
    l.zahl(435, r.Ergebnisse_Tabelle);
    l.zahl(436, r.Max_Anzahl_Zeilen);
    l.zahl(440, r.dB_untersteuert);
    l.zahl(448, r.dB_uebersteuert);
    return true;
}

bool lesen(Schallpegel_Einstellungentyp1_2& r, const QByteArray& daten)
{
    if (!genug(daten, sizeof r))
        return false;
    Leser l(daten);
    l.zahl(0, r.Anzahl_Loops);
    l.zahl(8, r.Max_Aufnahmezeit);
    return true;
}

bool lesen(Schallpegel_Einstellungentyp1_5& r, const QByteArray& daten)
{
    if (!genug(daten, sizeof r))
        return false;
    Leser(daten).zahl(0, r.PapierKorrektur);
    return true;
}

bool lesen(Schallpegel_Einstellungentyp1_6& r, const QByteArray& daten)
{
    if (!genug(daten, sizeof r))
        return false;
    Leser l(daten);
    l.zahl(0, r.Auswahl1);
    l.zahl(8, r.dB_Hintergrund);
    l.zahl(16, r.dBA_Hintergrund);
    l.zahl(24, r.dBA_untersteuert);
    l.roh(32, r.peff_untersteuert.bytes, 10);
    l.roh(48, r.Wm2_untersteuert.bytes, 10);
    return true;
}

bool lesen(Schallpegel_Einstellungentyp1_7& r, const QByteArray& daten)
{
    if (!genug(daten, sizeof r))
        return false;
    Leser l(daten);
    l.roh(0, r.Ansicht, 3);
    for (size_t i = 0; i < 13; ++i) {
        const size_t off = 4 + i * 20;
        l.zahl(off, r.Fenster[i].top);
        l.zahl(off + 4, r.Fenster[i].left);
        l.zahl(off + 8, r.Fenster[i].height);
        l.zahl(off + 12, r.Fenster[i].Width);
        l.zahl(off + 16, r.Fenster[i].maximal);
    }
    l.zahl(264, r.dBA_rot);
    l.zahl(268, r.dBA_gelb);
    l.zahl(272, r.Warnsignal);
    l.zahl(276, r.DauerWarnsignal);
    l.text(280, r.Ansage_Dateiname);
    return true;
}

bool lesen(Schallpegel_Einstellungentyp1_9& r, const QByteArray& daten)
{
    if (!genug(daten, sizeof r))
        return false;
    Leser l(daten);
    l.text(0, r.Geraete_name);
    l.text(256, r.Kanal_name);
    l.zahl(512, r.Aufnahme_Kanal_Nummer);
    l.zahl(516, r.Aufnahme_Volume);
    l.zahl(520, r.Geraet_Kanal_einstellen);
    return true;
}
