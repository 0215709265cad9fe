#pragma once
// The hearing-threshold chart window "Hörschwelle": the measured thresholds of
// both ears as markers over the frequency axis with the ISO 226 normal
// threshold and the 0-dB(A) curve, units of both axes, scrolling, and a
// crosshair readout. It draws with the two chart objects of
// charts/hoerschwelle_schaubild, created at program start; "Schaubilder
// speichern" opens the chart picture window.
#include <QMainWindow>

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPainter;
class QPushButton;
class QScrollBar;
class Zeichenflaeche;

class THoerschwelle_Schaubild_Form : public QMainWindow
{
    Q_OBJECT
public:
    explicit THoerschwelle_Schaubild_Form(QWidget* parent = nullptr);
    ~THoerschwelle_Schaubild_Form() override;

    // Markers from the results store; repaints the plot.
    void Schaubild_ausgeben();

    void yAchsePaint(QPainter& p);
    void xAchsePaint(QPainter& p);
    void SchaubildPaint(QPainter& p);
    void ZeiteinheitComboBoxSelect();
    void DruckeinheitComboBoxSelect();
    void ZeitScrollBarScroll(int position);
    void DruckScrollBarScroll(int position);
    // Left button (while "Schaubilder speichern" is enabled): the crosshair
    // goes to the pixel (x, y) of the plot; other buttons do nothing.
    void SchaubildMouseDown(Qt::MouseButton knopf, int x, int y);
    void Button4Click(); // "Fadenkreuz löschen"
    void Button2Click(); // "Schaubilder speichern"
    void CheckBoxClick();
    void FormResize();

    QWidget* Gesamt_Panel = nullptr;
    Zeichenflaeche* yAchse = nullptr;
    Zeichenflaeche* xAchse = nullptr;
    QWidget* Schaubild_Panel = nullptr;
    Zeichenflaeche* Schaubild = nullptr;
    QScrollBar* ZeitScrollBar = nullptr;
    QScrollBar* DruckScrollBar = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    QCheckBox* CheckBox3 = nullptr;
    QCheckBox* CheckBox4 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* DruckeinheitComboBox = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* ZeiteinheitComboBox = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button4 = nullptr;
    std::array<QLabel*, 4> StatusBar1Panel{};

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void Geometrie_Einstellungen();
    void erstemalcreate();
    void Ausgangs_werte_1();
    void Groesse_Gesamt_Panel();
    void Groesse_Zuordnen();
    void Zeit_Einheit_festlegen();
    void Schallpegel_Einheit_festlegen();
    // Sets a scroll bar without running its scroll handler.
    static void Scrollbar_setzen(QScrollBar* s, int maximum, int position, int aenderung);

    QWidget* mitte_ = nullptr;
};

// The chart window of the running program (null before it exists).
extern THoerschwelle_Schaubild_Form* Hoerschwelle_Schaubild_Form;
