// Printing read back from PDF files with pdftotext: every page carries the
// name and its number, no line is lost between pages, a selection prints
// alone, and a cancelled job leaves no file.

#include "app/printjob.h"
#include "app/printprogress.h"
#include "app/richtextbox.h"
#include "app/toolmodel.h"
#include "tests/support/editorfixture.h"

#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

namespace {

// The text of each page of a PDF file.
QStringList pdfPages(const QString &path)
{
    QProcess reader;
    reader.start(u"pdftotext"_s, {u"-layout"_s, path, u"-"_s});
    if (!reader.waitForFinished(60000) || reader.exitCode() != 0)
        return {u"<pdftotext failed>"_s};
    QStringList pages = QString::fromUtf8(reader.readAllStandardOutput()).split(u'\f');
    if (pages.size() > 1 && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

QString numberedLines(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines.append(u"Line %1 of the page source"_s.arg(i, 3, 10, QChar(u'0')));
    return lines.join(u"\r\n"_s);
}

PrintChoice toFile(const QString &path, PrintChoice::Range range = PrintChoice::Range::All)
{
    PrintChoice choice;
    choice.range = range;
    choice.outputFile = path;
    return choice;
}

} // namespace

class PrintingTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<EditorFixture> m_editor;

    ScriptedDialogs &dialogs() { return m_editor->dialogs(); }
    void print() { m_editor->click(u"mnuFilePrint"_s); }
    void setText(const QString &text)
    {
        m_editor->active()->DocText(text);
        m_editor->active()->textBox()->select(0, 0);
    }

private Q_SLOTS:
    void init()
    {
        m_editor = std::make_unique<EditorFixture>();
        m_editor->start();
    }
    void cleanup() { Finish(m_editor); }

    // Several pages, each with "[name]" and "[n]", every line once and in order.
    void everyPageCarriesNameAndNumber()
    {
        const QString pdf = m_editor->path(u"out.pdf"_s);
        setText(numberedLines(150));
        dialogs().answerPrinter(toFile(pdf));
        print();
        QVERIFY(!dialogs().asked().value(0).print.selectionAvailable);
        const QStringList pages = pdfPages(pdf);
        QVERIFY2(pages.size() >= 3, qPrintable(pages.join(u"\n----\n"_s)));
        QStringList printed;
        for (int i = 0; i < pages.size(); ++i) {
            QStringList lines = pages[i].split(u'\n', Qt::SkipEmptyParts);
            for (QString &line : lines)
                line = line.trimmed();
            lines.removeAll(QString());
            QCOMPARE(lines.first(), u"[Untitled1 (Modified)]"_s); // the caption as it stands
            QCOMPARE(lines.last(), u"[%1]"_s.arg(i + 1));
            printed += lines.mid(1, lines.size() - 2);
        }
        QCOMPARE(printed.join(u"\r\n"_s), numberedLines(150));
    }

    // An empty document prints one page; a selection, offered only when
    // there is one, prints alone under the document's name.
    void emptyDocumentAndSelection()
    {
        const QString pdf = m_editor->path(u"out.pdf"_s);
        setText(QString());
        dialogs().answerPrinter(toFile(pdf));
        print();
        QCOMPARE(pdfPages(pdf).join(u'\f').split(u'\n', Qt::SkipEmptyParts).replaceInStrings(u" "_s, QString()),
                 (QStringList{u"[Untitled1(Modified)]"_s, u"[1]"_s}));
        setText(u"first line\r\nchosen words\r\nlast line"_s);
        m_editor->active()->textBox()->select(12, 12);
        dialogs().answerPrinter(toFile(pdf, PrintChoice::Range::Selection));
        print();
        QVERIFY(dialogs().asked().value(1).print.selectionAvailable);
        const QStringList lines = pdfPages(pdf).join(u'\f').split(u'\n', Qt::SkipEmptyParts).replaceInStrings(u"  "_s, QString());
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0].trimmed(), u"[Untitled1 (Modified)]"_s);
        QCOMPARE(lines[1].trimmed(), u"chosen words"_s);
    }

    // Cancelled during page 2: the job ends after that page, no file is
    // left and an earlier file of that name stays as it was.
    void cancelLeavesNoFile()
    {
        const QString pdf = m_editor->path(u"cancel.pdf"_s);
        PrintJob job(toFile(pdf), u"page.htm"_s);
        PrinterWindow window;
        int pagesStarted = 0;
        connect(&window, &PrinterWindow::pageStarting, &window, [&](int page) {
            pagesStarted = page;
            if (page == 2) {
                QCOMPARE(window.findChild<QLabel *>(u"lblMessage"_s)->text(),
                         u"Printing Page 2\nOf File \"page.htm\"\nOn Printer Print to File (PDF)"_s);
                window.findChild<QPushButton *>(u"cmdCancel"_s)->click();
            }
        });
        QCOMPARE(window.PrintText(numberedLines(400), u"page.htm"_s, job), PrinterWindow::Outcome::Cancelled);
        QCOMPARE(pagesStarted, 2);
        QVERIFY(!QFile::exists(pdf));

        m_editor->env.writeFile(u"cancel.pdf"_s, "earlier");
        PrintJob again(toFile(pdf), u"page.htm"_s);
        QCOMPARE(window.PrintText(numberedLines(400), u"page.htm"_s, again), PrinterWindow::Outcome::Cancelled);
        QCOMPARE(ReadBytes(pdf), QByteArray("earlier"));
    }

    // A cancelled print dialog says nothing; a file that cannot be written is a printer error.
    void failuresAndCancelledDialog()
    {
        dialogs().answerPrinter(std::nullopt);
        print();
        QCOMPARE(dialogs().messagePrompts(), QStringList{});
        dialogs().answerPrinter(toFile(m_editor->path(u"no such folder/out.pdf"_s)));
        dialogs().answerMessage(MessageAnswer::Ok);
        print();
        QCOMPARE(dialogs().messagePrompts(), QStringList{u"An error has occurred. Sorry, can't print document."_s});
        QCOMPARE(dialogs().messages().value(0).title, u"Printer Error"_s);
    }
};

QTEST_MAIN(PrintingTest)
#include "printing_guitest.moc"
