#include "app/printjob.h"

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

namespace tavorin {

namespace {

constexpr int PdfResolution = 1200;

QPageLayout layoutOf(const PrintChoice &choice, QPageLayout layout)
{
    if (choice.paperSize >= 0 && choice.paperSize <= QPageSize::LastPageSize)
        layout.setPageSize(QPageSize(QPageSize::PageSizeId(choice.paperSize)));
    layout.setOrientation(choice.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    return layout;
}

} // namespace

PrintJob::PrintJob(const PrintChoice &choice, const QString &documentName)
    : m_outputFile(choice.outputFile)
    , m_printerName(choice.printerName)
{
    if (!m_outputFile.isEmpty()) {
        m_file = std::make_unique<QSaveFile>(m_outputFile);
        m_pdf = std::make_unique<QPdfWriter>(m_file.get());
        m_pdf->setResolution(PdfResolution);
        m_pdf->setTitle(documentName);
        m_pdf->setCreator(QString::fromLatin1(ApplicationTitle));
        QPageLayout layout = layoutOf(choice, m_pdf->pageLayout());
        layout.setMargins(QMarginsF());
        m_pdf->setPageLayout(layout);
        m_printable = QRectF(QPointF(), paperSize());
        return;
    }
    m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    m_printer->setPrinterName(m_printerName);
    m_printer->setDocName(documentName);
    m_printer->setCopyCount(std::max(1, choice.copies));
    m_printer->setPageLayout(layoutOf(choice, m_printer->pageLayout()));
    // The printable area as the printer reports it, then painting from the
    // paper's corner, so the margins are measured from the paper's edges.
    m_printable = m_printer->pageRect(QPrinter::DevicePixel);
    m_printer->setFullPage(true);
}

PrintJob::~PrintJob() = default;

bool PrintJob::begin(QPainter &painter)
{
    if (m_file && !m_file->open(QIODevice::WriteOnly))
        return false;
    return painter.begin(device());
}

bool PrintJob::newPage()
{
    return device()->newPage();
}

bool PrintJob::finish(QPainter &painter)
{
    const bool ended = painter.end();
    if (m_file)
        return ended && m_file->commit();
    return ended && m_printer->printerState() != QPrinter::Error;
}

void PrintJob::abandon(QPainter &painter)
{
    if (m_printer)
        m_printer->abort();
    painter.end();
    if (m_file)
        m_file->cancelWriting();
}

QString PrintJob::deviceName() const
{
    if (m_file)
        return QStringLiteral("Print to File (PDF)");
    return m_printer->printerName();
}

QPagedPaintDevice *PrintJob::device() const
{
    if (m_pdf)
        return m_pdf.get();
    return m_printer.get();
}

QSizeF PrintJob::paperSize() const
{
    const QPagedPaintDevice *paged = device();
    return paged->pageLayout().fullRectPixels(paged->logicalDpiX()).size();
}

QRectF PrintJob::printableArea() const
{
    return m_printable;
}

qreal PrintJob::resolution() const
{
    return device()->logicalDpiY();
}

} // namespace tavorin
