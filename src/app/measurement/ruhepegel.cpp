#include "app/measurement/ruhepegel.h"

#include "app/measurement/aufnahme.h"
#include "app/measurement/einstellungen_messungen.h"
#include "core/acoustics/blockmessung.h"
#include "core/acoustics/kv_fft_daten.h"
#include "core/acoustics/ruhepegel.h"
#include "core/calibration/messmikrofon.h"
#include "core/results/hoertest_druck.h"
#include "core/settings/einstellungen.h"
#include "core/shell/dialoge.h"
#include "core/shell/kvhilf.h"
#include "core/shell/uhr.h"
#include "platform/audio/abspieler.h"
#include "platform/audio/aufnehmer.h"
#include "core/shell/sprache.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPointer>

#include <algorithm>
#include <cmath>

namespace
{

// 3 s of recording before the first row of an ear.
const int Bloecke_vorher = int(std::ceil(3.0 * 44100.0 / Aufnahme_Blockgroesse));
// Recording time after which a check without enough blocks gives up.
constexpr double Hoechstdauer_ms = 6000;
const QString Zeichen = QStringLiteral(" ⚠");

enum class Phase { Ruhe, vorher, Zeile };

struct Zustand {
    bool laeuft = false; // the recording runs
    QMetaObject::Connection verbindung;
    Spektrum_Sammler sammler;
    std::vector<int16_t> puffer;
    Phase phase = Phase::Ruhe;
    bool pruefung_laeuft = false;
    TForm2* fenster = nullptr;
    int zeile = 0;
    int band = -1;
    Ruhepegel_Befund laufend; // the running row's
    std::array<bool, 2> geprueft{};
    QPointer<TRuhepegel_Form> form;
};

Zustand& z()
{
    static Zustand s;
    return s;
}

int ohr(bool links)
{
    return links ? 0 : 1;
}

QString zahl(double x)
{
    return Zahltext(1, 1, x).trimmed();
}

QString Band_text(int b)
{
    const double f = Oktavbaender_Hz[size_t(b)];
    return f >= 1000 ? QString::number(f / 1000) + QStringLiteral(" kHz") : QString::number(f) + QStringLiteral(" Hz");
}

// One second of the running row: its band against the limit.
void Sekunde_auswerten()
{
    Zustand& s = z();
    const Pegelwerte w = s.sammler.auswerten(FFT_Tabellen);
    s.sammler.zuruecksetzen();
    if (s.band < 0)
        return;
    const double um = w.Oktaven[size_t(s.band)] - Ruhepegel_Grenzen_dB[size_t(s.band)];
    if (std::isfinite(um) && um > 0 && (!s.laufend.ueberschritten || um > s.laufend.um_dB)) {
        s.laufend.ueberschritten = true;
        s.laufend.um_dB = um;
    }
}

// Whether the running row's tone plays now.
bool Ton_spielt()
{
    const Zustand& s = z();
    Abspieler* p = s.fenster ? s.fenster->abspieler() : nullptr;
    return s.phase == Phase::Zeile && aktive_Zeile == s.zeile && !Ton_gestoppt && p && p->laeuft();
}

void Puffer()
{
    Zustand& s = z();
    Aufnehmer* a = Aufnehmer_eingesetzt();
    if (!s.laeuft || !a)
        return;
    uint32_t nummer = 0;
    if (a->uebergabe().abholen(s.puffer, nummer)) {
        if (s.phase == Phase::vorher) {
            s.sammler.Puffer_anhaengen(s.puffer.data(), s.puffer.size());
        } else if (Ton_spielt()) {
            s.sammler.Puffer_anhaengen(s.puffer.data(), s.puffer.size());
            if (s.sammler.Bloecke() >= Bloecke_langsam)
                Sekunde_auswerten();
        } else {
            s.sammler.neu_beginnen();
        }
    }
    a->uebergabe().weiter_annehmen();
}

bool Aufnahme_starten(TForm2* w)
{
    Zustand& s = z();
    if (s.laeuft)
        return true;
    Aufnehmer* a = Aufnehmer_eingesetzt();
    if (!a || !Bass_Aufnahme_Initialisierung())
        return false;
    s.sammler.neu_beginnen();
    a->uebergabe().starten();
    s.verbindung = QObject::connect(a, &Aufnehmer::Puffer_da, w, &Puffer, Qt::QueuedConnection);
    if (!a->starten()) {
        a->uebergabe().anhalten();
        QObject::disconnect(s.verbindung);
        Audio_Fehler(QCoreApplication::translate(
            "ruhepegel", "Die Audioaufnahme kann nicht gestartet werden, der Ruhepegel "
                         "wird nicht geprüft. Vermutlich greift ein anderes Programm "
                         "ebenfalls auf die Audioaufnahme zu."));
        return false;
    }
    s.laeuft = true;
    s.fenster = w;
    return true;
}

void Aufnahme_anhalten()
{
    Zustand& s = z();
    if (!s.laeuft)
        return;
    s.laeuft = false;
    s.phase = Phase::Ruhe;
    QObject::disconnect(s.verbindung);
    if (Aufnehmer* a = Aufnehmer_eingesetzt()) {
        a->uebergabe().anhalten();
        a->stoppen();
    }
}

void Zeile_zeigen(TForm2* w, bool links, int zeile)
{
    QLabel* l = w->StaticText[size_t(zeile)];
    if (!l)
        return;
    const Ruhepegel_Befund b = Ruhepegel_Befund_von(links, zeile);
    QString t = l->text();
    if (t.endsWith(Zeichen))
        t.chop(Zeichen.size());
    l->setText(b.ueberschritten ? t + Zeichen : t);
    l->setToolTip(Ruhepegel_Text(b));
}

void Ohr_zeigen(TForm2* w, bool links)
{
    for (int i = 1; i <= Zeilen; ++i)
        Zeile_zeigen(w, links, i);
}

} // namespace

