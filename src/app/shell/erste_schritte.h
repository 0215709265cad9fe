#pragma once
// The first-start guide "Womit möchten Sie kalibrieren?": the routes to a
// calibration that exist, or on without one. Shown without blocking, once
// when a hearing test opens while no ear has a calibration of its own, and
// from the menu "Info".
#include <QDialog>

#include <functional>

class QPushButton;

enum class Kalibrierweg { Schallpegelmesser, Messmikrofon, Bezugshoerer, ohne };

class TErste_Schritte_Form : public QDialog
{
    Q_OBJECT
public:
    explicit TErste_Schritte_Form(std::function<void(Kalibrierweg)> gewaehlt, QWidget* parent = nullptr);

    QPushButton* Button_Schallpegelmesser = nullptr;
    QPushButton* Button_Messmikrofon = nullptr;
    QPushButton* Button_Bezugshoerer = nullptr;
    QPushButton* Button_ohne = nullptr;

private:
    std::function<void(Kalibrierweg)> gewaehlt_;
};
