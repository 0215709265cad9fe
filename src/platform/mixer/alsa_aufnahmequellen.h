#pragma once
// The inputs (capture sources) of an ALSA card: the simple mixer elements
// that have a capture switch or a capture volume ("Capture", "Mic", "Line",
// ...), in the mixer's order. Every call opens the card's mixer and closes it
// again; a card without a mixer has no inputs.
#include <QStringList>

#include <string>

QStringList ALSA_Aufnahmequellen(const std::string& karte);
// Input i has a capture switch and it is off on every channel.
bool ALSA_Aufnahmequelle_aus(const std::string& karte, int i);
// Switches input i on for capture and sets its capture volume to
// `lautstaerke` (0..1) of its range. False when there is no input i.
bool ALSA_Aufnahmequelle_setzen(const std::string& karte, int i, float lautstaerke);
