#include "app/measurement/bezugshoerer_unit.h"

#include "core/results/hoertest_druck.h"
#include "core/settings/eichzustand.h"
#include "core/settings/einstellungen.h"
#include "core/shell/kvhilf.h"
#include "core/shell/meldungen.h"
#include "core/shell/sprache.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace
{

QString Zahl(double x)
{
    return Zahltext(1, 1, x).trimmed();
}

QLabel* Text(const QString& t, QWidget* eltern)
{
    auto* l = new QLabel(t, eltern);
    l->setWordWrap(true);
    return l;
}

} // namespace

TBezugshoerer_Form::TBezugshoerer_Form(std::function<void(uint8_t, bool)> oeffnen,
                                       std::function<void()> gespeichert, QWidget* parent)
    : QWidget(parent, Qt::Window), oeffnen_(std::move(oeffnen)), gespeichert_(std::move(gespeichert))
{
    setObjectName(QStringLiteral("Bezugshoerer_Form"));
    setWindowTitle(tr("Kalibrierung mit Bezugshörer"));
    resize(760, 820);
    auto* spalte = new QVBoxLayout(this);
    Erklaerung =
        Text(tr("Der Bezugshörer ist ein Mensch mit normalem Gehör: 18 bis 25 Jahre alt, ohne bekannte "
                "Hörprobleme und ohne lauten Lärm in den letzten 24 Stunden. Er macht mit diesem "
                "Kopfhörer den gewöhnlichen Hörtest, und jede Frequenz wird so kalibriert, dass seine "
                "Hörschwelle der Normhörschwelle nach ISO 226:2003 entspricht."),
             this);
    Erklaerung->setObjectName(QStringLiteral("Erklaerung"));
    spalte->addWidget(Erklaerung);

    auto* raster = new QGridLayout;
    auto knopf = [this](const QString& t, const char* name) {
        auto* b = new QPushButton(t, this);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    };
    raster->addWidget(Text(tr("<b>1. Anfangslautstärke</b>: Drücken Sie bei 1000 Hz „Start“, stellen "
                              "Sie den Ton angenehm laut ein, dann „Stopp“ und „Speichern“. "
                              "Danach erhält jede Frequenz diese Lautstärke, damit der "
                              "abnehmende Ton die Normhörschwelle überstreicht."),
                           this),
                      0, 0, 1, 3);
    Button_Lautstaerke_links = knopf(tr("Anfangslautstärke links …"), "Button_Lautstaerke_links");
    Button_Lautstaerke_rechts = knopf(tr("Anfangslautstärke rechts …"), "Button_Lautstaerke_rechts");
    Button_Alle_Frequenzen = knopf(tr("Für alle Frequenzen übernehmen"), "Button_Alle_Frequenzen");
    raster->addWidget(Button_Lautstaerke_links, 1, 0);
    raster->addWidget(Button_Lautstaerke_rechts, 1, 1);
    raster->addWidget(Button_Alle_Frequenzen, 1, 2);
    raster->addWidget(Text(tr("<b>2. Hörtest</b> des Bezugshörers für beide Ohren, jeweils mit "
                              "„Übernehmen“ beenden; dann „Hörer übernehmen“. Bis zu drei Hörer "
                              "(oder Wiederholungen) werden gemittelt."),
                           this),
                      2, 0, 1, 3);
    Button_Hoertest_links = knopf(tr("Hörtest linkes Ohr …"), "Button_Hoertest_links");
    Button_Hoertest_rechts = knopf(tr("Hörtest rechtes Ohr …"), "Button_Hoertest_rechts");
    Button_Hoerer = knopf(tr("Hörer übernehmen"), "Button_Hoerer");
    raster->addWidget(Button_Hoertest_links, 3, 0);
    raster->addWidget(Button_Hoertest_rechts, 3, 1);
    raster->addWidget(Button_Hoerer, 3, 2);
    spalte->addLayout(raster);

    Stand_Label = Text(QString(), this);
    Stand_Label->setObjectName(QStringLiteral("Stand_Label"));
    spalte->addWidget(Stand_Label);
    Tabelle = new QTableWidget(Zeilen, 3, this);
    Tabelle->setObjectName(QStringLiteral("Tabelle"));
    Tabelle->setHorizontalHeaderLabels({tr("Frequenz"), tr("Linkes Ohr"), tr("Rechtes Ohr")});
    Tabelle->verticalHeader()->setVisible(false);
    Tabelle->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    Tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    spalte->addWidget(Tabelle, 1);
    //: %1 the note on the calibration with a reference listener
    spalte->addWidget(Text(tr("Der Wert einer Zeile ist der Schalldruckpegel bei ihrer "
                              "Anfangslautstärke. Gelb: die Hörer weichen um mehr als 10 dB "
                              "voneinander ab. %1")
                               .arg(Bezugshoerer_Hinweis()),
                           this));
    auto* unten = new QHBoxLayout;
    Button_Neu = knopf(tr("Neu beginnen"), "Button_Neu");
    Button_Speichern = knopf(tr("Speichern"), "Button_Speichern");
    unten->addWidget(Button_Neu);
    unten->addStretch();
    unten->addWidget(Button_Speichern);
    spalte->addLayout(unten);

    connect(Button_Lautstaerke_links, &QPushButton::clicked, this, [this] { oeffnen_(1, true); });
    connect(Button_Lautstaerke_rechts, &QPushButton::clicked, this, [this] { oeffnen_(1, false); });
    connect(Button_Hoertest_links, &QPushButton::clicked, this, [this] { oeffnen_(0, true); });
    connect(Button_Hoertest_rechts, &QPushButton::clicked, this, [this] { oeffnen_(0, false); });
    connect(Button_Alle_Frequenzen, &QPushButton::clicked, this, &TBezugshoerer_Form::Alle_Frequenzen_Click);
    connect(Button_Hoerer, &QPushButton::clicked, this, &TBezugshoerer_Form::Hoerer_Click);
    connect(Button_Neu, &QPushButton::clicked, this, &TBezugshoerer_Form::Neu_Click);
    connect(Button_Speichern, &QPushButton::clicked, this, &TBezugshoerer_Form::Speichern_Click);
    Tabelle_fuellen();
}

