#include "platform/audio/pegelmesser.h"

#include "core/shell/uhr.h"
#include "platform/audio/aufnehmer.h"

Pegelmesser::Pegelmesser(QObject* parent) : QObject(parent), wachtimer_(new QTimer(this))
{
    puffer_.reserve(Aufnahme_Uebergabe::Hoechstens);
    genommen_.reserve(64);
    wachtimer_->setInterval(Wache_ms);
    connect(wachtimer_, &QTimer::timeout, this, &Pegelmesser::Aufnahme_pruefen);
}

bool Pegelmesser::Aufnahme_pruefen()
{
    if (!aufnehmer_ || !messung_laeuft_ || messung_.fertig() || ausfall_gemeldet_) {
        wachtimer_->stop();
        return false;
    }
    if (!wache_.ausgefallen(uhr().jetzt_ms(), aufnehmer_->uebergabe().puffer_gesamt()))
        return false;
    wachtimer_->stop();
    ausfall_gemeldet_ = true;
    emit Aufnahme_ausgefallen();
    return true;
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
    wache_.beginnen(uhr().jetzt_ms(), aufnehmer_->uebergabe().puffer_gesamt());
    ausfall_gemeldet_ = false;
    wachtimer_->start();
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
        wachtimer_->stop();
        emit Messung_fertig(); // the hand-over stays closed
        return;
    }
    aufnehmer_->uebergabe().weiter_annehmen();
}

Pegelmesser::Stopp Pegelmesser::beenden()
{
    if (aufnehmer_)
        aufnehmer_->uebergabe().anhalten();
    wachtimer_->stop();
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
