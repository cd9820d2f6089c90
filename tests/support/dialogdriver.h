#pragma once

// Drives a tag dialog that a command opens modally in a running editor:
// the action runs once the dialog named is up, sets its controls by their
// object names and presses its buttons; a dialog still open afterwards (a
// refused OK) is cancelled, so a test never hangs. Header-only, for tests
// that link the ui library.

#include "app/documentwindow.h"
#include "app/richtextbox.h"
#include "controls/colourselector.h"
#include "controls/locationcontrol.h"
#include "controls/lookupcombo.h"
#include "controls/seltextbox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>

#include <functional>

namespace tavorin::testing {

// Runs action on the modal dialog named name as soon as it is shown.
inline void OnDialog(const QString &name, std::function<void(QDialog *)> action)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, name, action] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog || dialog->objectName() != name || !dialog->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        action(dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    timer->start();
}

// The child named name, of the kind asked for; there must be one.
template<typename T = QWidget>
T *Child(const QObject &parent, const QString &name)
{
    T *found = parent.findChild<T *>(name);
    Q_ASSERT_X(found, "Child", qPrintable(name));
    return found;
}

// Sets the text of the control named name, whatever kind of input it is.
inline void SetText(QDialog *dialog, const QString &name, const QString &text)
{
    if (auto *box = dialog->findChild<SelTextBox *>(name))
        box->setText(text);
    else if (auto *combo = dialog->findChild<LookupCombo *>(name))
        combo->setText(text);
    else if (auto *colour = dialog->findChild<ColourSelector *>(name))
        colour->setText(text);
    else if (auto *location = dialog->findChild<LocationControl *>(name))
        location->setLocation(text);
    else
        QFAIL(qPrintable(QStringLiteral("no input named ") + name));
}

inline QString TextOf(QDialog *dialog, const QString &name)
{
    if (auto *box = dialog->findChild<SelTextBox *>(name))
        return box->text();
    if (auto *combo = dialog->findChild<LookupCombo *>(name))
        return combo->text();
    if (auto *colour = dialog->findChild<ColourSelector *>(name))
        return colour->text();
    if (auto *location = dialog->findChild<LocationControl *>(name))
        return location->Location();
    return QStringLiteral("<no input named ") + name + u'>';
}

// Clicks the button, option or check box named name.
inline void Click(QDialog *dialog, const QString &name)
{
    auto *button = dialog->findChild<QAbstractButton *>(name);
    QVERIFY2(button && button->isEnabled(), qPrintable(name));
    button->click();
}

inline bool IsChecked(QDialog *dialog, const QString &name)
{
    auto *button = dialog->findChild<QAbstractButton *>(name);
    return button && button->isChecked();
}

// Gives the document text with a selection marked by "[" and "]": "a[bc]d".
inline void OpenMarked(DocumentWindow *doc, QString text)
{
    const qsizetype start = text.indexOf(u'[');
    text.remove(start, 1);
    const qsizetype end = text.indexOf(u']');
    doc->DocText(text.remove(end, 1));
    doc->textBox()->select(start, end - start);
}

} // namespace tavorin::testing
