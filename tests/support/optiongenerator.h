#pragma once

// Generated option sets for round-trip tests: every run draws the same
// sequence, so a failure names a case that can be run again.

#include <QRandomGenerator>
#include <QString>
#include <QStringList>

namespace tavorin::testing {

class OptionGenerator {
public:
    explicit OptionGenerator(quint32 seed = 20261207)
        : m_random(seed)
    {
    }

    QString pick(const QStringList &choices) { return choices.at(index(int(choices.size()))); }
    int index(int count) { return int(m_random.bounded(count)); }
    bool flip() { return index(2) == 1; }
    // "" or one to maxDigits digits.
    QString digits(int maxDigits)
    {
        const int length = index(maxDigits + 1);
        QString text;
        for (int i = 0; i < length; ++i)
            text += QChar(u'0' + index(10));
        return text;
    }

private:
    QRandomGenerator m_random;
};

} // namespace tavorin::testing
