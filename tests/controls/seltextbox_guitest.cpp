// The selection text box and the lookup combo apply their rules to real
// key events, pastes and drops.

#include "controls/lookupcombo.h"
#include "controls/inputguard.h"
#include "controls/seltextbox.h"
#include "tests/support/scripteddialogs.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

class SelTextBoxTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ScriptedFacades> m_facades;
    int beeps() const { return m_facades->beeper.beeps; }

    static QLineEdit *editOf(QWidget *control)
    {
        auto *edit = control->findChild<QLineEdit *>();
        edit->setFocus();
        return edit;
    }
    static void drop(QLineEdit *edit, const QString &text)
    {
        QMimeData data;
        data.setText(text);
        QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(edit, &enter);
        QDropEvent event(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(edit, &event);
    }

private Q_SLOTS:
    void init() { m_facades = std::make_unique<ScriptedFacades>(); }
    void cleanup() { m_facades.reset(); }

    // Each key goes through the box's rules: a refused one beeps and changes
    // nothing.
    void typingFollowsTheStyle()
    {
        SelTextBox path(nullptr, BoxStyle::Path);
        QSignalSpy changes(&path, &SelTextBox::changed);
        QTest::keyClicks(editOf(&path), u"a\\b\"c"_s);
        QCOMPARE(path.text(), u"a/bc"_s);
        QCOMPARE(changes.count(), 4);
        QCOMPARE(beeps(), 1);
        QTest::keyClick(editOf(&path), Qt::Key_F1);
        QCOMPARE(path.text(), u"a/bc"_s);
    }

    // A paste is checked like typing, by every way it arrives.
    void pastesAndDropsAreChecked()
    {
        SelTextBox box;
        box.setMaxLength(4);
        QLineEdit *edit = editOf(&box);
        QGuiApplication::clipboard()->setText(u"<B>"_s);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier);
        std::unique_ptr<QMenu> menu(edit->findChild<InputGuard *>()->contextMenu());
        for (QAction *action : menu->actions()) {
            if (action->objectName() == u"edit-paste")
                action->trigger();
        }
        drop(edit, u"say \"x\""_s);
        QCOMPARE(box.text(), QString());
        QCOMPARE(beeps(), 4);
        // Too long: pasted, cut, with a warning beep.
        QGuiApplication::clipboard()->setText(u"abcdef"_s);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box.text(), u"abcd"_s);
        QCOMPARE(beeps(), 5);
        box.setText(QString());
        drop(edit, u"ab\\c"_s);
        QCOMPARE(box.text(), u"ab\\c"_s);

        // A text set by the host that is no number is cleared.
        SelTextBox digits(nullptr, BoxStyle::DigitsOnly);
        digits.setText(u"1x"_s);
        QCOMPARE(digits.text(), QString());
    }

    // The box selects its text on taking the focus; the combo takes an
    // entry's spelling on losing it.
    void focusChanges()
    {
        QWidget host;
        auto *combo = new LookupCombo(&host, DefaultEntry::Nothing);
        combo->addItems({u"Center"_s, u"Left"_s});
        auto *box = new SelTextBox(&host);
        box->setText(u"value"_s);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        combo->setFocus();
        combo->setText(QString());
        QTest::keyClicks(QApplication::focusWidget(), u"c\""_s); // as the user types
        QCOMPARE(combo->text(), u"Center"_s);
        QCOMPARE(m_facades->beeper.beeps, 1);
        combo->setText(u"left"_s);
        box->setFocus(Qt::TabFocusReason);
        QLineEdit *edit = box->findChild<QLineEdit *>(u"txtSelBox"_s);
        QTRY_COMPARE(edit->selectedText(), u"value"_s);
        QCOMPARE(box->selStart(), 0);
        QCOMPARE(combo->text(), u"Left"_s);
    }

    void comboCompletesRefusesAndSpells()
    {
        LookupCombo combo(nullptr, DefaultEntry::Default);
        combo.addItems({u"Right"_s, u"Left"_s, u"Center"_s});
        QCOMPARE(combo.items(), (QStringList{u"(default)"_s, u"Center"_s, u"Left"_s, u"Right"_s}));
        QCOMPARE(combo.text(), u"(default)"_s);
        QLineEdit *edit = editOf(&combo);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_R);
        QCOMPARE(edit->selectedText(), u"ight"_s);
        QGuiApplication::clipboard()->setText(u"a>b"_s);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(combo.text(), u"Right"_s);
        QCOMPARE(combo.currentIndex(), 3);
        QCOMPARE(beeps(), 1);
        combo.setText(QString());
        combo.forceLostFocus();
        QCOMPARE(combo.text(), u"(default)"_s);
        combo.clear();
        QCOMPARE(combo.items(), QStringList{u"(default)"_s});

        LookupCombo plain(nullptr, DefaultEntry::Nothing, false);
        plain.setIllegalChar(u"#"_s);
        QTest::keyClicks(editOf(&plain), u"a#b"_s);
        QCOMPARE(plain.text(), u"ab"_s);
    }
};

QTEST_MAIN(SelTextBoxTest)
#include "seltextbox_guitest.moc"
