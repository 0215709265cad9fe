#include "charts/kvschaubild2c.h"

#include "core/settings/dateien.h"
#include "core/shell/kvhilf.h"
#include "core/shell/meldungen.h"

#include <QBuffer>
#include <QFont>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace
{

bool brauchbarer_Schritt(long double s)
{
    return s > 0 && std::isfinite(s);
}

// Scroll position of a value; 0 when the step is unusable.
int Position(long double wert, long double schritt)
{
    return brauchbarer_Schritt(schritt) ? Runden(wert / schritt) : 0;
}

} // namespace

TkvSchaubild2c::TkvSchaubild2c()
{
    xmin = 0;
    ymin = -20;
    dynamische_werte();
}

int TkvSchaubild2c::xScrollbar_max_zuweisen() const
{
    return Position(xGesamt, xScroll_Schritt);
}

int TkvSchaubild2c::xScrollBarpos_zuweisen() const
{
    // The inverse of xScrollbar_aktualisiert_Werte_startx1.
    return Position(xmin - xOffset, xScroll_Schritt);
}

void TkvSchaubild2c::xScrollbar_aktualisiert_Werte_startx1(int position)
{
    xmin = position * xScroll_Schritt + xOffset;
}

int TkvSchaubild2c::yScrollbar_max_zuweisen() const
{
    return Position(yGesamt, yScroll_Schritt);
}

int TkvSchaubild2c::yScrollBarpos_zuweisen() const
{
    return Position(yGesamt + yOffset - ymin, yScroll_Schritt);
}

void TkvSchaubild2c::yScrollbar_aktualisiert_Werte_starty1(int position)
{
    ymin = yGesamt + yOffset - position * yScroll_Schritt;
}

void TkvSchaubild2c::Wertex_start_end_anpassen()
{
    if (!brauchbarer_Schritt(xEinheit))
        return;
    xmin = std::nearbyint(xStart / xEinheit) * xEinheit;
    xmax = xmin + 10 * xEinheit;
    Beschriftung_jede_zweite = xmax >= 10000 || (xmax >= 1000 && xNachkomma > 1);
}

void TkvSchaubild2c::Wertey_start_end_anpassen()
{
    if (!brauchbarer_Schritt(yEinheit))
        return;
    ymin = std::nearbyint(yStart / yEinheit) * yEinheit;
    ymax = ymin + 10 * yEinheit;
}

void TkvSchaubild2c::Schaubild_array_akt_bilden(std::span<const long double> quelle, long double x0_quelle,
                                                long double schritt, int s, int n,
                                                std::vector<long double>& ziel)
{
    dynamische_werte();
    const long double pixel_je_probe = schritt * xSkala;
    const int d = pixel_je_probe > 0 ? std::max(1, Runden(2 / pixel_je_probe)) : 1;
    s = std::max(s, 0);
    n = std::min<long long>(n, (long long)quelle.size() - 1);
    const int anzahl = n >= s ? (n - s) / d + 1 : 0;
    if (ziel.size() < size_t(anzahl))
        ziel.resize(size_t(anzahl));
    for (int i = 0; i < anzahl; ++i)
        ziel[size_t(i)] = quelle[size_t(s) + size_t(i) * size_t(d)];
    Index_Ende = anzahl - 1;
    dx = schritt * d;
    x0 = x0_quelle;
    Index_Anfang = 0;
    xGesamt = std::nearbyint(x0_quelle + schritt * d * (anzahl - 1));
}

QImage TkvSchaubild2c::Schaubilder_speichern_anfang(const QFont& schrift) const
{
    QImage bild(std::max(Bildbreite, 1), std::max(Bildhoehe, 1), QImage::Format_RGB32);
    if (bild.isNull())
        return bild;
    bild.fill(Qt::white);
    QPainter p(&bild);
    p.setFont(schrift);
    x_Koordinatenachse_zeichnen(p);
    y_Koordinatenachse_zeichnen(p);
    Farbe_Hintergrund_einstellen(p);
    return bild;
}

namespace
{

bool Bild_schreiben(const QByteArray& daten, const QString& dateiname)
{
    // A file that another program holds open for writing is not replaced.
    return Datei_frei(dateiname) && Datei_sicher_schreiben(dateiname, daten);
}

} // namespace

