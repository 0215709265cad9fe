#include "core/settings/schallpegel.h"

#include "core/acoustics/kv_fft_daten.h"
#include "core/settings/dateien.h"
#include "core/settings/einstellungen.h"
#include "core/settings/records_io.h"
#include "core/shell/kvhilf.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <utility>

Schallpegel_Grundeinstellungentyp Schallpegel_Grundeinstellungen{};
Schallpegel_Grundeinstellungtyp1_7_1 Schallpegel_Grundeinstellungen1_7_1{};
Schallpegel_Einstellungentyp Schallpegel_Einstellungen{};
Schallpegel_Einstellungentyp1_2 Schallpegel_Einstellungen1_2{};
Schallpegel_Einstellungentyp1_5 Schallpegel_Einstellungen1_5{};
Schallpegel_Einstellungentyp1_6 Schallpegel_Einstellungen1_6{};
Schallpegel_Einstellungentyp1_7 Schallpegel_Einstellungen1_7{};
Schallpegel_Einstellungentyp1_7_1 Schallpegel_Einstellungen1_7_1{};
Schallpegel_Einstellungentyp1_9 Schallpegel_Einstellungen1_9{};

std::function<void()> Bass_Geraet_Kanal_einstellen;

namespace
{

// Reads consecutive values from a file image; every read checks the rest.
class Folge
{
public:
    explicit Folge(const QByteArray& d) : d_(d) {}
    bool ok() const { return ok_; }
    QByteArray stueck(qsizetype n)
    {
        if (!ok_ || n < 0 || pos_ + n > d_.size()) {
            ok_ = false;
            return {};
        }
        QByteArray s = d_.mid(pos_, n);
        pos_ += n;
        return s;
    }
    long double extended()
    {
        const QByteArray s = stueck(10);
        if (!ok_)
            return 0;
        Extended10 e;
        std::memcpy(e.bytes, s.constData(), 10);
        return e.wert();
    }
    void extended_feld(std::vector<long double>& v, size_t n)
    {
        v.assign(n, 0.0L);
        for (size_t i = 0; i < n && ok_; ++i)
            v[i] = extended();
    }
    template <typename R> void satz(R& r)
    {
        const QByteArray s = stueck(sizeof(R));
        if (ok_ && !lesen(r, s))
            ok_ = false;
    }

private:
    const QByteArray& d_;
    qsizetype pos_ = 0;
    bool ok_ = true;
};

// The meter's files are small; anything beyond this is not one of them.
constexpr qint64 Hoechste_Dateigroesse = 16 * 1024 * 1024;

QString Pfad_Grundeinstellungen_Messgeraet()
{
    return Dokumente_pfad +
           QStringLiteral("Grundeinstellungen_Quarvel_Schallpegelmesser/Grundeinstellungen.sch");
}

bool version_ist(const Kurztext<50>& v, const char* nummer)
{
    return v.gleich((std::string("Vidizedazevadadev Version ") + nummer).c_str());
}

QString ablehnung;

bool endlich(const std::vector<long double>& v)
{
    return std::all_of(v.begin(), v.end(), [](long double x) { return std::isfinite(x); });
}

// A weight table turns power into sound pressure: every value finite and not
// negative, and some value above zero (all zeros would give -200 dB for every
// sound, and count as a clean tone).
bool Gewichte_gueltig(const std::vector<long double>& w)
{
    bool etwas = false;
    for (long double x : w) {
        if (!std::isfinite(x) || x < 0)
            return false;
        etwas = etwas || x > 0;
    }
    return etwas;
}

QString Text_ungueltige_Datei(const QString& pfad, const QString& was)
{
    //: %1: the file; %2: what is wrong with it, a whole sentence.
    return QCoreApplication::translate("schallpegel",
                                       "Die Datei \r%1\renthält keine gültige Kalibrierung des "
                                       "Schallpegelmessers: %2 Sie wurde nicht übernommen. Bitte kalibrieren "
                                       "Sie den Schallpegelmesser mit dem Programm \"Quarvel "
                                       "Vidizedazevadadev\" erneut und lesen Sie danach dessen "
                                       "Einstellungsdatei nochmals ein.")
        .arg(pfad, was);
}

} // namespace

QString Schallpegel_Ablehnung()
{
    return ablehnung;
}

