#include "core/acoustics/physik_hoertest.h"

#include "core/acoustics/kvhoerschwelle.h"
#include "core/results/hoertest_druck.h"
#include "core/settings/einstellungen.h"
#include "core/shell/kvhilf.h"
#include "core/tones/kvwave.h"
#include "core/shell/sprache.h"

#include <cmath>

// ---- Conversions ----------------------------------------------------------

long double Dezibel_in_Pa(long double L, long double p_ref)
{
    return p_ref * std::exp(L * ln10_durch_20);
}

long double Pa_in_Dezibel(long double p, long double p_ref)
{
    return std::log(p / p_ref) / ln10_durch_20;
}

long double dB_in_Pa(long double L)
{
    return Dezibel_in_Pa(L, p0);
}

long double Pa_in_dB(long double p)
{
    if (p <= Pa_Untergrenze)
        return dB_Untergrenze;
    return Pa_in_Dezibel(p, p0);
}

// A-weighting (corner frequencies 20.6, 107.7, 737.9 and 12200 Hz, 0 dB at
// 1000 Hz): the constant folds p0, 12200^2 and the normalisation 10^(2/20)
// together, so that p0A(f) = p0 * 10^(-A(f)/20).
long double p0A(long double f)
{
    const long double a = f * f;
    long double t = (a + 424.36L) * 1.06735855243789506e-13L;
    t = t * (a + 148840000.0L);
    t = t / a;
    const long double w = std::sqrt((a + 11599.29L) * (a + 544496.41L));
    t = w * t;
    return t / a;
}

long double dBA_in_Pa(long double L, long double f)
{
    return Dezibel_in_Pa(L, p0A(f));
}

long double Pa_in_dBA(long double p, long double f)
{
    return Pa_in_Dezibel(p, p0A(f));
}

long double Null_dBA(long double f)
{
    return Pa_in_Dezibel(p0A(f), p0);
}

// C-weighting (corner frequencies 20.6 and 12200 Hz).
long double p0C(long double f)
{
    const long double a = f * f;
    return (a + 424.36L) * 1.3344746686e-13L * (a + 148840000.0L) / a;
}

long double dBC_in_Pa(long double L, long double f)
{
    return Dezibel_in_Pa(L, p0C(f));
}

// ---- Microphone conversion factors ---------------------------------------

void Umrechnungsfaktor_U_p_1000(double& faktor, double L, double U)
{
    const long double q = dB_in_Pa(L) / static_cast<long double>(U);
    faktor = (U != 0.0 && std::isfinite(q)) ? static_cast<double>(q) : 0.0;
}

void Umrechnungsfaktoren_U_p(int i, hilfarray& faktoren, const hilfarray& gang, double faktor1000)
{
    if (i < 1 || i > Zeilen)
        return;
    const long double unterschied = static_cast<long double>(gang[5 - 1]) - gang[i - 1];
    const double faktor = static_cast<double>(Dezibel_in_Pa(unterschied, faktor1000));
    faktoren[i - 1] = std::isfinite(faktor) ? faktor : 0.0;
}

// ---- Calibration -> start pressure ---------------------------------------

namespace
{

int Ohr(bool links)
{
    return links ? 0 : 1;
}

bool Zeile_gueltig(int i)
{
    return i >= 1 && i <= Zeilen;
}

// Volume of the given group; a 0 is replaced by 1 in the record so that the
// start pressure never divides by zero.
uint32_t Eichvolumen(bool links, int gruppe, int i, Einstellungstyp& e)
{
    uint32_t& v = links ? Links_Volume(e, gruppe, i) : Rechts_Volume(e, gruppe, i);
    if (v == 0)
        v = 1;
    return v;
}

double Spannung_Druck(bool links, int i, uint32_t v3, Einstellungstyp& e)
{
    const int ohr = Ohr(links);
    const long double faktor = links ? e.Um_Fak_U_p_links[i - 1] : e.Um_Fak_U_p_rechts[i - 1];
    const uint32_t v4 = Eichvolumen(links, 4, i, e);
    const double p = static_cast<double>(static_cast<long double>(Spannung(e, 4, ohr, i)) * faktor * v3 / v4);
    return std::isfinite(p) ? p : 0.0;
}

double Schallpegel_Druck(bool links, int i, uint32_t v3, Einstellungstyp& e)
{
    const int ohr = Ohr(links);
    const long double L = Spannung(e, 6, ohr, i);
    const long double f = e.Frequenzen[i - 1];
    long double P;
    switch (e.Schallmesser[ohr][i - 1]) {
    case 0:
        P = dB_in_Pa(L);
        break;
    case 1:
        P = dBA_in_Pa(L, f);
        break;
    case 2:
        P = dBC_in_Pa(L, f);
        break;
    default: // no weighting known: the value is taken as the pressure itself
        P = L;
        break;
    }
    const uint32_t v5 = Eichvolumen(links, 5, i, e);
    const double p = static_cast<double>(P * v3 / v5);
    return std::isfinite(p) ? p : 0.0;
}

uint32_t Startvolumen(bool links, int i, Einstellungstyp& e)
{
    return links ? Links_Volume(e, 3, i) : Rechts_Volume(e, 3, i);
}

} // namespace