bool TkvSchaubild2c::Schaubilder_speichern_bmp_ende(QImage& bild, QString& dateiname) const
{
    dateiname = Endung_ersetzen(dateiname, QStringLiteral(".bmp"));
    QByteArray daten;
    const bool ok = !bild.isNull() && BMP_kodieren(bild, daten) && Bild_schreiben(daten, dateiname);
    bild = QImage();
    if (!ok)
        Fehler_bei_abspeichern();
    return ok;
}

bool TkvSchaubild2c::Schaubilder_speichern_jpg_ende(QImage& bild, QString& dateiname) const
{
    dateiname = Endung_ersetzen(dateiname, QStringLiteral(".jpg"));
    QByteArray daten;
    const bool ok =
        !bild.isNull() && JPEG_kodieren(bild, JPEG_Qualitaet, daten) && Bild_schreiben(daten, dateiname);
    bild = QImage();
    if (!ok)
        Fehler_bei_abspeichern();
    return ok;
}

bool BMP_kodieren(const QImage& bild, QByteArray& daten)
{
    daten.clear();
    QBuffer puffer(&daten);
    if (!puffer.open(QIODevice::WriteOnly))
        return false;
    return bild.convertToFormat(QImage::Format_RGB32).save(&puffer, "BMP");
}

// ---- JPEG through libjpeg ---------------------------------------------------------

namespace
{

struct Jpeg_Fehler {
    jpeg_error_mgr mgr;
    std::jmp_buf sprung;
};

// libjpeg's fatal errors return through longjmp instead of ending the program.
[[noreturn]] void jpeg_abbruch(j_common_ptr c)
{
    std::longjmp(reinterpret_cast<Jpeg_Fehler*>(c->err)->sprung, 1);
}

// Warnings stay quiet.
void jpeg_still(j_common_ptr) {}

// The picture's pixels as the encoder reads them: 32-bit pixels directly
// where the library knows their byte order, else converted to 24 bits.
#if defined(JCS_EXTENSIONS) && Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr QImage::Format Jpeg_Eingang = QImage::Format_RGB32; // bytes B, G, R, unused
constexpr J_COLOR_SPACE Jpeg_Farbraum = JCS_EXT_BGRX;
constexpr int Jpeg_Komponenten = 4;
#else
constexpr QImage::Format Jpeg_Eingang = QImage::Format_RGB888;
constexpr J_COLOR_SPACE Jpeg_Farbraum = JCS_RGB;
constexpr int Jpeg_Komponenten = 3;
#endif

// Only plain C objects live between setjmp and a longjmp of the library.
bool jpeg_schreiben(const QImage& rgb, int qualitaet, unsigned char** puffer, unsigned long* groesse)
{
    jpeg_compress_struct info;
    Jpeg_Fehler fehler;
    info.err = jpeg_std_error(&fehler.mgr);
    fehler.mgr.error_exit = jpeg_abbruch;
    fehler.mgr.output_message = jpeg_still;
    if (setjmp(fehler.sprung)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, puffer, groesse);
    info.image_width = JDIMENSION(rgb.width());
    info.image_height = JDIMENSION(rgb.height());
    info.input_components = Jpeg_Komponenten;
    info.in_color_space = Jpeg_Farbraum;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, qualitaet, TRUE);
    // Best quality: the exact integer DCT and no subsampling of the colour,
    // so thin coloured lines keep their colour. (Optimised Huffman tables
    // would only make the file smaller, at several times the time.)
    info.dct_method = JDCT_ISLOW;
    for (int i = 0; i < info.num_components; ++i) {
        info.comp_info[i].h_samp_factor = 1;
        info.comp_info[i].v_samp_factor = 1;
    }
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW zeile = const_cast<JSAMPROW>(rgb.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &zeile, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

} // namespace

bool JPEG_kodieren(const QImage& bild, int qualitaet, QByteArray& daten)
{
    daten.clear();
    if (bild.isNull())
        return false;
    const QImage rgb = bild.convertToFormat(Jpeg_Eingang);
    unsigned char* puffer = nullptr;
    unsigned long groesse = 0;
    const bool ok = jpeg_schreiben(rgb, std::clamp(qualitaet, 1, 100), &puffer, &groesse);
    if (ok && puffer)
        daten = QByteArray(reinterpret_cast<const char*>(puffer), qsizetype(groesse));
    std::free(puffer);
    return ok && !daten.isEmpty();
}
