#pragma once

// The program keeps colours as BBGGRR numbers (red in the low byte, as the
// RTF colour table and the stored preferences have them); Qt's widgets take
// QColor. These two turn one into the other.

#include <QColor>

namespace tavorin {

inline QColor ToQColor(quint32 colour)
{
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

inline quint32 FromQColor(const QColor &colour)
{
    return quint32(colour.red()) | (quint32(colour.green()) << 8) | (quint32(colour.blue()) << 16);
}

} // namespace tavorin
