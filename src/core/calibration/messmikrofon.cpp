#include "core/calibration/messmikrofon.h"

#include "core/acoustics/blockmessung.h"
#include "core/acoustics/kv_fft.h"
#include "core/acoustics/physik_hoertest.h"
#include "core/settings/dateien.h"
#include "core/settings/einstellungen.h"
#include "core/shell/kvhilf.h"
#include "core/shell/sprache.h"

#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QList>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

#include <unistd.h>

std::optional<Mikrofon_Kalibrierung> Aktive_Mikrofon_Kalibrierung;

namespace
{

constexpr double Hoechste_Frequenz = 100000.0; // Hz
constexpr double Hoechste_Abweichung = 60.0;   // dB: no microphone deviates more
constexpr double Bezugsfrequenz = 1000.0;
constexpr double Vollausschlag_Sinus = 32768.0;
constexpr const char* Kennung = "Vazozez Messmikrofon 1";

QString Zeile_Text(int n)
{
    //: Put before a message about one line of a calibration file
    return QCoreApplication::translate("messmikrofon", "Zeile %1: ").arg(n);
}

// A number with a decimal point, finite.
bool Zahl(const QString& s, double& x)
{
    bool ok = false;
    x = s.toDouble(&ok);
    return ok && std::isfinite(x);
}

bool Text_pruefen(const QByteArray& text, QString& fehler)
{
    if (text.size() > Kalibrierdatei_hoechstens) {
        fehler = QCoreApplication::translate(
            "messmikrofon", "Die Datei ist zu groß für eine Kalibrierdatei (höchstens 1 MB).");
        return false;
    }
    if (text.trimmed().isEmpty()) {
        fehler = QCoreApplication::translate("messmikrofon", "Die Kalibrierdatei ist leer.");
        return false;
    }
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != '\f') {
            fehler = QCoreApplication::translate(
                "messmikrofon", "Die Datei ist keine Kalibrierdatei: sie enthält keinen Text.");
            return false;
        }
    }
    return true;
}

