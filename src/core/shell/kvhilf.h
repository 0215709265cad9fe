#pragma once
// Helper routines used everywhere: number texts with the German decimal comma,
// rounding, file and folder checks. Numbers shown or stored as text always
// have a decimal comma; numbers read from a text accept comma or point.
// Paths use "/"; folder texts end with "/".
#include <QString>

#include <cstdint>

// Colour value in the layout 00BBGGRR.
constexpr int32_t RGB(uint8_t r, uint8_t g, uint8_t b)
{
    return int32_t(r) + 256 * int32_t(g) + 65536 * int32_t(b);
}
constexpr int32_t max_int(int32_t a, int32_t b)
{
    return a > b ? a : b;
}

// x rounded to a multiple of 10^stelle (ties to even); |x / 10^stelle| >= 1e18 stays as it is.
long double Rundenauf(int stelle, long double x);
// x = m * 10^e with 1 <= m < 10 for positive x; |x| < 1e-50 gives e = 0, m = x.
void Zerlege_in_Mantisse_Exponent(long double x, long double& m, int& e);

// Replace the first "," by "." (or the first "." by ","); other ones stay.
void KommaZuPunkt(QString& s);
void PunktzuKomma(QString& s);

// Parse a decimal number, comma or point; on failure ok = false and d stays.
void StringzuDouble(const QString& s, double& d, bool& ok);
// As StringzuDouble, rounded to the nearest integer (ties to even).
// nicht_ganz = true when the value was not whole; on failure 0, ok = false.
int32_t StringzuInteger(const QString& s, bool& ok, bool& nicht_ganz);

// x with `stellen` decimals, right-aligned to at least `breite` characters, decimal comma.
QString extendedzustring(int breite, int stellen, long double x);
inline void extendedzustring(int breite, int stellen, QString& s, long double x)
{
    s = extendedzustring(breite, stellen, x);
}
// Rundenauf(stelle, x) with max(0, -stelle) decimals.
QString Rundenzustring(int breite, int stelle, long double x);
inline void Rundenzustring(int breite, int stelle, QString& s, long double x)
{
    s = Rundenzustring(breite, stelle, x);
}

QString Leerzeichen(int n);
QString Nullen(int n);
// Zeros in front of s up to n characters; a longer text is never cut.
QString Nullen_auffuellen_links(const QString& s, int n);

// Folder of the running program, ending with "/".
QString exepfad();
bool Verzeichnis_existiert(const QString& p);
// Creates one level; vorhanden = it existed already, fehler = creating failed.
void Verzeichnis_anlegen(const QString& p, bool& vorhanden, bool& fehler);
bool Datei_existiert(const QString& n);
// True when the file is missing, or can be opened for writing and no other
// handle holds it open for writing; false when it is in use or write-protected.
bool Datei_frei(const QString& n);
void Datei_loeschen(const QString& n, bool& vorhanden, bool& geloescht);
// File name part after the last "/".
QString Dateiname_ohne_Verzeichnis(const QString& p);
// Folder part including its trailing "/".
QString Verzeichnis_von_Datei(const QString& p);
// Path with its extension (the part after the last dot of the file name)
// replaced by `endung` (".xls"); a name without one gets it appended.
QString Endung_ersetzen(const QString& pfad, const QString& endung);

// The user's documents folder: the XDG documents folder when it exists, else
// the home folder. False when neither can be found.
bool Get_Eigene_Dateien_pfad(QString& p);
