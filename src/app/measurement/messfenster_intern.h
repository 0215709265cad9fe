#pragma once
// What the files of the measurement window share: its controls and small helpers.
#include "app/measurement/einstellungen_messungen.h"

#include <QColor>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include <cstdint>

namespace
{

// A colour stored as 0x00BBGGRR in the settings record.
inline QColor farbe(int32_t wert)
{
    return QColor(wert & 0xFF, (wert >> 8) & 0xFF, (wert >> 16) & 0xFF);
}

inline bool links()
{
    return Ohr_links == 1;
}
inline int ohr_index()
{
    return links() ? 0 : 1;
}

} // namespace
