#include "dialogs/tagdialog.h"
#include "html/insertstate.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

using namespace tavorin;
using namespace Qt::StringLiterals;

namespace {

// A two-tab dialog whose OK refuses an empty entry on the second tab.
class SampleDialog final : public TagDialog {
public:
    SampleDialog()
        : TagDialog(u"frmSample"_s, u"Sample"_s, 0)
    {
        tabs = tabFrame(u"sstSample"_s);
        tabs->addTab(new QWidget, TabCaption(u"Standard Settings"_s));
        auto *advanced = new QWidget;
        entry = new QLineEdit(advanced);
        new QVBoxLayout(advanced);
        advanced->layout()->addWidget(entry);
        tabs->addTab(advanced, TabCaption(u"Advanced Settings"_s));
        auto *layout = new QVBoxLayout(this);
        layout->addWidget(tabs);
        layout->addLayout(standardButtons(Qt::Horizontal));
    }
    QTabWidget *tabs = nullptr;
    QLineEdit *entry = nullptr;

protected:
    std::optional<QString> buildResult() override
    {
        if (entry->text().isEmpty()) {
            focusEntry(entry);
            return std::nullopt;
        }
        return u"<X>"_s + entry->text();
    }
};

void clickLater(SampleDialog &dialog, const QString &button, const QString &typed = {})
{
    QTimer::singleShot(0, &dialog, [&dialog, button, typed] {
        dialog.entry->setText(typed);
        dialog.findChild<QPushButton *>(button)->click();
        if (dialog.isVisible()) // refused: leave by Cancel, after looking
            QTimer::singleShot(0, &dialog, [&dialog] { dialog.reject(); });
    });
}

} // namespace

class TagDialogTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Only an accepted OK clears InsertCancelled and gives a result.
    void onlyAcceptedOkClearsInsertCancelled_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("result");
        QTest::newRow("ok") << u"cmdOk"_s << u"a"_s << u"<X>a"_s;
        QTest::newRow("ok refused") << u"cmdOk"_s << QString() << QString();
        QTest::newRow("cancel") << u"cmdCancel"_s << u"a"_s << QString();
    }
    void onlyAcceptedOkClearsInsertCancelled()
    {
        QFETCH(QString, button);
        QFETCH(QString, typed);
        QFETCH(QString, result);
        SampleDialog dialog;
        InsertCancelled = false;
        clickLater(dialog, button, typed);
        const std::optional<QString> got = dialog.Run();
        QCOMPARE(got.value_or(QString()), result);
        QCOMPARE(InsertCancelled, result.isEmpty());
    }

    void hiddenTabsAreDisabledAndARefusedEntryIsShown()
    {
        SampleDialog dialog;
        dialog.show();
        QCOMPARE(dialog.tabs->tabText(1), u"  Advanced Settings  "_s);
        QVERIFY(dialog.tabs->widget(0)->isEnabled());
        QVERIFY(!dialog.tabs->widget(1)->isEnabled());
        dialog.findChild<QPushButton *>(u"cmdOk"_s)->click();
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.tabs->currentIndex(), 1);
        QVERIFY(!dialog.tabs->widget(0)->isEnabled());
        QVERIFY(dialog.tabs->widget(1)->isEnabled());
        QTest::keyClick(&dialog, Qt::Key_F1); // swallowed: no help, still open
        QVERIFY(dialog.isVisible());
    }
};

QTEST_MAIN(TagDialogTest)
#include "tagdialog_guitest.moc"
