#include "app/shell/erste_schritte.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TErste_Schritte_Form::TErste_Schritte_Form(std::function<void(Kalibrierweg)> gewaehlt, QWidget* parent)
    : QDialog(parent), gewaehlt_(std::move(gewaehlt))
{
    setObjectName(QStringLiteral("Erste_Schritte_Form"));
    setWindowTitle(tr("Erste Schritte"));
    setModal(false);
    auto* spalte = new QVBoxLayout(this);
    auto* frage = new QLabel(tr("<b>Womit möchten Sie kalibrieren?</b>"), this);
    frage->setObjectName(QStringLiteral("Frage"));
    spalte->addWidget(frage);
    auto* text = new QLabel(
        tr("Noch ist kein Ohr kalibriert: Die Hörschwellen beruhen auf Grundwerten und sagen nichts "
           "über Ihr Gehör. Wählen Sie, womit Sie den Kopfhörer kalibrieren."),
        this);
    text->setWordWrap(true);
    spalte->addWidget(text);
    struct Weg {
        QPushButton** knopf;
        const char* name;
        QString text;
        Kalibrierweg weg;
    };
    const Weg wege[] = {
        {&Button_Schallpegelmesser, "Button_Schallpegelmesser",
         tr("Schallpegelmesser – manuelle Kalibrierung"), Kalibrierweg::Schallpegelmesser},
        {&Button_Messmikrofon, "Button_Messmikrofon", tr("Messmikrofon – automatische Kalibrierung"),
         Kalibrierweg::Messmikrofon},
        {&Button_Bezugshoerer, "Button_Bezugshoerer", tr("Bezugshörer – ein Mensch mit normalem Gehör"),
         Kalibrierweg::Bezugshoerer},
        {&Button_ohne, "Button_ohne", tr("Ohne Kalibrierung fortfahren"), Kalibrierweg::ohne},
    };
    for (const Weg& w : wege) {
        auto* b = new QPushButton(w.text, this);
        b->setObjectName(QString::fromLatin1(w.name));
        *w.knopf = b;
        spalte->addWidget(b);
        const Kalibrierweg weg = w.weg;
        connect(b, &QPushButton::clicked, this, [this, weg] {
            hide();
            if (gewaehlt_)
                gewaehlt_(weg);
        });
    }
    auto* hinweis = new QLabel(tr("Ohne Kalibrierung wird jedes Ergebnis als „nicht kalibriert "
                                  "(Grundwerte)“ gekennzeichnet."),
                               this);
    hinweis->setWordWrap(true);
    spalte->addWidget(hinweis);
}
