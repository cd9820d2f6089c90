#pragma once

// The editable drop-down list of the dialogs ("Tavorin.LookupCombo"): it
// completes typed text from its list, which it keeps sorted without regard
// to case, holds a fixed default entry that stands for "no value", refuses
// characters that would break a tag attribute (typed or pasted), and takes
// the spelling of a matching entry when it loses the focus. Its combo box is
// "cboLookupCombo".

#include "controls/lookuprules.h"

#include <QWidget>

class QComboBox;

namespace tavorin {

class LookupCombo final : public QWidget {
    Q_OBJECT
    Q_CLASSINFO("ClassName", "Tavorin.LookupCombo")
public:
    // The default entry and whether leaving the combo takes an entry's
    // spelling are fixed for the combo's life. The combo starts with its
    // default entry as the list's first entry and as its text.
    explicit LookupCombo(QWidget *parent = nullptr, DefaultEntry defaultEntry = DefaultEntry::None,
                         bool matchCase = true);
    Q_DISABLE_COPY_MOVE(LookupCombo)

    // Empties the list, then puts the default entry back as entry and text.
    void clear();
    // What losing the focus does to the text, on request.
    void forceLostFocus();
    // Adds an entry at its sorted place.
    void addItem(const QString &item);
    void addItems(const QStringList &items);
    void removeItem(int index);
    QString item(int index) const;
    QStringList items() const;
    int count() const;
    // The entry shown, -1 when the text is none of them.
    int currentIndex() const;
    void setCurrentIndex(int index);
    QString text() const;
    void setText(const QString &text);
    // One further character that may not be typed; "" for none.
    QString illegalChar() const { return m_illegalChar; }
    void setIllegalChar(const QString &c) { m_illegalChar = c.left(1); }
    DefaultEntry defaultEntry() const { return m_defaultEntry; }
    QString defaultText() const { return DefaultEntryText(m_defaultEntry); }
    bool matchCase() const { return m_matchCase; }
    int helpTopic() const { return m_helpTopic; }
    void setHelpTopic(int topic);

Q_SIGNALS:
    // The text changed, typed, picked or set.
    void changed();
    // The list is about to drop down.
    void droppedDown();
    // An entry was picked from the list; changed() follows.
    void clicked();
    // A typed character code after the filter and completion: 0 when it was
    // refused or used by the completion.
    void keyPressed(int code);

private:
    bool typed(QChar c);

    QComboBox *m_combo = nullptr;
    DefaultEntry m_defaultEntry = DefaultEntry::None;
    bool m_matchCase = true;
    QString m_illegalChar;
    int m_helpTopic = 0;
};

} // namespace tavorin
