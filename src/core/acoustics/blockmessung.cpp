#include "core/acoustics/blockmessung.h"

#include "core/acoustics/kv_fft.h"

#include <algorithm>

Blockmessung::Blockmessung()
{
    // Three blocks plus one buffer of up to a block: no allocation while measuring.
    sammel_.reserve(5 * size_t(Aufnahme_Blockgroesse));
}

void Blockmessung::beginnen(const Messvorgaben& vorgaben)
{
    vorgaben_ = vorgaben;
    sammel_.clear();
    zaehler_ = 0;
    analysiert_ = 0;
    fertig_ = false;
    uebersteuert_ = false;
    ergebnis_ = Messergebnis{};
}

bool Blockmessung::Puffer_anhaengen(const int16_t* samples, size_t anzahl)
{
    if (fertig_)
        return true;
    if (samples && anzahl > 0)
        sammel_.insert(sammel_.end(), samples, samples + anzahl);
    constexpr size_t B = Aufnahme_Blockgroesse;
    if (sammel_.size() < B)
        return false;
    // The block's first 4096 samples go into the sample array 1..4096.
    const int16_t* block = nullptr;
    if (sammel_.size() > 3 * B)
        block = sammel_.data() + (sammel_.size() - B);
    else
        block = sammel_.data();
    if (FFT_Daten.size() >= size_t(FFT_Blockgroesse) + 1)
        for (int i = 0; i < FFT_Blockgroesse; ++i)
            FFT_Daten[size_t(i) + 1] = block[i];
    const auto [kleinster, groesster] = std::minmax_element(block, block + FFT_Blockgroesse);
    if (*kleinster <= INT16_MIN || *groesster >= INT16_MAX)
        uebersteuert_ = true;
    if (sammel_.size() > 3 * B)
        sammel_.clear();
    else
        sammel_.erase(sammel_.begin(), sammel_.begin() + ptrdiff_t(B));
    Aufnahme2();
    return fertig_;
}

void Blockmessung::Aufnahme2()
{
    Gleichspannung_weg(FFT_Blockgroesse, FFT_Daten);
    Schallmessung_durchfuehren();
}

void Blockmessung::Schallmessung_durchfuehren()
{
    ++zaehler_;
    ++analysiert_;
    if (zaehler_ == 1)
        Summe_Fschlange2_Null_setzen(FFT_Blockgroesse);
    Berechne_Summe_Fschlange2(FFT_Blockgroesse, FFT_Daten);
    if (zaehler_ < std::max(vorgaben_.Bloecke, 1))
        return;
    uint8_t echt = 0;
    Schallgroessen_erweitert(vorgaben_.schnell, FFT_Blockgroesse, vorgaben_.halbe_Breite, vorgaben_.Mitte,
                             vorgaben_.Toleranz, vorgaben_.A_bewertet, ergebnis_.Lges, ergebnis_.Differenz,
                             echt);
    ergebnis_.echter_Ton = echt != 0;
    ergebnis_.uebersteuert = uebersteuert_;
    Summe_Fschlange2_Null_setzen(FFT_Blockgroesse);
    zaehler_ = 0;
    fertig_ = true;
}
