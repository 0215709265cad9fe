#include "app/results/verlauf_unit.h"

#include "app/settings/einstellungsdatei_waehlen.h"
#include "app/shell/fenster.h"
#include "app/results/audiogramm_unit.h"
#include "app/results/testergebnis_unit.h"
#include "charts/kvschaubild2b.h"
#include "core/results/hoertest_druck.h"
#include "core/settings/dateien.h"
#include "core/settings/einstellungen.h"
#include "core/shell/dialoge.h"
#include "core/shell/kvhilf.h"
#include "core/shell/meldungen.h"
#include "core/shell/sprache.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QSplitter>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace
{

// Colours 00BBGGRR of the older and the newer test.
constexpr int32_t Farbe_Test_1 = 0x800000; // dark blue
constexpr int32_t Farbe_Test_2 = 0x0060E0; // orange-red

TVerlauf_Form* fenster = nullptr;

// The message of a history that was damaged and has been replaced.
void Ersetzt_melden(const Verlauf& v)
{
    //: %1: the reason, %2: the path the damaged file was moved to
    Fehler_ausgabe(QCoreApplication::translate(
                       "verlauf_unit",
                       "Der Verlauf kann nicht gelesen werden, weil %1.\rDie Datei wurde als\r%2\r"
                       "beiseitegelegt; ein neuer Verlauf wurde begonnen.")
                       .arg(v.grund(), v.verschoben_nach()),
                   QCoreApplication::translate("verlauf_unit", "Problem"));
}

// Tests with values the program never writes are left out of the list and
// the export; the user is told how many.
void Unlesbare_melden(const Verlauf& v, bool beim_export)
{
    if (v.unlesbare_Tests() <= 0)
        return;
    const QString satz =
        beim_export ? QCoreApplication::translate(
                          "verlauf_unit",
                          "%1 Tests im Verlauf enthalten ungültige Werte und werden nicht exportiert.")
                    : QCoreApplication::translate(
                          "verlauf_unit",
                          "%1 Tests im Verlauf enthalten ungültige Werte und werden nicht angezeigt.");
    Fehler_ausgabe(satz.arg(v.unlesbare_Tests()), QCoreApplication::translate("verlauf_unit", "Problem"));
}

} // namespace

QString Verlaufsdatei()
{
    return Einstellungsordner + QLatin1String(Name_Verlaufsdatei);
}

void Test_in_Verlauf_speichern(bool links)
{
    Verlauf_Test t = Verlauf_Test_aus_Ergebnissen(links, Hoertest_Druck, Einstellungen,
                                                  QDateTime::currentDateTime(), Testperson_Name);
    if (t.gemessene_Zeilen() == 0)
        return;
    auto& uebernommen = Hoertest_uebernommen[links ? 0 : 1];
    bool gespeichert = false;
    {
        Verlauf v(Verlaufsdatei());
        if (v.zustand() == Verlauf::Zustand::ersetzt)
            Ersetzt_melden(v);
        // Accepted again without a new measurement: already in the history.
        if (v.lesbar())
            if (const auto letzter = v.neuester(links); letzter && Verlauf_gleiche_Ergebnisse(*letzter, t)) {
                if (uebernommen)
                    uebernommen->verlauf_id = letzter->id;
                return;
            }
        gespeichert = v.lesbar() && v.speichern(t);
        if (gespeichert && uebernommen)
            uebernommen->verlauf_id = t.id;
        if (!gespeichert)
            Fehler_ausgabe(
                QCoreApplication::translate("verlauf_unit",
                                            "Der Hörtest wurde nicht in den Verlauf geschrieben, weil %1.\r"
                                            "Das Ergebnis bleibt erhalten und kann unter \"Testergebnisse\" "
                                            "angesehen und gespeichert werden.")
                    .arg(v.grund()),
                QCoreApplication::translate("verlauf_unit", "Problem"));
    }
    if (gespeichert && fenster && fenster->isVisible())
        fenster->Liste_laden();
}

