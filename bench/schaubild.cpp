// The hearing-threshold chart at 1920 x 1080: painting axes, grid, 42
// markers, both reference curves and the crosshair as the chart window's
// three paint boxes do, against a naive painter that draws the same chart
// with one line per sample of the full per-hertz curves; scrolling by one
// unit with the pixel columns prepared anew; saving the picture as JPEG
// (quality 100) and BMP. Medians in milliseconds, with the ratios.
#include "charts/hoerschwelle_schaubild.h"
#include "core/acoustics/kvhoerschwelle.h"
#include "core/results/hoertest_druck.h"
#include "core/settings/einstellungen.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace
{

const QColor Feldfarbe(255, 255, 180);

double cpu_ms()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) * 1e-6;
}

// Median wall time; with `cpu` also the median of the thread's processor
// time, which other programs on a busy machine do not inflate.
double median_ms(int runden, const std::function<void()>& f, double* cpu = nullptr)
{
    std::vector<double> t, c;
    for (int i = 0; i < runden; ++i) {
        QElapsedTimer u;
        const double c0 = cpu_ms();
        u.start();
        f();
        t.push_back(double(u.nsecsElapsed()) * 1e-6);
        c.push_back(cpu_ms() - c0);
    }
    std::sort(t.begin(), t.end());
    std::sort(c.begin(), c.end());
    if (cpu)
        *cpu = c[c.size() / 2];
    return t[t.size() / 2];
}

// The window's paint: y axis, x axis on its own box, plot on its own box.
void Fenster_malen(QImage& bild)
{
    const TkvSchaubild2c& a = *Schaubild_Norm;
    bild.fill(Qt::white);
    QPainter p(&bild);
    a.y_Koordinatenachse_zeichnen(p);
    p.save();
    p.translate(a.xAchse_Box.topLeft());
    a.x_Koordinatenachse_zeichnen(p);
    p.restore();
    p.translate(a.Schaubild_Box.topLeft());
    p.fillRect(QRect(QPoint(0, 0), a.Schaubild_Box.size()), Feldfarbe);
    Schaubilder_zeichnen(p, a, *Schaubild_NulldBA, Schaubild_Anzeige, Schaubild_Farben{});
}

