#pragma once
// The running program: German texts for Qt's own dialogs, the dialog
// implementation, the player, the windows in their creation order, start-up
// and shut-down.
#include "app/shell/qt_dialoge.h"

#include <QTranslator>

#include <memory>

class Abspieler;
class Aufnehmer;
class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class Mischpult;
class Speicherwarnung_einmal;
class TForm_Norm_Tab;
class TForm_NulldBA_Tab;
class THoerschwelle_Schaubild_Form;
class TOszi_Grafik;
class TAudiogramm_Form;

class Programm
{
public:
    // Without a player of its own the program plays through PortAudio,
    // without a recorder it records through PortAudio. Without dialogs of
    // their own the Qt message boxes are used.
    explicit Programm(Abspieler* abspieler = nullptr, Dialoge* dialoge = nullptr,
                      Aufnehmer* aufnehmer = nullptr);
    ~Programm();
    // Creates the windows, runs the start-up and shows the main window.
    void starten();
    // Stops the tone and a running tone-file generation.
    void beenden();
    TForm1* hauptfenster() const { return form1_.get(); }
    TForm2* messfenster() const { return form2_.get(); }

private:
    void Sprache_einrichten();
    QTranslator qt_uebersetzung_;
    QTranslator uebersetzung_;
    Qt_Dialoge qt_dialoge_;
    std::unique_ptr<Abspieler> eigener_abspieler_;
    Abspieler* abspieler_ = nullptr;
    std::unique_ptr<Aufnehmer> eigener_aufnehmer_;
    // The sound card's mixer, unless one was installed before the program started.
    std::unique_ptr<Mischpult> eigenes_mischpult_;
    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<TForm2> form2_;
    std::unique_ptr<TForm3> form3_;
    std::unique_ptr<TForm4> form4_;
    std::unique_ptr<TForm6> form6_;
    std::unique_ptr<THoerschwelle_Schaubild_Form> schaubild_;
    std::unique_ptr<TOszi_Grafik> oszi_grafik_;
    std::unique_ptr<TForm_Norm_Tab> form_norm_tab_;
    std::unique_ptr<TForm_NulldBA_Tab> form_nulldba_tab_;
    std::unique_ptr<TForm5> form5_;
    std::unique_ptr<TAudiogramm_Form> audiogramm_;
    // Alive from the start until its tone generation has ended.
    std::unique_ptr<Speicherwarnung_einmal> start_warnung_;
    bool beendet_ = false;
};