void Testperson_Name_setzen(const QString& name)
{
    const QString neu = name.trimmed();
    if (neu == Testperson_Name)
        return;
    Testperson_Name = neu;
    if (auto* tabelle = qobject_cast<TForm3*>(Fenster.Form3))
        tabelle->Name_zeigen();
    if (auto* audiogramm = qobject_cast<TAudiogramm_Form*>(Fenster.Audiogramm_Form))
        audiogramm->Name_zeigen();
    // The tests stored from the results in the store were the ones the name
    // was typed for. The history has no command that changes a stored test,
    // so each is stored once more with the name and then the old one deleted:
    // a failure between the two leaves both, never neither.
    bool geaendert = false;
    QString fehler;
    {
        std::optional<Verlauf> v;
        for (auto& u : Hoertest_uebernommen) {
            if (!u || u->verlauf_id == 0)
                continue;
            if (!v)
                v.emplace(Verlaufsdatei());
            std::optional<Verlauf_Test> t = v->laden(u->verlauf_id);
            if (!t || t->name == neu)
                continue;
            const int64_t alt = t->id;
            t->name = neu;
            if (!v->speichern(*t)) {
                fehler = v->grund();
                break;
            }
            u->verlauf_id = t->id;
            geaendert = true;
            if (!v->loeschen(alt)) {
                fehler = v->grund();
                break;
            }
        }
    }
    if (!fehler.isEmpty())
        Fehler_ausgabe(QCoreApplication::translate(
                           "verlauf_unit", "Der Name wurde nicht in den Verlauf geschrieben, weil %1.")
                           .arg(fehler),
                       QCoreApplication::translate("verlauf_unit", "Problem"));
    if (geaendert && fenster && fenster->isVisible())
        fenster->Liste_laden();
}

// ---- List model ------------------------------------------------------------------------

void Verlauf_Modell::setzen(std::vector<Verlauf_Eintrag> eintraege)
{
    beginResetModel();
    eintraege_ = std::move(eintraege);
    endResetModel();
}

int Verlauf_Modell::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(eintraege_.size());
}

int Verlauf_Modell::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 5;
}

QVariant Verlauf_Modell::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= int(eintraege_.size()))
        return {};
    const Verlauf_Eintrag& e = eintraege_[size_t(index.row())];
    if (role == Qt::TextAlignmentRole && index.column() == 3)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case 0:
        return Zeitpunkt_text(QDateTime::fromMSecsSinceEpoch(e.zeitpunkt_ms));
    case 1:
        return Ohr_text(e.links);
    case 2:
        return Tonart_text(e.zunehmend, e.pulsierend);
    case 3:
        return e.gemessen;
    case 4:
        return e.name;
    default:
        return {};
    }
}

QVariant Verlauf_Modell::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char* const titel[] = {
        QT_TRANSLATE_NOOP("Verlauf_Modell", "Datum"), QT_TRANSLATE_NOOP("Verlauf_Modell", "Ohr"),
        //: The kind of tone of the test (rising or steady, pulsed or continuous)
        QT_TRANSLATE_NOOP("Verlauf_Modell", "Ton"),
        //: Column: how many frequencies were measured
        QT_TRANSLATE_NOOP("Verlauf_Modell", "Frequenzen"), QT_TRANSLATE_NOOP("Verlauf_Modell", "Name")};
    return section >= 0 && section < 5 ? tr(titel[section]) : QVariant();
}

// ---- Chart -------------------------------------------------------------------------------

Verlauf_Schaubild::Verlauf_Schaubild(QWidget* parent) : QWidget(parent)
{
    setMinimumSize(320, 220);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

Verlauf_Schaubild::~Verlauf_Schaubild() = default;

void Verlauf_Schaubild::setzen(std::vector<Kurve> kurven)
{
    kurven_ = std::move(kurven);
    update();
}

void Verlauf_Schaubild::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    TkvSchaubild2b s;
    s.eine_Zeichenflaeche = true;
    s.Bildbreite = width();
    s.Bildhoehe = height();
    s.Rand_links = 60;
    s.Rand_rechts = 20;
    s.Rand_oben = 10;
    s.Rand_unten = 50;
    s.xmin = 0;
    s.xmax = 20000;
    s.xEinheit = 2000;
    s.xTeilung = 500;
    s.Beschriftung_jede_zweite = true;
    s.xTitel = tr("Frequenz f in Hz");
    s.yTitel = QStringLiteral("dB");
    s.xTitel_Abstand = 18;
    s.yTitel_Abstand = 22;
    // Level range: whole tens around the thresholds shown.
    long double tief = 0, hoch = 60;
    bool erster = true;
    for (const Kurve& k : kurven_)
        for (long double y : k.pegel) {
            tief = erster ? y : std::min(tief, y);
            hoch = erster ? y : std::max(hoch, y);
            erster = false;
        }
    s.ymin = std::floor(tief / 10.0L) * 10.0L - 10.0L;
    s.ymax = std::max(s.ymin + 20.0L, std::ceil(hoch / 10.0L) * 10.0L + 10.0L);
    s.yEinheit = s.ymax - s.ymin > 100 ? 20 : 10;
    s.yTeilung = s.yEinheit / 2;
    s.yNachkomma = 0;
    s.Gitterfarbe = 0xC0C0C0;
    s.dynamische_werte();
    s.Farbe_Hintergrund_einstellen(p);
    s.Hintergrund_gitter(p);
    s.x_Koordinatenachse_zeichnen(p);
    s.y_Koordinatenachse_zeichnen(p);
    if (kurven_.empty()) {
        p.setPen(Qt::darkGray);
        p.drawText(QRect(s.links, s.oben, s.Breite, s.Hoehe), Qt::AlignCenter,
                   tr("Kein gewählter Test für dieses Ohr"));
    }
    p.setRenderHint(QPainter::Antialiasing);
    for (const Kurve& k : kurven_) {
        p.setPen(QPen(Farbe_in_QColor(k.farbe), 1));
        for (size_t i = 1; i < k.pegel.size(); ++i)
            p.drawLine(s.xWert_in_xPixel_Schaubild(k.frequenz[i - 1]),
                       s.yWert_in_yPixel_Schaubild(k.pegel[i - 1]),
                       s.xWert_in_xPixel_Schaubild(k.frequenz[i]), s.yWert_in_yPixel_Schaubild(k.pegel[i]));
        s.Punkte_zeichnen(p, 0, k.farbe, 8, k.stil, k.pegel, k.frequenz, int(k.pegel.size()) - 1);
    }
}

