#include "core/settings/frequenzgang.h"

#include "core/acoustics/physik_hoertest.h"
#include "core/shell/kvhilf.h"

#include <QCoreApplication>

QString Text_Zahl_Eingabefehler()
{
    return QCoreApplication::translate("frequenzgang", "Geben Sie eine Zahl ein (z.B. 3,45)");
}

bool Zahleingabe_richtig(const QString& text)
{
    double d = 0;
    bool ok = false;
    StringzuDouble(text, d, ok);
    return ok;
}

void Frequenzgang_in_Einstellungen(Einstellungstyp& e, const std::array<QString, Zeilen>& texte)
{
    for (int i = 0; i < Zeilen; ++i)
        e.Frequenzgang_string[size_t(i)].setzen(texte[size_t(i)]);
    for (int i = 0; i < Zeilen; ++i) {
        QString t = e.Frequenzgang_string[size_t(i)].text();
        double d = 0;
        bool ok = false;
        StringzuDouble(t, d, ok);
        if (!ok)
            continue;
        e.Frequenzgang[size_t(i)] = d;
        PunktzuKomma(t);
        e.Frequenzgang_string[size_t(i)].setzen(t);
    }
    for (int i = 1; i <= Zeilen; ++i) {
        Umrechnungsfaktoren_U_p(i, e.Um_Fak_U_p_links, e.Frequenzgang, e.Um_Fak_U_p_1000_links);
        Umrechnungsfaktoren_U_p(i, e.Um_Fak_U_p_rechts, e.Frequenzgang, e.Um_Fak_U_p_1000_rechts);
    }
}
