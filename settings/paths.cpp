#include "settings/paths.h"

#include "app/textrules.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace tavorin {

namespace {

// A Linux path (one that begins with "/") separates with "/" alone, and "\"
// is a character of its names; every other path also separates with "\".
bool isSeparator(QChar c, bool linuxPath)
{
    return c == u'/' || (!linuxPath && c == u'\\');
}

qsizetype lastSeparator(const QString &path)
{
    const bool linuxPath = IsLinuxPath(path);
    for (qsizetype i = path.size() - 1; i >= 0; --i) {
        if (isSeparator(path[i], linuxPath))
            return i;
    }
    return -1;
}

QString cutBeforeAnchor(const QString &text)
{
    const qsizetype hash = text.indexOf(u'#');
    return hash < 0 ? text : text.left(hash);
}

bool sameChar(QChar a, QChar b, Qt::CaseSensitivity cs)
{
    return cs == Qt::CaseSensitive ? a == b : a.toCaseFolded() == b.toCaseFolded();
}

// Every entry of a folder, hidden ones included, sorted by name so that a
// case-blind choice between "a.htm" and "A.htm" is always the same one.
QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

// The entry of folder spelt name, exactly when it exists, otherwise the first
// whose name equals it without regard to case; "" when there is none.
QString entryNamed(const QString &folder, const QString &name)
{
    if (name == u"." || name == u"..")
        return name;
    const QStringList entries = entriesOf(folder);
    if (entries.contains(name))
        return name;
    for (const QString &entry : entries) {
        if (EqualNoCase(entry, name))
            return entry;
    }
    return {};
}

QString withTrailingSlash(const QString &folder)
{
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

// A command line of Linux paths in one text: blanks separate paths, double
// quotes keep blanks inside one path, and a blank-separated word that does not
// begin with "/" continues the path before it ("/home/me/My Page.htm").
QStringList splitLinuxFileList(const QString &text)
{
    struct Word {
        QString text;
        QString blanksBefore;
        bool quoted = false;
    };
    QList<Word> words;
    qsizetype i = 0;
    while (i < text.size()) {
        Word word;
        while (i < text.size() && text[i] == u' ')
            word.blanksBefore += text[i++];
        if (i >= text.size())
            break;
        word.quoted = text[i] == u'"';
        bool inQuotes = false;
        while (i < text.size() && (inQuotes || text[i] != u' ')) {
            if (text[i] == u'"')
                inQuotes = !inQuotes;
            else
                word.text += text[i];
            ++i;
        }
        words.append(word);
    }

    QStringList result;
    bool lastQuoted = true;
    for (const Word &word : words) {
        const bool continues = !result.isEmpty() && !word.quoted && !lastQuoted
                               && !word.text.startsWith(u'/');
        if (continues) {
            result.last() += word.blanksBefore + word.text;
        } else if (!word.text.isEmpty()) {
            result.append(word.text);
            lastQuoted = word.quoted;
        }
    }
    return result;
}

} // namespace

bool IsUNC(const QString &path)
{
    return TrimSpaces(path).startsWith(u"\\\\");
}

bool IsLinuxPath(const QString &path)
{
    return TrimSpaces(path).startsWith(u'/');
}

bool HasDrive(const QString &path)
{
    const QString trimmed = TrimSpaces(path);
    return trimmed.startsWith(u'/') || (trimmed.size() >= 2 && trimmed[1] == u':');
}

QString DriveOf(const QString &path)
{
    const QString trimmed = TrimSpaces(path);
    return trimmed.startsWith(u'/') ? QStringLiteral("/") : trimmed.left(3);
}

QString FolderOf(const QString &path)
{
    return path.left(lastSeparator(path) + 1);
}

QString FileNameOf(const QString &path)
{
    return cutBeforeAnchor(TrimSpaces(QStringView(path).mid(lastSeparator(path) + 1)));
}

QString ExtensionOf(const QString &path)
{
    return cutBeforeAnchor(TrimSpaces(QStringView(path).mid(path.lastIndexOf(u'.') + 1)));
}

QString QuotedFileName(const QString &path)
{
    return u'"' + FileNameOf(path) + u'"';
}

QString ToLinkSlashes(const QString &text, const QString &source)
{
    QString result = text;
    if (IsLinuxPath(text) || IsLinuxPath(source))
        return result.replace(u'\\', QStringLiteral("%5C"));
    return result.replace(u'\\', u'/');
}

QString ToPathBackslashes(const QString &text)
{
    QString result = text;
    return result.replace(u'/', u'\\');
}

QString SeparatorOf(const QString &path)
{
    return IsLinuxPath(path) ? QStringLiteral("/") : QStringLiteral("\\");
}

QString NativeSeparator()
{
    return QString(QDir::separator());
}

// The common stretch of both texts ends at the last separator the two share;
// every folder left in the document's part is one step up. Drive-letter
// documents count only "\" (a "/" there is part of a name typed by hand),
// Linux documents cut and count at "/" alone.
QString RelativePath(const QString &target, const QString &document)
{
    const bool linuxPath = IsLinuxPath(document);
    const Qt::CaseSensitivity cs = linuxPath ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const QChar separator = linuxPath ? u'/' : u'\\';

    const qsizetype limit = std::min(target.size(), document.size());
    qsizetype common = 0;
    for (qsizetype i = 0; i < limit && sameChar(target[i], document[i], cs); ++i) {
        if (isSeparator(target[i], linuxPath))
            common = i + 1;
    }
    const qsizetype steps = QStringView(document).mid(common).count(separator);
    return (QStringLiteral("..") + separator).repeated(steps) + target.mid(common);
}

QString ShortenPath(const QString &path)
{
    // Positions below count from 1, as the shortening rule is stated.
    const QString text = TrimSpaces(path);
    const qsizetype length = text.size();
    if (length < 47)
        return text;
    const bool linuxPath = IsLinuxPath(text);

    qsizetype p = 2;
    for (qsizetype i = length; i >= 3; --i) {
        if (isSeparator(text[i - 1], linuxPath)) {
            p = i;
            break;
        }
    }
    QString tail = text.mid(p - 1);
    if (tail.size() > 40)
        tail = tail.left(19) + QStringLiteral("...") + tail.right(19);
    if (tail.size() + p > 47)
        p = 47 - tail.size();
    if (p < 4)
        return text.left(p - 1) + tail;

    qsizetype q = 2;
    for (qsizetype i = p - 1; i >= 3; --i) {
        if (isSeparator(text[i - 1], linuxPath)) {
            q = i;
            break;
        }
    }
    return text.left(q) + QStringLiteral("...") + tail;
}

QString TrueCasePath(const QString &path)
{
    const QString trimmed = TrimSpaces(path);
    QString result;
    QString onDisk;
    QString rest;
    QChar separator;
    const bool linuxPath = trimmed.startsWith(u'/');
    if (linuxPath) {
        onDisk = QStringLiteral("/");
        rest = trimmed.mid(1);
        separator = u'/';
    } else if (trimmed.size() >= 3 && trimmed[1] == u':' && isSeparator(trimmed[2], false)) {
        result = trimmed.left(2);
        onDisk = trimmed.left(3);
        rest = trimmed.mid(3);
        separator = u'\\';
    } else {
        return path;
    }

    const QStringList components
        = linuxPath ? rest.split(u'/') : rest.split(QRegularExpression(QStringLiteral("[\\\\/]")));
    for (const QString &component : components) {
        if (component.isEmpty())
            continue;
        const QString name = entryNamed(onDisk, component);
        if (name.isEmpty())
            return path;
        result += separator + name;
        onDisk = withTrailingSlash(onDisk) + name;
    }
    if (result.isEmpty() || (!rest.isEmpty() && isSeparator(rest.back(), linuxPath)))
        result += separator;
    return result;
}

QString ResolveCaseBlind(const QString &folder, const QString &relative)
{
    QString onDisk = folder;
    const QStringList components = relative.split(QRegularExpression(QStringLiteral("[\\\\/]")),
                                                  Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < components.size(); ++i) {
        const QString name = entryNamed(onDisk, components[i]);
        if (name.isEmpty())
            return withTrailingSlash(onDisk) + components.mid(i).join(u'/');
        onDisk = withTrailingSlash(onDisk) + name;
    }
    return onDisk;
}

QStringList SplitFileList(const QString &text)
{
    const QString trimmed = TrimSpaces(text);
    const QString unquoted = QString(trimmed).remove(u'"');
    if (TrimSpaces(unquoted).startsWith(u'/'))
        return splitLinuxFileList(trimmed);

    // Desktop notation: a new path begins at every drive letter.
    QString marked;
    for (qsizetype i = 0; i < unquoted.size(); ++i) {
        if (i >= 3 && i + 1 < unquoted.size() && unquoted[i + 1] == u':')
            marked += u'"';
        marked += unquoted[i];
    }
    return marked.split(u'"', Qt::SkipEmptyParts);
}

QStringList SplitFileList(const QStringList &arguments, const QString &startFolder)
{
    QStringList result;
    for (const QString &argument : arguments) {
        if (IsBlank(argument))
            continue;
        if (HasDrive(argument) || IsUNC(argument) || startFolder.isEmpty())
            result.append(argument);
        else
            result.append(QDir::cleanPath(withTrailingSlash(startFolder) + argument));
    }
    return result;
}

} // namespace tavorin
