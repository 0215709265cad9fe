#include "core/settings/einstellungen.h"

#include "core/acoustics/physik_hoertest.h"
#include "core/settings/dateien.h"
#include "core/settings/records_io.h"
#include "core/settings/wertebereiche.h"
#include "core/shell/kvhilf.h"
#include "core/shell/meldungen.h"
#include "core/tones/alle_tondateien.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

Einstellungstyp Einstellungen{};
Einstellungstyp1_4 Einstellungen1_4{};
Grundeinstellungstyp Grundeinstellungen{};
Grundeinstellungstyp1_6 Grundeinstellungen1_6{};

QString Einstellungsordner;
QString Grundeinstellungsdatei;
QString Dokumente_pfad = QStringLiteral(" ");
int32_t Tondauer_hundertstel = 3000;

uint32_t Lautstaerke_links[6][22]{};
uint32_t Lautstaerke_rechts[6][22]{};

namespace
{

constexpr uint16_t Standard_Frequenzen[Zeilen] = {50,   100,  200,   500,   1000,  1500,  2000,
                                                  2500, 3000, 3500,  4000,  4500,  5000,  6000,
                                                  7000, 8000, 10000, 12000, 14000, 16000, 18000};

void Tondauer_setzen()
{
    Tondauer_hundertstel = Einstellungen.zunehmend ? 1500 : 3000;
}

} // namespace

void Optionen_Grundeinstellung1_6()
{
    std::fill(std::begin(Grundeinstellungen1_6.Dateiname), std::end(Grundeinstellungen1_6.Dateiname), 'A');
    string_zu_Dateiname1_6(QString::fromLatin1(Datei_nicht_vorhanden));
}

void Optionen_Grundeinstellung()
{
    Optionen_Grundeinstellung1_6();
    Grundeinstellungen.Version.setzen(QString::fromLatin1(Version_1_6));
    Grundeinstellungen.Freq_geaendert = 1;
    Grundeinstellungen.pulsierend = 1;
    Grundeinstellungen.zunehmend = 0;
    Grundeinstellungen.wave_immer_neu = 0;
    Grundeinstellungen.Eichung = Schall_messer;
    Grundeinstellungen.Freq_welche_geaendert.fill(1);
    std::copy(std::begin(Standard_Frequenzen), std::end(Standard_Frequenzen),
              Grundeinstellungen.Frequenzen.begin());
    for (auto& ohr : Grundeinstellungen.Schallmesser)
        ohr.fill(1);
}

void Optionen_Grundeinstellung1_4()
{
    Einstellungen1_4.Auto = 1;
}

void Frequenzgang_Grundeinstellung()
{
    for (int i = 0; i < Zeilen; ++i) {
        Einstellungen.Frequenzgang[i] = 0.0;
        Einstellungen.Frequenzgang_string[i].setzen(QStringLiteral("0,0"));
    }
}

void Grundeinstellung_db_dBA_dBC()
{
    for (auto& ohr : Grundeinstellungen.Schallmesser)
        ohr.fill(1);
}

void Grundeinstellungen_erste_Erzeugung()
{
    Grundeinstellungen.Dateiname.setzen(QString());
    Optionen_Grundeinstellung();
    Grundeinstellung_db_dBA_dBC();
}

void Grundeinstellungen_von_Festplatte_holen()
{
    bool geladen = false;
    QByteArray daten;
    if (Datei_lesen(Grundeinstellungsdatei, sizeof(Grundeinstellungstyp) + sizeof(Grundeinstellungstyp1_6),
                    daten)) {
        Grundeinstellungstyp g{};
        // Values the program never writes (random bytes, another program's
        // file) make the file count as unreadable: the defaults replace it.
        if (lesen(g, daten) && Grundeinstellungen_ungueltiges_Feld(g).isEmpty()) {
            if (g.Version.gleich(Version_1_6)) {
                Grundeinstellungstyp1_6 lang{};
                if (lesen(lang, daten.mid(sizeof(Grundeinstellungstyp)))) {
                    Grundeinstellungen = g;
                    Grundeinstellungen1_6 = lang;
                    geladen = true;
                }
            } else {
                // Old base settings: the path of the current settings file lies in the short field.
                Grundeinstellungen = g;
                Optionen_Grundeinstellung1_6();
                string_zu_Dateiname1_6(Grundeinstellungen.Dateiname.text());
                Grundeinstellungen.Version.setzen(QString::fromLatin1(Version_1_6));
                geladen = true;
            }
        }
    }
    if (!geladen) {
        Grundeinstellungen_erste_Erzeugung();
        Grundeinstellungen_speichern_Festplatte();
    } else {
        Grundeinstellungen.Eichung = Schall_messer;
    }
}