// The first line may name the sensitivity.
void Empfindlichkeit_suchen(const QString& zeile, Mikrofon_Frequenzgang& gang)
{
    static const QRegularExpression sens(QStringLiteral("Sens\\s*Factor\\s*=\\s*([-+]?[0-9]+(?:\\.[0-9]+)?)\\s*dB"),
                                         QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression gain(QStringLiteral("AGain\\s*=\\s*([-+]?[0-9]+(?:\\.[0-9]+)?)\\s*dB"),
                                         QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression dbv(QStringLiteral("^\\*\\s*1000\\s*Hz\\s+([-+]?[0-9]+(?:\\.[0-9]+)?)"),
                                        QRegularExpression::CaseInsensitiveOption);
    const auto s = sens.match(zeile);
    const auto g = gain.match(zeile);
    double a = 0, b = 0;
    if (s.hasMatch() && g.hasMatch() && Zahl(s.captured(1), a) && Zahl(g.captured(1), b))
        gang.Empfindlichkeit_dBFS = -b + a;
    const auto v = dbv.match(zeile);
    if (v.hasMatch() && Zahl(v.captured(1), a))
        gang.Empfindlichkeit_dBV = a;
}

// Checks the points in the order they came; `zeilen` gives each point's line.
bool Punkte_pruefen(const Mikrofon_Frequenzgang& gang, const std::vector<int>& zeilen, QString& fehler)
{
    if (gang.leer()) {
        fehler = QCoreApplication::translate("messmikrofon", "Die Kalibrierdatei enthält keine Messpunkte.");
        return false;
    }
    if (gang.Frequenz.size() > size_t(Kalibrierdatei_hoechste_Punkte)) {
        fehler =
            QCoreApplication::translate("messmikrofon", "Die Kalibrierdatei enthält zu viele Messpunkte.");
        return false;
    }
    for (size_t i = 0; i < gang.Frequenz.size(); ++i) {
        const QString z = i < zeilen.size() ? Zeile_Text(zeilen[i]) : QString();
        const double f = gang.Frequenz[i], d = gang.Abweichung_dB[i];
        if (!std::isfinite(f) || !std::isfinite(d) || f <= 0 || f > Hoechste_Frequenz ||
            std::fabs(d) > Hoechste_Abweichung) {
            fehler =
                z + QCoreApplication::translate(
                        "messmikrofon", "Der Messpunkt liegt außerhalb dessen, was ein Mikrofon haben kann "
                                        "(0 bis 100000 Hz, höchstens ±60 dB).");
            return false;
        }
        if (i > 0 && f <= gang.Frequenz[i - 1]) {
            fehler = z + QCoreApplication::translate(
                             "messmikrofon", "Die Frequenzen müssen aufsteigen; %1 Hz folgt auf %2 Hz.")
                             .arg(QString::number(f), QString::number(gang.Frequenz[i - 1]));
            return false;
        }
    }
    const bool bezug = std::any_of(gang.Frequenz.begin(), gang.Frequenz.end(),
                                   [](double f) { return f >= Bezug_unten_Hz && f <= Bezug_oben_Hz; });
    if (!bezug) {
        fehler = QCoreApplication::translate(
            "messmikrofon", "Die Kalibrierdatei hat keinen Messpunkt in der Nähe von 1000 Hz, "
                            "auf die sich die Empfindlichkeit bezieht.");
        return false;
    }
    if (gang.Empfindlichkeit_dBFS && !Empfindlichkeit_pruefen(*gang.Empfindlichkeit_dBFS, fehler))
        return false;
    if (gang.Empfindlichkeit_dBV && (*gang.Empfindlichkeit_dBV < -100.0 || *gang.Empfindlichkeit_dBV > 20.0)) {
        fehler = QCoreApplication::translate("messmikrofon",
                                             "Die Empfindlichkeit in dBV der Kalibrierdatei ist unmöglich.");
        return false;
    }
    return true;
}

} // namespace

bool Empfindlichkeit_pruefen(double dBFS, QString& fehler)
{
    if (std::isfinite(dBFS) && dBFS >= Empfindlichkeit_unten && dBFS <= Empfindlichkeit_oben)
        return true;
    fehler = QCoreApplication::translate(
        "messmikrofon", "Die Empfindlichkeit muss zwischen -100 und 0 dBFS bei 94 dB SPL liegen.");
    return false;
}

bool Kalibrierdatei_lesen(const QByteArray& text, Mikrofon_Frequenzgang& gang, QString& fehler)
{
    if (!Text_pruefen(text, fehler))
        return false;
    Mikrofon_Frequenzgang neu;
    std::vector<int> zeilen;
    const QList<QByteArray> teile = text.split('\n');
    bool erste = true;
    static const QRegularExpression trenner(QStringLiteral("[ \\t]+"));
    for (qsizetype n = 0; n < teile.size(); ++n) {
        const QString zeile = QString::fromLatin1(teile[n]).trimmed();
        if (zeile.isEmpty())
            continue;
        if (erste)
            Empfindlichkeit_suchen(zeile, neu);
        const bool war_erste = erste;
        erste = false;
        const QChar c = zeile.front();
        if (c == u'*' || c == u';' || c == u'#' || c == u'"')
            continue;
        if (war_erste && neu.Empfindlichkeit_dBFS)
            continue; // the sensitivity line without a comment mark
        const QStringList felder = zeile.split(trenner, Qt::SkipEmptyParts);
        double f = 0, d = 0, phase = 0;
        if ((felder.size() != 2 && felder.size() != 3) || !Zahl(felder[0], f) || !Zahl(felder[1], d) ||
            (felder.size() == 3 && !Zahl(felder[2], phase))) {
            //: %1 = the start of the line as it stands in the file
            fehler = Zeile_Text(int(n) + 1) +
                     QCoreApplication::translate(
                         "messmikrofon", "Erwartet werden Frequenz und dB (und die Phase), getrennt durch "
                                         "Leerzeichen, mit Dezimalpunkt; gefunden: \"%1\".")
                         .arg(zeile.left(60));
            return false;
        }
        neu.Frequenz.push_back(f);
        neu.Abweichung_dB.push_back(d);
        zeilen.push_back(int(n) + 1);
        if (neu.Frequenz.size() > size_t(Kalibrierdatei_hoechste_Punkte))
            break;
    }
    if (!Punkte_pruefen(neu, zeilen, fehler))
        return false;
    gang = std::move(neu);
    return true;
}

bool Kalibrierdatei_laden(const QString& pfad, Mikrofon_Frequenzgang& gang, QString& fehler)
{
    QByteArray daten;
    qint64 groesse = 0;
    const int fd = Regulaere_Datei_oeffnen(pfad, groesse);
    if (fd >= 0)
        ::close(fd);
    if (fd >= 0 && groesse > Kalibrierdatei_hoechstens) {
        fehler = QCoreApplication::translate(
            "messmikrofon", "Die Datei ist zu groß für eine Kalibrierdatei (höchstens 1 MB).");
        return false;
    }
    if (!Datei_lesen(pfad, Kalibrierdatei_hoechstens, daten, Kalibrierdatei_hoechstens)) {
        fehler =
            QCoreApplication::translate("messmikrofon", "Die Datei %1 kann nicht gelesen werden.").arg(pfad);
        return false;
    }
    return Kalibrierdatei_lesen(daten, gang, fehler);
}

double Abweichung_bei(const Mikrofon_Frequenzgang& gang, double f)
{
    const auto& F = gang.Frequenz;
    const auto& D = gang.Abweichung_dB;
    if (F.empty() || !(f > 0))
        return F.empty() ? 0.0 : D.front();
    if (f <= F.front())
        return D.front();
    if (f >= F.back())
        return D.back();
    const size_t i = size_t(std::upper_bound(F.begin(), F.end(), f) - F.begin());
    const double a = std::log(F[i - 1]), b = std::log(F[i]);
    const double t = (std::log(f) - a) / (b - a);
    return D[i - 1] + t * (D[i] - D[i - 1]);
}

double Abweichung_relativ(const Mikrofon_Frequenzgang& gang, double f)
{
    return Abweichung_bei(gang, f) - Abweichung_bei(gang, Bezugsfrequenz);
}

double Zaehlwerte_pro_Pa(const Mikrofon_Kalibrierung& k, double f)
{
    // A 94-dB tone at 1 kHz: RMS of a sine at the sensitivity's dBFS.
    const double rms_94 = Vollausschlag_Sinus / std::sqrt(2.0) * std::pow(10.0, k.Empfindlichkeit_dBFS / 20.0);
    const double p_94 = double(dB_in_Pa(94.0L));
    return rms_94 / p_94 * std::pow(10.0, Abweichung_relativ(k.Gang, f) / 20.0);
}

void Gewichte_berechnen(const Mikrofon_Kalibrierung& k, kvFFT_Tabellen& t)
{
    const int N = t.N;
    const size_t bins = size_t(N / 2) + 1;
    long double fenster2 = 0;
    for (int i = 1; i <= N && size_t(i) < t.Fenster.size(); ++i)
        fenster2 += t.Fenster[size_t(i)] * t.Fenster[size_t(i)];
    for (auto* v : {&t.W_dB_fast, &t.W_dB_slow, &t.W_dBA_fast, &t.W_dBA_slow})
        v->assign(bins, 0.0L);
    if (fenster2 <= 0)
        return;
    // One block's spectrum sum of a sine of RMS r holds N * fenster2 * r^2 / 2:
    // the weight makes W * S the squared sound pressure (Pa^2), averaged over
    // the blocks of a measurement.
    for (size_t j = 1; j < bins && j < t.Frequenzachse.size(); ++j) {
        const long double f = t.Frequenzachse[j];
        const long double M = Zaehlwerte_pro_Pa(k, double(f));
        const long double W1 = 2.0L / (N * fenster2 * M * M);
        const long double a = p0A(f);
        t.W_dB_fast[j] = W1;
        t.W_dB_slow[j] = W1 / Bloecke_langsam;
        t.W_dBA_fast[j] = W1 / (a * a);
        t.W_dBA_slow[j] = W1 / Bloecke_langsam / (a * a);
    }
}

void Mikrofon_Kalibrierung_anwenden(const Mikrofon_Kalibrierung& k)
{
    kvFFT_Grundeinstellungen(FFT_Tabellen.N);
    Gewichte_berechnen(k, FFT_Tabellen);
    Aktive_Mikrofon_Kalibrierung = k;
}

double Empfindlichkeit_aus_Kalibrator(double pegel_dBFS, double kalibrator_dB)
{
    return pegel_dBFS - (kalibrator_dB - 94.0);
}

QByteArray Mikrofon_Kalibrierung_Text(const Mikrofon_Kalibrierung& k)
{
    QByteArray t = QByteArray(Kennung) + '\n';
    auto zeile = [&t](const char* name, const QString& wert) {
        t += QByteArray(name) + '=' + wert.simplified().toUtf8() + '\n';
    };
    zeile("Kalibrierdatei", k.Kalibrierdatei);
    zeile("Empfindlichkeit", QString::number(k.Empfindlichkeit_dBFS, 'g', 10));
    zeile("Datum", k.Datum);
    zeile("Geraet", k.Geraet);
    zeile("Eingang", k.Eingang);
    for (size_t i = 0; i < k.Gang.Frequenz.size(); ++i)
        t += QByteArray::number(k.Gang.Frequenz[i], 'g', 10) + ' ' +
             QByteArray::number(k.Gang.Abweichung_dB[i], 'g', 10) + '\n';
    return t;
}

bool Mikrofon_Kalibrierung_aus_Text(const QByteArray& text, Mikrofon_Kalibrierung& k, QString& fehler)
{
    QList<QByteArray> zeilen = text.split('\n');
    if (zeilen.isEmpty() || zeilen[0].trimmed() != Kennung) {
        fehler = QCoreApplication::translate(
            "messmikrofon", "Die Datei der Mikrofonkalibrierung ist unbrauchbar: unbekanntes Format.");
        return false;
    }
    Mikrofon_Kalibrierung neu;
    bool empfindlichkeit = false;
    QByteArray punkte;
    for (qsizetype n = 1; n < zeilen.size(); ++n) {
        const QByteArray& z = zeilen[n];
        const qsizetype gleich = z.indexOf('=');
        if (gleich < 0) {
            punkte += z + '\n';
            continue;
        }
        const QByteArray name = z.left(gleich);
        const QString wert = QString::fromUtf8(z.mid(gleich + 1)).trimmed();
        if (name == "Kalibrierdatei")
            neu.Kalibrierdatei = wert;
        else if (name == "Empfindlichkeit")
            empfindlichkeit = Zahl(wert, neu.Empfindlichkeit_dBFS);
        else if (name == "Datum")
            neu.Datum = wert;
        else if (name == "Geraet")
            neu.Geraet = wert;
        else if (name == "Eingang")
            neu.Eingang = wert;
    }
    if (!empfindlichkeit || !Empfindlichkeit_pruefen(neu.Empfindlichkeit_dBFS, fehler)) {
        fehler =
            QCoreApplication::translate("messmikrofon", "Die Datei der Mikrofonkalibrierung ist unbrauchbar: "
                                                        "die Empfindlichkeit fehlt oder ist unmöglich.");
        return false;
    }
    if (!QDate::fromString(neu.Datum, Qt::ISODate).isValid()) {
        fehler = QCoreApplication::translate(
            "messmikrofon", "Die Datei der Mikrofonkalibrierung ist unbrauchbar: das Datum fehlt.");
        return false;
    }
    if (!punkte.trimmed().isEmpty() && !Kalibrierdatei_lesen(punkte, neu.Gang, fehler)) {
        //: %1 = why the list of measuring points cannot be read
        fehler = QCoreApplication::translate("messmikrofon",
                                             "Die Datei der Mikrofonkalibrierung ist unbrauchbar: %1")
                     .arg(fehler);
        return false;
    }
    k = std::move(neu);
    return true;
}

QString Messmikrofon_Pfad()
{
    return Einstellungsordner + QString::fromLatin1(Messmikrofon_Dateiname);
}

bool Mikrofon_Kalibrierung_speichern(const Mikrofon_Kalibrierung& k)
{
    return Datei_sicher_schreiben(Messmikrofon_Pfad(), Mikrofon_Kalibrierung_Text(k));
}

bool Mikrofon_Kalibrierung_laden(QString& fehler)
{
    const QString pfad = Messmikrofon_Pfad();
    if (!Datei_existiert(pfad))
        return true;
    QByteArray daten;
    if (!Datei_lesen(pfad, Kalibrierdatei_hoechstens * 2, daten, Kalibrierdatei_hoechstens * 2)) {
        fehler = QCoreApplication::translate(
                     "messmikrofon", "Die Datei der Mikrofonkalibrierung\r%1\rkann nicht gelesen werden.")
                     .arg(pfad);
        return false;
    }
    Mikrofon_Kalibrierung k;
    if (!Mikrofon_Kalibrierung_aus_Text(daten, k, fehler))
        return false;
    Mikrofon_Kalibrierung_anwenden(k);
    return true;
}

QString Mikrofon_Kalibrierung_Beschreibung(const Mikrofon_Kalibrierung& k)
{
    const QString datei = k.Kalibrierdatei.isEmpty()
                              ? QCoreApplication::translate("messmikrofon", "ohne Kalibrierdatei")
                              : QFileInfo(k.Kalibrierdatei).fileName();
    const QDate d = QDate::fromString(k.Datum, Qt::ISODate);
    //: %1 = calibration file name (or "ohne Kalibrierdatei"), %2 = sensitivity, %3 = date of the calibration
    return QCoreApplication::translate("messmikrofon", "Messmikrofon: %1, %2 dBFS bei 94 dB SPL, vom %3")
        .arg(datei, Zahltext(1, 1, k.Empfindlichkeit_dBFS).trimmed(),
             Datum_text(d));
}
