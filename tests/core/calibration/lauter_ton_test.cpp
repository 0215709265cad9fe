// When a volume change must be confirmed: a rise above 20 dB at once, or a
// level above 100 dB(A) by the row's calibration; what the calibration of a
// row says in each unit; the loudest start level of a settings record.
#include "core/acoustics/physik_hoertest.h"
#include "core/calibration/lauter_ton.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{

struct Fall {
    const char* name;
    uint32_t alt;
    uint32_t neu;
    Eichpunkt eich;
    bool fragen;
};

} // namespace

TEST(Lauter_Ton, fragt_genau_oberhalb_der_Grenzen)
{
    const Eichpunkt grund{10.0, 10};     // a new settings file: 10 dB(A) at volume 10
    const Eichpunkt laut{94.0, 10000};   // 94 dB(A) at volume 10000
    const Eichpunkt ohne{0.0, 0};        // no usable calibration
    const Fall faelle[] = {
        {"a rise of exactly 20 dB passes", 1000, 10000, grund, false},
        {"a rise just above 20 dB asks", 1000, 10012, grund, true},
        {"coarse bar from 310 to full scale asks", 310, 65530, grund, true},
        {"a fall never asks", 65530, 10, laut, false},
        {"an unchanged volume never asks", 20000, 20000, laut, false},
        {"100 dB(A) itself passes", 19000, uint32_t(std::floor(10000 * std::pow(10.0, 6.0 / 20))), laut, false},
        {"just above 100 dB(A) asks even for a small step", 19900, 20000, laut, true},
        {"from silence only the level counts", 0, 65530, grund, false},
        {"from silence above the level limit asks", 0, 30000, laut, true},
        {"without calibration the rise still counts", 100, 1100, ohne, true},
        {"without calibration a small rise passes", 100, 900, ohne, false},
    };
    for (const Fall& f : faelle) {
        const Laut_Entscheidung d = Lauter_Ton_pruefen(f.alt, f.neu, f.eich);
        EXPECT_EQ(d.fragen, f.fragen) << f.name;
    }
}

TEST(Lauter_Ton, Frage_nennt_den_Pegel_oder_den_Anstieg)
{
    Laut_Entscheidung d = Lauter_Ton_pruefen(19900, 20000, Eichpunkt{94.0, 10000});
    EXPECT_EQ(Lauter_Ton_Frage(d), QStringLiteral("Der Ton wird sehr laut (100,0 dB(A)). Kopfhörer absetzen oder "
                                                  "fortfahren?"));
    d = Lauter_Ton_pruefen(100, 10000, Eichpunkt{});
    EXPECT_EQ(Lauter_Ton_Frage(d), QStringLiteral("Der Ton wird sehr laut (+40,0 dB). Kopfhörer absetzen oder "
                                                  "fortfahren?"));
}

TEST(Lauter_Ton, Eichpunkt_in_jeder_Einheit_und_lautester_Start)
{
    Einstellungstyp e{};
    e.Eichung = Schall_messer;
    for (int i = 0; i < Zeilen; ++i) {
        e.Frequenzen[size_t(i)] = uint16_t(100 * (i + 1));
        for (int ohr = 0; ohr < 2; ++ohr) {
            e.Spannung1[3][size_t(ohr)][size_t(i)] = 60.0;
            e.Schallmesser[size_t(ohr)][size_t(i)] = 1;
        }
        e.Links_Volume1[2][size_t(i)] = 1000;
        e.Rechts_Volume1[2][size_t(i)] = 1000;
        e.Links_Volume1[0][size_t(i)] = 1000;
        e.Rechts_Volume1[0][size_t(i)] = 1000;
    }
    // Row 10 (1000 Hz): dB, dB(A), dB(C) and a number taken as a pressure.
    struct Einheit {
        int32_t einheit;
        double wert;
        double erwartet_dBA;
    } einheiten[] = {{0, 60.0, double(Pa_in_dBA(dB_in_Pa(60.0), 1000))}, {1, 60.0, 60.0}, {2, 60.0, double(Pa_in_dBA(dBC_in_Pa(60.0, 1000), 1000))},
                     {7, 0.02, double(Pa_in_dBA(0.02, 1000))}};
    for (const Einheit& x : einheiten) {
        e.Schallmesser[0][9] = x.einheit;
        e.Spannung1[3][0][9] = x.wert;
        const Eichpunkt p = Eichpunkt_der_Zeile(e, true, 10);
        EXPECT_EQ(p.lautstaerke, 1000u);
        EXPECT_NEAR(p.pegel_dBA, x.erwartet_dBA, 1e-9) << "unit " << x.einheit;
    }
    e.Schallmesser[0][9] = 1;
    e.Spannung1[3][0][9] = 60.0;
    // The right ear's row 7 starts 46 dB louder than its calibration.
    e.Rechts_Volume1[0][6] = 200000;
    const auto s = Lautester_Anfangspegel(e);
    ASSERT_TRUE(s);
    EXPECT_FALSE(s->links);
    EXPECT_EQ(s->zeile, 7);
    EXPECT_NEAR(s->pegel_dBA, 60.0 + 20 * std::log10(200.0), 1e-9);
    // A calibration volume of 0 is no calibration.
    e.Links_Volume1[2][4] = 0;
    EXPECT_EQ(Eichpunkt_der_Zeile(e, true, 5).lautstaerke, 0u);
}
