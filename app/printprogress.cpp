#include "app/printprogress.h"

#include "app/printjob.h"
#include "app/printlayout.h"
#include "app/textpager.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavorin {

namespace {

// Text, header and footer all print in this font.
QFont printFont()
{
    return QFont(QStringLiteral("Arial"), 10);
}

// The label shows "\r\n" line breaks as plain new lines.
QString shown(QString text)
{
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

} // namespace

PrinterWindow::PrinterWindow(QWidget *parent)
    : QDialog(parent)
    , m_message(new QLabel(this))
    , m_cancel(new QPushButton(QStringLiteral("Cancel Print"), this))
{
    setObjectName(QStringLiteral("frmPrinter"));
    setWindowTitle(QStringLiteral("Printing..."));
    setWindowModality(Qt::ApplicationModal);
    m_message->setObjectName(QStringLiteral("lblMessage"));
    m_message->setAlignment(Qt::AlignCenter);
    m_message->setMinimumWidth(320);
    m_cancel->setObjectName(QStringLiteral("cmdCancel"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_message);
    layout->addWidget(m_cancel, 0, Qt::AlignHCenter);
    connect(m_cancel, &QPushButton::clicked, this, &PrinterWindow::cancelPrint);
}

PrinterWindow::Outcome PrinterWindow::PrintText(const QString &textOut, const QString &fileName, PrintJob &job)
{
    m_fileName = fileName;
    m_deviceName = job.deviceName();
    m_page = 1;
    m_cancelled = false;
    m_message->setText(shown(PrintingProgressText(m_page, m_fileName, m_deviceName)));
    show();
    QCoreApplication::processEvents();
    m_printing = true;
    const Outcome outcome = BeginPrinting(textOut, job);
    m_printing = false;
    close();
    return outcome;
}

PrinterWindow::Outcome PrinterWindow::BeginPrinting(const QString &textOut, PrintJob &job)
{
    QPainter painter;
    if (!job.begin(painter))
        return Outcome::Failed;
    const PageGeometry page = PageGeometryFor(job.paperSize(), job.printableArea(), job.resolution());
    const QFont font = printFont();
    const TextPager pager(textOut, font, job.device());
    painter.setFont(QFont(font, job.device()));
    const QRectF lineSpace(0, 0, page.paperWidth, page.text.height());
    qsizetype start = 0;
    while (true) {
        m_message->setText(shown(PrintingProgressText(m_page, m_fileName, m_deviceName)));
        Q_EMIT pageStarting(m_page);
        // The window repaints and the cancel button answers here.
        QCoreApplication::processEvents();
        const qsizetype next = pager.drawPage(&painter, page.text, start);
        painter.drawText(lineSpace.translated(0, page.headerTop), Qt::AlignHCenter | Qt::AlignTop,
                         PageHeaderText(m_fileName));
        painter.drawText(lineSpace.translated(0, page.footerTop), Qt::AlignHCenter | Qt::AlignTop,
                         PageFooterText(m_page));
        if (next >= textOut.size() || m_cancelled)
            break;
        if (!job.newPage()) {
            job.abandon(painter);
            return Outcome::Failed;
        }
        ++m_page;
        start = next;
    }
    if (m_cancelled) {
        job.abandon(painter);
        return Outcome::Cancelled;
    }
    return job.finish(painter) ? Outcome::Printed : Outcome::Failed;
}

void PrinterWindow::reject()
{
    cancelPrint();
}

void PrinterWindow::closeEvent(QCloseEvent *event)
{
    if (m_printing) {
        cancelPrint();
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void PrinterWindow::cancelPrint()
{
    m_cancelled = true;
    m_message->setText(shown(PrintCancelledText(m_deviceName)));
}

} // namespace tavorin