void TBezugshoerer_Form::Alle_Frequenzen_Click()
{
    Einstellungen_von_Festplatte_holen();
    const uint32_t eigen[2] = {Links_Volume(Einstellungen, 3, 5), Rechts_Volume(Einstellungen, 3, 5)};
    for (const bool links : {true, false}) {
        uint32_t V = eigen[links ? 0 : 1];
        if (V == Grund_Lautstaerke)
            V = eigen[links ? 1 : 0];
        for (int zeile = 1; zeile <= Zeilen; ++zeile) {
            (links ? Links_Volume(Einstellungen, 3, zeile) : Rechts_Volume(Einstellungen, 3, zeile)) = V;
            (links ? Lautstaerke_links : Lautstaerke_rechts)[3][zeile] = V;
        }
    }
    if (Einstellungen_speichern_Festplatte())
        Informations_ausgabe(tr("Alle Frequenzen beider Ohren beginnen nun mit der Lautstärke von 1000 Hz."),
                             tr("Information"));
}

void TBezugshoerer_Form::Hoerer_Click()
{
    if (int(laeufe_.size()) >= Hoechstens_Bezugshoerer) {
        Informations_ausgabe(tr("Es werden höchstens drei Bezugshörer gemittelt. Mit „Neu "
                                "beginnen“ fangen Sie von vorn an."),
                             tr("Information"));
        return;
    }
    const Bezugshoerer_Lauf lauf = Bezugshoerer_auswerten(Hoertest_Druck, Hoertest_nach_Tonende, Einstellungen);
    bool etwas = false;
    for (const auto& ohr : lauf.k)
        for (const auto& k : ohr)
            etwas = etwas || k.has_value();
    if (!etwas) {
        Informations_ausgabe(tr("Es liegt kein Hörtest vor, der ausgewertet werden kann. Führen Sie "
                                "zuerst den Hörtest des Bezugshörers durch und beenden Sie ihn mit "
                                "„Übernehmen“."),
                             tr("Information"));
        return;
    }
    laeufe_.push_back(lauf);
    // The next listener starts with an empty results store.
    Druck_string_null(true);
    Druck_string_null(false);
    Farben_Messung_grau(1);
    Farben_Messung_grau(2);
    Tabelle_fuellen();
}

