#pragma once

// Pieces the tag dialogs share besides their frame: labelled boxes and
// frames made by name, the active document's text and folder, and the
// couplings of the link controls (target and new window, status text and
// its scripts, the anchor list built once) used by the link and image
// dialogs alike.

#include "controls/selboxrules.h"

#include <QString>
#include <QStringList>

#include <span>

class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;

namespace tavorin {

class LocationControl;
class LookupCombo;
class SelTextBox;

// widget, named name: for controls made in place.
template <class Widget>
Widget *Named(Widget *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

// A text box named name with a maximum length (0: none) and a style.
SelTextBox *NamedTextBox(const QString &name, int maxLength, QWidget *parent, BoxStyle style = BoxStyle::Ordinary);
// A lookup combo named name with a "(default)" entry before items.
LookupCombo *NamedCombo(const QString &name, const QStringList &items, QWidget *parent);
// A label named name whose access key gives buddy the focus.
QLabel *BuddyLabel(const QString &name, const QString &caption, QWidget *buddy, QWidget *parent);
QGroupBox *NamedFrame(const QString &name, const QString &title, QWidget *parent);
QCheckBox *NamedCheckBox(const QString &name, const QString &caption, QWidget *parent);
QRadioButton *NamedOption(const QString &name, const QString &caption, QWidget *parent);
QPushButton *NamedButton(const QString &name, const QString &caption, QWidget *parent);

// The script boxes of a dialog, name + "_0", name + "_1" ..., one per
// caption, at most 255 characters, each under a label (label + "_" + index)
// in the rows of grid from firstRow on, the box spanning the columns from 1.
// The labels are added to labels when asked.
void AddScriptBoxes(QGridLayout *grid, int firstRow, const QString &name, const QString &label,
                    const QStringList &captions, std::span<SelTextBox *> boxes, QWidget *parent,
                    QList<QWidget *> *labels = nullptr);

// "lcImageLocation": the location of a picture, with the image captions
// and the image files' filter.
LocationControl *ImageLocationControl(QWidget *parent);

// The location of a tag read back: an address goes into the web layout and
// checks url; anything else is set as it stands. Nothing for "".
void ReadBackLocation(LocationControl *location, QRadioButton *url, const QString &value);
// Checking file shows the location's local-file layout, unchecking it the web layout.
void CoupleFileOption(QRadioButton *file, LocationControl *location);

// The whole text and the folder (with a trailing separator) of the active
// document; "" when there is none or it was never saved.
QString ActiveDocumentText();
QString ActiveDocumentFolder();

// Fills the target combo ("(default)" first) and keeps the new-window box
// in step with it: a new-window target checks the box, checking the box
// makes the target "_blank", unchecking it drops a new-window target.
void CoupleTargetAndNewWindow(LookupCombo *target, QCheckBox *newWindow);
// Every change of the status text rewrites the onMouseOver and onMouseOut scripts.
void CoupleStatusScripts(SelTextBox *status, SelTextBox *mouseOver, SelTextBox *mouseOut);
// Adds the anchors of the active document to the location's list the first
// time the anchor style is chosen, when the AnchorLists preference is on.
void BuildAnchorListOnce(LocationControl *location, bool &built);

} // namespace tavorin
