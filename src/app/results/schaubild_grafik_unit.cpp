#include "app/results/schaubild_grafik_unit.h"

#include "app/settings/einstellungsdatei_waehlen.h"
#include "app/shell/fenster.h"
#include "app/shell/fensterwechsel.h"
#include "app/shell/menue.h"
#include "app/results/zeichenflaeche.h"
#include "core/settings/einstellungen.h"
#include "core/shell/kvhilf.h"

#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QVBoxLayout>

TOszi_Grafik* Oszi_Grafik = nullptr;

TOszi_Grafik::TOszi_Grafik(QWidget* parent) : QMainWindow(parent)
{
    Oszi_Grafik = this;
    Fenster.Oszi_Grafik = this;
    setObjectName(QStringLiteral("Oszi_Grafik"));
    setWindowTitle(tr("Schaubilder zur Hörschwelle"));
    Farben = Schaubild_Farben{};
    Geometrie_Einstellungen();
    Ausgangs_werte();
    setMinimumSize(600, 350);
    resize(680, 520);
    layout()->activate();
    FormResize();
    //: Save-dialog filters: name (pattern)|pattern|name (pattern)|pattern
    SavePictureDialog1.filter = tr("jpeg (*.jpg)|*.jpg|Bitmap (*.bmp)|*.bmp");
    SavePictureDialog1.filter_index = 1;
    SavePictureDialog1.standard_endung = QStringLiteral("jpg");
    SavePictureDialog1.verzeichnis = Dokumente_pfad.trimmed();
    Bild_Typ_jpg = true;
    wechsel_ = new Fensterwechsel(this, [this] { FormDeactivate(); });
}

TOszi_Grafik::~TOszi_Grafik()
{
    if (Oszi_Grafik == this)
        Oszi_Grafik = nullptr;
    if (Fenster.Oszi_Grafik == this)
        Fenster.Oszi_Grafik = nullptr;
}

void TOszi_Grafik::Geometrie_Einstellungen()
{
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(12);
    setFont(arial);

    QMenuBar* leiste = menuBar();
    leiste->setNativeMenuBar(false);
    QMenu* datei = leiste->addMenu(tr("Datei"));
    datei->setObjectName(QStringLiteral("Datei1"));
    Speichern1 = Menuepunkt(datei, tr("Speichern"), "Speichern1", this, &TOszi_Grafik::Speichern1Click);
    Beenden1 = Menuepunkt(datei, tr("Beenden"), "Beenden1", this, &TOszi_Grafik::Beenden1Click);
    QMenu* farben = leiste->addMenu(tr("Farben"));
    farben->setObjectName(QStringLiteral("Farben1"));
    Hintergrund1 =
        Menuepunkt(farben, tr("Hintergrund"), "Hintergrund1", this, &TOszi_Grafik::Hintergrund1Click);
    Gitter1 = Menuepunkt(farben, tr("Gitter"), "Gitter1", this, &TOszi_Grafik::Gitter1Click);
    Kurve1 = Menuepunkt(farben, tr("Normhörschwelle"), "Kurve1", this, &TOszi_Grafik::Kurve1Click);
    N0dBAKurve1 =
        Menuepunkt(farben, tr("0-dB(A)-Kurve"), "N0dBAKurve1", this, &TOszi_Grafik::N0dBAKurve1Click);
    LinkesOhr1 = Menuepunkt(farben, tr("Linkes Ohr"), "LinkesOhr1", this, &TOszi_Grafik::LinkesOhr1Click);
    RechtesOhr1 = Menuepunkt(farben, tr("Rechtes Ohr"), "RechtesOhr1", this, &TOszi_Grafik::RechtesOhr1Click);

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    QPalette weiss = Panel1->palette();
    weiss.setColor(QPalette::Window, Qt::white);
    Panel1->setPalette(weiss);
    Panel1->setAutoFillBackground(true);
    auto* fuellen = new QVBoxLayout(Panel1);
    fuellen->setContentsMargins(0, 0, 0, 0);
    PaintBox1 = new Zeichenflaeche(Panel1, "PaintBox1");
    PaintBox1->malen = [this](QPainter& p) { PaintBox1Paint(p); };
    PaintBox1->installEventFilter(this);
    fuellen->addWidget(PaintBox1);
    setCentralWidget(Panel1);

    StatusBar1Panel0 = new QLabel(tr("Pixel"), this);
    StatusBar1Panel0->setObjectName(QStringLiteral("StatusBar1Panel0"));
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->addWidget(StatusBar1Panel0, 1);
}

void TOszi_Grafik::Ausgangs_werte()
{
    Ausgangs_werte_Bild(Bild_Norm);
    Ausgangs_werte_Bild(Bild_NulldBA);
}

void TOszi_Grafik::FormResize()
{
    for (TkvSchaubild2c* s : {&Bild_Norm, &Bild_NulldBA}) {
        s->Bildbreite = PaintBox1->width();
        s->Bildhoehe = PaintBox1->height();
        s->eine_Zeichenflaeche = true;
        s->dynamische_werte();
        s->xPixel_Schaubild_vorbereiten();
    }
    //: %1 x %2: width and height of the picture in pixels
    StatusBar1Panel0->setText(tr("Pixel: %1 x %2").arg(Bild_Norm.Bildbreite).arg(Bild_Norm.Bildhoehe));
}

