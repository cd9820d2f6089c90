#pragma once

// The printing progress window frmPrinter: while it is up, the pages of a
// text go to the printer one by one with the name at the top and the page
// number at the bottom; "Cancel Print" stops the job between pages and
// abandons it.

#include <QDialog>

class QLabel;
class QPushButton;

namespace tavorin {

class PrintJob;

class PrinterWindow final : public QDialog {
    Q_OBJECT

public:
    enum class Outcome { Printed, Cancelled, Failed };

    explicit PrinterWindow(QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(PrinterWindow)

    // Prints textOut on the job, naming it fileName in headers and progress.
    Outcome PrintText(const QString &textOut, const QString &fileName, PrintJob &job);

protected:
    // Esc and the close box cancel the print, as the button does; the
    // window goes when the job has ended.
    void reject() override;
    void closeEvent(QCloseEvent *event) override;

Q_SIGNALS:
    // A page is about to be laid out; pending events run right after.
    void pageStarting(int page);

private:
    void cancelPrint();
    Outcome BeginPrinting(const QString &textOut, PrintJob &job);

    QLabel *m_message = nullptr;
    QPushButton *m_cancel = nullptr;
    QString m_fileName;
    QString m_deviceName;
    int m_page = 1;
    bool m_cancelled = false;
    bool m_printing = false;
};

} // namespace tavorin
