// The main window: caption, size, its menu with the hidden entries, the menu
// blocking pair, loading a settings file and importing the meter's settings
// through the recorded dialogs, and a start of the whole program.
#include "app/tones/alle_wave.h"
#include "app/measurement/aufnahme.h"
#include "app/frisches_heim.h"
#include "app/shell/programm.h"
#include "app/shell/qt_dialoge.h"
#include "app/shell/unit1.h"
#include "core/settings/einstellungen.h"
#include "core/settings/records_io.h"
#include "core/settings/schallpegel.h"
#include "core/shell/dialoge.h"
#include "platform/audio/simulierter_aufnehmer.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>
#include <memory>

namespace
{

QByteArray lesen(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool schreiben(const QString& pfad, const QByteArray& inhalt)
{
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly) && f.write(inhalt) == inhalt.size();
}

// A meter settings file of version 1.2: header, 2049 bins of seven zero
// extended values, the 1.2 block.
QByteArray mes_datei()
{
    QByteArray b(456 + 2049 * 70 + 16, '\0');
    const char* version = "Vidizedazevadadev Version 1.2";
    b[0] = char(std::strlen(version));
    std::memcpy(b.data() + 1, version, std::strlen(version));
    // Every bin's seven weights small and positive, as a meter writes them
    // (a table of zeros is refused).
    const long double gewicht = 1e-12L;
    for (int i = 0; i < 2049; ++i)
        for (int j = 0; j < 7; ++j)
            std::memcpy(b.data() + 456 + i * 70 + j * 10, &gewicht, 10);
    return b;
}

QStringList sichtbare_texte(const QList<QAction*>& aktionen)
{
    QStringList t;
    for (const QAction* a : aktionen)
        if (a->isVisible())
            t << a->text();
    return t;
}

} // namespace

class Hauptfenster_Test : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void titelUndGroesse();
    void sichtbareMenueeintraege();
    void versteckteMenueeintraege();
    void automatischeKalibrierungNachDemStartAus();
    void menueSperrenUndFreigeben();
    void einstellungenLadenGrossgeschriebeneEndung();
    void einstellungenLadenAndereEndung();
    void einstellungenLadenKaputteDatei();
    void einstellungenLadenAbbruchOderFehlendeDatei();
    void einstellungenLadenOhneAktuelleDatei();
    void messgeraetImportFehlgeschlagenSchaltetAus();
    void programmstartMitFrischemHeimordner();
    void dateifilterZeigenDasMusterEinmal_data();
    void dateifilterZeigenDasMusterEinmal();

private:
    QString ordner() const
    {
        return QDir::cleanPath(heim_->path()) + QStringLiteral("/Grundeinstellungen_Quarvel_Hoertest/");
    }
    QString standard_qvl() const { return ordner() + QStringLiteral("Einstellungen_Hoertest_1_6.qvl"); }
    QAction* aktion(const char* name) const { return form_->findChild<QAction*>(QString::fromLatin1(name)); }
    QAction* aktion_mit_text(const QString& text) const
    {
        for (QAction* a : form_->findChildren<QAction*>())
            if (a->text() == text)
                return a;
        return nullptr;
    }
    // A copy of the current settings file with one frequency changed.
    QString einstellungsdatei(const QString& pfad, uint16_t frequenz_zeile2) const
    {
        QByteArray b = lesen(standard_qvl());
        std::memcpy(b.data() + 7542 + 2, &frequenz_zeile2, 2);
        if (!schreiben(pfad, b))
            return {};
        return pfad;
    }
    static QString nicht_zu_oeffnen(const QString& name)
    {
        return QStringLiteral("Datei \r") + name + QStringLiteral("\rkann nicht geöffnet werden!!!");
    }
    // A message that asks nothing: the information icon and only OK.
    static bool nur_Information(const Aufzeichnende_Dialoge::Eintrag& m)
    {
        return m.symbol == Symbol::Information && m.knoepfe == Knoepfe::Ok &&
               m.titel == QStringLiteral("Information");
    }

    std::unique_ptr<Frisches_Heim> heim_;
    Aufzeichnende_Dialoge dlg_;
    Simulierter_Aufnehmer aufnehmer_; // a machine with a microphone
    std::unique_ptr<TForm1> form_;
};