Ruhepegel_Befund Ruhepegel_Befund_von(bool links, int zeile)
{
    if (zeile < 1 || zeile > Zeilen)
        return {};
    const double um = Hoertest_Ruhepegel[size_t(Druck_index(links, zeile))];
    if (!(um > 0))
        return {};
    return {true, Oktavband_von(Frequenz(zeile)), um};
}

QString Ruhepegel_Text(const Ruhepegel_Befund& b)
{
    if (!b.ueberschritten || b.Band < 0)
        return QString();
    //: %1 the octave band (e.g. "1 kHz"), %2 by how many dB it lay above its limit, %3 the limit in dB
    return QCoreApplication::translate("ruhepegel",
                                       "Ruhepegel während des Tons zu hoch: im Oktavband %1 um %2 dB "
                                       "über der Grenze von %3 dB. Die Hörschwelle kann zu hoch "
                                       "gemessen sein.")
        .arg(Band_text(b.Band), zahl(b.um_dB), zahl(Ruhepegel_Grenzen_dB[size_t(b.Band)]));
}

void Ruhepegel_Sitzung_beginnt(TForm2* w, bool links)
{
    if (!Aktive_Mikrofon_Kalibrierung)
        return;
    z().geprueft[size_t(ohr(links))] = false;
    Ohr_zeigen(w, links);
}

