#pragma once

// Lays plain text out page by page onto a paint device: lines wrap at the
// page width, a line never straddles two pages, and each page reports where
// the next one starts. Text uses "\r\n" line breaks; positions count in it.

#include <QFont>
#include <QString>

class QPainter;
class QPaintDevice;
class QRectF;

namespace tavorin {

class TextPager {
public:
    TextPager(const QString &text, const QFont &font, QPaintDevice *device);
    Q_DISABLE_COPY_MOVE(TextPager)

    // Draws the text from start into area (when painter is set; nullptr only
    // measures) and returns the position of the first character left for the
    // next page: text length when everything fitted.
    qsizetype drawPage(QPainter *painter, const QRectF &area, qsizetype start) const;

private:
    const QString &m_text;
    QFont m_font;
    QPaintDevice *m_device = nullptr;
    qreal m_tabWidth = 0;
};

} // namespace tavorin