bool Grundeinstellungen_speichern_Festplatte()
{
    const QByteArray daten = bild(Grundeinstellungen) + bild(Grundeinstellungen1_6);
    if (!Datei_sicher_schreiben(Grundeinstellungsdatei, daten)) {
        Fehler_bei_abspeichern();
        return false;
    }
    return true;
}

void Grundeinstellungen_in_Einstellungen()
{
    Grundeinstellungen.Eichung = Schall_messer;
    Einstellungen.Frequenzen = Grundeinstellungen.Frequenzen;
    Einstellungen.wave_immer_neu = Grundeinstellungen.wave_immer_neu;
    Einstellungen.Freq_geaendert = Grundeinstellungen.Freq_geaendert;
    Einstellungen.Freq_welche_geaendert = Grundeinstellungen.Freq_welche_geaendert;
    Einstellungen.pulsierend = Grundeinstellungen.pulsierend;
    Einstellungen.zunehmend = Grundeinstellungen.zunehmend;
    Einstellungen.Schallmesser = Grundeinstellungen.Schallmesser;
    Einstellungen.Eichung = Schall_messer;
    Optionen_Grundeinstellung1_4();
    for (int i = 0; i < Zeilen; ++i)
        Einstellungen.Frequenzen_string[i].setzen(QString::number(Einstellungen.Frequenzen[i]));
}

void Einstellungen_in_Grundeinstellungen()
{
    Grundeinstellungen.Frequenzen = Einstellungen.Frequenzen;
    Grundeinstellungen.wave_immer_neu = Einstellungen.wave_immer_neu;
    Grundeinstellungen.Freq_geaendert = Einstellungen.Freq_geaendert;
    Grundeinstellungen.Freq_welche_geaendert = Einstellungen.Freq_welche_geaendert;
    Grundeinstellungen.pulsierend = Einstellungen.pulsierend;
    Grundeinstellungen.zunehmend = Einstellungen.zunehmend;
    Grundeinstellungen.Eichung = Einstellungen.Eichung;
    Grundeinstellungen.Schallmesser = Einstellungen.Schallmesser;
}

namespace
{

// The working volumes follow the start volumes of a loaded file.
void Arbeitslautstaerken_uebernehmen()
{
    for (int g = 3; g <= 5; ++g) {
        for (int i = 1; i <= Zeilen; ++i) {
            Lautstaerke_links[g][i] = Links_Volume(Einstellungen, g, i);
            Lautstaerke_rechts[g][i] = Rechts_Volume(Einstellungen, g, i);
        }
        Lautstaerke_links[g][0] = 1;
        Lautstaerke_rechts[g][0] = 1;
    }
}

// A new default settings file at `pfad`, which becomes current.
void Einstellungen_neu_anlegen(const QString& pfad)
{
    string_zu_Dateiname1_6(pfad);
    Grundeinstellungen_in_Einstellungen();
    Frequenzgang_Grundeinstellung();
    for (int ohr = 0; ohr < 2; ++ohr)
        for (int i = 1; i <= Zeilen; ++i) {
            Spannung(Einstellungen, 4, ohr, i) = Grund_Eichspannung_V;
            Spannung_string(Einstellungen, 4, ohr, i).setzen(QStringLiteral("10,0"));
            Spannung(Einstellungen, 6, ohr, i) = Grund_Eichpegel_dB;
            Spannung_string(Einstellungen, 6, ohr, i).setzen(QStringLiteral("10,0"));
        }
    for (int g = 3; g <= 5; ++g) {
        for (int i = 1; i <= Zeilen; ++i) {
            Links_Volume(Einstellungen, g, i) = Grund_Lautstaerke;
            Rechts_Volume(Einstellungen, g, i) = Grund_Lautstaerke;
            Lautstaerke_links[g][i] = Grund_Lautstaerke;
            Lautstaerke_rechts[g][i] = Grund_Lautstaerke;
        }
        Lautstaerke_links[g][0] = 1;
        Lautstaerke_rechts[g][0] = 1;
    }
    Einstellungen.db_1000Hz_l_string.setzen(QStringLiteral("10,0"));
    Einstellungen.db_1000Hz_r_string.setzen(QStringLiteral("10,0"));
    Einstellungen.dB_1000Hz_links = 10.0;
    Einstellungen.dB_1000Hz_rechts = 10.0;
    Umrechnungsfaktor_U_p_1000(Einstellungen.Um_Fak_U_p_1000_links, Einstellungen.dB_1000Hz_links,
                               Spannung(Einstellungen, 4, 0, 5));
    Umrechnungsfaktor_U_p_1000(Einstellungen.Um_Fak_U_p_1000_rechts, Einstellungen.dB_1000Hz_rechts,
                               Spannung(Einstellungen, 4, 1, 5));
    for (int i = 1; i <= Zeilen; ++i) {
        Umrechnungsfaktoren_U_p(i, Einstellungen.Um_Fak_U_p_links, Einstellungen.Frequenzgang,
                                Einstellungen.Um_Fak_U_p_1000_links);
        Umrechnungsfaktoren_U_p(i, Einstellungen.Um_Fak_U_p_rechts, Einstellungen.Frequenzgang,
                                Einstellungen.Um_Fak_U_p_1000_rechts);
    }
    Messungen_in_Anfangslautstaerke(true, Einstellungen);
    Messungen_in_Anfangslautstaerke(false, Einstellungen);
    Einstellungen_speichern_Festplatte();
}

} // namespace

