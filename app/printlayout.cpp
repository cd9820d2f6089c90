#include "app/printlayout.h"

namespace tavorin {

namespace {

qreal fromTwips(int twips, qreal dpi)
{
    return twips * dpi / 1440.0;
}

} // namespace

PageGeometry PageGeometryFor(const QSizeF &paperSize, const QRectF &printable, qreal dpi)
{
    using namespace PrintMargin;
    PageGeometry page;
    const qreal left = fromTwips(Left, dpi);
    const qreal top = fromTwips(Top, dpi);
    page.text = QRectF(left, top, paperSize.width() - left - fromTwips(Right, dpi),
                       paperSize.height() - top - fromTwips(Bottom, dpi));
    page.headerTop = printable.top() + fromTwips(HeaderTop, dpi);
    page.footerTop = printable.bottom() - fromTwips(FooterTop, dpi);
    page.paperWidth = paperSize.width();
    return page;
}

QString PrintingProgressText(int page, const QString &fileName, const QString &deviceName)
{
    return QStringLiteral("Printing Page ") + QString::number(page) + QStringLiteral("\r\nOf File \"") + fileName
           + QStringLiteral("\"\r\nOn Printer ") + deviceName;
}

QString PrintCancelledText(const QString &deviceName)
{
    return QStringLiteral("Print Cancelled\r\nOn Printer ") + deviceName;
}

QString PageHeaderText(const QString &fileName)
{
    return u'[' + fileName + u']';
}

QString PageFooterText(int page)
{
    return u'[' + QString::number(page) + u']';
}

} // namespace tavorin
