#include "core/shell/programmstart.h"

#include "core/results/hoertest_druck.h"
#include "core/settings/einstellungen.h"
#include "core/shell/kvhilf.h"
#include "core/shell/meldungen.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QThread>

void Einstellungsordner_festlegen()
{
    bool programmordner = true;
    Dokumente_pfad = QStringLiteral(" ");
    QString dokumente;
    if (Get_Eigene_Dateien_pfad(dokumente)) {
        programmordner = false;
        if (!dokumente.endsWith(QLatin1Char('/')))
            dokumente += QLatin1Char('/');
        Dokumente_pfad = dokumente;
        bool vorhanden = false;
        bool fehler = false;
        Verzeichnis_anlegen(dokumente + QLatin1String(Name_Einstellungsordner), vorhanden, fehler);
        if (fehler)
            programmordner = true;
    }
    if (!programmordner)
        Einstellungsordner = Dokumente_pfad + QLatin1String(Name_Einstellungsordner) + QLatin1Char('/');
    else {
        Einstellungsordner = exepfad();
        // Without a word the user would not find settings and tone files
        // (about 200 MB) next to the program.
        Informations_ausgabe(
            QCoreApplication::translate("programmstart",
                                        "Es wurde kein Ordner für eigene Dateien gefunden, in dem das "
                                        "Programm speichern kann.\rDie Einstellungen und die Wave-Dateien "
                                        "werden in diesem Ordner gespeichert:\r%1")
                .arg(QDir::toNativeSeparators(Einstellungsordner)),
            QCoreApplication::translate("programmstart", "Information"));
    }
    Grundeinstellungsdatei = Einstellungsordner + QLatin1String(Name_Grundeinstellungsdatei);
}

void Programmstart_Daten()
{
    Speicherwarnung_einmal einmal;
    Einstellungen.Version.setzen(QString::fromLatin1(Version_1_6));
    Grundeinstellungen.Version.setzen(QString::fromLatin1(Version_1_6));
    Optionen_Grundeinstellung1_4();
    Druck_string_start();
    Farben_Messung_Start();
    Einstellungsordner_festlegen();
    Grundeinstellungen_von_Festplatte_holen();
    if (!Einstellungen_von_Festplatte_holen()) {
        // The records hold nothing yet: saving them (the comparison below
        // does) would wipe the file that could not be read.
        const QString unlesbar = Dateiname1_6_zu_string();
        const QString jetzt = Einstellungen_statt_unlesbarer_Datei();
        Informations_ausgabe(
            Text_Datei_nicht_lesbar(unlesbar) +
                (jetzt == unlesbar
                     ? QCoreApplication::translate("programmstart",
                                                   "\r\rAn ihrer Stelle gilt nun eine neue "
                                                   "Einstellungsdatei mit den Standardwerten:\r%1")
                     : QCoreApplication::translate("programmstart",
                                                   "\r\rDie Datei bleibt unverändert. Es gilt nun die "
                                                   "Einstellungsdatei\r%1"))
                    .arg(jetzt),
            QCoreApplication::translate("programmstart", "Information"));
    }
    Vergleich_Grundeinstellungen_Einstellungen();
}

void LangePause(int ms)
{
    QElapsedTimer uhr;
    uhr.start();
    // At least one tick passes, also for ms = 0.
    while (uhr.elapsed() <= ms) {
        if (QCoreApplication::instance())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
}
