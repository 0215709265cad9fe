#include "app/measurement/schallpegel_fenster.h"

#include "app/measurement/aufnahme.h"
#include "core/acoustics/kv_fft_daten.h"
#include "core/shell/kvhilf.h"
#include "core/shell/meldungen.h"
#include "platform/audio/aufnehmer.h"
#include "core/shell/sprache.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QTimer>

#include <algorithm>

// The level bar: 20..130 dB(A), the current reading filled, the highest one a line.
class Pegelbalken : public QWidget
{
public:
    explicit Pegelbalken(QWidget* parent) : QWidget(parent) { setMinimumSize(360, 28); }
    void setzen(double pegel, double hoechster)
    {
        pegel_ = pegel;
        hoechster_ = hoechster;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        constexpr double unten = 20, oben = 130;
        QPainter p(this);
        const QRect r = rect().adjusted(0, 0, -1, -1);
        p.fillRect(r, QColor(40, 40, 40));
        auto x = [&](double L) { return int(r.width() * std::clamp((L - unten) / (oben - unten), 0.0, 1.0)); };
        const QColor farbe = pegel_ >= 85 ? QColor(220, 40, 40) : pegel_ >= 70 ? QColor(230, 200, 40)
                                                                               : QColor(60, 190, 80);
        p.fillRect(QRect(r.left(), r.top(), x(pegel_), r.height()), farbe);
        p.setPen(QPen(Qt::white, 2));
        if (hoechster_ > unten)
            p.drawLine(x(hoechster_), r.top(), x(hoechster_), r.bottom());
        p.setPen(Qt::gray);
        for (int L = 30; L < 130; L += 10)
            p.drawLine(x(L), r.bottom() - 4, x(L), r.bottom());
    }

private:
    double pegel_ = -200, hoechster_ = -200;
};

namespace
{

QPointer<TSchallpegel_Form> fenster;

QString Pegeltext(double L, const char* einheit)
{
    if (L <= -150)
        return QStringLiteral("– ") + QString::fromUtf8(einheit);
    return Zahltext(5, 1, L).trimmed() + QStringLiteral(" ") + QString::fromUtf8(einheit);
}

bool Kalibrierung_vorhanden()
{
    const auto& w = FFT_Tabellen.W_dB_slow;
    return std::any_of(w.begin(), w.end(), [](long double x) { return x > 0; });
}

} // namespace

void Schallpegel_zeigen(QWidget* hauptfenster)
{
    if (!Kalibrierung_vorhanden()) {
        Informations_ausgabe(
            QCoreApplication::translate(
                "schallpegel_fenster",
                "Es ist keine Kalibrierung des Mikrofons aktiv. Bitte richten Sie zuerst ein "
                "Messmikrofon ein oder laden Sie die Einstellungen des Schallpegelmessers."),
            QCoreApplication::translate("schallpegel_fenster", "Information"));
        return;
    }
    if (!fenster)
        fenster = new TSchallpegel_Form(hauptfenster);
    fenster->show();
    fenster->raise();
    if (!fenster->starten())
        fenster->close();
}

