#pragma once
// The chart picture window "Schaubilder zur Hörschwelle": the content of the
// hearing-threshold chart window as one picture (axes, grid, curves and
// markers on one canvas, never the crosshair) at the window's size, with
// colours of the user's choice, saved as JPEG or BMP of exactly the size
// shown in the status bar. It follows the chart window's axes, units and
// check boxes at every paint and closes when another window of the program
// becomes active.
#include "charts/hoerschwelle_schaubild.h"
#include "core/shell/dialoge.h"

#include <QMainWindow>

class Fensterwechsel;
class QAction;
class QLabel;
class Zeichenflaeche;

class TOszi_Grafik : public QMainWindow
{
    Q_OBJECT
public:
    explicit TOszi_Grafik(QWidget* parent = nullptr);
    ~TOszi_Grafik() override;

    void PaintBox1Paint(QPainter& p);
    // A type change in the save dialog: toggles Bild_Typ_jpg and the default extension.
    void SavePictureDialog1TypeChange();
    void Speichern1Click();
    void Beenden1Click();
    void Hintergrund1Click();
    void Gitter1Click();
    void Kurve1Click();
    void N0dBAKurve1Click();
    void LinkesOhr1Click();
    void RechtesOhr1Click();
    void FormDeactivate();
    void FormResize();

    QWidget* Panel1 = nullptr;
    Zeichenflaeche* PaintBox1 = nullptr;
    QLabel* StatusBar1Panel0 = nullptr;
    QAction* Speichern1 = nullptr;
    QAction* Beenden1 = nullptr;
    QAction* Hintergrund1 = nullptr;
    QAction* Gitter1 = nullptr;
    QAction* Kurve1 = nullptr;
    QAction* N0dBAKurve1 = nullptr;
    QAction* LinkesOhr1 = nullptr;
    QAction* RechtesOhr1 = nullptr;
    // The save dialog's settings; its file name is the last path saved.
    Dateidialog SavePictureDialog1;

    // true: "Speichern" writes JPEG, false: BMP.
    bool Bild_Typ_jpg = true;
    // Colours of the curves and markers; they stay while the program runs.
    Schaubild_Farben Farben;
    // The picture's chart objects: the ISO 226 object (also axes, background,
    // grid and markers) and the 0-dB(A) object, both on one canvas.
    TkvSchaubild2c Bild_Norm;
    TkvSchaubild2c Bild_NulldBA;

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void Geometrie_Einstellungen();
    void Ausgangs_werte();
    // Axes, units and curve fields from the chart window's objects; geometry
    // and pixel columns for the current size.
    void Werte_Schaubild_ubernehmen();
    void Schaubilder_Grafik_zeichnen(QPainter& p);
    // The colour dialog; true and `farbe` changed when the user confirmed.
    bool Farbe_waehlen(int32_t& farbe);

    Fensterwechsel* wechsel_ = nullptr;
};

// The chart picture window of the running program (null before it exists).
extern TOszi_Grafik* Oszi_Grafik;
