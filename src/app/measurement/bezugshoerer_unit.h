#pragma once
// The calibration with a reference listener: the window leads through the
// start volume (the measurement window's start-volume mode at 1000 Hz, then
// taken over for every frequency), the ordinary hearing test of both ears,
// up to three listeners, the result per row, and saving it into the current
// settings file as the manual calibration of both ears.
#include "core/calibration/bezugshoerer.h"

#include <QWidget>

#include <functional>
#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;

class TBezugshoerer_Form : public QWidget
{
    Q_OBJECT
public:
    // oeffnen(modus, links) opens the measurement window in mode 0 (hearing
    // test) or 1 (start volume) for one ear; gespeichert runs after a save.
    TBezugshoerer_Form(std::function<void(uint8_t, bool)> oeffnen, std::function<void()> gespeichert,
                       QWidget* parent = nullptr);

    // Buttons, by their task.
    QPushButton* Button_Lautstaerke_links = nullptr;
    QPushButton* Button_Lautstaerke_rechts = nullptr;
    QPushButton* Button_Alle_Frequenzen = nullptr;
    QPushButton* Button_Hoertest_links = nullptr;
    QPushButton* Button_Hoertest_rechts = nullptr;
    QPushButton* Button_Hoerer = nullptr;   // "Hörer übernehmen"
    QPushButton* Button_Neu = nullptr;      // forget the listeners
    QPushButton* Button_Speichern = nullptr;
    QLabel* Erklaerung = nullptr;
    QLabel* Stand_Label = nullptr;
    QTableWidget* Tabelle = nullptr;

    // Row 5's start volume (1000 Hz) of each ear for every row; an ear whose
    // row 5 is still the default takes the other ear's. Saved at once.
    void Alle_Frequenzen_Click();
    // The results store as the next listener (at most three).
    void Hoerer_Click();
    void Neu_Click();
    void Speichern_Click();
    const std::vector<Bezugshoerer_Lauf>& laeufe() const { return laeufe_; }
    void Tabelle_fuellen();

private:
    std::function<void(uint8_t, bool)> oeffnen_;
    std::function<void()> gespeichert_;
    std::vector<Bezugshoerer_Lauf> laeufe_;
};
