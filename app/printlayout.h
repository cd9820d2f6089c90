#pragma once

// Where things go on a printed page of source text, and the texts of the
// printing progress window. Sizes are in device units of the printer.

#include <QRectF>
#include <QString>

namespace tavorin {

// Page margins and the header and footer lines, in twips (1440 per inch).
namespace PrintMargin {
inline constexpr int Left = 1000;
inline constexpr int Top = 1000;
inline constexpr int Right = 1000;
inline constexpr int Bottom = 1440;
inline constexpr int HeaderTop = 500;    // below the top of the printable area
inline constexpr int FooterTop = 300;    // above the bottom of the printable area
} // namespace PrintMargin

struct PageGeometry {
    QRectF text;           // where the text goes, from the paper's corner
    qreal headerTop = 0;   // top of the "[name]" line
    qreal footerTop = 0;   // top of the "[n]" line
    qreal paperWidth = 0;  // header and footer are centred across the paper
};

// The geometry of a page of paperSize device units at dpi dots per inch
// whose printable area is printable (both from the paper's corner).
PageGeometry PageGeometryFor(const QSizeF &paperSize, const QRectF &printable, qreal dpi);

// "Printing Page n", "Of File "name"", "On Printer device" on three lines.
QString PrintingProgressText(int page, const QString &fileName, const QString &deviceName);
// "Print Cancelled" and "On Printer device" on two lines.
QString PrintCancelledText(const QString &deviceName);
// The header "[name]" and the footer "[n]".
QString PageHeaderText(const QString &fileName);
QString PageFooterText(int page);

} // namespace tavorin
