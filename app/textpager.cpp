#include "app/textpager.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

namespace tavorin {

namespace {

constexpr int TabWidthInSpaces = 8;

} // namespace

TextPager::TextPager(const QString &text, const QFont &font, QPaintDevice *device)
    : m_text(text)
    , m_font(font, device)
    , m_device(device)
    , m_tabWidth(QFontMetricsF(m_font, device).horizontalAdvance(u' ') * TabWidthInSpaces)
{
}

qsizetype TextPager::drawPage(QPainter *painter, const QRectF &area, qsizetype start) const
{
    const qsizetype length = m_text.size();
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTabStopDistance(m_tabWidth);
    qreal y = 0;
    qsizetype position = start;
    // Every page shows at least one line, even an empty one, so an empty
    // text prints one page and a page always moves the text on.
    do {
        qsizetype end = m_text.indexOf(QLatin1String("\r\n"), position);
        if (end < 0)
            end = length;
        QTextLayout layout(m_text.mid(position, end - position), m_font, m_device);
        layout.setTextOption(option);
        layout.setCacheEnabled(false);
        layout.beginLayout();
        qsizetype stoppedAt = -1;
        while (true) {
            QTextLine line = layout.createLine();
            if (!line.isValid())
                break;
            line.setLineWidth(area.width());
            if (y > 0 && y + line.height() > area.height()) {
                stoppedAt = position + line.textStart();
                break;
            }
            line.setPosition(QPointF(0, y));
            y += line.height();
        }
        layout.endLayout();
        if (painter) {
            for (int i = 0; i < layout.lineCount(); ++i) {
                const QTextLine line = layout.lineAt(i);
                if (stoppedAt >= 0 && position + line.textStart() >= stoppedAt)
                    break;
                line.draw(painter, area.topLeft());
            }
        }
        if (stoppedAt >= 0)
            return stoppedAt;
        position = end + 2;
    } while (position <= length);
    return length;
}

} // namespace tavorin
