#include "app/shell/programm.h"
#include "app/results/verlauf_unit.h"
#include "core/results/verlauf.h"
#include "core/settings/einstellungen.h"

#include "app/tones/alle_wave.h"
#include "app/results/audiogramm_unit.h"
#include "app/measurement/aufnahme.h"
#include "app/measurement/einstellungen_messungen.h"
#include "app/shell/fenster.h"
#include "app/settings/frequenzgang_unit.h"
#include "app/settings/optionen_unit.h"
#include "app/results/schaubild_grafik_unit.h"
#include "app/results/schaubild_unit.h"
#include "app/results/tabelle_norm_unit.h"
#include "app/results/tabelle_nulldba_unit.h"
#include "app/results/testergebnis_unit.h"
#include "app/shell/unit1.h"
#include "core/acoustics/kvhoerschwelle.h"
#include "core/shell/meldungen.h"
#include "core/shell/sprache.h"
#include "core/tones/wave_volume.h"
#include "platform/audio/portaudio_abspieler.h"
#include "platform/audio/portaudio_aufnehmer.h"
#include "platform/mixer/alsa_mischpult.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

#include <csignal>

Programm::Programm(Abspieler* abspieler, Dialoge* dialoge, Aufnehmer* aufnehmer)
{
    Sprache_einrichten();
    dialoge_setzen(dialoge ? dialoge : &qt_dialoge_);
    // Under a file-size limit a write that goes beyond it must fail with an
    // error (and the save's message), not end the program with SIGXFSZ.
    std::signal(SIGXFSZ, SIG_IGN);
    if (!abspieler) {
        eigener_abspieler_ = std::make_unique<PortAudio_Abspieler>();
        abspieler = eigener_abspieler_.get();
    }
    abspieler_ = abspieler;
    Wellenlautstaerke_einsetzen(abspieler_);
    if (!aufnehmer) {
        eigener_aufnehmer_ = std::make_unique<PortAudio_Aufnehmer>();
        aufnehmer = eigener_aufnehmer_.get();
    }
    Aufnehmer_einsetzen(aufnehmer);
    if (!Mischpult_eingesetzt()) {
        eigenes_mischpult_ = std::make_unique<ALSA_Mischpult>();
        Mischpult_einsetzen(eigenes_mischpult_.get());
    }
    // The reference curves are tabulated once, before any window exists.
    Hoerschwelle_Tabellen_erzeugen();
}

// The windows speak English when the system's message language is English and
// German otherwise; Qt's own buttons and dialogs speak the same language. The
// program's translation comes from the installed package's folder, else from
// the copy built into the program.
void Programm::Sprache_einrichten()
{
    const Sprache s = Systemsprache();
    Oberflaechensprache_setzen(s);
    const bool englisch = s == Sprache::Englisch;
    const QLocale gebiet = englisch ? QLocale(QLocale::English, QLocale::UnitedStates)
                                    : QLocale(QLocale::German, QLocale::Germany);
    if (qt_uebersetzung_.load(gebiet, QStringLiteral("qtbase"), QStringLiteral("_"),
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt_uebersetzung_);
    if (!englisch)
        return;
    const QString installiert =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../share/vazozez/translations");
    if (uebersetzung_.load(QStringLiteral("vazozez_en"), installiert) ||
        uebersetzung_.load(QStringLiteral(":/i18n/vazozez_en.qm")))
        QCoreApplication::installTranslator(&uebersetzung_);
}

Programm::~Programm()
{
    beenden();
    audiogramm_.reset();
    form5_.reset();
    form_nulldba_tab_.reset();
    form_norm_tab_.reset();
    oszi_grafik_.reset();
    schaubild_.reset();
    form6_.reset();
    form4_.reset();
    form3_.reset();
    form2_.reset();
    form1_.reset();
    Schaubild_Objekte_freigeben();
    Aufnehmer_einsetzen(nullptr);
    eigener_aufnehmer_.reset();
    Wellenlautstaerke_einsetzen(nullptr);
    if (eigenes_mischpult_ && Mischpult_eingesetzt() == eigenes_mischpult_.get())
        Mischpult_einsetzen(nullptr);
    eigenes_mischpult_.reset();
    eigener_abspieler_.reset();
    dialoge_setzen(nullptr);
    QCoreApplication::removeTranslator(&uebersetzung_);
    QCoreApplication::removeTranslator(&qt_uebersetzung_);
}

void Programm::starten()
{
    // The start saves both settings files several times, and once more when
    // its tone generation ends: a file that cannot be written is reported once.
    start_warnung_ = std::make_unique<Speicherwarnung_einmal>();
    form1_ = std::make_unique<TForm1>();
    form1_->FormCreate();
    form2_ = std::make_unique<TForm2>();
    form2_->Abspieler_setzen(abspieler_);
    form3_ = std::make_unique<TForm3>();
    Fenster.Form3 = form3_.get();
    form4_ = std::make_unique<TForm4>();
    form6_ = std::make_unique<TForm6>();
    schaubild_ = std::make_unique<THoerschwelle_Schaubild_Form>();
    oszi_grafik_ = std::make_unique<TOszi_Grafik>();
    form_norm_tab_ = std::make_unique<TForm_Norm_Tab>();
    Fenster.Form_Norm_Tab = form_norm_tab_.get();
    form_nulldba_tab_ = std::make_unique<TForm_NulldBA_Tab>();
    Fenster.Form_NulldBA_Tab = form_nulldba_tab_.get();
    form5_ = std::make_unique<TForm5>();
    audiogramm_ = std::make_unique<TAudiogramm_Form>();
    form1_->show();
    form5_->FormCreate();
    if (Wave_erzeugen)
        QObject::connect(Wave_erzeugen, &QThread::finished, form1_.get(), [this] { start_warnung_.reset(); });
    else
        start_warnung_.reset();
}

void Programm::beenden()
{
    if (beendet_)
        return;
    beendet_ = true;
    Wave_erzeugen_beenden();
    start_warnung_.reset();
    if (form2_ && form2_->isVisible())
        form2_->close();
    // The history's journal goes into its file, so that the file alone is a
    // whole copy of the history once the program has ended.
    if (!Einstellungsordner.isEmpty())
        if (const QString grund = Verlauf_Journal_einarbeiten(Verlaufsdatei()); !grund.isEmpty())
            //: %1 is the reason, a clause such as "der Datenträger voll ist"
            Fehler_ausgabe(QCoreApplication::translate(
                               "programm",
                               "Der Verlauf konnte nicht vollständig in die Datei Verlauf.sqlite "
                               "übernommen werden, weil %1.\rDie Datei Verlauf.sqlite-wal daneben "
                               "gehört dazu: kopieren Sie beide Dateien zusammen.")
                               .arg(grund),
                           QCoreApplication::translate("programm", "Problem"));
    if (abspieler_) {
        abspieler_->stoppen();
        abspieler_->schliessen();
    }
}
