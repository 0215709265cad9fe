#include "core/acoustics/kvhoerschwelle.h"

#include "core/acoustics/physik_hoertest.h"

#include <array>

Spline_Feld Hoerschwelle_Stuetzfrequenzen;
Spline_Feld Hoerschwelle_Stuetzwerte;
Spline_Feld Hoerschwelle_y2;

std::vector<long double> Hoerschwelle_Kurve;
std::vector<long double> Hoerschwelle_Kurve2;
std::vector<long double> Null_dBA_Kurve;
std::vector<long double> Null_dBA_Kurve2;

std::vector<int32_t> Tabelle_Frequenz;
std::vector<long double> Tabelle_Null_dBA;
std::vector<long double> Tabelle_Hoerschwelle;

int32_t Hoerschwelle_untere_Grenze = 0, Hoerschwelle_untere_Grenze2 = 0;
int32_t Hoerschwelle_obere_Grenze = 0, Hoerschwelle_obere_Grenze2 = 0;
int32_t Null_dBA_untere_Grenze = 0, Null_dBA_untere_Grenze2 = 0;
int32_t Null_dBA_obere_Grenze = 0, Null_dBA_obere_Grenze2 = 0;
int32_t Tabelle_Hoerschwelle_erste_Zeile = 0, Tabelle_Hoerschwelle_erste_Zeile2 = 0;
int32_t Tabelle_Hoerschwelle_letzte_Zeile = 0, Tabelle_Hoerschwelle_letzte_Zeile2 = 0;
int32_t Tabelle_Null_dBA_erste_Zeile = 0, Tabelle_Null_dBA_erste_Zeile2 = 0;
int32_t Tabelle_Null_dBA_letzte_Zeile = 0, Tabelle_Null_dBA_letzte_Zeile2 = 0;

namespace
{

constexpr int n_Knoten = Hoerschwelle_Anzahl_Stuetzstellen;
constexpr int32_t f_unten = 20;
constexpr int32_t f_oben_Hoerschwelle = 12500;
constexpr int32_t f_oben_Null_dBA = 20000;
constexpr int32_t Teilung_Zeile = 200; // first row of the 10-Hz grid

// Threshold of hearing T_f of ISO 226:2003 at the one-third-octave frequencies.
constexpr std::array<long double, n_Knoten> ISO_Frequenzen = {
    20.0L,   25.0L,   31.5L,   40.0L,   50.0L,   63.0L,   80.0L,   100.0L,   125.0L,  160.0L,
    200.0L,  250.0L,  315.0L,  400.0L,  500.0L,  630.0L,  800.0L,  1000.0L,  1250.0L, 1600.0L,
    2000.0L, 2500.0L, 3150.0L, 4000.0L, 5000.0L, 6300.0L, 8000.0L, 10000.0L, 12500.0L};
constexpr std::array<long double, n_Knoten> ISO_Hoerschwelle = {
    78.5L, 68.7L, 59.5L, 51.1L, 44.0L, 37.5L, 31.5L, 26.5L, 22.1L, 17.9L, 14.4L, 11.4L, 8.6L,  6.2L, 4.4L,
    3.0L,  2.2L,  2.4L,  3.5L,  1.7L,  -1.3L, -4.2L, -6.0L, -5.4L, -1.5L, 6.0L,  12.6L, 13.9L, 12.3L};

bool Tabellen_fertig = false;

bool Spline_bereit()
{
    return Hoerschwelle_Stuetzfrequenzen.size() == size_t(n_Knoten) + 1 &&
           Hoerschwelle_Stuetzwerte.size() == size_t(n_Knoten) + 1 &&
           Hoerschwelle_y2.size() == size_t(n_Knoten) + 1;
}

int32_t Letzte_Zeile(int32_t f_oben)
{
    return Teilung_Zeile + (f_oben - Teilung_Zeile) / 10;
}

} // namespace

void ISO226_2003_Hoerschwelle()
{
    if (Hoerschwelle_Stuetzfrequenzen.size() < size_t(n_Knoten) + 1)
        Hoerschwelle_Stuetzfrequenzen.resize(size_t(n_Knoten) + 1, 0.0L);
    if (Hoerschwelle_Stuetzwerte.size() < size_t(n_Knoten) + 1)
        Hoerschwelle_Stuetzwerte.resize(size_t(n_Knoten) + 1, 0.0L);
    for (int k = 1; k <= n_Knoten; ++k) {
        Hoerschwelle_Stuetzfrequenzen[k] = ISO_Frequenzen[k - 1];
        Hoerschwelle_Stuetzwerte[k] = ISO_Hoerschwelle[k - 1];
    }
}

void Hoerschwelle_spline_vorbereiten()
{
    Hoerschwelle_Stuetzfrequenzen.assign(size_t(n_Knoten) + 1, 0.0L);
    Hoerschwelle_Stuetzwerte.assign(size_t(n_Knoten) + 1, 0.0L);
    Hoerschwelle_y2.assign(size_t(n_Knoten) + 1, 0.0L);
    ISO226_2003_Hoerschwelle();
    spline_kubisch(Hoerschwelle_Stuetzfrequenzen, Hoerschwelle_Stuetzwerte, Hoerschwelle_y2, true, 0.0L, 0.0L,
                   n_Knoten);
}