double Spannung_in_Anfangsdruck(bool links, int i, Einstellungstyp& e)
{
    if (!Zeile_gueltig(i))
        return 0.0;
    return Spannung_Druck(links, i, Startvolumen(links, i, e), e);
}

double Schallpegel_in_Anfangsdruck(bool links, int i, Einstellungstyp& e)
{
    if (!Zeile_gueltig(i))
        return 0.0;
    return Schallpegel_Druck(links, i, Startvolumen(links, i, e), e);
}

double Spannung_in_Anfangsdruck(bool links, int i, const uint32_t (&volumes)[22], Einstellungstyp& e)
{
    if (!Zeile_gueltig(i))
        return 0.0;
    return Spannung_Druck(links, i, volumes[i], e);
}

double Schallpegel_in_Anfangsdruck(bool links, int i, const uint32_t (&volumes)[22], Einstellungstyp& e)
{
    if (!Zeile_gueltig(i))
        return 0.0;
    return Schallpegel_Druck(links, i, volumes[i], e);
}

QString Anfangspegel_text(double druck, long double f)
{
    long double L = dB_Untergrenze;
    if (druck > Pa_Untergrenze && std::isfinite(druck)) {
        L = Pa_in_dBA(druck, f);
        if (!std::isfinite(L))
            L = dB_Untergrenze;
    }
    return Zahltext(4, 1, L);
}

double Eine_Messung_in_Anfangslautstaerke(int i, bool links, const uint32_t (&volumes)[22],
                                          Einstellungstyp& e, QString& text)
{
    if (!Zeile_gueltig(i)) {
        text = Anfangspegel_text(0.0, 1000.0L);
        return 0.0;
    }
    const double p = e.Eichung == Span_nung ? Spannung_in_Anfangsdruck(links, i, volumes, e)
                                            : Schallpegel_in_Anfangsdruck(links, i, volumes, e);
    text = Anfangspegel_text(p, e.Frequenzen[i - 1]);
    return p;
}

void Messungen_in_Anfangslautstaerke(bool links, Einstellungstyp& e)
{
    const int ohr = Ohr(links);
    for (int i = 1; i <= Zeilen; ++i) {
        const double p = Spannung_in_Anfangsdruck(links, i, e);
        Spannung(e, 3, ohr, i) = p;
        Spannung_string(e, 3, ohr, i).setzen(Anfangspegel_text(p, e.Frequenzen[i - 1]));
    }
    for (int i = 1; i <= Zeilen; ++i) {
        const double p = Schallpegel_in_Anfangsdruck(links, i, e);
        Spannung(e, 5, ohr, i) = p;
        Spannung_string(e, 5, ohr, i).setzen(Anfangspegel_text(p, e.Frequenzen[i - 1]));
    }
}

// ---- Threshold from the reaction time --------------------------------------

void Hoertest_Druck_Spannung(bool links, int i, std::array<double, 43>& druck, long double r)
{
    if (!Zeile_gueltig(i))
        return;
    druck[Druck_index(links, i)] = static_cast<double>(r * Spannung(Einstellungen, 3, Ohr(links), i));
}

void Hoertest_Druck_Schallpegelmesser(bool links, int i, std::array<double, 43>& druck, long double r)
{
    if (!Zeile_gueltig(i))
        return;
    druck[Druck_index(links, i)] = static_cast<double>(r * Spannung(Einstellungen, 5, Ohr(links), i));
}