bool Ruhepegel_vor_Zeile(TForm2* w, bool links)
{
    Zustand& s = z();
    if (!Aktive_Mikrofon_Kalibrierung)
        return true;
    if (s.pruefung_laeuft)
        return false;
    bool& geprueft = s.geprueft[size_t(ohr(links))];
    if (geprueft)
        return true;
    if (!Aufnahme_starten(w)) {
        geprueft = true; // the hearing test goes on without the check
        return true;
    }
    s.pruefung_laeuft = true;
    s.phase = Phase::vorher;
    s.sammler.neu_beginnen();
    w->Panel0(QCoreApplication::translate("ruhepegel", "Aktiv"));
    w->Panel1(QCoreApplication::translate("ruhepegel",
                                          "Der Ruhepegel des Raums wird gemessen. Bitte 3 Sekunden Ruhe."));
    const double anfang = uhr().jetzt_ms();
    while (s.laeuft && s.sammler.Bloecke() < Bloecke_vorher && uhr().jetzt_ms() - anfang < Hoechstdauer_ms)
        uhr().pause(20);
    s.phase = Phase::Ruhe;
    s.pruefung_laeuft = false;
    if (!s.laeuft || !w->isVisible())
        return false; // the window was closed meanwhile
    w->Panel0(QCoreApplication::translate("ruhepegel", "Bereit"));
    w->StatusBar_Text();
    geprueft = true;
    if (s.sammler.Bloecke() < Bloecke_vorher) {
        dialoge().meldung(Symbol::Warnung, Knoepfe::Ok,
                          QCoreApplication::translate("ruhepegel",
                                                      "Der Ruhepegel konnte nicht gemessen werden: Die "
                                                      "Audioaufnahme liefert keine Daten. Der Hörtest wird "
                                                      "ohne diese Prüfung fortgesetzt."),
                          QCoreApplication::translate("ruhepegel", "Ruhepegel"), Antwort::Ok);
        return true;
    }
    const Pegelwerte werte = s.sammler.auswerten(FFT_Tabellen);
    s.sammler.neu_beginnen();
    if (!s.form) {
        s.form = new TRuhepegel_Form(w);
        s.form->setAttribute(Qt::WA_ShowWithoutActivating);
    }
    s.form->zeigen(werte, links);
    s.form->show();
    const auto zu_laut = Ruhepegel_vergleichen(werte.Oktaven);
    if (zu_laut.empty())
        return true;
    QString baender;
    //: One band of a list: %1 the octave band (e.g. "1 kHz"), %2 by how many dB it lies above its limit
    for (const auto& u : zu_laut)
        baender +=
            (baender.isEmpty() ? QString() : QStringLiteral(", ")) +
            QCoreApplication::translate("ruhepegel", "%1 um %2 dB").arg(Band_text(u.Band), zahl(u.um_dB));
    const Antwort a = dialoge().meldung(
        Symbol::Warnung, Knoepfe::OkAbbrechen,
        //: %1 the list of octave bands that are too loud
        QCoreApplication::translate(
            "ruhepegel", "Der Raum ist für den Hörtest zu laut. Der Ruhepegel liegt über der zulässigen "
                         "Grenze: %1.\nHörschwellen in diesen Bereichen können zu hoch gemessen "
                         "werden. Mit „OK“ geht der Hörtest trotzdem weiter, mit „Abbrechen“ wird vor "
                         "dem nächsten Start erneut gemessen.")
            .arg(baender),
        QCoreApplication::translate("ruhepegel", "Ruhepegel"), Antwort::Ok);
    if (a != Antwort::Ok) {
        geprueft = false;
        return false;
    }
    return true;
}

void Ruhepegel_Zeile_beginnt(TForm2* w, bool /*links*/, int zeile)
{
    Zustand& s = z();
    if (!Aktive_Mikrofon_Kalibrierung || !s.laeuft || aktive_Zeile != zeile)
        return;
    s.fenster = w;
    s.zeile = zeile;
    s.band = Oktavband_von(Frequenz(zeile));
    s.laufend = Ruhepegel_Befund{false, s.band, 0};
    s.sammler.neu_beginnen();
    s.phase = Phase::Zeile;
}

void Ruhepegel_Zeile_endet(TForm2* w, bool links, int zeile, bool ton_lief)
{
    Zustand& s = z();
    if (!Aktive_Mikrofon_Kalibrierung || s.phase != Phase::Zeile || s.zeile != zeile)
        return;
    // The last part of a second counts when it is long enough to mean something.
    if (s.sammler.Bloecke() >= 3)
        Sekunde_auswerten();
    s.sammler.neu_beginnen();
    s.phase = Phase::Ruhe;
    if (!ton_lief)
        return;
    // The mark goes with the row's result in the results store.
    Hoertest_Ruhepegel[size_t(Druck_index(links, zeile))] =
        s.laufend.ueberschritten ? std::min(s.laufend.um_dB, Ruhepegel_hoechstens_dB) : 0.0;
    Zeile_zeigen(w, links, zeile);
    if (s.laufend.ueberschritten)
        w->Panel1(Ruhepegel_Text(s.laufend));
}

