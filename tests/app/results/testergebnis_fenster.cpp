// The results table window TForm3: screen table, name cell, clipboard, save
// dialog with type toggle and overwrite question, spreadsheet, text file and
// printout. Leaves one sample of each output in test-output/.
#include "app/shell/druckausgabe.h"
#include "app/tabellen_pruefung.h"
#include "app/results/testergebnis_unit.h"
#include "core/acoustics/kvhoerschwelle.h"
#include "core/acoustics/physik_hoertest.h"
#include "core/results/hoertest_druck.h"
#include "core/results/testergebnis_layout.h"
#include "core/settings/einstellungen.h"
#include "core/shell/cp1252.h"
#include "core/shell/dialoge.h"
#include "core/shell/kvhilf.h"
#include "core/shell/meldungen.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

namespace
{
constexpr Freqarray Frequenzen_Standard = {50,   100,  200,   500,   1000,  1500,  2000,
                                           2500, 3000, 3500,  4000,  4500,  5000,  6000,
                                           7000, 8000, 10000, 12000, 14000, 16000, 18000};
const QString Blanks10(10, QLatin1Char(' '));
const QString Ausgabe = QStringLiteral(VAZOZEZ_TEST_OUTPUT);

double pa(double dB)
{
    return 0.00002 * std::pow(10.0, dB / 20.0);
}

// Both ears measured at most rows, as after a real test.
void beide_Ohren_messen()
{
    for (int k = 1; k <= 21; ++k) {
        if (k != 3)
            Hoertest_Druck[size_t(Druck_index(true, k))] = pa(10 + k * 1.5);
        if (k != 20)
            Hoertest_Druck[size_t(Druck_index(false, k))] = pa(12 + k * 1.25);
    }
}
} // namespace

class TestTestergebnis : public QObject
{
    Q_OBJECT
    Aufzeichnende_Dialoge dialoge_;
    Pdf_Druckerwahl drucker_;
    TForm3* form = nullptr;
    QTemporaryDir dir_;

