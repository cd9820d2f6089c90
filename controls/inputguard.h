#pragma once

// Checks every text that arrives in a line edit: each typed character, and
// what arrives by the paste keys (Ctrl+V, Shift+Insert), the context menu's
// Paste, a middle-click and a drop. The owner's handlers decide what goes
// in; a refused paste goes nowhere and the box beeps once. F1 is swallowed:
// help is the host's Help button.

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QKeyEvent;
class QLineEdit;
class QMenu;
class QWidget;

namespace tavorin {

// The printable character a key press types; nothing for control keys and
// shortcuts, which the line edit handles itself.
std::optional<QChar> TypedCharacter(const QKeyEvent &key);

class InputGuard final : public QObject {
    Q_OBJECT
public:
    struct Handlers {
        // A typed character; true when the handler dealt with it (refused or
        // inserted it), false to let the line edit type it.
        std::function<bool(QChar typed)> typed;
        // The text to insert for a pasted or dropped text, or nothing to refuse it.
        std::function<std::optional<QString>(const QString &arriving)> pasted;
        // The edit took or lost the focus (either may be left empty).
        std::function<void(Qt::FocusReason)> focusIn;
        std::function<void(Qt::FocusReason)> focusOut;
    };

    // Watches edit (which keeps the guard as its child) and, for the keys and
    // the focus, the widget that holds the focus for it (an editable combo
    // takes the focus and the keys of its line edit; nullptr: edit itself).
    InputGuard(QLineEdit *edit, Handlers handlers, QWidget *focusOwner = nullptr);
    Q_DISABLE_COPY_MOVE(InputGuard)

    // The edit's context menu, its Paste checked like the keys; the caller owns it.
    QMenu *contextMenu() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void pasteFromClipboard(bool selection) const;
    bool insertChecked(const QString &arriving) const;

    QLineEdit *m_edit = nullptr;
    QWidget *m_focusOwner = nullptr;
    Handlers m_handlers;
};

} // namespace tavorin
