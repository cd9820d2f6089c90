// The image dialog opened on a real selection: a linked image keeps its
// other link text, the preview's size replaces the tag's, and the dialog
// grows once when a link is chosen.

#include "app/commandrunner.h"
#include "html/insertstate.h"
#include "tests/support/dialogdriver.h"

#include <QImage>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

class FrmImageTest : public QObject {
    Q_OBJECT

    DialogTestEditor m_editor;

    QString text() const { return m_editor.text(); }

private Q_SLOTS:
    void init() { m_editor.start(); }
    void cleanup() { m_editor.finish(); }

    void linkedImageKeepsItsText()
    {
        OpenMarked(m_editor.doc(), u"[<A HREF=\"index.htm\"><IMG SRC=\"a.gif\"> Home</A>]\r\n"_s);
        OnDialog(u"frmImage"_s, [](QDialog *dialog) {
            QVERIFY(IsChecked(dialog, u"optLinkFile"_s));
            QCOMPARE(TextOf(dialog, u"lcLinkLocation"_s), u"index.htm"_s);
            SetText(dialog, u"txtAltText"_s, u"  "_s);
            Click(dialog, u"cmdOk"_s);
        });
        RunCommand(u"Embedded Image"_s);
        QCOMPARE(text(), u"<A HREF=\"index.htm\"><IMG SRC=\"a.gif\" ALT=\"  \">Home</A>\r\n"_s);
    }

    void previewSizeReplacesTheTagsAndTheDialogGrowsOnce()
    {
        QImage(7, 5, QImage::Format_RGB32).save(m_editor.editor().path(u"pic.png"_s));
        m_editor.doc()->setFullPath(m_editor.editor().path(u"page.htm"_s));
        OpenMarked(m_editor.doc(), u"[<IMG SRC=\"pic.png\" WIDTH=\"1\" HEIGHT=\"2\">]\r\n"_s);
        int compact = 0;
        int grown = 0;
        OnDialog(u"frmImage"_s, [&](QDialog *dialog) {
            QVERIFY(dialog->findChild<QWidget *>(u"txtLinkScript_0"_s)->isHidden());
            compact = dialog->height();
            Click(dialog, u"optLinkURL"_s);
            grown = dialog->height();
            QVERIFY(!dialog->findChild<QWidget *>(u"txtLinkScript_0"_s)->isHidden());
            Click(dialog, u"optLinkNothing"_s);
            QCOMPARE(dialog->height(), grown);
            Click(dialog, u"cmdOk"_s);
        });
        RunCommand(u"Embedded Image"_s);
        QVERIFY2(grown > compact, qPrintable(u"%1 -> %2"_s.arg(compact).arg(grown)));
        QCOMPARE(text(), u"<IMG SRC=\"pic.png\" WIDTH=\"7\" HEIGHT=\"5\">\r\n"_s);
    }
};

QTEST_MAIN(FrmImageTest)
#include "frmimage_guitest.moc"
