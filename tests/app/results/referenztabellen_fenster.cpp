// The two reference-table windows: rows of the screen table, no editing,
// spreadsheet and text file, and the printout page by page with
// "Seite: p von n". Leaves one sample of each output in test-output/.
#include "app/shell/druckausgabe.h"
#include "app/results/tabelle_norm_unit.h"
#include "app/results/tabelle_nulldba_unit.h"
#include "app/tabellen_pruefung.h"
#include "core/acoustics/kvhoerschwelle.h"
#include "core/acoustics/physik_hoertest.h"
#include "core/results/druckplan.h"
#include "core/shell/cp1252.h"
#include "core/shell/dialoge.h"
#include "core/shell/kvhilf.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QTableWidget>
#include <QTest>

namespace
{
const QString Ausgabe = QStringLiteral(VAZOZEZ_TEST_OUTPUT);

QString zelle(const Referenztabellenfenster& f, int spalte, int zeile)
{
    const QTableWidgetItem* i = f.StringGrid1->item(zeile, spalte);
    return i ? i->text() : QString();
}
} // namespace

class TestReferenztabellen : public QObject
{
    Q_OBJECT
    Aufzeichnende_Dialoge dialoge_;
    Pdf_Druckerwahl drucker_;

    void speichern(Referenztabellenfenster& f, const QString& pfad, int filter_index)
    {
        QFile::remove(pfad);
        dialoge_.dateiwahlen.push_back({pfad, filter_index});
        f.Speichern1Click();
    }

private slots:
    void initTestCase()
    {
        QDir().mkpath(Ausgabe);
        Hoerschwelle_Tabellen_erzeugen();
        dialoge_setzen(&dialoge_);
        druckerwahl_setzen(&drucker_);
    }
    void init() { dialoge_.leeren(); }