long double Hoerschwelle_Funktion(long double f)
{
    if (!Spline_bereit())
        Hoerschwelle_spline_vorbereiten();
    bool fehler = false;
    return Werte_spline(Hoerschwelle_Stuetzfrequenzen, Hoerschwelle_Stuetzwerte, Hoerschwelle_y2, n_Knoten, f,
                        fehler);
}

void Hoerschwelle_array_erzeugen()
{
    Hoerschwelle_Kurve.assign(size_t(f_oben_Hoerschwelle) + 1, 0.0L);
    Hoerschwelle_obere_Grenze = Hoerschwelle_obere_Grenze2 = f_oben_Hoerschwelle;
    Hoerschwelle_untere_Grenze = Hoerschwelle_untere_Grenze2 = f_unten;
    const long double unten = Hoerschwelle_Funktion(f_unten);
    for (int32_t f = 0; f < f_unten; ++f)
        Hoerschwelle_Kurve[f] = unten;
    for (int32_t f = f_unten; f <= f_oben_Hoerschwelle; ++f)
        Hoerschwelle_Kurve[f] = Hoerschwelle_Funktion(f);
    Hoerschwelle_Kurve2 = Hoerschwelle_Kurve;
}

void Null_dBA_Kurve_erzeugen()
{
    Null_dBA_Kurve.assign(size_t(f_oben_Null_dBA) + 1, 0.0L);
    Null_dBA_obere_Grenze = Null_dBA_obere_Grenze2 = f_oben_Null_dBA;
    Null_dBA_untere_Grenze = Null_dBA_untere_Grenze2 = f_unten;
    const long double unten = Null_dBA(f_unten);
    for (int32_t f = 0; f < f_unten; ++f)
        Null_dBA_Kurve[f] = unten;
    for (int32_t f = f_unten; f <= f_oben_Null_dBA; ++f)
        Null_dBA_Kurve[f] = Null_dBA(f);
    Null_dBA_Kurve2 = Null_dBA_Kurve;
}

void Tabellen_werte_erzeugen()
{
    if (Hoerschwelle_Kurve.size() != size_t(f_oben_Hoerschwelle) + 1)
        Hoerschwelle_array_erzeugen();
    if (Null_dBA_Kurve.size() != size_t(f_oben_Null_dBA) + 1)
        Null_dBA_Kurve_erzeugen();
    Tabelle_Null_dBA.assign(size_t(f_oben_Null_dBA) + 1, 0.0L);
    Tabelle_Frequenz.assign(size_t(f_oben_Null_dBA) + 1, 0);
    Tabelle_Hoerschwelle.assign(size_t(f_oben_Hoerschwelle) + 1, 0.0L);

    const int32_t letzte_Null_dBA = Letzte_Zeile(f_oben_Null_dBA);
    for (int32_t r = 0; r <= letzte_Null_dBA; ++r) {
        const int32_t F = Tabellenzeile_Frequenz(r);
        Tabelle_Frequenz[r] = F;
        Tabelle_Null_dBA[r] = Null_dBA_Kurve[F];
    }
    const int32_t letzte_Hoerschwelle = Letzte_Zeile(f_oben_Hoerschwelle);
    for (int32_t r = 0; r <= letzte_Hoerschwelle; ++r)
        Tabelle_Hoerschwelle[r] = Hoerschwelle_Kurve[Tabellenzeile_Frequenz(r)];

    Tabelle_Null_dBA_letzte_Zeile = Tabelle_Null_dBA_letzte_Zeile2 = letzte_Null_dBA;
    Tabelle_Hoerschwelle_letzte_Zeile = Tabelle_Hoerschwelle_letzte_Zeile2 = letzte_Hoerschwelle;
    Tabelle_Null_dBA_erste_Zeile = Tabelle_Null_dBA_erste_Zeile2 = f_unten;
    Tabelle_Hoerschwelle_erste_Zeile = Tabelle_Hoerschwelle_erste_Zeile2 = f_unten;
}

void Hoerschwelle_Tabellen_erzeugen()
{
    if (Tabellen_fertig)
        return;
    Hoerschwelle_spline_vorbereiten();
    Hoerschwelle_array_erzeugen();
    Null_dBA_Kurve_erzeugen();
    Tabellen_werte_erzeugen();
    Tabellen_fertig = true;
}

void Hoerschwelle_Tabellen_freigeben()
{
    for (auto* v :
         {&Hoerschwelle_Stuetzfrequenzen, &Hoerschwelle_Stuetzwerte, &Hoerschwelle_y2, &Hoerschwelle_Kurve,
          &Hoerschwelle_Kurve2, &Null_dBA_Kurve, &Null_dBA_Kurve2, &Tabelle_Null_dBA, &Tabelle_Hoerschwelle})
        std::vector<long double>().swap(*v);
    std::vector<int32_t>().swap(Tabelle_Frequenz);
    Tabellen_fertig = false;
}
