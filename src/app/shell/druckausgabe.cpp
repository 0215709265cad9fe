#include "app/shell/druckausgabe.h"

#include "core/shell/meldungen.h"

#include <QCoreApplication>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPen>
#include <QPrintDialog>
#include <QPrinter>

namespace
{
Druckerwahl* aktuelle = nullptr;

// Arial's (and Liberation Sans') cell height, ascent + descent, per em. The
// plans give font heights as cell heights, as a printer canvas does.
constexpr double Zellenhoehe_pro_Geviert = (1854.0 + 434.0) / 2048.0;

void Kein_Drucker_melden()
{
    Fehler_ausgabe(QCoreApplication::translate(
                       "druckausgabe", "Drucken ist nicht möglich: Es ist kein Drucker verfügbar oder der "
                                       "Drucker kann nicht verwendet werden."),
                   QCoreApplication::translate("druckausgabe", "Problem"));
}
} // namespace

bool Qt_Druckerwahl::waehlen(QPrinter& drucker, QWidget* eltern)
{
    QPrintDialog dialog(&drucker, eltern);
    return dialog.exec() == QDialog::Accepted;
}

bool Pdf_Druckerwahl::waehlen(QPrinter& drucker, QWidget*)
{
    ++aufrufe;
    if (abbrechen)
        return false;
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(pfad);
    drucker.setPageSize(QPageSize(QPageSize::A4));
    return true;
}

Druckerwahl& druckerwahl()
{
    static Qt_Druckerwahl dialog;
    return aktuelle ? *aktuelle : dialog;
}

void druckerwahl_setzen(Druckerwahl* w)
{
    aktuelle = w;
}

bool Druckauftrag_drucken(QPrinter& drucker, const QString& titel, bool hochformat,
                          const std::function<Druckauftrag(int seitenbreite, int seitenhoehe)>& plan)
{
    drucker.setPageOrientation(hochformat ? QPageLayout::Portrait : QPageLayout::Landscape);
    drucker.setDocName(titel);
    const int dpi = drucker.resolution();
    const QRect voll = drucker.pageLayout().fullRectPixels(dpi);
    const int W = Druck_Seitenmass(voll.width(), dpi);
    const int H = Druck_Seitenmass(voll.height(), dpi);
    if (!drucker.isValid() || dpi <= 0 || W <= 0 || H <= 0) {
        Kein_Drucker_melden();
        return false;
    }
    const Druckauftrag auftrag = plan(W, H);

    QPainter p;
    if (!p.begin(&drucker)) {
        Kein_Drucker_melden();
        return false;
    }
    const auto einrichten = [&] {
        // One unit = 0.1 mm from the top left of the printable area.
        p.resetTransform();
        const double s = double(dpi) / 254.0;
        p.scale(s, s);
        p.setBackground(Qt::white);
        p.setBrush(Qt::white);
        p.setPen(QPen(Qt::black));
    };
    einrichten();
    for (size_t s = 0; s < auftrag.seiten.size(); ++s) {
        if (s > 0) {
            drucker.newPage();
            einrichten();
        }
        for (const Druckelement& e : auftrag.seiten[s].elemente) {
            if (e.art == Druckelement::Art::Linie) {
                p.setPen(QPen(Qt::black, e.stiftbreite));
                p.drawLine(QLineF(e.x, e.y, e.x2, e.y));
                p.setPen(QPen(Qt::black));
                continue;
            }
            QFont f(QStringLiteral("Arial"));
            f.setPixelSize(std::max(1, qRound(e.schrift / Zellenhoehe_pro_Geviert)));
            f.setBold(e.fett);
            p.setFont(f);
            // Anchored at the top edge; centred texts around x.
            constexpr double weit = 100000.0;
            if (e.zentriert)
                p.drawText(QRectF(e.x - weit, e.y, 2 * weit, e.schrift * 2), Qt::AlignHCenter | Qt::AlignTop,
                           e.text);
            else
                p.drawText(QRectF(e.x, e.y, weit, e.schrift * 2), Qt::AlignLeft | Qt::AlignTop, e.text);
        }
    }
    return p.end();
}