bool Eichung_unveraendert(const Einstellungstyp& e, bool links)
{
    const int ohr = links ? 0 : 1;
    const auto& volumes = links ? e.Links_Volume1 : e.Rechts_Volume1;
    for (int i = 0; i < Zeilen; ++i)
        if (e.Spannung1[6 - 3][ohr][i] != Grund_Eichpegel_dB || volumes[5 - 3][i] != Grund_Lautstaerke)
            return false;
    return true;
}

bool Einstellungen_von_Festplatte_holen()
{
    const QString p = Dateiname1_6_zu_string();
    QString datei;
    if (p != QLatin1String(Datei_nicht_vorhanden)) {
        if (Datei_existiert(p)) {
            datei = p;
        } else {
            const QString q = Einstellungsordner + Dateiname_ohne_Verzeichnis(p);
            if (!Dateiname_ohne_Verzeichnis(p).isEmpty() && Datei_existiert(q)) {
                string_zu_Dateiname1_6(q);
                datei = q;
            }
        }
    }

    bool ok = true;
    if (!datei.isEmpty()) {
        // Both records are read aside and taken over only when the whole file
        // was read: a broken file leaves memory as it was, so that nothing
        // saved afterwards (the tone generation saves the settings) carries
        // its values into the previous file.
        QByteArray daten;
        Einstellungstyp e{};
        Einstellungstyp1_4 e1_4{};
        // Bytes behind the records are ignored, but a file of megabytes is
        // no settings file.
        constexpr qint64 Groesste_Einstellungsdatei = 1024 * 1024;
        // A record with a value the program never writes is refused as a
        // whole: its frequencies, volumes or flags would reach the tones.
        ok = Datei_lesen(datei, Groesse_Einstellungsdatei, daten, Groesste_Einstellungsdatei) &&
             lesen(e, daten) && Einstellungen_ungueltiges_Feld(e).isEmpty();
        const bool alt = ok && e.Version.gleich(Version_1_2);
        if (ok && !alt)
            ok = lesen(e1_4, daten.mid(sizeof(Einstellungstyp)));
        if (ok) {
            Einstellungen = e;
            if (alt) {
                Optionen_Grundeinstellung1_4();
                Einstellungen.Version.setzen(QString::fromLatin1(Version_1_6));
            } else {
                Einstellungen1_4 = e1_4;
            }
            Einstellungen.Eichung = Schall_messer;
            Grundeinstellungen.Eichung = Schall_messer;
            // The windows label the rows with these texts while the tones
            // use the numbers: the texts follow the numbers.
            for (int i = 0; i < Zeilen; ++i)
                Einstellungen.Frequenzen_string[i].setzen(QString::number(Einstellungen.Frequenzen[i]));
            Arbeitslautstaerken_uebernehmen();
        }
    } else {
        Einstellungen_neu_anlegen(Standard_Einstellungsdatei());
    }
    Tondauer_setzen();
    return ok;
}

QString Text_Datei_nicht_lesbar(const QString& pfad)
{
    return QCoreApplication::translate("einstellungen", "Datei \r%1\rkann nicht geöffnet werden!!!")
        .arg(pfad);
}

QString Standard_Einstellungsdatei()
{
    return Einstellungsordner + QString::fromLatin1(Name_Standard_Einstellungsdatei);
}

QString Einstellungen_statt_unlesbarer_Datei()
{
    const QString unlesbar = Dateiname1_6_zu_string();
    // A FIFO or a device in its place holds no settings: a new default
    // settings file takes its place.
    if (!QFileInfo(unlesbar).isFile()) {
        Einstellungen_neu_anlegen(unlesbar);
        Tondauer_setzen();
        return unlesbar;
    }
    const QString standard = Standard_Einstellungsdatei();
    if (standard != unlesbar && Datei_existiert(standard)) {
        string_zu_Dateiname1_6(standard);
        if (Einstellungen_von_Festplatte_holen())
            return standard;
    }
    QString frei = standard;
    const QString stamm = QFileInfo(standard).completeBaseName();
    for (int n = 2; Datei_existiert(frei) || Verzeichnis_existiert(frei); ++n)
        frei = Einstellungsordner + QStringLiteral("%1 (%2).qvl").arg(stamm).arg(n);
    Einstellungen_neu_anlegen(frei);
    Tondauer_setzen();
    return frei;
}