void Hauptfenster_Test::init()
{
    heim_ = std::make_unique<Frisches_Heim>();
    QVERIFY(heim_->isValid());
    Einstellungen_zuruecksetzen();
    dlg_.leeren();
    dialoge_setzen(&dlg_);
    Aufnehmer_einsetzen(&aufnehmer_);
    form_ = std::make_unique<TForm1>();
    form_->FormCreate();
    QCOMPARE(Dateiname1_6_zu_string(), standard_qvl());
    // Tone files are made anew for every test, so loading a settings file
    // starts no generation of the stored set here.
    Einstellungen.wave_immer_neu = 1;
    QVERIFY(Einstellungen_speichern_Festplatte());
    QVERIFY(dlg_.meldungen.empty());
}

void Hauptfenster_Test::cleanup()
{
    form_.reset();
    Aufnehmer_einsetzen(nullptr);
    dialoge_setzen(nullptr);
    Einstellungen_zuruecksetzen();
    Bass_Geraet_Kanal_einstellen = nullptr;
    heim_.reset();
}

void Hauptfenster_Test::titelUndGroesse()
{
    QCOMPARE(form_->windowTitle(), QStringLiteral("Quarvel Vazozez 2.2"));
    QCOMPARE(form_->minimumSize(), QSize(640, 480));
    QCOMPARE(form_->size(), QSize(766, 529));
    form_->resize(100, 100);
    QCOMPARE(form_->size(), QSize(640, 480));
}

void Hauptfenster_Test::sichtbareMenueeintraege()
{
    QCOMPARE(sichtbare_texte(form_->menuBar()->actions()),
             (QStringList{QStringLiteral("Vazozez"), QStringLiteral("Testergebnisse"),
                          QStringLiteral("Einstellungen"), QStringLiteral("Info")}));
    QCOMPARE(sichtbare_texte(form_->Hrtest1->actions()),
             (QStringList{QStringLiteral("Linkes Ohr"), QStringLiteral("Rechtes Ohr")}));
    QCOMPARE(sichtbare_texte(form_->Testergebnisse1->actions()),
             (QStringList{QStringLiteral("Schaubilder"), QStringLiteral("Tabelle Ergebnisse"),
                          QStringLiteral("Tabelle Normhörschwelle"), QStringLiteral("Tabelle 0-dB(A)-Werte"),
                          QStringLiteral("Audiogramm"), QStringLiteral("Verlauf")}));
    QCOMPARE(sichtbare_texte(form_->Einstellungen1->actions()),
             (QStringList{QStringLiteral("Optionen"), QStringLiteral("Anfangs- bzw. Endlautstärke "),
                          QStringLiteral("Automatische Kalibrierung (über Quarvel Vidizedazevadadev)"),
                          QStringLiteral("Manuelle Kalibrierung "), QStringLiteral("Einstellungen laden"),
                          QStringLiteral("Kalibrierung mit Bezugshörer …")}));

    // The entries reach their handlers under the handler's name.
    struct Eintrag {
        const char* name;
        const char* text;
    };
    for (const Eintrag& e :
         {Eintrag{"HoertestLinkesOhr1", "Linkes Ohr"}, Eintrag{"HoertestRechtesOhr1", "Rechtes Ohr"},
          Eintrag{"Schaubild1", "Schaubilder"}, Eintrag{"abelle1", "Tabelle Ergebnisse"},
          Eintrag{"Optionen1", "Optionen"}, Eintrag{"Lautstaerkelinks1", "links"},
          Eintrag{"Lautstaerkerechts1", "rechts"},
          Eintrag{"EinstellungenQuarvelSchallpegelmesserladen1",
                  "Einstellungen \"Quarvel Vidizedazevadadev\" laden"},
          Eintrag{"Autolinks1", "links"}, Eintrag{"Autorechts1", "rechts"},
          Eintrag{"Schalldruckpegellinks1", "links"}, Eintrag{"Schalldruckpegelrechts1", "rechts"},
          Eintrag{"Einstellungenladen1", "Einstellungen laden"}, Eintrag{"Info1", "Info"}}) {
        QAction* a = aktion(e.name);
        QVERIFY2(a, e.name);
        QCOMPARE(a->text(), QString::fromUtf8(e.text));
        QVERIFY2(a->isVisible(), e.name);
    }
}

