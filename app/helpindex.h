#pragma once

// The index of the help pages: which page explains each help context number
// and which page each keyword leads to. It is the text file
// SystemFiles/Help/index.txt:
//
//   ; a comment
//   [Topics]
//   410 = format.html#link      (help context number = page, optional anchor)
//   [Keywords]
//   Link = format.html#link     (keyword = page, optional anchor)
//
// Section names match without regard to case; spaces around names and pages
// are ignored; lines that do not fit are skipped.

#include <QList>
#include <QMap>
#include <QString>

namespace tavorin {

struct HelpKeyword {
    QString keyword;
    QString page; // "format.html#link"
};

class HelpIndex {
public:
    // Reads the index text; anything unreadable is left out.
    static HelpIndex parse(const QString &text);
    // Reads the index file; a missing or unreadable file gives an empty index.
    static HelpIndex load(const QString &path);

    // The page of a help context number; "" when the index does not list it.
    QString topicPage(int topic) const;
    const QMap<int, QString> &topics() const { return m_topics; }

    // Every keyword, sorted without regard to case; a keyword listed twice
    // keeps its first page.
    const QList<HelpKeyword> &keywords() const { return m_keywords; }
    // The page of the keyword equal to key without regard to case, or "".
    QString keywordPage(const QString &key) const;
    // The position in keywords() of the first keyword that begins with the
    // prefix (without regard to case); -1 when none does.
    qsizetype firstKeywordStartingWith(const QString &prefix) const;

private:
    QMap<int, QString> m_topics;
    QList<HelpKeyword> m_keywords;
};

// The page file of a page reference, without its "#anchor".
QString HelpPageFile(const QString &page);

} // namespace tavorin
