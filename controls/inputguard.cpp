#include "controls/inputguard.h"

#include "app/facades.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>

namespace tavorin {

std::optional<QChar> TypedCharacter(const QKeyEvent &key)
{
    const QString text = key.text();
    if (text.size() != 1 || text.front().unicode() < 32 || text.front().unicode() == 127
        || (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return std::nullopt;
    return text.front();
}

InputGuard::InputGuard(QLineEdit *edit, Handlers handlers, QWidget *focusOwner)
    : QObject(edit), m_edit(edit), m_focusOwner(focusOwner ? focusOwner : edit), m_handlers(std::move(handlers))
{
    edit->installEventFilter(this);
    if (m_focusOwner != edit)
        m_focusOwner->installEventFilter(this);
}

QMenu *InputGuard::contextMenu() const
{
    QMenu *menu = m_edit->createStandardContextMenu();
    // The line edit's own Paste entry, found by its caption ("&Paste" and its key).
    for (QAction *action : menu->actions()) {
        if (action->text().section(u'\t', 0, 0) == QLineEdit::tr("&Paste")) {
            action->setObjectName(QStringLiteral("edit-paste"));
            action->disconnect();
            connect(action, &QAction::triggered, this, [this] { pasteFromClipboard(false); });
        }
    }
    return menu;
}

bool InputGuard::insertChecked(const QString &arriving) const
{
    const std::optional<QString> text = m_handlers.pasted(arriving);
    if (!text) {
        beeper().beep();
        return false;
    }
    m_edit->insert(*text);
    return true;
}

void InputGuard::pasteFromClipboard(bool selection) const
{
    const QString text = QGuiApplication::clipboard()->text(selection ? QClipboard::Selection : QClipboard::Clipboard);
    if (!text.isEmpty() && !m_edit->isReadOnly())
        insertChecked(text);
}

bool InputGuard::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_focusOwner && watched != m_edit) {
        // Keys and focus reach the edit through its owner, past any filter on the edit.
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::FocusIn
            && event->type() != QEvent::FocusOut)
            return false;
    } else if (watched != m_edit) {
        return false;
    }
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::Paste)) {
            pasteFromClipboard(false);
            return true;
        }
        if (key->key() == Qt::Key_F1)
            return true;
        const std::optional<QChar> typed = TypedCharacter(*key);
        return typed && m_handlers.typed(*typed);
    }
    case QEvent::FocusIn:
        if (m_handlers.focusIn)
            m_handlers.focusIn(static_cast<QFocusEvent *>(event)->reason());
        return false;
    case QEvent::FocusOut:
        if (m_handlers.focusOut)
            m_handlers.focusOut(static_cast<QFocusEvent *>(event)->reason());
        return false;
    case QEvent::ContextMenu: {
        QMenu *menu = contextMenu();
        menu->exec(static_cast<QContextMenuEvent *>(event)->globalPos());
        delete menu;
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::MiddleButton || !QGuiApplication::clipboard()->supportsSelection())
            return false;
        m_edit->setCursorPosition(m_edit->cursorPositionAt(mouse->position().toPoint()));
        pasteFromClipboard(true);
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QMimeData *data = drop->mimeData();
        if (!data->hasText() || m_edit->isReadOnly())
            return false;
        m_edit->setCursorPosition(m_edit->cursorPositionAt(drop->position().toPoint()));
        if (insertChecked(data->text())) {
            drop->setDropAction(Qt::CopyAction);
            drop->accept();
        } else {
            drop->ignore();
        }
        m_edit->setFocus(Qt::MouseFocusReason);
        return true;
    }
    default:
        return false;
    }
}

} // namespace tavorin