void Ruhepegel_Ohr_leeren(TForm2* w, bool links)
{
    // The marks were cleared with the ear's results (Druck_string_null).
    if (Aktive_Mikrofon_Kalibrierung)
        Ohr_zeigen(w, links);
}

void Ruhepegel_beenden(TForm2* /*w*/, bool /*links*/, bool /*verworfen*/)
{
    // The marks live with the results: dropped results took them along.
    Aufnahme_anhalten();
    if (z().form)
        z().form->hide();
}

// ---- The window ---------------------------------------------------------------------

TRuhepegel_Form::TRuhepegel_Form(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Ruhepegel_Form"));
    setWindowTitle(tr("Ruhepegel"));
    auto* g = new QGridLayout(this);
    Ueberschrift = new QLabel(this);
    QFont fett = Ueberschrift->font();
    fett.setBold(true);
    Ueberschrift->setFont(fett);
    g->addWidget(Ueberschrift, 0, 0, 1, 4);
    const QString kopf[] = {tr("Oktavband"), tr("Ruhepegel"), tr("Zulässig"), QString()};
    for (int c = 0; c < 4; ++c) {
        auto* l = new QLabel(kopf[c], this);
        l->setFont(fett);
        g->addWidget(l, 1, c);
    }
    for (size_t b = 0; b < Oktavbaender_Hz.size(); ++b) {
        const int r = int(b) + 2;
        g->addWidget(new QLabel(Band_text(int(b)), this), r, 0);
        Pegel[b] = new QLabel(this);
        Grenze[b] = new QLabel(zahl(Ruhepegel_Grenzen_dB[b]) + QStringLiteral(" dB"), this);
        Bewertung[b] = new QLabel(this);
        for (QLabel* l : {Pegel[b], Grenze[b]})
            l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        g->addWidget(Pegel[b], r, 1);
        g->addWidget(Grenze[b], r, 2);
        g->addWidget(Bewertung[b], r, 3);
    }
    Ergebnis = new QLabel(this);
    Ergebnis->setWordWrap(true);
    g->addWidget(Ergebnis, 9, 0, 1, 4);
    resize(420, 300);
}

void TRuhepegel_Form::zeigen(const Pegelwerte& w, bool links)
{
    Ueberschrift->setText(links ? tr("Ruhepegel vor dem Hörtest des linken Ohrs (3 s, dB SPL)")
                                : tr("Ruhepegel vor dem Hörtest des rechten Ohrs (3 s, dB SPL)"));
    const auto zu_laut = Ruhepegel_vergleichen(w.Oktaven);
    for (size_t b = 0; b < Pegel.size(); ++b) {
        const double L = w.Oktaven[b];
        Pegel[b]->setText(L > -150 ? zahl(L) + QStringLiteral(" dB") : QStringLiteral("–"));
        const auto u = std::find_if(zu_laut.begin(), zu_laut.end(),
                                    [&](const Ruhepegel_Ueberschreitung& x) { return x.Band == int(b); });
        if (u != zu_laut.end()) {
            Bewertung[b]->setText(tr("⚠ %1 dB zu laut").arg(zahl(u->um_dB)));
            Bewertung[b]->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold;"));
        } else {
            Bewertung[b]->setText(tr("in Ordnung"));
            Bewertung[b]->setStyleSheet(QStringLiteral("color: #007000;"));
        }
    }
    if (zu_laut.empty())
        Ergebnis->setText(tr("Der Raum ist ruhig genug für den Hörtest."));
    else if (zu_laut.size() == 1)
        Ergebnis->setText(tr("Der Raum ist in einem Oktavband zu laut; dort gemessene Hörschwellen können zu "
                             "hoch sein."));
    else
        Ergebnis->setText(tr("Der Raum ist in %1 Oktavbändern zu laut; dort gemessene Hörschwellen können zu "
                             "hoch sein.")
                              .arg(zu_laut.size()));
    Ergebnis->setStyleSheet(zu_laut.empty() ? QString() : QStringLiteral("color: #c00000;"));
}
