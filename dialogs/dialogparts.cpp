#include "dialogs/dialogparts.h"

#include "app/documentwindow.h"
#include "app/mainwindow.h"
#include "app/richtextbox.h"
#include "app/statusmessages.h"
#include "controls/locationcontrol.h"
#include "controls/lookupcombo.h"
#include "controls/seltextbox.h"
#include "html/linkdialog.h"
#include "html/valuehelpers.h"
#include "settings/paths.h"
#include "settings/preferences.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace tavorin {

namespace {

template <class Button>
Button *namedButton(const QString &name, const QString &caption, QWidget *parent)
{
    auto *button = new Button(caption, parent);
    button->setObjectName(name);
    return button;
}

} // namespace

SelTextBox *NamedTextBox(const QString &name, int maxLength, QWidget *parent, BoxStyle style)
{
    auto *box = new SelTextBox(parent, style);
    box->setObjectName(name);
    box->setMaxLength(maxLength);
    return box;
}

LookupCombo *NamedCombo(const QString &name, const QStringList &items, QWidget *parent)
{
    auto *combo = new LookupCombo(parent, DefaultEntry::Default);
    combo->setObjectName(name);
    combo->addItems(items);
    return combo;
}

QLabel *BuddyLabel(const QString &name, const QString &caption, QWidget *buddy, QWidget *parent)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setBuddy(buddy);
    return label;
}

QGroupBox *NamedFrame(const QString &name, const QString &title, QWidget *parent)
{
    auto *frame = new QGroupBox(title, parent);
    frame->setObjectName(name);
    return frame;
}

QCheckBox *NamedCheckBox(const QString &name, const QString &caption, QWidget *parent)
{
    return namedButton<QCheckBox>(name, caption, parent);
}

QRadioButton *NamedOption(const QString &name, const QString &caption, QWidget *parent)
{
    return namedButton<QRadioButton>(name, caption, parent);
}

QPushButton *NamedButton(const QString &name, const QString &caption, QWidget *parent)
{
    return namedButton<QPushButton>(name, caption, parent);
}

void AddScriptBoxes(QGridLayout *grid, int firstRow, const QString &name, const QString &label,
                    const QStringList &captions, std::span<SelTextBox *> boxes, QWidget *parent,
                    QList<QWidget *> *labels)
{
    for (int i = 0; i < int(boxes.size()) && i < captions.size(); ++i) {
        const QString index = u'_' + QString::number(i);
        boxes[i] = NamedTextBox(name + index, 255, parent);
        QLabel *caption = BuddyLabel(label + index, captions[i], boxes[i], parent);
        grid->addWidget(caption, firstRow + i, 0);
        grid->addWidget(boxes[i], firstRow + i, 1, 1, -1);
        if (labels)
            labels->append(caption);
    }
}

LocationControl *ImageLocationControl(QWidget *parent)
{
    auto *location = new LocationControl(parent);
    location->setObjectName(QStringLiteral("lcImageLocation"));
    location->setCaptionLocal(QStringLiteral("Image &Location:"));
    location->setCaptionWeb(QStringLiteral("Image Address (&URL):"));
    location->setFilter(4);
    return location;
}

void ReadBackLocation(LocationControl *location, QRadioButton *url, const QString &value)
{
    if (value.isEmpty())
        return;
    if (location->SetupWeb(value))
        url->setChecked(true);
    else
        location->setLocation(value);
}

void CoupleFileOption(QRadioButton *file, LocationControl *location)
{
    QObject::connect(file, &QRadioButton::toggled, location, [location](bool on) {
        location->setLocationStyle(on ? LocationStyle::LocalFile : LocationStyle::Web);
    });
}

QString ActiveDocumentText()
{
    const DocumentWindow *doc = MainWindow::activeDocumentWindow();
    return doc ? doc->textBox()->text() : QString();
}

QString ActiveDocumentFolder()
{
    const DocumentWindow *doc = MainWindow::activeDocumentWindow();
    return doc && HasDrive(doc->FullPath()) ? FolderOf(doc->FullPath()) : QString();
}

void CoupleTargetAndNewWindow(LookupCombo *target, QCheckBox *newWindow)
{
    target->addItems(TargetValues());
    QObject::connect(target, &LookupCombo::changed, newWindow,
                     [target, newWindow] { newWindow->setChecked(OpensNewWindow(target->text())); });
    // Toggled, not clicked: a target typed as "_New" checks the box, and the
    // box in turn makes it "_blank".
    QObject::connect(newWindow, &QCheckBox::toggled, target, [target](bool checked) {
        const QString wanted = TargetForNewWindow(checked, target->text());
        if (wanted != target->text())
            target->setText(wanted);
    });
}

void CoupleStatusScripts(SelTextBox *status, SelTextBox *mouseOver, SelTextBox *mouseOut)
{
    QObject::connect(status, &SelTextBox::changed, mouseOver, [status, mouseOver, mouseOut] {
        mouseOver->setText(StatusOverScript(status->text()));
        mouseOut->setText(StatusOutScript());
    });
}

void BuildAnchorListOnce(LocationControl *location, bool &built)
{
    QCoreApplication::processEvents();
    if (!Prefs().AnchorLists || built)
        return;
    const Hourglass busy;
    location->CreateAnchorList(ActiveDocumentText());
    built = true;
}

} // namespace tavorin