// The same chart with one line per sample of the full curves.
void naiv_malen(QImage& bild)
{
    const TkvSchaubild2c& a = *Schaubild_Norm;
    bild.fill(Qt::white);
    QPainter p(&bild);
    a.y_Koordinatenachse_zeichnen(p);
    p.save();
    p.translate(a.xAchse_Box.topLeft());
    a.x_Koordinatenachse_zeichnen(p);
    p.restore();
    p.translate(a.Schaubild_Box.topLeft());
    p.fillRect(QRect(QPoint(0, 0), a.Schaubild_Box.size()), Feldfarbe);
    const Schaubild_Farben farben;
    for (const Schaubild_Punkte* pk : {&Punkte_links, &Punkte_rechts})
        a.Punkte_zeichnen(p, 1, pk == &Punkte_links ? farben.links : farben.rechts, Markierung_Groesse,
                          Markierung_Stil, pk->Pegel, pk->Frequenz, pk->Anzahl);
    auto kurve = [&](const std::vector<long double>& w, int von, int bis, int32_t farbe) {
        a.Hintergrund_gitter(p);
        p.setPen(QPen(Farbe_in_QColor(farbe), 1));
        for (int f = von; f < bis; ++f)
            p.drawLine(a.xWert_in_xPixel_Schaubild(f), a.yWert_in_yPixel_Schaubild(w[size_t(f)]),
                       a.xWert_in_xPixel_Schaubild(f + 1), a.yWert_in_yPixel_Schaubild(w[size_t(f + 1)]));
    };
    kurve(Hoerschwelle_Kurve, 20, 12500, farben.norm);
    a.Fadenkreuz(p);
    kurve(Null_dBA_Kurve, 20, 20000, farben.null_dBA);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Hoerschwelle_Tabellen_erzeugen();
    Schaubild_Objekte_erzeugen();
    for (TkvSchaubild2c* s : {Schaubild_Norm.get(), Schaubild_NulldBA.get()}) {
        Ausgangs_werte1a(*s);
        s->Bildbreite = 1920;
        s->Bildhoehe = 1080;
        s->dynamische_werte();
    }
    Schallpegel_Einheit_festlegen(3);
    Zeit_Einheit_festlegen(6);
    for (TkvSchaubild2c* s : {Schaubild_Norm.get(), Schaubild_NulldBA.get()}) {
        s->dynamische_werte();
        s->xPixel_Schaubild_vorbereiten();
    }
    // Both ears measured at all 21 frequencies; both curves; a crosshair.
    Einstellungen_zuruecksetzen();
    for (int k = 1; k <= 21; ++k) {
        Hoertest_Druck[size_t(Druck_index(true, k))] = 0.00002 * std::pow(10.0, (10 + k) / 20.0);
        Hoertest_Druck[size_t(Druck_index(false, k))] = 0.00002 * std::pow(10.0, (40 + k) / 20.0);
    }
    Schaubild_Punkte_berechnen();
    Schaubild_Anzeige = {true, true, true, true};
    Schaubild_Norm->Fadenkreuz_zeigen = true;
    Schaubild_Norm->x_Fadenkreuz_berechnen(700);
    Schaubild_Norm->y_Fadenkreuz_berechnen(300);
    std::printf("chart 1920 x 1080, plot %d x %d, markers %d, curve samples %d + %d (full %d + %d)\n",
                Schaubild_Norm->Breite, Schaubild_Norm->Hoehe, Punkte_links.Anzahl + Punkte_rechts.Anzahl,
                Schaubild_Norm->Index_Ende + 1, Schaubild_NulldBA->Index_Ende + 1, 12500 - 20 + 1,
                20000 - 20 + 1);

    QImage bild(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    for (int i = 0; i < 20; ++i) // warm up the font and glyph caches
        Fenster_malen(bild);
    const int runden = 300;
    // Alternated rounds, so both painters see the same machine load.
    std::vector<double> fenster, naiv, fenster_cpu, naiv_cpu;
    for (int r = 0; r < 5; ++r) {
        double c = 0;
        fenster.push_back(median_ms(
            runden / 5, [&] { Fenster_malen(bild); }, &c));
        fenster_cpu.push_back(c);
        naiv.push_back(median_ms(
            runden / 5, [&] { naiv_malen(bild); }, &c));
        naiv_cpu.push_back(c);
    }
    for (auto* v : {&fenster, &naiv, &fenster_cpu, &naiv_cpu})
        std::sort(v->begin(), v->end());
    const double t_fenster = fenster[2], t_naiv = naiv[2];
    std::printf("paint (window's painter):     %.3f ms median, %.3f ms processor time (target <= 4 ms)\n",
                t_fenster, fenster_cpu[2]);
    std::printf("paint (one line per sample):  %.3f ms median, %.3f ms processor time\n", t_naiv,
                naiv_cpu[2]);
    std::printf("  window / naive = %.3f (processor time %.3f)\n", t_fenster / t_naiv,
                fenster_cpu[2] / naiv_cpu[2]);

    // Scrolling one unit ("2000 Hz": 20 positions) right and back.
    int pos = 0;
    double c_scroll = 0;
    const double t_scroll = median_ms(
        runden,
        [&] {
            pos = pos == 0 ? 20 : 0;
            Zeit_scrollen(pos);
        },
        &c_scroll);
    std::printf(
        "scroll by one unit + prepare columns: %.3f ms median, %.3f ms processor time (target <= 2 ms)\n",
        t_scroll, c_scroll);
    std::printf("  scroll / naive paint = %.3f\n", t_scroll / t_naiv);

    // Saving: the picture as the picture window makes it.
    TkvSchaubild2c bn, bd;
    Ausgangs_werte_Bild(bn);
    Ausgangs_werte_Bild(bd);
    for (TkvSchaubild2c* s : {&bn, &bd}) {
        Werte_Schaubild_ubernehmen(s == &bn ? *Schaubild_Norm : *Schaubild_NulldBA, *s);
        s->Bildbreite = 1920;
        s->Bildhoehe = 1080;
        s->dynamische_werte();
        s->xPixel_Schaubild_vorbereiten();
    }
    QImage vorlage = bn.Schaubilder_speichern_anfang(QFont(QStringLiteral("Arial")));
    {
        QPainter p(&vorlage);
        Schaubilder_zeichnen(p, bn, bd, Schaubild_Anzeige, Schaubild_Farben{});
    }
    QTemporaryDir ordner;
    qint64 groesse_jpg = 0;
    const double t_jpg = median_ms(15, [&] {
        QImage b = vorlage;
        QString name = ordner.filePath(QStringLiteral("Schaubild.jpg"));
        bn.Schaubilder_speichern_jpg_ende(b, name);
        groesse_jpg = QFileInfo(name).size();
    });
    const double t_qt = median_ms(15, [&] {
        QByteArray d;
        QBuffer puffer(&d);
        puffer.open(QIODevice::WriteOnly);
        QImageWriter w(&puffer, "jpg");
        w.setQuality(100);
        w.write(vorlage);
    });
    const double t_bmp = median_ms(15, [&] {
        QImage b = vorlage;
        QString name = ordner.filePath(QStringLiteral("Schaubild.bmp"));
        bn.Schaubilder_speichern_bmp_ende(b, name);
    });
    std::printf("save JPEG q100, 1920 x 1080 (4:4:4, written and renamed): %.2f ms median, %lld bytes "
                "(target <= 150 ms)\n",
                t_jpg, (long long)groesse_jpg);
    std::printf("  Qt's own JPEG writer q100, encoding only: %.2f ms median; ours / Qt = %.3f\n", t_qt,
                t_jpg / t_qt);
    std::printf("save BMP 1920 x 1080: %.2f ms median\n", t_bmp);
    Schaubild_Objekte_freigeben();
    return 0;
}