    QString zelle(int spalte, int zeile) const
    {
        const QTableWidgetItem* i = form->StringGrid1->item(zeile, spalte);
        return i ? i->text() : QString();
    }
    void name_eintippen(const QString& name)
    {
        form->Setze_Cursor_Position(Name_Spalte, Name_Zeile);
        // Key by key as the user types (umlauts included); the first key starts editing.
        for (const QChar c : name) {
            QWidget* w = QApplication::focusWidget() ? QApplication::focusWidget() : form->StringGrid1;
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        // The view commits the editor's text through a queued call.
        QCoreApplication::processEvents();
    }
    void speichern(const QString& pfad, int filter_index, Antwort ueberschreiben = Antwort::Ja)
    {
        dialoge_.dateiwahlen.push_back({pfad, filter_index});
        dialoge_.antworten.push_back(ueberschreiben);
        form->Speichern1Click();
        dialoge_.antworten.clear();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        QDir().mkpath(Ausgabe);
        Hoerschwelle_Tabellen_erzeugen();
        dialoge_setzen(&dialoge_);
        druckerwahl_setzen(&drucker_);
    }
    void init()
    {
        Einstellungen_zuruecksetzen();
        Einstellungen.Frequenzen = Frequenzen_Standard;
        Einstellungen.pulsierend = 1;
        Einstellungen.zunehmend = 0;
        Druck_string_start();
        dialoge_.leeren();
        drucker_.abbrechen = false;
        drucker_.aufrufe = 0;
        form = new TForm3;
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
    }
    void cleanup()
    {
        delete form;
        form = nullptr;
    }

    void bildschirm()
    {
        QCOMPARE(form->StringGrid1->columnCount(), 6);
        QCOMPARE(form->StringGrid1->rowCount(), 72);
        QCOMPARE(form->size(), QSize(684, 540));
        QVERIFY(!form->Schrift1->isVisible());
        QCOMPARE(form->Dateiname, QStringLiteral("ohne Namen"));

        // Nothing measured: every level cell is 10 blanks; ISO blank above 12500 Hz.
        form->Ergebnisse_Bildschirm();
        QCOMPARE(form->StringGrid1->columnWidth(0), 37);
        QCOMPARE(form->StringGrid1->columnWidth(1), 117);
        for (int c = 2; c <= 5; ++c)
            QCOMPARE(form->StringGrid1->columnWidth(c), 122);
        for (int r : {16, 36, 47, 67}) {
            QCOMPARE(zelle(2, r), Blanks10);
            QCOMPARE(zelle(3, r), Blanks10);
        }
        QCOMPARE(zelle(1, 16), QStringLiteral("00050"));
        QCOMPARE(zelle(1, 67), QStringLiteral("18000"));
        QCOMPARE(zelle(4, 33).size(), 10); // 12000 Hz has an ISO 226 value
        QVERIFY(zelle(4, 33) != Blanks10);
        QCOMPARE(zelle(4, 34), Blanks10); // 14000 Hz
        QCOMPARE(zelle(4, 65), Blanks10);

        // Left ear measured, then both; the name typed in between stays.
        Hoertest_Druck[size_t(Druck_index(true, 5))] = pa(40);
        form->Ergebnisse_Bildschirm();
        QCOMPARE(zelle(3, 20), QStringLiteral("      40,0"));
        QCOMPARE(zelle(3, 51), Blanks10);
        name_eintippen(QStringLiteral("Erika"));
        QCOMPARE(form->Name(), QStringLiteral("Erika"));
        Hoertest_Druck[size_t(Druck_index(false, 5))] = pa(33.3);
        form->Ergebnisse_Bildschirm();
        QCOMPARE(zelle(3, 51), QStringLiteral("      33,3"));
        QCOMPARE(form->Name(), QStringLiteral("Erika"));

        // Bold rows 1, 2, 9 and 39; the split title halves meet at the column boundary.
        for (int r : {1, 2, 9, 39}) {
            const int c = r <= 2 ? 2 : 3;
            QVERIFY2(form->StringGrid1->item(r, c)->font().bold(), qPrintable(QString::number(r)));
        }
        QVERIFY(!form->StringGrid1->item(11, 1)->font().bold());
        QVERIFY(form->StringGrid1->item(1, 2)->textAlignment() & Qt::AlignRight);
        QVERIFY(form->StringGrid1->item(7, 4)->textAlignment() & Qt::AlignRight);
        QVERIFY(form->StringGrid1->item(1, 3)->textAlignment() & Qt::AlignLeft);

        // Only the name cell can be edited.
        form->Setze_Cursor_Position(1, 7);
        QTest::keyClicks(form->StringGrid1, QStringLiteral("x"));
        QCOMPARE(zelle(1, 7), QStringLiteral("Einstellungen:"));
        QCOMPARE(form->StringGrid1->editTriggers(), QAbstractItemView::NoEditTriggers);
    }

    void kopieren()
    {
        beide_Ohren_messen();
        form->Ergebnisse_Bildschirm();
        QClipboard* cb = QApplication::clipboard();
        form->StringGrid1->setCurrentCell(20, 1);
        form->Kopieren1Click();
        QCOMPARE(cb->text(), QStringLiteral("01000\r\n"));
        form->StringGrid1->clearSelection();
        form->StringGrid1->setRangeSelected(QTableWidgetSelectionRange(11, 1, 11, 3), true);
        form->Ko1Click();
        QCOMPARE(cb->text(), QStringLiteral("Frequenz\tLinkes Ohr\tLinkes Ohr\r\n"));

        form->Allesmarkieren2Click();
        form->Kopieren1Click();
        const QString alles = cb->text();
        const QStringList zeilen = alles.split(QStringLiteral("\r\n"));
        QCOMPARE(zeilen.size(), 73); // 72 rows, then the empty rest after the last CR LF
        QVERIFY(zeilen.back().isEmpty());
        for (int r = 0; r < 72; ++r)
            QCOMPARE(zeilen[r].count(QLatin1Char('\t')), 5);
        QCOMPARE(zeilen[20].section(QLatin1Char('\t'), 1, 1), QStringLiteral("01000"));
        datei_schreiben(Ausgabe + "/Zwischenablage_Ergebnisse.txt", alles.toUtf8());
    }

    void speichern_und_drucken_mit_namen()
    {
        beide_Ohren_messen();
        form->Ergebnisse_Bildschirm();
        const QString name = QStringLiteral("Jürgen Müller-Weiß");
        name_eintippen(name);
        QCOMPARE(form->Name(), name);

        // Spreadsheet: the extension is forced to .xls.
        const QString xls = Ausgabe + "/Ergebnisse.xls";
        QFile::remove(xls);
        speichern(Ausgabe + "/Ergebnisse.dat", 1);
        QVERIFY(dialoge_.meldungen.empty());
        QCOMPARE(form->Dateiname, xls);
        bool ok = false;
        const auto s = xls_lesen(xls, ok);
        QVERIFY(ok);
        QCOMPARE(s.front().code, uint16_t(0x0809));
        QCOMPARE(s.back().code, uint16_t(0x000A));
        QCOMPARE(s[1].code, uint16_t(0x0204));
        QCOMPARE(s[1].spalte, uint16_t(2));
        QCOMPARE(s[1].zeile, uint16_t(5));
        QCOMPARE(von_cp1252(s[1].text), name);
        QCOMPARE(xls_zelle(s, 1, 22)->ganz, 1000);
        QCOMPARE(xls_zelle(s, 3, 22)->zahl, 10 + 5 * 1.5);
        QVERIFY(!xls_zelle(s, 3, 20)); // left ear row 3 not measured
        QVERIFY(!xls_zelle(s, 4, 36)); // no ISO 226 at 14000 Hz
        QVERIFY(xls_zelle(s, 5, 36));

        // Text file: choosing the text type in the dialog.
        const QString txt = Ausgabe + "/Ergebnisse.txt";
        QFile::remove(txt);
        speichern(Ausgabe + "/Ergebnisse", 2);
        QVERIFY(!form->Datei_Typ_xls);
        QCOMPARE(form->Dateiname, txt);
        const QStringList zeilen = QString::fromUtf8(datei_inhalt(txt)).split(QStringLiteral("\r\n"));
        QCOMPARE(zeilen.size(), 81);
        QVERIFY(zeilen[80].isEmpty());
        for (int i = 0; i < 80; ++i)
            QCOMPARE(zeilen[i].size(), 384);
        QCOMPARE(zeilen[6].mid(30, name.size()), name);
        QCOMPARE(zeilen[21].mid(45, 6), QStringLiteral("  17,5"));
        QCOMPARE(zeilen[19].mid(45, 10), Blanks10);

        // Printout: one page with the title lines and the name.
        const QString pdf = Ausgabe + "/Ergebnisse.pdf";
        QFile::remove(pdf);
        drucker_.pfad = pdf;
        form->Drucken1Click();
        QCOMPARE(drucker_.aufrufe, 1);
        QVERIFY(dialoge_.meldungen.empty());
        const QStringList seiten = pdf_seiten(pdf);
        QCOMPARE(seiten.size(), 1);
        QVERIFY(seiten[0].contains(QStringLiteral("Quarvel Vazozez")));
        QVERIFY(seiten[0].contains(QStringLiteral("Messergebnisse zur Hörschwelle")));
        QVERIFY(seiten[0].contains(name));
        QVERIFY(seiten[0].contains(QStringLiteral("1. Linkes Ohr")));
        QVERIFY(seiten[0].contains(QStringLiteral("2. Rechtes Ohr")));
        QVERIFY(seiten[0].contains(QStringLiteral("18000")));
        QVERIFY(seiten[0].contains(QStringLiteral("- Pulsierender Ton (Amplitudenmodulation mit 4 Hz)")));
        QVERIFY(!seiten[0].contains(QStringLiteral("Seite:")));

        // A cancelled print dialog prints nothing.
        QFile::remove(pdf);
        drucker_.abbrechen = true;
        form->Drucken1Click();
        QVERIFY(!QFile::exists(pdf));
        drucker_.abbrechen = false;
        form->Drucken1Click();
        QVERIFY(QFile::exists(pdf));

        // A printer that cannot be used: a message, no crash.
        QVERIFY(dialoge_.meldungen.empty());
        drucker_.pfad = txt + "/kein.pdf";
        form->Drucken1Click();
        QCOMPARE(dialoge_.meldungen.size(), size_t(1));
        QCOMPARE(dialoge_.meldungen[0].titel, QStringLiteral("Problem"));
        QVERIFY(dialoge_.meldungen[0].text.contains(QStringLiteral("Drucker")));
    }

    void speichertyp_und_ueberschreiben()
    {
        // Two type changes return to the spreadsheet type.
        QVERIFY(form->Datei_Typ_xls);
        form->SaveDialog1TypeChange();
        QVERIFY(!form->Datei_Typ_xls);
        QCOMPARE(form->SaveDialog1.standard_endung, QStringLiteral("txt"));
        form->SaveDialog1TypeChange();
        QVERIFY(form->Datei_Typ_xls);
        QCOMPARE(form->SaveDialog1.standard_endung, QStringLiteral("xls"));
        dialoge_.dateiwahlen.push_back({QString(), 1}); // cancelled
        form->Speichern1Click();
        QCOMPARE(dialoge_.dateidialoge.back().filter,
                 QStringLiteral("Exceldatei (*.xls)|*.xls|Textdatei (*.txt)|*.txt"));
        QCOMPARE(dialoge_.dateidialoge.back().filter_index, 1);
        QCOMPARE(dialoge_.dateidialoge.back().standard_endung, QStringLiteral("xls"));
        QVERIFY(dialoge_.meldungen.empty());

        // An existing file: the question first; "Nein" leaves it unchanged.
        const QString pfad = dir_.filePath("alt.xls");
        datei_schreiben(pfad, "alt");
        speichern(pfad, 1, Antwort::Nein);
        QCOMPARE(dialoge_.meldungen.size(), size_t(1));
        QCOMPARE(dialoge_.meldungen[0].text,
                 QStringLiteral("Datei existiert bereits. Möchten Sie \r") + pfad + "\rüberschreiben?");
        QCOMPARE(dialoge_.meldungen[0].titel, QStringLiteral("Information"));
        QVERIFY(dialoge_.meldungen[0].knoepfe == Knoepfe::JaNein);
        QVERIFY(dialoge_.meldungen[0].symbol == Symbol::Information);
        QCOMPARE(datei_inhalt(pfad), QByteArray("alt"));
        speichern(pfad, 1, Antwort::Ja);
        QCOMPARE(datei_inhalt(pfad).left(4), QByteArray::fromHex("09080800"));

        // Held open for writing elsewhere, or not creatable: the save warning, nothing changed.
        dialoge_.leeren();
        const QByteArray vorher = datei_inhalt(pfad);
        {
            QFile halter(pfad);
            QVERIFY(halter.open(QIODevice::ReadWrite));
            speichern(pfad, 1, Antwort::Ja);
            speichern(Endung_ersetzen(pfad, ".txt"), 2, Antwort::Ja);
        }
        QCOMPARE(datei_inhalt(pfad), vorher);
        speichern(dir_.filePath("fehlt/x.txt"), 2);
        speichern(pfad + "/x.xls", 1);
        int warnungen = 0;
        for (const auto& m : dialoge_.meldungen)
            if (m.text == Text_Fehler_bei_abspeichern() && m.titel == QStringLiteral("Problem"))
                ++warnungen;
        QCOMPARE(warnungen, 3); // the .txt beside the held file is free and gets written
        QVERIFY(QFile::exists(Endung_ersetzen(pfad, ".txt")));
        QVERIFY(!QFile::exists(dir_.filePath("fehlt/x.txt")));
    }

    void sehr_langer_name()
    {
        form->Ergebnisse_Bildschirm();
        const QString lang(1000, QLatin1Char('N'));
        form->StringGrid1->item(Name_Zeile, Name_Spalte)->setText(lang);
        const QString txt = dir_.filePath("lang.txt");
        speichern(txt, 2);
        const QStringList zeilen = QString::fromUtf8(datei_inhalt(txt)).split(QStringLiteral("\r\n"));
        QCOMPARE(zeilen[6].size(), 1030);
        QCOMPARE(zeilen[5].size(), 384);
        const QString xls = dir_.filePath("lang.xls");
        speichern(xls, 1);
        bool ok = false;
        const auto s = xls_lesen(xls, ok);
        QVERIFY(ok);
        QCOMPARE(s[1].text.size(), 1000);
    }
};

QTEST_MAIN(TestTestergebnis)
#include "testergebnis_fenster.moc"
