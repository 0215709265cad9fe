#pragma once
// TXLSExport: a minimal spreadsheet file in the BIFF record format. One
// worksheet, no formatting, cells written one by one in call order. Every
// record is a 16-bit code and a 16-bit data length, then the data; all
// 16-bit fields little-endian, rows and columns counted from 0, format 0.
//
// The file is written to a temporary file beside the target and put in place
// by Endteil, so an export that fails or is abandoned leaves an existing file
// as it was.
#include <QString>

#include <cstdint>
#include <memory>

class QSaveFile;

class TXLSExport
{
public:
    // Checks the target with Datei_frei. If it is free, opens the output and
    // writes the begin-of-file record, fehler = false. If the target is in use
    // or cannot be created, fehler = true and nothing is written.
    TXLSExport(const QString& dateiname, bool& fehler);
    // Without a successful Endteil the target stays untouched.
    ~TXLSExport();
    TXLSExport(const TXLSExport&) = delete;
    TXLSExport& operator=(const TXLSExport&) = delete;

    // Integer cell (compressed number: value * 4 + 2, 30 signed bits).
    void Write(uint16_t spalte, uint16_t zeile, int32_t wert);
    // Number cell (IEEE 754 double).
    void Write(uint16_t spalte, uint16_t zeile, double wert);
    // Text cell in code page 1252, no terminator.
    void Write(uint16_t spalte, uint16_t zeile, const QString& text);
    // Appends the end-of-file record and puts the file in place. False when
    // any write failed or the file could not be put in place; the target
    // then keeps its previous content.
    bool Endteil();

    bool offen() const { return stream != nullptr; }

private:
    void anhaengen(const char* daten, int laenge);
    std::unique_ptr<QSaveFile> stream;
    bool schreibfehler = false;
};

// Record codes.
inline constexpr uint16_t XLS_BOF = 0x0809;
inline constexpr uint16_t XLS_RK = 0x027E;
inline constexpr uint16_t XLS_NUMBER = 0x0203;
inline constexpr uint16_t XLS_LABEL = 0x0204;
inline constexpr uint16_t XLS_EOF = 0x000A;
