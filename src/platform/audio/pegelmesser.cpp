#include "platform/audio/pegelmesser.h"

#include "core/shell/uhr.h"
#include "platform/audio/aufnehmer.h"

Pegelmesser::Pegelmesser(QObject* parent) : QObject(parent)
{
    puffer_.reserve(Aufnahme_Uebergabe::Hoechstens);
    genommen_.reserve(64);
}

bool Pegelmesser::starten(const Messvorgaben& vorgaben)
{
    messung_laeuft_ = false;
    genommen_.clear();
    messung_.beginnen(vorgaben);
    if (!aufnehmer_)
        return false;
    aufnehmer_->uebergabe().starten();
    if (!aufnehmer_->starten()) {
        aufnehmer_->uebergabe().anhalten();
        aufnahme_laeuft_ = false;
        return false;
    }
    aufnahme_laeuft_ = true;
    messung_laeuft_ = true;
    return true;
}

void Pegelmesser::Aufnahme1()
{
    if (!aufnehmer_ || !messung_laeuft_ || messung_.fertig())
        return;
    uint32_t nummer = 0;
    if (!aufnehmer_->uebergabe().abholen(puffer_, nummer))
        return;
    genommen_.push_back(nummer);
    if (messung_.Puffer_anhaengen(puffer_.data(), puffer_.size())) {
        emit Messung_fertig(); // the hand-over stays closed
        return;
    }
    aufnehmer_->uebergabe().weiter_annehmen();
}

Pegelmesser::Stopp Pegelmesser::beenden()
{
    if (aufnehmer_)
        aufnehmer_->uebergabe().anhalten();
    messung_laeuft_ = false;
    if (!aufnahme_laeuft_)
        return Stopp::nichts_lief;
    // A buffer may still be on its way through the callback.
    uhr().pause(Nachlauf_ms);
    aufnahme_laeuft_ = false;
    if (!aufnehmer_ || !aufnehmer_->stoppen())
        return Stopp::fehler;
    return Stopp::gestoppt;
}
