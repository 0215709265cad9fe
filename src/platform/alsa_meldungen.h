#pragma once
// ALSA reports every failed probe of a device or mixer on stderr; the program
// says itself what is missing. Installs a handler that drops those messages
// (once per process; safe to call from every user of ALSA).
void ALSA_Meldungen_stillen();
