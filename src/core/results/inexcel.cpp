#include "core/results/inexcel.h"

#include "core/settings/dateien.h"
#include "core/shell/cp1252.h"
#include "core/shell/kvhilf.h"

#include <QSaveFile>

#include <cstring>

namespace
{
void le16(char* p, uint16_t v)
{
    p[0] = char(v & 0xFF);
    p[1] = char(v >> 8);
}

void le32(char* p, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = char((v >> (8 * i)) & 0xFF);
}

// Record header of a cell: code, length, row, column, format 0.
void zellenkopf(char* p, uint16_t code, uint16_t laenge, uint16_t spalte, uint16_t zeile)
{
    le16(p, code);
    le16(p + 2, laenge);
    le16(p + 4, zeile);
    le16(p + 6, spalte);
    le16(p + 8, 0);
}
} // namespace

TXLSExport::TXLSExport(const QString& dateiname, bool& fehler)
{
    fehler = true;
    if (!Datei_frei(dateiname))
        return;
    auto datei = std::make_unique<QSaveFile>(dateiname);
    if (!datei->open(QIODevice::WriteOnly))
        return;
    stream = std::move(datei);
    char bof[12];
    le16(bof, XLS_BOF);
    le16(bof + 2, 8);
    le16(bof + 4, 0x0000);
    le16(bof + 6, 0x0010);
    le16(bof + 8, 0x0001);
    le16(bof + 10, 0x0000);
    anhaengen(bof, sizeof bof);
    fehler = schreibfehler;
}

TXLSExport::~TXLSExport()
{
    if (stream)
        stream->cancelWriting();
}

void TXLSExport::anhaengen(const char* daten, int laenge)
{
    if (!stream || schreibfehler)
        return;
    if (stream->write(daten, laenge) != laenge)
        schreibfehler = true;
}

void TXLSExport::Write(uint16_t spalte, uint16_t zeile, int32_t wert)
{
    char r[14];
    zellenkopf(r, XLS_RK, 10, spalte, zeile);
    // Two low bits 10: an integer, not divided by 100.
    le32(r + 10, (static_cast<uint32_t>(wert) << 2) | 2u);
    anhaengen(r, sizeof r);
}

void TXLSExport::Write(uint16_t spalte, uint16_t zeile, double wert)
{
    char r[18];
    zellenkopf(r, XLS_NUMBER, 14, spalte, zeile);
    uint64_t bits;
    std::memcpy(&bits, &wert, sizeof bits);
    le32(r + 10, uint32_t(bits & 0xFFFFFFFFu));
    le32(r + 14, uint32_t(bits >> 32));
    anhaengen(r, sizeof r);
}

void TXLSExport::Write(uint16_t spalte, uint16_t zeile, const QString& text)
{
    QByteArray bytes = nach_cp1252(text);
    // The record length is a 16-bit field: a longer text is cut rather than
    // giving a record whose length field lies.
    constexpr int max_text = 0xFFFF - 8;
    if (bytes.size() > max_text)
        bytes.truncate(max_text);
    const auto n = uint16_t(bytes.size());
    char r[12];
    zellenkopf(r, XLS_LABEL, uint16_t(n + 8), spalte, zeile);
    le16(r + 10, n);
    anhaengen(r, sizeof r);
    anhaengen(bytes.constData(), n);
}

bool TXLSExport::Endteil()
{
    if (!stream)
        return false;
    char eof[4];
    le16(eof, XLS_EOF);
    le16(eof + 2, 0);
    anhaengen(eof, sizeof eof);
    if (schreibfehler) {
        stream->cancelWriting();
        stream.reset();
        return false;
    }
    const bool ok = Speicherdatei_abschliessen(*stream);
    stream.reset();
    return ok;
}
