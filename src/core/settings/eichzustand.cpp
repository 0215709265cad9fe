#include "core/settings/eichzustand.h"

#include "core/settings/dateien.h"
#include "core/settings/einstellungen.h"
#include "core/shell/sprache.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstring>
#include <vector>

namespace
{

const QString Kopfzeile = QStringLiteral("Vazozez Kalibrierungen 1");
const QString Erste_Schritte_Schluessel = QStringLiteral("Erste_Schritte");
constexpr qint64 Groesste_Datei = 1 << 20;
constexpr size_t Hoechstens_Eintraege = 500;

struct Eintrag {
    int schicht = 6;
    uint64_t summe = 0;
    Eichart art = Eichart::Schallpegelmesser;
    QDate datum;
};

struct Stand {
    bool erste_schritte = false;
    std::vector<Eintrag> eintraege;
};

QString Dateipfad()
{
    return Einstellungsordner + QLatin1String(Name_Eichzustand_Datei);
}

// The whole file, or an empty state when it is missing or holds anything the
// program would not write.
Stand lesen()
{
    Stand s;
    QByteArray roh;
    if (!Datei_lesen(Dateipfad(), Groesste_Datei, roh, Groesste_Datei))
        return s;
    const QStringList zeilen = QString::fromUtf8(roh).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (zeilen.isEmpty() || zeilen.front() != Kopfzeile)
        return {};
    for (qsizetype z = 1; z < zeilen.size(); ++z) {
        const QStringList t = zeilen[z].split(QLatin1Char('\t'));
        if (t.size() == 2 && t[0] == Erste_Schritte_Schluessel && t[1] == QLatin1String("1")) {
            s.erste_schritte = true;
            continue;
        }
        bool ok_summe = false;
        bool ok_art = false;
        Eintrag e;
        if (t.size() != 4 || (t[0] != QLatin1String("4") && t[0] != QLatin1String("6")) || t[1].size() != 16)
            return {};
        e.schicht = t[0].toInt();
        e.summe = t[1].toULongLong(&ok_summe, 16);
        const int art = t[2].toInt(&ok_art);
        e.datum = QDate::fromString(t[3], Qt::ISODate);
        if (!ok_summe || !ok_art || art < 1 || art > 4 || !e.datum.isValid())
            return {};
        e.art = Eichart(art);
        s.eintraege.push_back(e);
    }
    return s;
}

bool schreiben(const Stand& s)
{
    QString text = Kopfzeile + QLatin1Char('\n');
    if (s.erste_schritte)
        text += Erste_Schritte_Schluessel + QStringLiteral("\t1\n");
    const size_t ab = s.eintraege.size() > Hoechstens_Eintraege ? s.eintraege.size() - Hoechstens_Eintraege : 0;
    for (size_t i = ab; i < s.eintraege.size(); ++i) {
        const Eintrag& e = s.eintraege[i];
        text += QString::number(e.schicht) + QLatin1Char('\t') +
                QStringLiteral("%1").arg(e.summe, 16, 16, QLatin1Char('0')) + QLatin1Char('\t') +
                QString::number(int(e.art)) + QLatin1Char('\t') + e.datum.toString(Qt::ISODate) + QLatin1Char('\n');
    }
    return Datei_sicher_schreiben(Dateipfad(), text.toUtf8());
}

void hinzu(uint64_t& h, const void* daten, size_t n)
{
    const auto* b = static_cast<const unsigned char*>(daten);
    for (size_t i = 0; i < n; ++i) {
        h ^= b[i];
        h *= 1099511628211ULL;
    }
}

int Schicht(const Einstellungstyp& e)
{
    return e.Eichung == Span_nung ? 4 : 6;
}

} // namespace

uint64_t Eich_Pruefsumme(const Einstellungstyp& e, bool links, int schicht)
{
    const size_t ohr = links ? 0 : 1;
    const auto& volumes = links ? e.Links_Volume1 : e.Rechts_Volume1;
    uint64_t h = 14695981039346656037ULL;
    hinzu(h, &schicht, sizeof schicht);
    hinzu(h, e.Frequenzen.data(), sizeof e.Frequenzen);
    if (schicht == 4) {
        hinzu(h, e.Spannung1[4 - 3][ohr].data(), sizeof(hilfarray));
        hinzu(h, volumes[4 - 3].data(), sizeof volumes[0]);
        const double pegel = links ? e.dB_1000Hz_links : e.dB_1000Hz_rechts;
        hinzu(h, &pegel, sizeof pegel);
        hinzu(h, e.Frequenzgang.data(), sizeof e.Frequenzgang);
    } else {
        hinzu(h, e.Spannung1[6 - 3][ohr].data(), sizeof(hilfarray));
        hinzu(h, e.Schallmesser[ohr].data(), sizeof e.Schallmesser[0]);
        hinzu(h, volumes[5 - 3].data(), sizeof volumes[0]);
    }
    return h;
}

