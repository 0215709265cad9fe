#pragma once
// The one way the program asks the user something: message boxes, the file
// dialogs and the colour dialog. Windows install the Qt implementation at start; tests install
// a recording one that answers from a script. Core routines that must tell the
// user of a failure (a settings file that cannot be written) go through it too.
#include <QString>
#include <QStringList>

#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

enum class Symbol { Warnung, Information, Frage, Fehler };
enum class Knoepfe { Ok, JaNein, JaNeinAbbrechen, OkAbbrechen };
enum class Antwort { Ok, Ja, Nein, Abbrechen };

// A file dialog: filter in the program's "Text|*.ext|Text2|*.ext2" form.
struct Dateidialog {
    QString titel;
    QString filter;
    int filter_index = 1;    // 1-based, as the filter list counts
    QString standard_endung; // without dot, added when the name has none
    QString verzeichnis;     // initial folder
    QString dateiname;       // preset name
};

// What the user chose in a file dialog.
struct Dateiwahl {
    QString pfad;
    int filter_index = 1;
};

class Dialoge
{
public:
    virtual ~Dialoge() = default;
    // A modal message box. "\r" in the text is a line break.
    virtual Antwort meldung(Symbol symbol, Knoepfe knoepfe, const QString& text, const QString& titel,
                            Antwort standard) = 0;
    virtual std::optional<Dateiwahl> datei_oeffnen(const Dateidialog& dialog) = 0;
    virtual std::optional<Dateiwahl> datei_speichern(const Dateidialog& dialog) = 0;
    // A colour dialog starting at `farbe` (colour value 00BBGGRR); the chosen
    // colour, or nothing when cancelled.
    virtual std::optional<int32_t> farbe_waehlen(int32_t farbe) = 0;
};

// The installed implementation. Without one, a recording one that answers
// every question with its default button is used.
Dialoge& dialoge();
void dialoge_setzen(Dialoge* d);

// Records every question and answers from queues; used by tests and as the
// fallback before a window system exists.
class Aufzeichnende_Dialoge : public Dialoge
{
public:
    struct Eintrag {
        Symbol symbol;
        Knoepfe knoepfe;
        QString text;
        QString titel;
    };
    std::vector<Eintrag> meldungen;
    std::vector<Dateidialog> dateidialoge;
    std::deque<Antwort> antworten;             // empty: the default button
    std::deque<Dateiwahl> dateiwahlen;         // empty queue or empty path: cancelled
    std::vector<int32_t> farbdialoge;          // the start colour of each colour dialog
    std::deque<std::optional<int32_t>> farben; // empty queue or nothing: cancelled

    Antwort meldung(Symbol symbol, Knoepfe knoepfe, const QString& text, const QString& titel,
                    Antwort standard) override;
    std::optional<Dateiwahl> datei_oeffnen(const Dateidialog& dialog) override;
    std::optional<Dateiwahl> datei_speichern(const Dateidialog& dialog) override;
    std::optional<int32_t> farbe_waehlen(int32_t farbe) override;

    void leeren();
    QString letzter_text() const { return meldungen.empty() ? QString() : meldungen.back().text; }
};
