#pragma once
// The table layouts as plain data. A Gitter is what a string grid holds: a
// rectangle of text cells plus a width per column. The screen table, the
// clipboard, the text file and the printout are all rendered from one, so the
// layouts can be checked without any window. A Blatt is the list of
// spreadsheet cells (text, whole number or number) in the order they are
// written.
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// Default column width of a string grid; the fixed-width text writer starts
// every line with this many blanks per column.
inline constexpr int Standard_Spaltenbreite = 64;

class Gitter
{
public:
    Gitter() = default;
    Gitter(int spalten, int zeilen) { groesse_setzen(spalten, zeilen); }

    int spalten() const { return spalten_; }
    int zeilen() const { return zeilen_; }
    // Resizes like a string grid: cells inside both sizes keep their text,
    // new columns get the default width.
    void groesse_setzen(int spalten, int zeilen);

    // Cells outside the grid read as empty and are not written.
    QString zelle(int spalte, int zeile) const;
    void setzen(int spalte, int zeile, const QString& text);

    int breite(int spalte) const;
    void breite_setzen(int spalte, int breite);

private:
    int spalten_ = 0;
    int zeilen_ = 0;
    std::vector<QString> zellen_;
    std::vector<int> breiten_;
};

// Empties every cell (sizes and widths stay).
void stringgrid_loeschen(Gitter& g);

// Width of each column spalte_von..spalte_bis = max(1, longest text in rows
// zeile_von..zeile_bis) * pro_zeichen + 5 + extra (screen pixels, print units).
void Ideale_Zellenbreiten(Gitter& g, int spalte_von, int spalte_bis, int zeile_von, int zeile_bis, int extra,
                          int pro_zeichen);
// The same in characters for the text file: max(1, longest text) + extra.
void Ideale_Zellenbreiten_txt(Gitter& g, int spalte_von, int spalte_bis, int zeile_von, int zeile_bis,
                              int extra);

// Clipboard text of a selection: per row the cells' texts from the left to
// the right column, TAB between them, CR LF after each row.
QString Zwischenablage_text(const Gitter& g, int links, int oben, int rechts, int unten);

// One spreadsheet cell.
struct Blattzelle {
    enum class Art : uint8_t { Text, Ganzzahl, Zahl };
    uint16_t spalte = 0;
    uint16_t zeile = 0;
    Art art = Art::Text;
    QString text;
    int32_t ganz = 0;
    double zahl = 0;

    static Blattzelle Text(int spalte, int zeile, const QString& t)
    {
        return {uint16_t(spalte), uint16_t(zeile), Art::Text, t, 0, 0};
    }
    static Blattzelle Ganzzahl(int spalte, int zeile, int32_t w)
    {
        return {uint16_t(spalte), uint16_t(zeile), Art::Ganzzahl, {}, w, 0};
    }
    static Blattzelle Zahl(int spalte, int zeile, double w)
    {
        return {uint16_t(spalte), uint16_t(zeile), Art::Zahl, {}, 0, w};
    }
};
using Blatt = std::vector<Blattzelle>;

// Writes the cells with TXLSExport, then the end record. False (nothing
// changed on disk) when the target is not free or writing failed.
bool Blatt_schreiben(const Blatt& blatt, const QString& pfad);
