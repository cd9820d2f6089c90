#include "controls/seltextbox.h"

#include "app/facades.h"
#include "app/helpwindow.h"
#include "controls/pasteguard.h"

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

namespace tavorin {

namespace {

// QLineEdit's own limit, which stands for "no limit".
constexpr int Unlimited = 32767;

} // namespace

SelTextBox::SelTextBox(QWidget *parent, BoxStyle style) : QWidget(parent), m_edit(new QLineEdit(this))
{
    m_rules.style = style;
    m_edit->setObjectName(QStringLiteral("txtSelBox"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_edit);
    setFocusProxy(m_edit);
    setSizePolicy(m_edit->sizePolicy());
    m_edit->installEventFilter(this);
    new PasteGuard(m_edit, [this](const QString &pasted) { return checkPasted(pasted); });
    connect(m_edit, &QLineEdit::textChanged, this, &SelTextBox::textEdited);
}

QString SelTextBox::text() const
{
    return m_edit->text();
}

void SelTextBox::setText(const QString &text)
{
    m_edit->setText(text);
}

void SelTextBox::setMaxLength(int maxLength)
{
    m_maxLength = qMax(0, maxLength);
    m_edit->setMaxLength(m_maxLength == 0 ? Unlimited : m_maxLength);
}

int SelTextBox::selStart() const
{
    return m_edit->hasSelectedText() ? m_edit->selectionStart() : m_edit->cursorPosition();
}

void SelTextBox::setSelStart(int position)
{
    m_edit->setCursorPosition(position);
}

void SelTextBox::setBoxStyle(BoxStyle style)
{
    m_rules.style = style;
}

void SelTextBox::setHelpTopic(int topic)
{
    m_helpTopic = topic;
    SetHelpContext(this, topic);
}

std::optional<QString> SelTextBox::checkPasted(const QString &pasted) const
{
    const BoxInput input = PastedIntoBox(pasted, m_rules);
    if (input.refused)
        return std::nullopt;
    if (PasteWillBeCut(input.text.size(), m_maxLength))
        beeper().beep();
    return input.text;
}

void SelTextBox::textEdited(const QString &text)
{
    const QString kept = ChangedBoxText(text, m_rules.style);
    if (kept != text) {
        m_edit->setText(kept); // raises changed() through the next textChanged
        return;
    }
    Q_EMIT changed();
}

bool SelTextBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_edit)
        return false;
    if (event->type() == QEvent::FocusIn) {
        // After the click that gave the focus has placed the caret.
        QTimer::singleShot(0, m_edit, &QLineEdit::selectAll);
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() == Qt::Key_F1)
        return true; // help is the host's Help button
    const std::optional<QChar> typed = TypedCharacter(*key);
    if (!typed)
        return false;
    const BoxInput input = TypedIntoBox(*typed, m_rules);
    if (input.refused) {
        beeper().beep();
        return true;
    }
    if (input.text == QString(*typed))
        return false;
    m_edit->insert(input.text);
    return true;
}

} // namespace tavorin
