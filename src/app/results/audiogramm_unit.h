#pragma once
// The audiogram window "Audiogramm": the thresholds of both ears as the
// deviation from the normal threshold over octaves, the four-frequency
// averages with their grades, each ear's calibration, the values, and the
// two saves: the one-page PDF report and the values as CSV. Everything it
// shows is computed by charts/audiogramm from the results store each time
// the window is shown.
#include "charts/audiogramm.h"

#include <QMainWindow>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class Zeichenflaeche;

class TAudiogramm_Form : public QMainWindow
{
    Q_OBJECT
public:
    explicit TAudiogramm_Form(QWidget* parent = nullptr);
    ~TAudiogramm_Form() override;

    // Values from the results store and the settings; repaints.
    void Audiogramm_ausgeben();
    void Button1Click(); // "Bericht speichern"
    void Button2Click(); // "Werte exportieren"
    // Shows the name of the person tested (Testperson_Name) in Name_Edit.
    void Name_zeigen();

    Zeichenflaeche* Audiogramm = nullptr;
    QLineEdit* Name_Edit = nullptr;
    QLabel* Mittelwerte_Label = nullptr;
    QLabel* Eichung_Label = nullptr;
    QTableWidget* Werte_Tabelle = nullptr;
    QLabel* Hohe_Frequenzen_Label = nullptr;
    QLabel* Hinweis_Label = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;

    const Audiogramm_Daten& Daten() const { return daten_; }

protected:
    void showEvent(QShowEvent* e) override;

private:
    // The save dialog for `endung` ("pdf", "csv") with the overwrite
    // question; empty when cancelled.
    QString Speicherpfad_waehlen(const QString& filter, const QString& endung);

    Audiogramm_Daten daten_;
};
