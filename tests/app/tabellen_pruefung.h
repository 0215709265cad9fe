#pragma once
// Test helpers of the table windows: reading back spreadsheet files record by
// record and the text of printed PDF files page by page.
#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstring>
#include <vector>

struct Xls_Satz {
    uint16_t code = 0;
    uint16_t zeile = 0;
    uint16_t spalte = 0;
    QByteArray text; // CP1252 bytes of a text cell
    int32_t ganz = 0;
    double zahl = 0;
};

// All records of a BIFF file; `ok` false when a record runs past the end.
inline std::vector<Xls_Satz> xls_lesen(const QString& pfad, bool& ok)
{
    std::vector<Xls_Satz> saetze;
    ok = false;
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return saetze;
    const QByteArray b = f.readAll();
    auto u16 = [&b](qsizetype i) { return uint16_t(uint8_t(b[i]) | (uint8_t(b[i + 1]) << 8)); };
    qsizetype i = 0;
    while (i + 4 <= b.size()) {
        Xls_Satz s;
        s.code = u16(i);
        const uint16_t n = u16(i + 2);
        if (i + 4 + n > b.size())
            return saetze;
        if (n >= 6 && s.code != 0x0809) {
            s.zeile = u16(i + 4);
            s.spalte = u16(i + 6);
        }
        if (s.code == 0x027E && n == 10) {
            uint32_t v;
            std::memcpy(&v, b.constData() + i + 10, 4);
            s.ganz = int32_t(v) >> 2;
        } else if (s.code == 0x0203 && n == 14) {
            std::memcpy(&s.zahl, b.constData() + i + 10, 8);
        } else if (s.code == 0x0204 && n >= 8) {
            s.text = b.mid(i + 12, u16(i + 10));
        }
        saetze.push_back(s);
        i += 4 + n;
    }
    ok = i == b.size();
    return saetze;
}

inline const Xls_Satz* xls_zelle(const std::vector<Xls_Satz>& s, int spalte, int zeile)
{
    for (const auto& z : s)
        if (z.code != 0x0809 && z.code != 0x000A && z.spalte == spalte && z.zeile == zeile)
            return &z;
    return nullptr;
}

// Text of each page of a PDF file (pdftotext, layout kept).
inline QStringList pdf_seiten(const QString& pfad)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pfad, QStringLiteral("-")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    QStringList seiten = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!seiten.isEmpty() && seiten.back().trimmed().isEmpty())
        seiten.removeLast();
    return seiten;
}

inline QByteArray datei_inhalt(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void datei_schreiben(const QString& pfad, const QByteArray& inhalt)
{
    QFile f(pfad);
    if (f.open(QIODevice::WriteOnly))
        f.write(inhalt);
}
