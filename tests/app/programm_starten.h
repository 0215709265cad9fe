#pragma once
// The whole program started on simulated devices, as the window tests need
// it: settings back to their defaults, the program constructed and started,
// and its first start's tone files written (within a minute).
#include "app/shell/programm.h"
#include "app/tones/alle_wave.h"
#include "core/settings/einstellungen.h"

#include <QTest>

#include <memory>

inline bool Programm_starten(std::unique_ptr<Programm>& programm, Abspieler* abspieler, Dialoge* dialoge,
                             Aufnehmer* aufnehmer = nullptr)
{
    Einstellungen_zuruecksetzen();
    programm = std::make_unique<Programm>(abspieler, dialoge, aufnehmer);
    programm->starten();
    return QTest::qWaitFor([] { return Wave_erzeugen == nullptr; }, 60000);
}
