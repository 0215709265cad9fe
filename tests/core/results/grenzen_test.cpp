// What a "Stopp" measures: during the tone a threshold, after the tone's end
// or after a falling tone fell below one step of the 16-bit output only a
// bound, and then never a level quieter than what was played.
#include "core/results/hoertest_druck.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{

// The moment a falling tone's peak, 32700 e^(-ln(32700) t / 30) sample units
// times volume / 65535, is one step of the output.
double Eine_Stufe_s(double volumen)
{
    return 30.0 * std::log(32700.0 * volumen / 65535.0) / std::log(32700.0);
}

} // namespace

TEST(Stoppbewertung, GrenzeUndZeitpunkt)
{
    struct Fall {
        const char* name;
        bool zunehmend;
        uint32_t volumen;
        double t_s;
        Tonende erwartet;
        double t_erwartet; // < 0: the press itself
    };
    const double stufe_10 = Eine_Stufe_s(10);      // 4.64 s at the first start's volume
    const double stufe_30300 = Eine_Stufe_s(30300); // 27.8 s
    const Fall faelle[] = {
        {"leise, vor der Stufe", false, 10, 4.0, Tonende::waehrend, -1},
        {"leise, nach der Stufe", false, 10, 5.0, Tonende::unter_Stufe, stufe_10},
        {"leise, nach dem Ende", false, 10, 34.0, Tonende::unter_Stufe, stufe_10},
        {"mittel, vor der Stufe", false, 30300, 27.0, Tonende::waehrend, -1},
        {"mittel, nach dem Ende", false, 30300, 31.0, Tonende::unter_Stufe, stufe_30300},
        {"voll, kurz vor dem Ende", false, 65535, 29.9, Tonende::waehrend, -1},
        {"voll, nach dem Ende", false, 65535, 31.0, Tonende::nach_abnehmendem, -1},
        {"zu leise für eine Stufe", false, 2, 0.1, Tonende::unter_Stufe, 0.0},
        {"stumm", false, 0, 1.0, Tonende::unter_Stufe, 0.0},
        {"steigend, leise", true, 10, 3.0, Tonende::waehrend, -1},
        {"steigend, nach dem Ende", true, 10, 16.5, Tonende::nach_zunehmendem, -1},
    };
    for (const Fall& f : faelle) {
        const Stopp_Bewertung b = Stopp_bewerten(f.t_s, f.zunehmend, f.volumen);
        EXPECT_EQ(b.tonende, f.erwartet) << f.name;
        EXPECT_NEAR(b.t_s, f.t_erwartet < 0 ? f.t_s : f.t_erwartet, 1e-9) << f.name;
    }
    EXPECT_NEAR(stufe_10, 4.639, 1e-3);
}

TEST(Stoppbewertung, GrenzzeichenHaltenDieBreite)
{
    const std::pair<Tonende, const char*> faelle[] = {{Tonende::waehrend, "     -77,0"},
                                                      {Tonende::nach_abnehmendem, "   ≤ -77,0"},
                                                      {Tonende::nach_zunehmendem, "   ≥ -77,0"},
                                                      {Tonende::unter_Stufe, "   ≥ -77,0"}};
    for (const auto& [t, text] : faelle)
        EXPECT_EQ(Mit_Grenzzeichen(QStringLiteral("     -77,0"), t), QString::fromUtf8(text)) << int(t);
    // A text too narrow for the mark grows instead of losing digits.
    EXPECT_EQ(Mit_Grenzzeichen(QStringLiteral("-100,0"), Tonende::unter_Stufe),
              QString::fromUtf8("≥ -100,0"));
}
