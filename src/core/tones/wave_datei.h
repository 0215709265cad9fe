#pragma once
// Writing tone files safely and in large blocks.
#include <QByteArray>
#include <QString>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>

// A file written through a temporary file in the target's folder and renamed
// over the target once everything is written, so that a failed or abandoned
// write never leaves a half file and never harms an existing one. The data
// is left to the page cache (no flush to the disk): a tone file can always be
// written again.
class Sichere_Datei
{
public:
    explicit Sichere_Datei(const QString& ziel);
    ~Sichere_Datei(); // an unfinished temporary file is removed
    Sichere_Datei(const Sichere_Datei&) = delete;
    Sichere_Datei& operator=(const Sichere_Datei&) = delete;

    bool oeffnen();
    bool schreiben(const void* daten, size_t groesse);
    // Closes and renames over the target; false when anything failed before.
    bool abschliessen();

private:
    void verwerfen();
    QByteArray ziel_;
    QByteArray temp_;
    int fd_ = -1;
    bool fehler_ = false;
};

// Removes the temporary files that a writer killed in the middle of its work
// left in `ordner` ("<name>.~<process>_<number>" of a process that no longer
// runs). Files of running processes, this one included, stay. Returns how
// many were removed.
int Verwaiste_Temporaerdateien_entfernen(const QString& ordner);

// Fills ziel[0 .. anzahl - 1] with the samples of frames n0 .. n0 + anzahl - 1.
using Samplequelle = std::function<void(uint32_t n0, uint32_t anzahl, int16_t* ziel)>;

// Writes a pair of tone files of N hundredths: header, then frames (s, 0) into
// `links` and (0, s) into `rechts`, in blocks of Wave_Blockframes frames.
// Without a source every frame is (0, 0). The left file is put in place before
// the right one. A set abbrechen flag stops between blocks, nothing is put in
// place and the result is false.
constexpr uint32_t Wave_Blockframes = 32768;
bool Wave_Paar_schreiben(uint32_t N, const QString& links, const QString& rechts, const Samplequelle& quelle,
                         const std::atomic<bool>* abbrechen = nullptr);