void Hauptfenster_Test::versteckteMenueeintraege()
{
    for (const char* text :
         {"Vermeidung von Rückkopplungen bei Mikrofonaufnahme (nur XP)", "Maximale Gesamtlautstärke (nur XP)",
          "Automatische Kalibrierung (guter Kopfhörer)", "Kalibrierung über Mikrofonspannung", "Beenden"}) {
        QAction* a = aktion_mit_text(QString::fromUtf8(text));
        QVERIFY2(a, text);
        QVERIFY2(!a->isVisible(), text);
    }
    // The hidden voltage submenu keeps its commands.
    for (const char* name : {"Mikrofonspannunglinks1", "Mikrofonspannungrechts1", "FrequenzgangMikrofon1"})
        QVERIFY2(aktion(name), name);
    // Opening "Einstellungen" leaves the hidden entries hidden.
    form_->Einstellungen1Click();
    QVERIFY(!aktion_mit_text(QStringLiteral("Kalibrierung über Mikrofonspannung"))->isVisible());
    QVERIFY(form_->Schalldruckpegel1->isEnabled());

    // "Beenden" still closes the window.
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    aktion("Beenden1")->trigger();
    QVERIFY(!form_->isVisible());
}

void Hauptfenster_Test::automatischeKalibrierungNachDemStartAus()
{
    QVERIFY(!form_->Autolinks1->isEnabled());
    QVERIFY(!form_->Autorechts1->isEnabled());
    QVERIFY(aktion("EinstellungenQuarvelSchallpegelmesserladen1")->isEnabled());
}

void Hauptfenster_Test::menueSperrenUndFreigeben()
{
    const QList<QAction*> oben{form_->Hrtest1->menuAction(), form_->Testergebnisse1->menuAction(),
                               form_->Einstellungen1->menuAction(), form_->Info1};
    for (QAction* a : oben)
        QVERIFY(a->isEnabled());
    form_->ausschalten_Menu_Form1();
    for (QAction* a : oben)
        QVERIFY2(!a->isEnabled(), qPrintable(a->text()));
    form_->ausschalten_Menu_Form1();
    form_->einschalten_Menu_Form1();
    for (QAction* a : oben)
        QVERIFY2(a->isEnabled(), qPrintable(a->text()));
}

void Hauptfenster_Test::einstellungenLadenGrossgeschriebeneEndung()
{
    QVERIFY(QDir(heim_->path()).mkdir(QStringLiteral("andere")));
    const QString pfad = einstellungsdatei(heim_->filePath(QStringLiteral("andere/Test.QVL")), 111);
    QVERIFY(!pfad.isEmpty());
    dlg_.dateiwahlen.push_back({pfad, 1});
    form_->Einstellungenladen1Click();

    QCOMPARE(dlg_.dateidialoge.size(), size_t(1));
    const Dateidialog& d = dlg_.dateidialoge.front();
    QCOMPARE(d.filter, QStringLiteral("Quarvel Vazozez (*.qvl)|*.qvl"));
    QCOMPARE(d.standard_endung, QStringLiteral("qvl"));
    QCOMPARE(d.verzeichnis, ordner());
    QCOMPARE(d.dateiname, standard_qvl());

    QVERIFY(dlg_.meldungen.empty());
    QCOMPARE(Dateiname1_6_zu_string(), pfad);
    QCOMPARE(int(Frequenz(2)), 111);
    // The comparison ran and saved the file's settings into the base settings.
    const QByteArray hoe = lesen(ordner() + QStringLiteral("Grundeinstellungen.hoe"));
    QCOMPARE(hoe.mid(548, QFile::encodeName(pfad).size()), QFile::encodeName(pfad));
}

void Hauptfenster_Test::einstellungenLadenAndereEndung()
{
    const QString pfad = einstellungsdatei(heim_->filePath(QStringLiteral("einstellungen.txt")), 222);
    dlg_.dateiwahlen.push_back({pfad, 1});
    form_->Einstellungenladen1Click();
    QCOMPARE(dlg_.meldungen.size(), size_t(1));
    const auto& m = dlg_.meldungen.front();
    QCOMPARE(m.text, nicht_zu_oeffnen(pfad));
    QVERIFY(nur_Information(m));
    QCOMPARE(Dateiname1_6_zu_string(), standard_qvl());
    QCOMPARE(int(Frequenz(2)), 100);
}