// ---- Window ------------------------------------------------------------------------------

TVerlauf_Form::TVerlauf_Form(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form_Verlauf"));
    setWindowTitle(tr("Verlauf der Hörtests"));
    resize(960, 820);

    Liste = new QTableView(this);
    Liste->setObjectName(QStringLiteral("Liste"));
    Liste->setModel(&modell_);
    Liste->setSelectionBehavior(QAbstractItemView::SelectRows);
    Liste->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Liste->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Liste->verticalHeader()->hide();
    Liste->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Liste->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    Liste->horizontalHeader()->setStretchLastSection(true);
    for (auto [spalte, breite] : {std::pair{0, 150}, {1, 100}, {2, 160}, {3, 90}})
        Liste->setColumnWidth(spalte, breite);
    connect(Liste->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TVerlauf_Form::Knoepfe_einstellen);

    auto knopf = [&](const QString& text, const char* name, void (TVerlauf_Form::*handler)()) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        connect(b, &QPushButton::clicked, this, handler);
        return b;
    };
    Vergleichen = knopf(tr("Vergleichen"), "Vergleichen", &TVerlauf_Form::VergleichenClick);
    Loeschen = knopf(tr("Löschen"), "Loeschen", &TVerlauf_Form::LoeschenClick);
    Exportieren = knopf(tr("Exportieren"), "Exportieren", &TVerlauf_Form::ExportierenClick);
    auto* schliessen = new QPushButton(tr("Schließen"), this);
    connect(schliessen, &QPushButton::clicked, this, &QWidget::close);

    Schaubild_links = new Verlauf_Schaubild(this);
    Schaubild_links->setObjectName(QStringLiteral("Schaubild_links"));
    Schaubild_rechts = new Verlauf_Schaubild(this);
    Schaubild_rechts->setObjectName(QStringLiteral("Schaubild_rechts"));
    Differenzen = new QTableWidget(0, 5, this);
    Differenzen->setObjectName(QStringLiteral("Differenzen"));
    Differenzen->setHorizontalHeaderLabels({tr("Frequenz in Hz"), tr("Test 1 in dB"), tr("Test 2 in dB"),
                                            tr("Differenz in dB"), tr("Differenz in dB(A)")});
    Differenzen->verticalHeader()->hide();
    Differenzen->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Differenzen->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    Hinweise = new QLabel(this);
    Hinweise->setObjectName(QStringLiteral("Hinweise"));
    Hinweise->setWordWrap(true);
    Hinweise->setStyleSheet(QStringLiteral("color: #a00000"));
    Legende = new QLabel(this);
    Legende->setObjectName(QStringLiteral("Legende"));
    Legende->setTextFormat(Qt::RichText);
    Legende->setWordWrap(true);

    auto* knoepfe = new QHBoxLayout;
    for (QPushButton* b : {Vergleichen, Loeschen, Exportieren})
        knoepfe->addWidget(b);
    knoepfe->addStretch();
    knoepfe->addWidget(schliessen);

    auto* oben = new QWidget(this);
    auto* oben_l = new QVBoxLayout(oben);
    oben_l->setContentsMargins(0, 0, 0, 0);
    oben_l->addWidget(Liste);
    oben_l->addLayout(knoepfe);

    auto* unten = new QWidget(this);
    auto* unten_l = new QVBoxLayout(unten);
    unten_l->setContentsMargins(0, 0, 0, 0);
    unten_l->addWidget(Legende);
    auto* schaubilder = new QHBoxLayout;
    for (auto [titel, s] :
         {std::pair{tr("Linkes Ohr"), Schaubild_links}, std::pair{tr("Rechtes Ohr"), Schaubild_rechts}}) {
        auto* spalte = new QVBoxLayout;
        auto* l = new QLabel(titel, this);
        l->setAlignment(Qt::AlignCenter);
        spalte->addWidget(l);
        spalte->addWidget(s, 1);
        schaubilder->addLayout(spalte);
    }
    unten_l->addLayout(schaubilder, 3);
    unten_l->addWidget(Hinweise);
    unten_l->addWidget(Differenzen, 2);

    auto* teiler = new QSplitter(Qt::Vertical, this);
    teiler->addWidget(oben);
    teiler->addWidget(unten);
    teiler->setStretchFactor(0, 1);
    teiler->setStretchFactor(1, 2);
    auto* gesamt = new QVBoxLayout(this);
    gesamt->addWidget(teiler);

    Vergleich_leeren();
    Knoepfe_einstellen();
}