void TBezugshoerer_Form::Neu_Click()
{
    laeufe_.clear();
    Tabelle_fuellen();
}

void TBezugshoerer_Form::Tabelle_fuellen()
{
    const Bezugshoerer_Ergebnis r = Bezugshoerer_mitteln(laeufe_);
    Stand_Label->setText(tr("Bezugshörer: %1 von %2")
                             .arg(QString::number(laeufe_.size()), QString::number(Hoechstens_Bezugshoerer)));
    for (int zeile = 1; zeile <= Zeilen; ++zeile) {
        const double f = Einstellungen.Frequenzen[size_t(zeile - 1)];
        Tabelle->setItem(zeile - 1, 0, new QTableWidgetItem(QString::number(f) + QStringLiteral(" Hz")));
        for (const bool links : {true, false}) {
            const Bezugshoerer_Wert& w = r.werte[links ? 0 : 1][size_t(zeile - 1)];
            const uint32_t V3 = links ? Links_Volume(Einstellungen, 3, zeile) : Rechts_Volume(Einstellungen, 3, zeile);
            QString text;
            const auto L = Bezugshoerer_Pegel(w, V3);
            if (f > Bezugshoerer_hoechste_Frequenz)
                text = tr("keine Normhörschwelle (bleibt)");
            else if (!L)
                text = QStringLiteral("–");
            else {
                //: %1 the level in dB, %2 the number of listeners it is averaged from
                text = tr("%1 dB (%2 Hörer)").arg(Zahl(*L), QString::number(w.anzahl));
                if (w.uneinig)
                    text += tr(" – Hörer weichen um %1 dB ab").arg(Zahl(w.streuung_dB));
            }
            auto* item = new QTableWidgetItem(text);
            if (w.uneinig)
                item->setBackground(QColor(255, 230, 80));
            Tabelle->setItem(zeile - 1, links ? 1 : 2, item);
        }
    }
    Button_Speichern->setEnabled(!laeufe_.empty());
}

void TBezugshoerer_Form::Speichern_Click()
{
    if (laeufe_.empty())
        return;
    const Bezugshoerer_Ergebnis r = Bezugshoerer_mitteln(laeufe_);
    bool ohr_geschrieben[2] = {false, false};
    for (const bool links : {true, false})
        ohr_geschrieben[links ? 0 : 1] =
            Bezugshoerer_eintragen(Einstellungen, links, r, links ? Lautstaerke_links : Lautstaerke_rechts) > 0;
    if (!Einstellungen_speichern_Festplatte())
        return; // the user has been told; the previous file is intact
    for (const bool links : {true, false})
        if (ohr_geschrieben[links ? 0 : 1])
            Eichzustand_merken(Einstellungen, links, Eichart::Bezugshoerer, QDate::currentDate());
    if (gespeichert_)
        gespeichert_();
    //: %1 the note on the calibration with a reference listener
    Informations_ausgabe(
        tr("Die Kalibrierung mit Bezugshörer wurde in der Einstellungsdatei gespeichert.\r%1")
            .arg(Bezugshoerer_Hinweis()),
        tr("Erfolgsmeldung"));
}