QString Bezugshoerer_Hinweis()
{
    return QCoreApplication::translate(
        "eichzustand", "Einzelne normalhörende Menschen weichen vom Median der ISO 226 um etwa ±5 dB ab: das "
                       "Ergebnis sagt, wie weit ein Gehör von dem des Bezugshörers entfernt ist, nicht einen "
                       "absoluten Pegel.");
}

QString Eichart_name(Eichart a)
{
    switch (a) {
    case Eichart::Grundwerte:
        return QCoreApplication::translate("eichzustand", "nicht kalibriert (Grundwerte)");
    case Eichart::Schallpegelmesser:
        //: Kind of calibration: with a sound level meter.
        return QCoreApplication::translate("eichzustand", "Schallpegelmesser");
    case Eichart::Mikrofonspannung:
        //: Kind of calibration: with the microphone voltage.
        return QCoreApplication::translate("eichzustand", "Mikrofonspannung");
    case Eichart::automatisch:
        //: Kind of calibration: the automatic calibration.
        return QCoreApplication::translate("eichzustand", "automatisch");
    case Eichart::Bezugshoerer:
        //: Kind of calibration: by a reference listener.
        return QCoreApplication::translate("eichzustand", "Bezugshörer");
    }
    return {};
}

QString Eichzustand_text(const Eichzustand& z)
{
    if (z.art == Eichart::Grundwerte)
        return Eichart_name(z.art);
    return Eichart_name(z.art) + QStringLiteral(" (") +
           (z.datum.isValid() ? Datum_text(z.datum)
                              : QCoreApplication::translate("eichzustand", "Datum unbekannt")) +
           QStringLiteral(")");
}

Eichzustand Eichzustand_holen(const Einstellungstyp& e, bool links)
{
    const int schicht = Schicht(e);
    if (schicht == 6 && Eichung_unveraendert(e, links))
        return {};
    Eichzustand z;
    z.art = schicht == 4 ? Eichart::Mikrofonspannung : Eichart::Schallpegelmesser;
    const uint64_t summe = Eich_Pruefsumme(e, links, schicht);
    const Stand s = lesen();
    for (auto it = s.eintraege.rbegin(); it != s.eintraege.rend(); ++it)
        if (it->schicht == schicht && it->summe == summe) {
            z.art = it->art;
            z.datum = it->datum;
            break;
        }
    return z;
}

bool Eichzustand_merken(const Einstellungstyp& e, bool links, Eichart art, const QDate& datum)
{
    if (art == Eichart::Grundwerte)
        return true;
    const int schicht = art == Eichart::Mikrofonspannung ? 4 : 6;
    const uint64_t summe = Eich_Pruefsumme(e, links, schicht);
    Stand s = lesen();
    for (const Eintrag& alt : s.eintraege)
        if (alt.schicht == schicht && alt.summe == summe)
            return true;
    s.eintraege.push_back(Eintrag{schicht, summe, art, datum});
    return schreiben(s);
}

QString Eichzustand_zeile(const Einstellungstyp& e)
{
    //: %1, %2: the calibration of the left and the right ear, e.g. "Bezugshörer (12.03.2025)".
    return QCoreApplication::translate("eichzustand", "Kalibrierung links: %1, rechts: %2")
        .arg(Eichzustand_text(Eichzustand_holen(e, true)), Eichzustand_text(Eichzustand_holen(e, false)));
}

bool Keine_eigene_Eichung(const Einstellungstyp& e)
{
    return Eichzustand_holen(e, true).art == Eichart::Grundwerte &&
           Eichzustand_holen(e, false).art == Eichart::Grundwerte;
}

bool Erste_Schritte_gezeigt()
{
    return lesen().erste_schritte;
}

void Erste_Schritte_merken()
{
    Stand s = lesen();
    if (s.erste_schritte)
        return;
    s.erste_schritte = true;
    schreiben(s);
}