void TVerlauf_Form::showEvent(QShowEvent* e)
{
    if (!e->spontaneous())
        Liste_laden();
    QWidget::showEvent(e);
}

void TVerlauf_Form::Liste_laden()
{
    Verlauf v(Verlaufsdatei());
    auto eintraege = v.liste();
    if (v.zustand() == Verlauf::Zustand::ersetzt)
        Ersetzt_melden(v);
    else if (!v.lesbar())
        Fehler_ausgabe(tr("Der Verlauf kann nicht gelesen werden, weil %1.").arg(v.grund()), tr("Problem"));
    else
        Unlesbare_melden(v, false);
    modell_.setzen(std::move(eintraege));
    Knoepfe_einstellen();
}

std::vector<int64_t> TVerlauf_Form::ausgewaehlt() const
{
    std::vector<int64_t> ids;
    for (const QModelIndex& i : Liste->selectionModel()->selectedRows())
        ids.push_back(modell_.eintrag(i.row()).id);
    return ids;
}

void TVerlauf_Form::Knoepfe_einstellen()
{
    const auto n = Liste->selectionModel()->selectedRows().size();
    Vergleichen->setEnabled(n == 2);
    Loeschen->setEnabled(n >= 1);
    Exportieren->setEnabled(modell_.rowCount() > 0);
}

void TVerlauf_Form::Vergleich_leeren()
{
    Schaubild_links->setzen({});
    Schaubild_rechts->setzen({});
    Differenzen->setRowCount(0);
    Hinweise->clear();
    Legende->setText(tr("Wählen Sie zwei Tests in der Liste und dann \"Vergleichen\"."));
}

