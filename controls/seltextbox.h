#pragma once

// The single-line text box of every dialog ("Tavorin.SelTextBox"). It filters
// typed keys by its box style, refuses the double quote unless allowed (so a
// value can stand between double quotes in a tag), keeps "<" and ">" out of
// ordinary values, checks pasted and dropped text the same way, and selects
// its whole text when it takes the focus. Its text box is "txtSelBox".

#include "controls/selboxrules.h"

#include <QWidget>

class QLineEdit;

namespace tavorin {

class SelTextBox final : public QWidget {
    Q_OBJECT
    Q_CLASSINFO("ClassName", "Tavorin.SelTextBox")
public:
    explicit SelTextBox(QWidget *parent = nullptr, BoxStyle style = BoxStyle::Ordinary);
    Q_DISABLE_COPY_MOVE(SelTextBox)

    QString text() const;
    // Sets the text as given (no key filter), raising changed().
    void setText(const QString &text);
    // 0: no limit.
    int maxLength() const { return m_maxLength; }
    void setMaxLength(int maxLength);
    int selStart() const;
    void setSelStart(int position);
    BoxStyle boxStyle() const { return m_rules.style; }
    void setBoxStyle(BoxStyle style);
    bool allowQuote() const { return m_rules.allowQuote; }
    void setAllowQuote(bool allow) { m_rules.allowQuote = allow; }
    // The help context number of the box (0: the host's).
    int helpTopic() const { return m_helpTopic; }
    void setHelpTopic(int topic);

Q_SIGNALS:
    // After every change of the text, typed or set.
    void changed();

private:
    bool typed(QChar c);
    void textEdited(const QString &text);
    std::optional<QString> checkPasted(const QString &pasted) const;

    QLineEdit *m_edit = nullptr;
    BoxRules m_rules;
    int m_maxLength = 0;
    int m_helpTopic = 0;
};

} // namespace tavorin
