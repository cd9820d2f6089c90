#include "controls/seltextbox.h"

#include "app/facades.h"
#include "app/helpwindow.h"
#include "controls/inputguard.h"

#include <QHBoxLayout>
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
    InputGuard::Handlers handlers;
    handlers.typed = [this](QChar c) { return typed(c); };
    handlers.pasted = [this](const QString &pasted) { return checkPasted(pasted); };
    // After the click that gave the focus has placed the caret.
    handlers.focusIn = [this](Qt::FocusReason) { QTimer::singleShot(0, m_edit, &QLineEdit::selectAll); };
    new InputGuard(m_edit, std::move(handlers));
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

bool SelTextBox::typed(QChar c)
{
    const BoxInput input = TypedIntoBox(c, m_rules);
    if (input.refused) {
        beeper().beep();
        return true;
    }
    if (input.text == QString(c))
        return false;
    m_edit->insert(input.text);
    return true;
}

} // namespace tavorin
