// The search engine dialog with a data file of its own: the list ends at
// the first gap, the chosen engines are linked in list order, and choosing
// none leaves the selection as it was.

#include "app/commandrunner.h"
#include "html/insertstate.h"
#include "tests/support/dialogdriver.h"

#include <QListWidget>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

class FrmSearchEngTest : public QObject {
    Q_OBJECT

    DialogTestEditor m_editor;

    QString text() const { return m_editor.text(); }

private Q_SLOTS:
    void init()
    {
        m_editor.start([](const TestEnvironment &env) {
            env.writeFile(u"app/SystemFiles/Data/SEngines.dat"_s,
                          "[Search Engines]\r\nName1=One\r\nLocation1=https://one.example/\r\n"
                          "Name2=Two\r\nLocation2=https://two.example/\r\nName3=Three\r\n"
                          "Location3=https://three.example/\r\nName5=Five\r\nLocation5=https://five.example/\r\n");
        });
    }
    void cleanup() { m_editor.finish(); }

    void linksTheChosenEngines()
    {
        OpenMarked(m_editor.doc(), u"[old]\r\n"_s);
        OnDialog(u"frmSearchEng"_s, [](QDialog *dialog) {
            auto *list = dialog->findChild<QListWidget *>(u"lstSearchEngine"_s);
            QCOMPARE(list->count(), 3);
            list->item(2)->setSelected(true);
            list->item(0)->setSelected(true);
            Click(dialog, u"cmdOk"_s);
        });
        RunCommand(u"Search Engine Links"_s);
        QCOMPARE(text(), u"<A HREF=\"https://one.example/\">One</A>\r\n<A HREF=\"https://three.example/\">Three</A>\r\n"_s);
    }

    void noEngineLeavesTheSelection()
    {
        OpenMarked(m_editor.doc(), u"[old]\r\n"_s);
        OnDialog(u"frmSearchEng"_s, [](QDialog *dialog) {
            Click(dialog, u"cmdSelectAll_0"_s);
            QCOMPARE(dialog->findChild<QListWidget *>(u"lstSearchEngine"_s)->selectedItems().size(), 3);
            Click(dialog, u"cmdSelectAll_1"_s);
            Click(dialog, u"chkCentre"_s);
            Click(dialog, u"cmdOk"_s);
        });
        RunCommand(u"Search Engine Links"_s);
        QCOMPARE(text(), u"old\r\n"_s);
    }
};

QTEST_MAIN(FrmSearchEngTest)
#include "frmsearcheng_guitest.moc"
