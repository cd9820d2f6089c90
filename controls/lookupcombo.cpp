#include "controls/lookupcombo.h"

#include "app/facades.h"
#include "app/helpwindow.h"
#include "controls/inputguard.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>

namespace tavorin {

namespace {

// A combo that tells before its list drops down.
class DroppingCombo final : public QComboBox {
public:
    using QComboBox::QComboBox;
    std::function<void()> aboutToShow;
    void showPopup() override
    {
        if (aboutToShow)
            aboutToShow();
        QComboBox::showPopup();
    }
};

} // namespace

LookupCombo::LookupCombo(QWidget *parent, DefaultEntry defaultEntry, bool matchCase)
    : QWidget(parent), m_defaultEntry(defaultEntry), m_matchCase(matchCase)
{
    auto *combo = new DroppingCombo(this);
    combo->aboutToShow = [this] { Q_EMIT droppedDown(); };
    m_combo = combo;
    m_combo->setObjectName(QStringLiteral("cboLookupCombo"));
    m_combo->setEditable(true);
    m_combo->setInsertPolicy(QComboBox::NoInsert);
    m_combo->setCompleter(nullptr); // completion is the combo's own
    m_combo->setMaxVisibleItems(12);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_combo);
    setFocusProxy(m_combo);
    setSizePolicy(m_combo->sizePolicy());

    QLineEdit *edit = m_combo->lineEdit();
    InputGuard::Handlers handlers;
    handlers.typed = [this](QChar c) { return typed(c); };
    handlers.pasted = [this](const QString &pasted) -> std::optional<QString> {
        if (LookupRefusesText(pasted, m_illegalChar))
            return std::nullopt;
        return pasted;
    };
    handlers.focusOut = [this](Qt::FocusReason reason) {
        if (reason != Qt::PopupFocusReason)
            forceLostFocus();
    };
    new InputGuard(edit, std::move(handlers), m_combo);
    connect(edit, &QLineEdit::textChanged, this, &LookupCombo::changed);
    connect(m_combo, &QComboBox::activated, this, &LookupCombo::clicked);

    // Loading: the default entry is the first entry and the text.
    clear();
}

void LookupCombo::clear()
{
    m_combo->clear();
    const QString entry = defaultText();
    if (!entry.isEmpty())
        m_combo->addItem(entry);
    setText(entry);
}

void LookupCombo::forceLostFocus()
{
    const QString kept = LostFocusText(items(), text(), defaultText(), m_matchCase);
    if (kept != text())
        setText(kept);
}

void LookupCombo::addItem(const QString &item)
{
    // Inserting moves the shown entry; the text stays as it was.
    const QString shown = text();
    m_combo->insertItem(int(SortedInsertIndex(items(), item)), item);
    // The list drops down wide enough for its entries, however narrow the combo.
    QAbstractItemView *list = m_combo->view();
    list->setMinimumWidth(std::max(list->minimumWidth(), list->sizeHintForColumn(0) + 24));
    if (text() != shown)
        setText(shown);
}

void LookupCombo::addItems(const QStringList &items)
{
    for (const QString &item : items)
        addItem(item);
}

void LookupCombo::removeItem(int index)
{
    const QString shown = text();
    m_combo->removeItem(index);
    if (text() != shown)
        setText(shown);
}

QString LookupCombo::item(int index) const
{
    return m_combo->itemText(index);
}

QStringList LookupCombo::items() const
{
    QStringList result;
    for (int i = 0; i < m_combo->count(); ++i)
        result.append(m_combo->itemText(i));
    return result;
}

int LookupCombo::count() const
{
    return m_combo->count();
}

int LookupCombo::currentIndex() const
{
    return int(items().indexOf(text()));
}

void LookupCombo::setCurrentIndex(int index)
{
    if (index >= 0 && index < count())
        setText(item(index));
}

QString LookupCombo::text() const
{
    return m_combo->lineEdit()->text();
}

void LookupCombo::setText(const QString &text)
{
    const int index = int(items().indexOf(text));
    if (index >= 0)
        m_combo->setCurrentIndex(index);
    m_combo->setEditText(text);
    m_combo->lineEdit()->setCursorPosition(0); // a narrow combo shows the start of its text
}

void LookupCombo::setHelpTopic(int topic)
{
    m_helpTopic = topic;
    SetHelpContext(this, topic);
}

bool LookupCombo::typed(QChar c)
{
    if (LookupRefuses(c, m_illegalChar)) {
        beeper().beep();
        Q_EMIT keyPressed(0);
        return true;
    }
    QLineEdit *edit = m_combo->lineEdit();
    const qsizetype start = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    const std::optional<Completion> completion
        = CompleteLookup(items(), edit->text(), start, edit->selectedText().size(), c);
    if (!completion) {
        Q_EMIT keyPressed(c.unicode());
        return false;
    }
    edit->setText(completion->text);
    edit->setSelection(int(completion->selStart), int(completion->selLength));
    if (completion->selLength == 0)
        edit->setCursorPosition(int(completion->selStart));
    Q_EMIT keyPressed(0);
    return true;
}

} // namespace tavorin