void Hauptfenster_Test::einstellungenLadenKaputteDatei()
{
    // With the stored tone set in use: a load that took over the broken
    // file's stale flags would start a generation, which saves the settings.
    Einstellungen.wave_immer_neu = 0;
    Einstellungen.Freq_geaendert = 0;
    QVERIFY(Einstellungen_speichern_Festplatte());
    QVERIFY(QDir().mkpath(Wave_ordner()));
    const QByteArray vorher = lesen(standard_qvl());
    QByteArray anders = vorher;
    const uint16_t f333 = 333;
    std::memcpy(anders.data() + 7542 + 2, &f333, 2);
    anders[8236] = 1; // Freq_geaendert
    for (const QByteArray& inhalt :
         {QByteArray(), QByteArray("Das ist keine Einstellungsdatei."), anders.left(9256)}) {
        dlg_.leeren();
        const QString pfad = heim_->filePath(QStringLiteral("kaputt.qvl"));
        QVERIFY(schreiben(pfad, inhalt));
        dlg_.dateiwahlen.push_back({pfad, 1});
        form_->Einstellungenladen1Click();
        QTRY_VERIFY_WITH_TIMEOUT(Wave_erzeugen == nullptr, 60000);
        QCOMPARE(dlg_.meldungen.size(), size_t(1));
        QCOMPARE(dlg_.letzter_text(), nicht_zu_oeffnen(pfad));
        QVERIFY(nur_Information(dlg_.meldungen.front()));
        QCOMPARE(Dateiname1_6_zu_string(), standard_qvl());
        QCOMPARE(lesen(pfad), inhalt);
        QCOMPARE(int(Frequenz(2)), 100);
        QCOMPARE(lesen(standard_qvl()), vorher);
    }
    // The next save goes to the previous file, not to the broken one.
    QVERIFY(Einstellungen_speichern_Festplatte());
    QCOMPARE(lesen(standard_qvl()).size(), 9260);
}

void Hauptfenster_Test::einstellungenLadenAbbruchOderFehlendeDatei()
{
    dlg_.dateiwahlen.push_back({QString(), 1}); // cancelled
    form_->Einstellungenladen1Click();
    dlg_.dateiwahlen.push_back({heim_->filePath(QStringLiteral("fehlt.qvl")), 1});
    form_->Einstellungenladen1Click();
    QCOMPARE(dlg_.dateidialoge.size(), size_t(2));
    QVERIFY(dlg_.meldungen.empty());
    QCOMPARE(Dateiname1_6_zu_string(), standard_qvl());
}

void Hauptfenster_Test::einstellungenLadenOhneAktuelleDatei()
{
    string_zu_Dateiname1_6(QStringLiteral("Datei_nicht_vorhanden"));
    form_->Einstellungenladen1Click();
    QCOMPARE(dlg_.dateidialoge.size(), size_t(1));
    QCOMPARE(dlg_.dateidialoge.front().verzeichnis, ordner());
    QVERIFY(dlg_.dateidialoge.front().dateiname.isEmpty());
}