bool TOszi_Grafik::eventFilter(QObject* o, QEvent* e)
{
    if (o == PaintBox1 && e->type() == QEvent::Resize)
        FormResize();
    return QMainWindow::eventFilter(o, e);
}

void TOszi_Grafik::showEvent(QShowEvent* e)
{
    wechsel_->zuruecksetzen();
    QMainWindow::showEvent(e);
    PaintBox1->update();
}

void TOszi_Grafik::Werte_Schaubild_ubernehmen()
{
    if (Schaubild_Norm)
        ::Werte_Schaubild_ubernehmen(*Schaubild_Norm, Bild_Norm);
    if (Schaubild_NulldBA)
        ::Werte_Schaubild_ubernehmen(*Schaubild_NulldBA, Bild_NulldBA);
    for (TkvSchaubild2c* s : {&Bild_Norm, &Bild_NulldBA}) {
        s->dynamische_werte();
        s->xPixel_Schaubild_vorbereiten();
    }
}

void TOszi_Grafik::Schaubilder_Grafik_zeichnen(QPainter& p)
{
    Schaubilder_zeichnen(p, Bild_Norm, Bild_NulldBA, Schaubild_Anzeige, Farben);
}

void TOszi_Grafik::PaintBox1Paint(QPainter& p)
{
    Werte_Schaubild_ubernehmen();
    Bild_Norm.x_Koordinatenachse_zeichnen(p);
    Bild_Norm.y_Koordinatenachse_zeichnen(p);
    Bild_Norm.Farbe_Hintergrund_einstellen(p);
    Schaubilder_Grafik_zeichnen(p);
}

void TOszi_Grafik::SavePictureDialog1TypeChange()
{
    Bild_Typ_jpg = !Bild_Typ_jpg;
    SavePictureDialog1.standard_endung = Bild_Typ_jpg ? QStringLiteral("jpg") : QStringLiteral("bmp");
    SavePictureDialog1.filter_index = Bild_Typ_jpg ? 1 : 2;
}

void TOszi_Grafik::Speichern1Click()
{
    SavePictureDialog1.filter_index = Bild_Typ_jpg ? 1 : 2;
    SavePictureDialog1.standard_endung = Bild_Typ_jpg ? QStringLiteral("jpg") : QStringLiteral("bmp");
    // The documents folder may be found only after the window was created.
    if (SavePictureDialog1.verzeichnis.isEmpty())
        SavePictureDialog1.verzeichnis = Dokumente_pfad.trimmed();
    const auto wahl = dialoge().datei_speichern(SavePictureDialog1);
    if (!wahl || wahl->pfad.isEmpty())
        return;
    // The dialog reports its file type only as the chosen filter; a change of
    // type there is a toggle of the flag.
    if ((wahl->filter_index == 2) == Bild_Typ_jpg)
        SavePictureDialog1TypeChange();
    QString pfad =
        Endung_ersetzen(wahl->pfad, Bild_Typ_jpg ? QStringLiteral(".jpg") : QStringLiteral(".bmp"));
    SavePictureDialog1.dateiname = pfad;
    SavePictureDialog1.verzeichnis = Verzeichnis_von_Datei(pfad);
    if (Datei_existiert(pfad) && !Ueberschreiben_fragen(pfad))
        return;
    Werte_Schaubild_ubernehmen();
    QImage bild = Bild_Norm.Schaubilder_speichern_anfang(PaintBox1->font());
    {
        QPainter p(&bild);
        p.setFont(PaintBox1->font());
        Schaubilder_Grafik_zeichnen(p);
    }
    if (Bild_Typ_jpg)
        Bild_Norm.Schaubilder_speichern_jpg_ende(bild, pfad);
    else
        Bild_Norm.Schaubilder_speichern_bmp_ende(bild, pfad);
}

void TOszi_Grafik::Beenden1Click()
{
    close();
}

void TOszi_Grafik::FormDeactivate()
{
    close();
}

bool TOszi_Grafik::Farbe_waehlen(int32_t& farbe)
{
    const std::optional<int32_t> neu = dialoge().farbe_waehlen(farbe);
    if (!neu)
        return false;
    farbe = *neu;
    PaintBox1->update();
    return true;
}

void TOszi_Grafik::Hintergrund1Click()
{
    Farbe_waehlen(Bild_Norm.Hintergrundfarbe);
}

void TOszi_Grafik::Gitter1Click()
{
    int32_t farbe = Bild_Norm.Gitterfarbe;
    if (Farbe_waehlen(farbe))
        Bild_Norm.Gitterfarbe = Bild_NulldBA.Gitterfarbe = farbe;
}

void TOszi_Grafik::Kurve1Click()
{
    Farbe_waehlen(Farben.norm);
}

void TOszi_Grafik::N0dBAKurve1Click()
{
    Farbe_waehlen(Farben.null_dBA);
}

void TOszi_Grafik::LinkesOhr1Click()
{
    Farbe_waehlen(Farben.links);
}

void TOszi_Grafik::RechtesOhr1Click()
{
    Farbe_waehlen(Farben.rechts);
}