Schallpegel_Bloecke Schallpegel_Bloecke_fuer(const Kurztext<50>& v)
{
    Schallpegel_Bloecke b;
    const bool v12 = version_ist(v, "1.2"), v13 = version_ist(v, "1.3"), v14 = version_ist(v, "1.4"),
               v15 = version_ist(v, "1.5"), v16 = version_ist(v, "1.6"), v17 = version_ist(v, "1.7"),
               v171 = version_ist(v, "1.7.1"), v19 = version_ist(v, "1.9");
    b.b1_2 = v12 || v13 || v14 || v15 || v16 || v17 || v171 || v19;
    b.b1_5 = v15 || v16 || v17 || v171 || v19;
    b.b1_6 = v16 || v17 || v171 || v19;
    b.b1_7 = v17 || v171 || v19;
    b.b1_7_1 = v171 || v19;
    b.b1_9 = v19;
    return b;
}

void Schallpegel_Optionen_Grundeinstellung()
{
    Schallpegel_Einstellungen.Eichungsart_Papier = 1;
    Schallpegel_Einstellungen.Ergebnisse_Tabelle = 1;
    Schallpegel_Einstellungen1_2.Anzahl_Loops = 100;
    Schallpegel_Einstellungen1_2.Max_Aufnahmezeit = 60.0;
    Schallpegel_Einstellungen1_5.PapierKorrektur = 0.0;
    Schallpegel_Einstellungen1_7.dBA_rot = 90;
    Schallpegel_Einstellungen1_7.dBA_gelb = 80;
    Schallpegel_Einstellungen1_7.Warnsignal = 1;
    Schallpegel_Einstellungen1_7.DauerWarnsignal = 2;
    Schallpegel_Einstellungen1_7.Ansage_Dateiname.setzen(QString::fromLatin1(Datei_nicht_vorhanden));
    std::fill(std::begin(Schallpegel_Einstellungen1_7_1.Dateiname),
              std::end(Schallpegel_Einstellungen1_7_1.Dateiname), 'A');
    Schallpegel_Einstellungen1_9.Geraete_name.setzen(QStringLiteral("nicht bekannt"));
    Schallpegel_Einstellungen1_9.Kanal_name.setzen(QStringLiteral("Mikrofon"));
    Schallpegel_Einstellungen1_9.Aufnahme_Kanal_Nummer = 0;
    Schallpegel_Einstellungen1_9.Aufnahme_Volume = 1.0f;
    Schallpegel_Einstellungen1_9.Geraet_Kanal_einstellen = 1;
}

QString Dateiname1_7_1_zu_string()
{
    return Langer_Dateiname_zu_string(Schallpegel_Grundeinstellungen1_7_1);
}

void string_zu_Dateiname1_7_1(const QString& s)
{
    string_zu_Langer_Dateiname(Schallpegel_Grundeinstellungen1_7_1, s);
}

bool Schallpegelmesser_Grundeinstellungen_von_Festplatte_holen()
{
    ablehnung.clear();
    const QString pfad = Pfad_Grundeinstellungen_Messgeraet();
    if (!Datei_existiert(pfad))
        return false;
    QByteArray daten;
    if (!Datei_lesen(pfad, Hoechste_Dateigroesse, daten, Hoechste_Dateigroesse))
        return false;

    Folge f(daten);
    Schallpegel_Grundeinstellungentyp kopf{};
    f.satz(kopf);
    kvFFT_Tabellen t = FFT_Tabellen;
    const int N = t.N;
    const int S = Anzahl_Sinuswerte_berechnen(N);
    f.extended_feld(t.Fenster, size_t(N) + 1);
    t.wpr.assign(size_t(S) + 1, 0.0L);
    t.wpi.assign(size_t(S) + 1, 0.0L);
    for (int i = 0; i <= S && f.ok(); ++i) {
        t.wpr[size_t(i)] = f.extended();
        t.wpi[size_t(i)] = f.extended();
    }
    f.extended_feld(t.Messgeraet_Frequenzen, 21);
    f.extended_feld(t.Frequenzachse, size_t(N / 2) + 1);
    Schallpegel_Grundeinstellungtyp1_7_1 lang = Schallpegel_Grundeinstellungen1_7_1;
    const bool neu = kopf.Version.gleich(Meter_Version_1_7_1);
    if (neu)
        f.satz(lang);
    if (!f.ok())
        return false;
    // The window and the twiddle seeds go into every transform, the axis
    // into the search of each row's bin.
    if (!endlich(t.Fenster) || !endlich(t.wpr) || !endlich(t.wpi) || !endlich(t.Frequenzachse) ||
        !std::is_sorted(t.Frequenzachse.begin(), t.Frequenzachse.end())) {
        ablehnung = Text_ungueltige_Datei(
            pfad, QCoreApplication::translate(
                      "schallpegel", "Ihre Tabellen der Spektralanalyse enthalten ungültige Werte."));
        return false;
    }

    Schallpegel_Grundeinstellungen = kopf;
    FFT_Tabellen = std::move(t);
    Schallpegel_Grundeinstellungen1_7_1 = lang;
    if (!neu) {
        string_zu_Dateiname1_7_1(Schallpegel_Grundeinstellungen.Dateiname.text());
        Schallpegel_Grundeinstellungen.Version.setzen(QString::fromLatin1(Meter_Version_1_7_1));
    }
    return true;
}