TSchallpegel_Form::TSchallpegel_Form(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Schallpegel_Form"));
    setWindowTitle(tr("Schallpegel"));
    setModal(true);
    auto* g = new QGridLayout(this);
    auto gross = [this](const QString& name) {
        auto* l = new QLabel(this);
        l->setObjectName(name);
        QFont f = l->font();
        f.setPointSize(f.pointSize() * 2);
        f.setBold(true);
        l->setFont(f);
        return l;
    };
    Pegel_dB = gross(QStringLiteral("Pegel_dB"));
    Pegel_dBA = gross(QStringLiteral("Pegel_dBA"));
    Pegel_dBC = gross(QStringLiteral("Pegel_dBC"));
    g->addWidget(Pegel_dB, 0, 0);
    g->addWidget(Pegel_dBA, 0, 1);
    g->addWidget(Pegel_dBC, 0, 2);
    Balken = new Pegelbalken(this);
    g->addWidget(Balken, 1, 0, 1, 3);
    Spitze = new QLabel(this);
    Frequenz = new QLabel(this);
    Uebersteuert = new QLabel(tr("übersteuert"), this);
    Uebersteuert->setStyleSheet(QStringLiteral("color: white; background: #c00000; padding: 2px;"));
    Uebersteuert->setVisible(false);
    g->addWidget(Spitze, 2, 0);
    g->addWidget(Frequenz, 2, 1);
    g->addWidget(Uebersteuert, 2, 2);
    Takt = new QTimer(this);
    Takt->setInterval(Anzeige_ms);
    connect(Takt, &QTimer::timeout, this, &TSchallpegel_Form::Anzeige_erneuern);
    resize(460, 150);
    Anzeige_erneuern();
}

TSchallpegel_Form::~TSchallpegel_Form()
{
    anhalten();
}

bool TSchallpegel_Form::starten()
{
    if (laeuft_)
        return true;
    Aufnehmer* a = Aufnehmer_eingesetzt();
    if (!a || !Bass_Aufnahme_Initialisierung())
        return false;
    sammler_.neu_beginnen();
    hoechster_ = -200;
    a->uebergabe().starten();
    verbindung_ = connect(a, &Aufnehmer::Puffer_da, this, &TSchallpegel_Form::Puffer, Qt::QueuedConnection);
    if (!a->starten()) {
        a->uebergabe().anhalten();
        disconnect(verbindung_);
        Audio_Fehler(tr("Die Audioaufnahme kann nicht gestartet werden. Vermutlich greift ein "
                        "anderes Programm ebenfalls auf die Audioaufnahme zu."));
        return false;
    }
    laeuft_ = true;
    Takt->start();
    return true;
}

void TSchallpegel_Form::anhalten()
{
    if (!laeuft_)
        return;
    laeuft_ = false;
    Takt->stop();
    disconnect(verbindung_);
    if (Aufnehmer* a = Aufnehmer_eingesetzt()) {
        a->uebergabe().anhalten();
        a->stoppen();
    }
}

void TSchallpegel_Form::Puffer()
{
    Aufnehmer* a = Aufnehmer_eingesetzt();
    if (!laeuft_ || !a)
        return;
    uint32_t nummer = 0;
    if (a->uebergabe().abholen(puffer_, nummer))
        sammler_.Puffer_anhaengen(puffer_.data(), puffer_.size());
    a->uebergabe().weiter_annehmen();
}

void TSchallpegel_Form::Anzeige_erneuern()
{
    if (sammler_.Bloecke() > 0) {
        werte_ = sammler_.auswerten(FFT_Tabellen);
        sammler_.zuruecksetzen();
        hoechster_ = std::max(hoechster_, werte_.dBA);
    } else if (laeuft_) {
        return; // nothing new yet: the last reading stays
    }
    Pegel_dB->setText(Pegeltext(werte_.dB, "dB"));
    Pegel_dBA->setText(Pegeltext(werte_.dBA, "dB(A)"));
    Pegel_dBC->setText(Pegeltext(werte_.dBC, "dB(C)"));
    //: %1 the highest level since the window opened, with its unit
    Spitze->setText(tr("Höchstwert: %1").arg(Pegeltext(hoechster_, "dB(A)")));
    Frequenz->setText(werte_.Frequenz > 0
                          ? tr("Frequenz: %1 Hz").arg(extendedzustring(1, 0, werte_.Frequenz).trimmed())
                          : tr("Frequenz: –"));
    Uebersteuert->setVisible(werte_.uebersteuert);
    Balken->setzen(werte_.dBA, hoechster_);
}

void TSchallpegel_Form::closeEvent(QCloseEvent* e)
{
    anhalten();
    QDialog::closeEvent(e);
}
