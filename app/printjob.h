#pragma once

// One print job on the printer the print dialog chose. A real printer goes
// through QPrinter; "Print to File (PDF)" is written through a QSaveFile, so
// an abandoned job leaves no file behind and an earlier file stays as it was.

#include "app/facades.h"

#include <QRectF>

#include <memory>

class QPagedPaintDevice;
class QPainter;
class QPdfWriter;
class QPrinter;
class QSaveFile;

namespace tavorin {

class PrintJob {
public:
    PrintJob(const PrintChoice &choice, const QString &documentName);
    ~PrintJob();
    Q_DISABLE_COPY_MOVE(PrintJob)

    // Opens the printer or file and starts painter on it; false when it cannot.
    bool begin(QPainter &painter);
    bool newPage();
    // Ends the document so that it prints; false when that failed.
    bool finish(QPainter &painter);
    // Ends the job so that nothing is printed or written.
    void abandon(QPainter &painter);

    QString deviceName() const;
    QPagedPaintDevice *device() const;
    QSizeF paperSize() const;    // device units, painting starts at the paper's corner
    QRectF printableArea() const; // from the paper's corner
    qreal resolution() const;

private:
    QString m_outputFile;
    QString m_printerName;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QSaveFile> m_file;
    std::unique_ptr<QPdfWriter> m_pdf;
    QRectF m_printable;
};

} // namespace tavorin
