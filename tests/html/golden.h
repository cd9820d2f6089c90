#pragma once

// Expected texts kept in files under data/ beside these tests. With
// TAVORIN_UPDATE_GOLDEN set the files are written instead
// (tests/html/update-golden.sh), so a change shows as a diff to review.

#include "tests/support/testenvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

namespace tavorin::testing {

inline void CompareWithGolden(const QString &name, const QString &text)
{
    const QString path = QFileInfo(QString::fromUtf8(__FILE__)).absolutePath() + QStringLiteral("/data/") + name;
    if (qEnvironmentVariableIsSet("TAVORIN_UPDATE_GOLDEN")) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text.toUtf8());
        return;
    }
    QVERIFY2(QFileInfo::exists(path), qPrintable(QStringLiteral("no golden file ") + path));
    const QStringList got = text.split(u'\n');
    const QStringList want = ReadText(path).split(u'\n');
    for (qsizetype i = 0; i < qMax(got.size(), want.size()); ++i) {
        if (got.value(i) != want.value(i))
            QFAIL(qPrintable(QStringLiteral("%1 differs at line %2:\n  got:  %3\n  want: %4")
                                 .arg(path).arg(i + 1).arg(got.value(i).trimmed(), want.value(i).trimmed())));
    }
}

// Short results one a line, "case: text", with line breaks and tabs written
// as \r, \n and \t, compared with one golden file when the transcript ends.
class Transcript {
public:
    explicit Transcript(QString name)
        : m_name(std::move(name))
    {
    }
    ~Transcript() { CompareWithGolden(m_name, m_text); }
    Q_DISABLE_COPY_MOVE(Transcript)

    void add(const QString &name, const QString &text) { m_text += shown(name) + QStringLiteral(": ") + shown(text) + u'\n'; }
    // Each input with what the function makes of it.
    template <typename Function>
    void addEach(const QStringList &inputs, Function function)
    {
        for (const QString &input : inputs)
            add(input, function(input));
    }

private:
    static QString shown(QString text)
    {
        return text.replace(u'\\', QStringLiteral("\\\\"))
            .replace(u'\r', QStringLiteral("\\r"))
            .replace(u'\n', QStringLiteral("\\n"))
            .replace(u'\t', QStringLiteral("\\t"));
    }

    QString m_name;
    QString m_text;
};

} // namespace tavorin::testing
