#pragma once
// The history window ("Testergebnisse" -> "Verlauf"): the stored hearing
// tests newest first, deleting after a question, the CSV export of the whole
// history, and the comparison of two chosen tests: both drawn over each
// other per ear, the differences per frequency in a table and notes where
// the two tests were made differently.
//
// Storing a test (Test_in_Verlauf_speichern) is called when the measurement
// window's results are accepted; it reports a failure and changes nothing
// else, so the hearing test goes on as without a history.
#include "core/results/verlauf.h"

#include <QAbstractTableModel>
#include <QWidget>

#include <vector>

class QLabel;
class QPushButton;
class QTableView;
class QTableWidget;
class TkvSchaubild2b;

// "<settings folder>/Verlauf.sqlite".
QString Verlaufsdatei();
// Stores the ear's accepted results with the current settings and the name
// of the person tested, and notes the stored test with the accepted results.
// Nothing is stored when no row was measured. A failure is told in a message box.
void Test_in_Verlauf_speichern(bool links);
// The name of the person tested, typed in the results table or the
// audiogram: both show it, and the tests stored from the results now in the
// store take it over in the history (the name was typed for them).
void Testperson_Name_setzen(const QString& name);

// The list: one line per stored test, formatted only when shown.
class Verlauf_Modell : public QAbstractTableModel
{
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    void setzen(std::vector<Verlauf_Eintrag> eintraege);
    const Verlauf_Eintrag& eintrag(int zeile) const { return eintraege_[size_t(zeile)]; }
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<Verlauf_Eintrag> eintraege_;
};

// One ear's chart of the comparison: the thresholds (dB) of up to two tests
// as markers joined by lines, drawn with the chart class.
class Verlauf_Schaubild : public QWidget
{
    Q_OBJECT
public:
    explicit Verlauf_Schaubild(QWidget* parent = nullptr);
    ~Verlauf_Schaubild() override;
    struct Kurve {
        std::vector<long double> frequenz;
        std::vector<long double> pegel;
        int32_t farbe = 0;
        int stil = 4;
    };
    void setzen(std::vector<Kurve> kurven);
    const std::vector<Kurve>& kurven() const { return kurven_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    std::vector<Kurve> kurven_;
};

class TVerlauf_Form : public QWidget
{
    Q_OBJECT
public:
    explicit TVerlauf_Form(QWidget* parent = nullptr);

    // Reads the history anew (after a test was stored or the window is shown).
    void Liste_laden();
    void VergleichenClick();
    void LoeschenClick();
    void ExportierenClick();

    QTableView* Liste = nullptr;
    QPushButton* Vergleichen = nullptr;
    QPushButton* Loeschen = nullptr;
    QPushButton* Exportieren = nullptr;
    Verlauf_Schaubild* Schaubild_links = nullptr;
    Verlauf_Schaubild* Schaubild_rechts = nullptr;
    QTableWidget* Differenzen = nullptr;
    QLabel* Hinweise = nullptr;
    QLabel* Legende = nullptr;

protected:
    void showEvent(QShowEvent* e) override;

private:
    std::vector<int64_t> ausgewaehlt() const;
    void Knoepfe_einstellen();
    void Vergleich_leeren();

    Verlauf_Modell modell_;
};

// The window, created on first use as a child of the main window.
TVerlauf_Form* Verlauf_Fenster();