void Hoertest_Druck_berechnen(bool links, int i, double t_s, std::array<double, 43>& druck,
                              std::array<QString, 43>& texte)
{
    if (!Zeile_gueltig(i))
        return;
    const bool zunehmend = Einstellungen.zunehmend != 0;
    const int32_t N = zunehmend ? 1500 : 3000;
    Tondauer_hundertstel = N;
    long double k = 0.0L;
    Hochzahl_von_abnehmend(N, k);
    // The tone files follow the same law; after the tone's end its final amplitude holds.
    const long double r = Linke_Amplitude(zunehmend, false, t_s, k) / Vollausschlag;
    if (Einstellungen.Eichung == Span_nung)
        Hoertest_Druck_Spannung(links, i, druck, r);
    else
        Hoertest_Druck_Schallpegelmesser(links, i, druck, r);
    texte[Druck_index(links, i)] = extendedzustring(0, 8, druck[Druck_index(links, i)]);
}

// ---- Levels and texts for the results displays -----------------------------

namespace
{
double Auf_eine_Stelle(long double x)
{
    return static_cast<double>(Rundenauf(-1, x));
}
} // namespace

Dezibel_Ergebnis Hoertest_Dezibel_berechnen(const std::array<double, 43>& druck, const Freqarray& frequenzen,
                                            bool schmal)
{
    Dezibel_Ergebnis e;
    const int breite = schmal ? 6 : 10;
    for (const bool links : {true, false}) {
        auto& gemessen = links ? e.gemessen_links : e.gemessen_rechts;
        for (int i = 1; i <= Zeilen; ++i) {
            const int j = Druck_index(links, i);
            const double p = druck[j];
            if (!(p > Druck_nicht_gemessen)) {
                gemessen[i] = false;
                e.dB_werte[j] = 0.0;
                e.dBA_werte[j] = 0.0;
                e.dB_texte[j] = Leerzeichen(10);
                e.dBA_texte[j] = Leerzeichen(10);
                continue;
            }
            const long double L = Pa_in_dB(p);
            const long double LA = Pa_in_dBA(p, frequenzen[i - 1]);
            e.dB_werte[j] = Auf_eine_Stelle(L);
            e.dBA_werte[j] = Auf_eine_Stelle(LA);
            e.dB_texte[j] = Zahltext(breite, 1, L);
            e.dBA_texte[j] = Zahltext(breite, 1, LA);
            gemessen[i] = true;
        }
    }
    for (int i = 1; i <= Zeilen; ++i) {
        const long double f = frequenzen[i - 1];
        if (f <= Hoerschwelle_hoechste_Frequenz) {
            const long double norm = Hoerschwelle_Funktion(f);
            e.norm_werte[i] = Auf_eine_Stelle(norm);
            e.norm_texte[i] = Zahltext(breite, 1, norm);
        } else {
            e.norm_werte[i] = 0.0;
            e.norm_texte[i] = Leerzeichen(10);
        }
        const long double null = Null_dBA(f);
        e.null_werte[i] = Auf_eine_Stelle(null);
        e.null_texte[i] = Zahltext(breite, 1, null);
    }
    return e;
}

// ---- Volume step of the automatic calibration -------------------------------

bool Auto1_Lautstaerke(int32_t vol, int32_t vol_max, int32_t& vol_neu, double L_ist, double L_soll)
{
    const long double x =
        static_cast<long double>(vol) * std::exp((static_cast<long double>(L_soll) - L_ist) * ln10_durch_20);
    if (std::isnan(x)) {
        vol_neu = vol < 1 ? 1 : (vol > vol_max ? vol_max : vol);
        return false;
    }
    // Limit before converting, so that a huge correction cannot overflow the integer.
    if (x >= static_cast<long double>(vol_max) + 1.0L) {
        vol_neu = vol_max;
        return false;
    }
    if (x < 0.5L) {
        vol_neu = 1;
        return false;
    }
    // llrintl rounds to nearest with ties to even (the default rounding mode).
    const int64_t gerundet = std::llrintl(x);
    if (gerundet < 1) {
        vol_neu = 1;
        return false;
    }
    if (gerundet > vol_max) {
        vol_neu = vol_max;
        return false;
    }
    vol_neu = static_cast<int32_t>(gerundet);
    return true;
}