bool Schallpegel_Einstellungen_von_Festplatte_holen(const QString& pfad)
{
    ablehnung.clear();
    if (!Datei_existiert(pfad))
        return false;
    QByteArray daten;
    if (!Datei_lesen(pfad, Hoechste_Dateigroesse, daten, Hoechste_Dateigroesse))
        return false;

    Folge f(daten);
    Schallpegel_Einstellungentyp kopf{};
    f.satz(kopf);
    kvFFT_Tabellen t = FFT_Tabellen;
    const size_t bins = size_t(t.N / 2) + 1;
    for (auto* v :
         {&t.W_dB_fast, &t.W_dB_slow, &t.W_dBA_fast, &t.W_dBA_slow, &t.Weitere1, &t.Weitere2, &t.Weitere3})
        v->assign(bins, 0.0L);
    for (size_t j = 0; j < bins && f.ok(); ++j) {
        t.W_dB_fast[j] = f.extended();
        t.W_dB_slow[j] = f.extended();
        t.W_dBA_fast[j] = f.extended();
        t.W_dBA_slow[j] = f.extended();
        t.Weitere1[j] = f.extended();
        t.Weitere2[j] = f.extended();
        t.Weitere3[j] = f.extended();
    }
    const Schallpegel_Bloecke b = Schallpegel_Bloecke_fuer(kopf.Version);
    auto e12 = Schallpegel_Einstellungen1_2;
    auto e15 = Schallpegel_Einstellungen1_5;
    auto e16 = Schallpegel_Einstellungen1_6;
    auto e17 = Schallpegel_Einstellungen1_7;
    auto e171 = Schallpegel_Einstellungen1_7_1;
    auto e19 = Schallpegel_Einstellungen1_9;
    if (b.b1_2)
        f.satz(e12);
    if (b.b1_5)
        f.satz(e15);
    if (b.b1_6)
        f.satz(e16);
    if (b.b1_7)
        f.satz(e17);
    if (b.b1_7_1)
        f.satz(e171);
    if (b.b1_9)
        f.satz(e19);
    if (!f.ok())
        return false;
    const std::pair<const std::vector<long double>*, const char*> gewichte[] = {
        {&t.W_dB_fast, QT_TRANSLATE_NOOP("schallpegel", "dB schnell")},
        {&t.W_dB_slow, QT_TRANSLATE_NOOP("schallpegel", "dB langsam")},
        {&t.W_dBA_fast, QT_TRANSLATE_NOOP("schallpegel", "dB(A) schnell")},
        {&t.W_dBA_slow, QT_TRANSLATE_NOOP("schallpegel", "dB(A) langsam")},
    };
    for (const auto& [w, name] : gewichte)
        if (!Gewichte_gueltig(*w)) {
            ablehnung = Text_ungueltige_Datei(
                pfad,
                QCoreApplication::translate("schallpegel", "Die Gewichtstabelle \"%1\" enthält "
                                                           "ungültige oder negative Werte oder nur Nullen.")
                    .arg(QCoreApplication::translate("schallpegel", name)));
            return false;
        }

    Schallpegel_Einstellungen = kopf;
    FFT_Tabellen = std::move(t);
    Schallpegel_Einstellungen1_2 = e12;
    Schallpegel_Einstellungen1_5 = e15;
    Schallpegel_Einstellungen1_6 = e16;
    Schallpegel_Einstellungen1_7 = e17;
    Schallpegel_Einstellungen1_7_1 = e171;
    Schallpegel_Einstellungen1_9 = e19;
    if (b.b1_9 && Bass_Geraet_Kanal_einstellen)
        Bass_Geraet_Kanal_einstellen();
    return true;
}

bool Schallpegel_Einstellungen_holen1()
{
    return Schallpegelmesser_Grundeinstellungen_von_Festplatte_holen() &&
           Schallpegel_Einstellungen_von_Festplatte_holen(Dateiname1_7_1_zu_string());
}

bool Schallpegel_Einstellungen_holen2(const QString& pfad)
{
    return Schallpegel_Einstellungen_von_Festplatte_holen(pfad);
}
