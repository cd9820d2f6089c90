#pragma once

// Checks every text that arrives in a line edit other than by typing: the
// paste keys (Ctrl+V, Shift+Insert), the context menu's Paste, a middle-click
// and a drop. The owner's check decides what goes in; a refused text goes
// nowhere and the box beeps once.

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QKeyEvent;
class QLineEdit;
class QMenu;

namespace tavorin {

// The printable character a key press types; nothing for control keys and
// shortcuts, which the line edit handles itself.
std::optional<QChar> TypedCharacter(const QKeyEvent &key);

class PasteGuard final : public QObject {
    Q_OBJECT
public:
    // The text to insert for an arriving text, or nothing to refuse it.
    using Check = std::function<std::optional<QString>(const QString &arriving)>;

    // Watches edit (which keeps the guard as its child).
    PasteGuard(QLineEdit *edit, Check check);
    Q_DISABLE_COPY_MOVE(PasteGuard)

    // The edit's context menu, its Paste checked like the keys; the caller owns it.
    QMenu *contextMenu() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void pasteFromClipboard(bool selection) const;
    bool insertChecked(const QString &arriving) const;

    QLineEdit *m_edit = nullptr;
    Check m_check;
};

} // namespace tavorin