    void bildschirm()
    {
        TForm_Norm_Tab n;
        QCOMPARE(n.windowTitle(),
                 QStringLiteral("Normhörschwelle (Interpolation aus Daten der ISO 226:2003)"));
        n.show();
        QVERIFY(QTest::qWaitForWindowExposed(&n));
        QCOMPARE(n.StringGrid1->columnCount(), 4);
        QCOMPARE(n.StringGrid1->rowCount(), 1430 - 20 + 12);
        QCOMPARE(zelle(n, 2, 1), QStringLiteral("Normhör"));
        QCOMPARE(zelle(n, 3, 1), QStringLiteral("schwelle"));
        QCOMPARE(zelle(n, 2, 8), QStringLiteral("20"));
        QCOMPARE(zelle(n, 2, 187), QStringLiteral("199"));
        QCOMPARE(zelle(n, 2, 188), QStringLiteral("200"));
        QCOMPARE(zelle(n, 2, 189), QStringLiteral("210"));
        QCOMPARE(zelle(n, 2, 1418), QStringLiteral("12500"));
        QCOMPARE(zelle(n, 3, 268), QStringLiteral("     2,4")); // 1000 Hz
        QCOMPARE(n.StringGrid1->columnWidth(1), 40);
        QCOMPARE(n.StringGrid1->columnWidth(2), 85);
        QCOMPARE(n.StringGrid1->columnWidth(3), 165);
        QVERIFY(n.StringGrid1->item(1, 2)->font().bold());
        QVERIFY(n.StringGrid1->item(6, 3)->font().bold());
        QVERIFY(!n.StringGrid1->item(8, 2)->font().bold());
        QVERIFY(n.StringGrid1->item(1, 2)->textAlignment() & Qt::AlignRight);
        QVERIFY(n.StringGrid1->item(1, 3)->textAlignment() & Qt::AlignLeft);
        QVERIFY(n.StringGrid1->item(8, 3)->textAlignment() & Qt::AlignHCenter);

        // Clicking a cell never starts editing.
        n.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&n));
        n.StringGrid1->setCurrentCell(8, 2);
        QTest::keyClicks(n.StringGrid1, QStringLiteral("99"));
        QTest::keyClick(n.StringGrid1, Qt::Key_F2);
        QCOMPARE(zelle(n, 2, 8), QStringLiteral("20"));

        // Copy: one cell, then a selection of one row over three cells.
        n.StringGrid1->clearSelection();
        n.StringGrid1->setCurrentCell(8, 2);
        n.Kopieren1Click();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("20\r\n"));
        n.StringGrid1->clearSelection();
        n.StringGrid1->setRangeSelected(QTableWidgetSelectionRange(8, 1, 8, 3), true);
        n.Kopieren1Click();
        QCOMPARE(QApplication::clipboard()->text(), "\t20\t" + zelle(n, 3, 8) + "\r\n");
        n.Allesmarkieren1Click();
        n.Ko1Click();
        datei_schreiben(Ausgabe + "/Zwischenablage_Normhoerschwelle.txt",
                        QApplication::clipboard()->text().toUtf8());

        TForm_NulldBA_Tab z;
        QCOMPARE(z.windowTitle(), QStringLiteral("0-dB(A)-Werte"));
        z.show();
        QCOMPARE(z.StringGrid1->rowCount(), 2180 - 20 + 12);
        QCOMPARE(zelle(z, 2, 1), QStringLiteral("0-dB(A)-"));
        QCOMPARE(zelle(z, 3, 2), QStringLiteral(" 651)"));
        QCOMPARE(zelle(z, 2, 1418), QStringLiteral("12500"));
        QCOMPARE(zelle(z, 2, 2168), QStringLiteral("20000"));
        QCOMPARE(zelle(z, 3, 268), extendedzustring(8, 1, Null_dBA(1000)));
        QVERIFY(zelle(z, 2, 2169).isEmpty());
    }

    void speichern_und_drucken_data()
    {
        QTest::addColumn<bool>("norm");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("seiten");
        QTest::newRow("ISO 226") << true << QStringLiteral("Normhoerschwelle") << 20;
        QTest::newRow("0-dB(A)") << false << QStringLiteral("NulldBA_Werte") << 30;
    }
    void speichern_und_drucken()
    {
        QFETCH(bool, norm);
        QFETCH(QString, name);
        QFETCH(int, seiten);
        std::unique_ptr<Referenztabellenfenster> f;
        if (norm)
            f = std::make_unique<TForm_Norm_Tab>();
        else
            f = std::make_unique<TForm_NulldBA_Tab>();
        f->show();
        const Referenztabelle t = norm ? Referenztabelle_Norm() : Referenztabelle_NulldBA();
        const int letzte_datenzeile = t.letzte - t.erste + 8;

        // Spreadsheet.
        const QString xls = Ausgabe + "/" + name + ".xls";
        speichern(*f, xls, 1);
        QVERIFY(dialoge_.meldungen.empty());
        bool ok = false;
        const auto s = xls_lesen(xls, ok);
        QVERIFY(ok);
        QCOMPARE(von_cp1252(xls_zelle(s, 2, 1)->text), t.druck_titel);
        QCOMPARE(xls_zelle(s, 2, 8)->ganz, 20);
        QCOMPARE(xls_zelle(s, 2, letzte_datenzeile)->ganz, norm ? 12500 : 20000);
        QCOMPARE(xls_zelle(s, 3, 268)->zahl,
                 double(Rundenauf(-1, norm ? Hoerschwelle_Funktion(1000) : Null_dBA(1000))));
        // The footer text two rows below the last value, then the end record.
        const Xls_Satz& fuss = s[s.size() - 2];
        QCOMPARE(fuss.code, uint16_t(0x0204));
        QCOMPARE(int(fuss.spalte), 1);
        QCOMPARE(int(fuss.zeile), letzte_datenzeile + 2);
        QCOMPARE(von_cp1252(fuss.text), t.fusszeile);
        if (!norm)
            QCOMPARE(fuss.text, QByteArray(" "));
        QCOMPARE(s.back().code, uint16_t(0x000A));

        // Text file: frequency from character 10, level from character 30.
        const QString txt = Ausgabe + "/" + name + ".txt";
        speichern(*f, txt, 2);
        QVERIFY(dialoge_.meldungen.empty());
        const QStringList z = QString::fromUtf8(datei_inhalt(txt)).split(QStringLiteral("\r\n"));
        QCOMPARE(z.size(), f->StringGrid1->rowCount() + 3);
        QCOMPARE(z[1].mid(10).trimmed(), t.titel1 + t.titel2);
        QCOMPARE(z[8].mid(10, 2), QStringLiteral("20"));
        QCOMPARE(z[8].mid(30, 8), zelle(*f, 3, 8));
        QCOMPARE(z[letzte_datenzeile].mid(10, 5), norm ? QStringLiteral("12500") : QStringLiteral("20000"));
        QCOMPARE(z[z.size() - 2], t.fusszeile);

        // Printout: page count of the two-grid print, "Seite: p von n" on every page.
        const QString pdf = Ausgabe + "/" + name + ".pdf";
        QFile::remove(pdf);
        drucker_.pfad = pdf;
        f->Drucken1Click();
        QVERIFY(dialoge_.meldungen.empty());
        QCOMPARE(Druck_Seiten_zwei_Gitter(f->StringGrid1->rowCount(), 2970), seiten);
        const QStringList p = pdf_seiten(pdf);
        QCOMPARE(p.size(), seiten);
        for (int i = 0; i < seiten; ++i)
            QVERIFY2(p[i].contains(QStringLiteral("Seite: %1 von %2").arg(i + 1).arg(seiten)),
                     qPrintable(QString::number(i + 1)));
        QVERIFY(p[0].contains(t.druck_titel));
        QVERIFY(p[0].contains(t.druck_untertitel));
        QVERIFY(p[0].contains(QStringLiteral("Frequenz f")));
        QVERIFY(!p[1].contains(t.druck_untertitel));
        // The last row of page 1 and the first of page 2 follow each other.
        // Page 1 holds 73 lines: three title lines and rows 3..72, the last one 84 Hz.
        QVERIFY(p[0].contains(QRegularExpression(QStringLiteral("^\\s*84\\s+[-0-9,]+\\s*$"),
                                                 QRegularExpression::MultilineOption)));
        QVERIFY(!p[0].contains(
            QRegularExpression(QStringLiteral("^\\s*85\\s"), QRegularExpression::MultilineOption)));
        QVERIFY(p[1].trimmed().startsWith(QStringLiteral("85 ")));
        QVERIFY(p.back().contains(norm ? QStringLiteral("12500") : QStringLiteral("20000")));
    }
};

QTEST_MAIN(TestReferenztabellen)
#include "referenztabellen_fenster.moc"
