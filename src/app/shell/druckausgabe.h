#pragma once
// Printing of the table windows: choosing a printer (the print dialog in the
// running program; a PDF file in tests) and drawing a page plan of the core
// onto it with one unit = 0.1 mm, Arial.
#include "core/results/druckplan.h"

#include <QString>

#include <functional>

class QPrinter;
class QWidget;

// Asks where to print. False: the user cancelled, nothing is printed.
class Druckerwahl
{
public:
    virtual ~Druckerwahl() = default;
    virtual bool waehlen(QPrinter& drucker, QWidget* eltern) = 0;
};

// The print dialog.
class Qt_Druckerwahl : public Druckerwahl
{
public:
    bool waehlen(QPrinter& drucker, QWidget* eltern) override;
};

// Prints into a PDF file on A4 without asking; used by tests.
class Pdf_Druckerwahl : public Druckerwahl
{
public:
    QString pfad;
    bool abbrechen = false;
    int aufrufe = 0;
    bool waehlen(QPrinter& drucker, QWidget* eltern) override;
};

// The installed choice; without one the print dialog.
Druckerwahl& druckerwahl();
void druckerwahl_setzen(Druckerwahl* w);

// Sets orientation and job title, takes the page size in 0.1 mm from the
// printer, lets `plan` lay out the pages for it and draws them. False (after
// a message) when the printer cannot be used.
bool Druckauftrag_drucken(QPrinter& drucker, const QString& titel, bool hochformat,
                          const std::function<Druckauftrag(int seitenbreite, int seitenhoehe)>& plan);
