// The location control arranges its inputs, splits typed addresses and
// hands its input to the location rules.

#include "controls/locationcontrol.h"
#include "controls/lookupcombo.h"
#include "controls/seltextbox.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/testenvironment.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

class LocationControlTest : public QObject {
    Q_OBJECT

    // The names of the visible inputs.
    static QString shown(const LocationControl &control)
    {
        QStringList names;
        for (const char16_t *name : {u"txtFileLocation", u"cboURLService", u"txtURLText", u"cboAnchorList",
                                     u"cmdLocateFile", u"lblMainLabel"}) {
            if (!control.findChild<QWidget *>(QString::fromUtf16(name))->isHidden())
                names.append(QString::fromUtf16(name));
        }
        return names.join(u' ');
    }

private Q_SLOTS:
    void stylesArrangeTheInputs()
    {
        LocationControl control;
        QCOMPARE(control.size(), control.sizeHint());
        QCOMPARE(shown(control), u"txtFileLocation cmdLocateFile lblMainLabel"_s);
        QSignalSpy changes(&control, &LocationControl::LocationChange);
        control.setLocationStyle(LocationStyle::Anchor);
        QCOMPARE(shown(control), u"cboAnchorList lblMainLabel"_s);
        QCOMPARE(control.findChild<QLabel *>(u"lblMainLabel"_s)->text(), u"&Name Of Anchor:"_s);
        control.setLocation(u"#top"_s);
        QCOMPARE(control.Location(), u"top"_s);
        QCOMPARE(control.ProcessedLocation(), std::optional<QString>(u"top"_s));
        control.setLocationStyle(LocationStyle::None);
        QCOMPARE(shown(control), QString());
        QCOMPARE(changes.count(), 2);
        control.setCaptionWeb(u"&Page:"_s);
        QVERIFY(control.SetupWeb(u"mailto:someone"_s));
        QCOMPARE(shown(control), u"cboURLService txtURLText cmdLocateFile lblMainLabel"_s);
        QCOMPARE(control.findChild<QLabel *>(u"lblMainLabel"_s)->text(), u"&Page:"_s);
        QCOMPARE(control.ServiceType() + control.Location(), u"mailto:someone"_s);
        QCOMPARE(control.CreateAnchorList(u"<a name=one> <a name=two>"_s), 2);
        QCOMPARE(control.findChild<LookupCombo *>(u"cboAnchorList"_s)->items(), (QStringList{u"one"_s, u"two"_s}));
    }

    void typedAddressesAreSplit()
    {
        LocationControl control;
        control.setLocationStyle(LocationStyle::Web);
        auto *service = control.findChild<LookupCombo *>(u"cboURLService"_s);
        QCOMPARE(control.ServiceType(), u"http://"_s);
        auto *edit = control.findChild<SelTextBox *>(u"txtURLText"_s)->findChild<QLineEdit *>();
        QGuiApplication::clipboard()->setText(u"ftp://host/file"_s);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(control.ServiceType() + u'|' + control.Location(), u"ftp://|host/file"_s);
        edit->clear();
        QTest::keyClicks(edit, u"x\\y"_s);
        service->setText(QString());
        QCOMPARE(control.ProcessedLocation(), std::optional<QString>(u"http://x/y"_s));
    }

    void browseFillsTheInput()
    {
        ScriptedFacades facades;
        TestEnvironment env;
        const QString picture = env.writeFile(u"a.gif"_s, "GIF89a");
        LocationControl control;
        control.setFilter(4);
        control.setLocationStyle(LocationStyle::Web);
        facades.dialogs.answerFiles({picture});
        QTest::mouseClick(control.findChild<QPushButton *>(u"cmdLocateFile"_s), Qt::LeftButton);
        QCOMPARE(facades.dialogs.asked().first().file.title, u"Absolute Path For Intranet Image File..."_s);
        QCOMPARE(control.ServiceType() + control.Location(), u"file://"_s + picture);
        QCOMPARE(control.ProcessedLocation(), std::optional<QString>(u"file://"_s + picture));
        QVERIFY(facades.dialogs.problems().isEmpty());
    }
};

QTEST_MAIN(LocationControlTest)
#include "locationcontrol_guitest.moc"