void TVerlauf_Form::VergleichenClick()
{
    const auto ids = ausgewaehlt();
    if (ids.size() != 2)
        return;
    std::optional<Verlauf_Test> a, b;
    {
        Verlauf v(Verlaufsdatei());
        a = v.laden(ids[0]);
        b = v.laden(ids[1]);
    }
    if (!a || !b) {
        Fehler_ausgabe(tr("Die gewählten Tests können nicht aus dem Verlauf gelesen werden."), tr("Problem"));
        Liste_laden();
        return;
    }
    // Test 1 is the older one: the differences show the change since then.
    if (b->zeitpunkt < a->zeitpunkt || (b->zeitpunkt == a->zeitpunkt && b->id < a->id))
        std::swap(a, b);
    const Verlauf_Vergleich vergleich = Verlauf_vergleichen(*a, *b);

    std::vector<Verlauf_Schaubild::Kurve> links, rechts;
    for (const auto& [t, farbe, stil] :
         {std::tuple{&*a, Farbe_Test_1, 4}, std::tuple{&*b, Farbe_Test_2, 2}}) {
        Verlauf_Schaubild::Kurve k;
        k.farbe = farbe;
        k.stil = stil;
        for (const Verlauf_Zeile& z : t->zeilen)
            if (z.gemessen) {
                k.frequenz.push_back(z.frequenz);
                k.pegel.push_back(z.dB);
            }
        (t->links ? links : rechts).push_back(std::move(k));
    }
    Schaubild_links->setzen(std::move(links));
    Schaubild_rechts->setzen(std::move(rechts));
    auto beschreibung = [](const Verlauf_Test& t) {
        QString s = Zeitpunkt_text(t.zeitpunkt) + QStringLiteral(", ") + Ohr_text(t.links) +
                    QStringLiteral(", ") + Tonart_text(t.zunehmend, t.pulsierend) + QStringLiteral(", ") +
                    Verlauf_Kalibrierung_text(t).toHtmlEscaped();
        if (!t.name.isEmpty())
            s += QStringLiteral(", ") + t.name.toHtmlEscaped();
        return s;
    };
    //: %1, %3: colours; %2, %4: date, ear, tone, calibration and name of the older and the newer test
    Legende->setText(tr("<span style=\"color:%1\">&#10005; Test 1: %2</span>&nbsp;&nbsp;&nbsp; "
                        "<span style=\"color:%3\">&#9632; Test 2: %4</span>")
                         .arg(Farbe_in_QColor(Farbe_Test_1).name(), beschreibung(*a),
                              Farbe_in_QColor(Farbe_Test_2).name(), beschreibung(*b)));

    Differenzen->setRowCount(int(vergleich.differenzen.size()));
    for (int r = 0; r < int(vergleich.differenzen.size()); ++r) {
        const Verlauf_Differenz& d = vergleich.differenzen[size_t(r)];
        const QString texte[] = {QString::number(d.frequenz), Verlauf_Wert_text(d.dB_a, d.grenze_a),
                                 Verlauf_Wert_text(d.dB_b, d.grenze_b), Verlauf_Differenz_text(d.dB, d.grenze),
                                 Verlauf_Differenz_text(d.dBA, d.grenze)};
        for (int c = 0; c < 5; ++c) {
            auto* item = new QTableWidgetItem(texte[c]);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            Differenzen->setItem(r, c, item);
        }
    }
    QStringList hinweise;
    for (const QString& h : vergleich.hinweise)
        hinweise << h;
    if (vergleich.differenzen.empty())
        hinweise << tr("Die beiden Tests haben keine gemeinsam gemessene Frequenz.");
    Hinweise->setText(hinweise.join(QLatin1Char('\n')));
}

void TVerlauf_Form::LoeschenClick()
{
    const auto ids = ausgewaehlt();
    if (ids.empty())
        return;
    const QString frage =
        ids.size() == 1
            ? tr("Soll der ausgewählte Test aus dem Verlauf gelöscht werden?")
            : tr("Sollen die %1 ausgewählten Tests aus dem Verlauf gelöscht werden?").arg(ids.size());
    if (dialoge().meldung(Symbol::Frage, Knoepfe::JaNein, frage, tr("Frage"), Antwort::Nein) != Antwort::Ja)
        return;
    bool ok = true;
    QString grund;
    {
        Verlauf v(Verlaufsdatei());
        for (int64_t id : ids)
            ok = ok && v.loeschen(id);
        grund = v.grund();
    }
    if (!ok)
        Fehler_ausgabe(tr("Der Verlauf kann nicht geändert werden, weil %1.").arg(grund), tr("Problem"));
    Vergleich_leeren();
    Liste_laden();
}

void TVerlauf_Form::ExportierenClick()
{
    Dateidialog d;
    //: Save-dialog filter: name (pattern)|pattern
    d.filter = tr("CSV-Datei (*.csv)|*.csv");
    d.standard_endung = QStringLiteral("csv");
    d.verzeichnis = Dokumente_pfad.trimmed();
    d.dateiname = QStringLiteral("Verlauf.csv");
    const auto wahl = Speicherdatei_waehlen(d, QStringLiteral("csv"));
    if (!wahl)
        return;
    const QString& pfad = *wahl;
    std::optional<QByteArray> inhalt;
    QString grund;
    {
        Verlauf v(Verlaufsdatei());
        inhalt = v.csv();
        grund = v.grund();
        if (inhalt)
            Unlesbare_melden(v, true);
    }
    if (!inhalt) {
        Fehler_ausgabe(tr("Der Verlauf kann nicht gelesen werden, weil %1.").arg(grund), tr("Problem"));
        return;
    }
    if (!Datei_sicher_schreiben(pfad, *inhalt))
        Fehler_bei_abspeichern();
}

TVerlauf_Form* Verlauf_Fenster()
{
    if (!fenster) {
        fenster = new TVerlauf_Form(Fenster.Form1 ? Fenster.Form1->widget() : nullptr);
        QObject::connect(fenster, &QObject::destroyed, [] { fenster = nullptr; });
    }
    return fenster;
}
