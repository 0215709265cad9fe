#include "core/tones/alle_tondateien.h"

#include "core/tones/kvwave.h"
#include "core/tones/tonrechner.h"
#include "core/tones/wave_datei.h"
#include "core/shell/kvhilf.h"
#include "core/shell/sprache.h"

#include <QCoreApplication>

#include <mutex>
#include <system_error>
#include <thread>

namespace
{

QString mit_schraegstrich(const QString& ordner)
{
    return ordner.endsWith(QLatin1Char('/')) ? ordner : ordner + QLatin1Char('/');
}

// Runs arbeit(zeile) for rows 1..21 on the calling thread and one more thread,
// each taking the next row as it becomes free. Falls back to the calling
// thread alone when no thread can be started.
void Zeilen_verteilen(const std::function<void(int)>& arbeit, std::atomic<bool>* abbrechen)
{
    std::atomic<int> naechste{1};
    auto arbeiter = [&] {
        for (;;) {
            if (abbrechen && abbrechen->load())
                return;
            const int zeile = naechste.fetch_add(1);
            if (zeile > 21)
                return;
            arbeit(zeile);
        }
    };
    std::thread zweiter;
    if (std::thread::hardware_concurrency() != 1) {
        try {
            zweiter = std::thread(arbeiter);
        } catch (const std::system_error&) {
        }
    }
    arbeiter();
    if (zweiter.joinable())
        zweiter.join();
}

} // namespace

uint64_t Speicherbedarf_Tondateien(bool behalten, bool zunehmend)
{
    const uint64_t paar_konstant = 2 * Tondatei_Bytes(3000);
    if (!behalten)
        return paar_konstant; // the hearing-test tone is never longer than the constant one
    return 42 * Tondatei_Bytes(zunehmend ? 1500 : 3000) + paar_konstant;
}

QString Speicherbedarf_text(uint64_t bytes)
{
    const long double mb = (long double)(bytes) / 1e6L;
    //: %1 = size in megabytes, e.g. "233" or "10,6"
    return QCoreApplication::translate("alle_tondateien", "ca. %1 MB")
        .arg(Zahltext(0, mb < 100.0L ? 1 : 0, mb));
}

QString Tondatei_links(const QString& wave_ordner, int zeile)
{
    return mit_schraegstrich(wave_ordner) + QStringLiteral("abn_l") + QString::number(zeile) +
           QStringLiteral(".wav");
}

QString Tondatei_rechts(const QString& wave_ordner, int zeile)
{
    return mit_schraegstrich(wave_ordner) + QStringLiteral("abn_r") + QString::number(zeile) +
           QStringLiteral(".wav");
}

bool alle_Tondateien_erzeugen(const QString& wave_ordner, const std::array<uint16_t, 21>& frequenzen,
                              bool zunehmend, bool pulsierend, int32_t Tondauer_hundertstel,
                              std::function<void(int zeile)> zeile_fertig, std::atomic<bool>* abbrechen,
                              uint64_t* langsame_Samples)
{
    if (langsame_Samples)
        *langsame_Samples = 0;
    if (Tondauer_hundertstel < 0)
        return false;
    const uint32_t N = static_cast<uint32_t>(Tondauer_hundertstel);
    long double k = 0;
    Hochzahl_von_abnehmend(Tondauer_hundertstel, k);

    std::atomic<bool> alle_gut{true};
    std::atomic<uint64_t> langsam{0};
    std::mutex melden;
    Zeilen_verteilen(
        [&](int zeile) {
            const Tonrechner rechner(zunehmend, pulsierend, k, static_cast<float>(frequenzen[zeile - 1]),
                                     false);
            uint64_t zeile_langsam = 0;
            const bool gut = Wave_Paar_schreiben(
                N, Tondatei_links(wave_ordner, zeile), Tondatei_rechts(wave_ordner, zeile),
                [&](uint32_t n0, uint32_t anzahl, int16_t* ziel) {
                    zeile_langsam += rechner.berechnen(n0, anzahl, ziel);
                },
                abbrechen);
            langsam += zeile_langsam;
            if (!gut)
                alle_gut = false;
            if (abbrechen && abbrechen->load())
                return;
            if (zeile_fertig) {
                const std::lock_guard<std::mutex> sperre(melden);
                zeile_fertig(zeile);
            }
        },
        abbrechen);
    if (langsame_Samples)
        *langsame_Samples = langsam.load();
    return alle_gut.load() && !(abbrechen && abbrechen->load());
}

bool alle_Tondateien_Nullen_schreiben(const QString& wave_ordner, int32_t Tondauer_hundertstel)
{
    if (Tondauer_hundertstel < 0)
        return false;
    std::atomic<bool> alle_gut{true};
    Zeilen_verteilen(
        [&](int zeile) {
            if (!Wave_Paar_schreiben(static_cast<uint32_t>(Tondauer_hundertstel),
                                     Tondatei_links(wave_ordner, zeile), Tondatei_rechts(wave_ordner, zeile),
                                     nullptr))
                alle_gut = false;
        },
        nullptr);
    return alle_gut.load();
}