void Hauptfenster_Test::messgeraetImportFehlgeschlagenSchaltetAus()
{
    // No meter base settings in the documents folder: the ".mes" dialog opens.
    const QString gut = heim_->filePath(QStringLiteral("kalibrierung.mes"));
    QVERIFY(schreiben(gut, mes_datei()));
    dlg_.dateiwahlen.push_back({gut, 1});
    form_->EinstellungenQuarvelSchallpegelmesserladen1Click();
    QCOMPARE(dlg_.dateidialoge.size(), size_t(1));
    QCOMPARE(dlg_.dateidialoge.front().standard_endung, QStringLiteral("mes"));
    QCOMPARE(dlg_.dateidialoge.front().filter, QStringLiteral("Vidizedazevadadev Einstellungen|*.mes"));
    QCOMPARE(dlg_.dateidialoge.front().verzeichnis, Dokumente_pfad);
    QVERIFY(dlg_.meldungen.empty());
    QVERIFY(form_->Autolinks1->isEnabled());
    QVERIFY(form_->Autorechts1->isEnabled());

    // A broken file switches them off again, even after a good import.
    const QString kaputt = heim_->filePath(QStringLiteral("kaputt.mes"));
    QVERIFY(schreiben(kaputt, mes_datei().left(1000)));
    dlg_.dateiwahlen.push_back({kaputt, 1});
    form_->EinstellungenQuarvelSchallpegelmesserladen1Click();
    QVERIFY(!form_->Autolinks1->isEnabled());
    QVERIFY(!form_->Autorechts1->isEnabled());
    QCOMPARE(dlg_.meldungen.size(), size_t(1));
    QCOMPARE(dlg_.letzter_text(),
             QStringLiteral("Datei \r") + kaputt +
                 QStringLiteral(
                     "\rkann nicht geöffnet werden. Falls Sie das Programm \"Quarvel Vidizedazevadadev\" "
                     "geöffnet haben, schließen Sie es und versuchen anschließend die Einstellungsdatei "
                     "nochmals zu öffnen"));
    QVERIFY(nur_Information(dlg_.meldungen.back()));

    // Another extension: told so, nothing read.
    const QString falsch = heim_->filePath(QStringLiteral("kalibrierung.txt"));
    QVERIFY(schreiben(falsch, mes_datei()));
    dlg_.dateiwahlen.push_back({falsch, 1});
    form_->EinstellungenQuarvelSchallpegelmesserladen1Click();
    QCOMPARE(dlg_.meldungen.size(), size_t(2));
    QCOMPARE(dlg_.letzter_text(),
             QStringLiteral("Datei \r") + falsch +
                 QStringLiteral("\rkann nicht geöffnet werden. Dies ist keine Einstellungsdatei "
                                "des \"Quarvel Schallpegelmessers\""));
    QVERIFY(nur_Information(dlg_.meldungen.back()));
    QVERIFY(!form_->Autolinks1->isEnabled());
}

void Hauptfenster_Test::programmstartMitFrischemHeimordner()
{
    form_.reset();
    Einstellungen_zuruecksetzen();
    QTemporaryDir frisch;
    qputenv("HOME", QFile::encodeName(frisch.path()));
    const QString o =
        QDir::cleanPath(frisch.path()) + QStringLiteral("/Grundeinstellungen_Quarvel_Hoertest/");

    Programm programm;
    dialoge_setzen(&dlg_); // messages are recorded, never shown
    programm.starten();
    TForm1* f = programm.hauptfenster();
    QVERIFY(f);
    QVERIFY(QTest::qWaitForWindowExposed(f));
    QCOMPARE(f->windowTitle(), QStringLiteral("Quarvel Vazozez 2.2"));
    QVERIFY(QFileInfo(o).isDir());
    QCOMPARE(QFileInfo(o + QStringLiteral("Grundeinstellungen.hoe")).size(), qint64(10548));
    QCOMPARE(QFileInfo(o + QStringLiteral("Einstellungen_Hoertest_1_6.qvl")).size(), qint64(9260));
    QCOMPARE(Dateiname1_6_zu_string(), o + QStringLiteral("Einstellungen_Hoertest_1_6.qvl"));
    QVERIFY(dlg_.meldungen.empty());
    QVERIFY(!f->Autolinks1->isEnabled());
    f->close();
    QCoreApplication::processEvents();
    qputenv("HOME", QFile::encodeName(heim_->path()));
}

void Hauptfenster_Test::dateifilterZeigenDasMusterEinmal_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("qt");
    QTest::newRow("Einstellungen") << QStringLiteral("Quarvel Vazozez (*.qvl)|*.qvl")
                                   << QStringList{QStringLiteral("Quarvel Vazozez (*.qvl)")};
    QTest::newRow("Tabellen") << QStringLiteral("Exceldatei (*.xls)|*.xls|Textdatei (*.txt)|*.txt")
                              << QStringList{QStringLiteral("Exceldatei (*.xls)"),
                                             QStringLiteral("Textdatei (*.txt)")};
    QTest::newRow("Messgerät ohne Muster im Text")
        << QStringLiteral("Vidizedazevadadev Einstellungen|*.mes")
        << QStringList{QStringLiteral("Vidizedazevadadev Einstellungen (*.mes)")};
}

void Hauptfenster_Test::dateifilterZeigenDasMusterEinmal()
{
    QFETCH(QString, filter);
    QFETCH(QStringList, qt);
    QCOMPARE(Qt_Filter(filter), qt);
}

QTEST_MAIN(Hauptfenster_Test)
#include "main_window_test.moc"