bool Einstellungen_speichern_Festplatte()
{
    Messungen_in_Anfangslautstaerke(true, Einstellungen);
    Messungen_in_Anfangslautstaerke(false, Einstellungen);
    const QString pfad = Dateiname1_6_zu_string();
    if (pfad == QLatin1String(Datei_nicht_vorhanden))
        return true;
    if (!Datei_sicher_schreiben(pfad, bild(Einstellungen) + bild(Einstellungen1_4))) {
        Fehler_bei_abspeichern();
        return false;
    }
    Einstellungen_in_Grundeinstellungen();
    return Grundeinstellungen_speichern_Festplatte();
}

void Vergleich_Grundeinstellungen_Einstellungen()
{
    if (Einstellungen.wave_immer_neu) {
        if (!Grundeinstellungen.wave_immer_neu)
            alle_wave_loeschen();
        Einstellungen_in_Grundeinstellungen();
        Grundeinstellungen_speichern_Festplatte();
        return;
    }
    if (Einstellungen.pulsierend == Grundeinstellungen.pulsierend &&
        Einstellungen.zunehmend == Grundeinstellungen.zunehmend) {
        for (int i = 0; i < Zeilen; ++i)
            if (Einstellungen.Frequenzen[i] != Grundeinstellungen.Frequenzen[i]) {
                Einstellungen.Freq_welche_geaendert[i] = 1;
                Einstellungen.Freq_geaendert = 1;
            }
    } else {
        Einstellungen.Freq_geaendert = 1;
        Einstellungen.Freq_welche_geaendert.fill(1);
    }
    Einstellungen_speichern_Festplatte();
}

QString Langer_Dateiname_zu_string(const Langer_Dateiname_typ& r)
{
    if (r.ende < 1)
        return {};
    const int n = std::min(r.ende, Laenge_Dateiname_lang);
    return QFile::decodeName(QByteArray(r.Dateiname, n));
}

void string_zu_Langer_Dateiname(Langer_Dateiname_typ& r, const QString& s)
{
    // The raw bytes of the path as the file system names it.
    const QByteArray b = QFile::encodeName(s);
    const int n = std::min<int>(int(b.size()), Laenge_Dateiname_lang);
    std::memcpy(r.Dateiname, b.constData(), size_t(n));
    r.ende = n;
}

QString Dateiname1_6_zu_string()
{
    return Langer_Dateiname_zu_string(Grundeinstellungen1_6);
}

void string_zu_Dateiname1_6(const QString& s)
{
    string_zu_Langer_Dateiname(Grundeinstellungen1_6, s);
}

QString Wave_ordner()
{
    return Einstellungsordner + QStringLiteral("wave");
}

QString Tondatei_links(int zeile)
{
    return Tondatei_links(Wave_ordner(), zeile);
}

QString Tondatei_rechts(int zeile)
{
    return Tondatei_rechts(Wave_ordner(), zeile);
}

void alle_wave_loeschen()
{
    if (!Verzeichnis_existiert(Wave_ordner()))
        return;
    for (int i = 1; i <= Zeilen; ++i) {
        bool vorhanden = false;
        bool geloescht = false;
        Datei_loeschen(Tondatei_links(i), vorhanden, geloescht);
        Datei_loeschen(Tondatei_rechts(i), vorhanden, geloescht);
    }
}

void Einstellungen_zuruecksetzen()
{
    Einstellungen = Einstellungstyp{};
    Einstellungen1_4 = Einstellungstyp1_4{};
    Grundeinstellungen = Grundeinstellungstyp{};
    Grundeinstellungen1_6 = Grundeinstellungstyp1_6{};
    Einstellungen.Version.setzen(QString::fromLatin1(Version_1_6));
    Grundeinstellungen.Version.setzen(QString::fromLatin1(Version_1_6));
    Optionen_Grundeinstellung1_4();
    Einstellungsordner.clear();
    Grundeinstellungsdatei.clear();
    Dokumente_pfad = QStringLiteral(" ");
    Tondauer_hundertstel = 3000;
    for (auto& g : Lautstaerke_links)
        std::fill(std::begin(g), std::end(g), 0u);
    for (auto& g : Lautstaerke_rechts)
        std::fill(std::begin(g), std::end(g), 0u);
}
