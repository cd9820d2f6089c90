#include "settings/filefilters.h"

#include "app/textrules.h"

#include <array>
#include <initializer_list>

namespace tavorin {

namespace {

enum Pair {
    All, Images, Sounds, AU, Exe, GIF, HTML, JPEG, MIDI, MPEG, MOV, Text, AVI, WAV, JS, ZIP, Help
};

const char *pairText(Pair pair)
{
    switch (pair) {
    case All: return "All Files (*.*)|*.*";
    case Images: return "All Images (*.gif,*.jpg,*.jpeg)|*.gif;*.jpg;*.jpeg";
    case Sounds: return "All Sounds (*.au,*.mid,*.midi,*.wav)|*.au;*.mid;*.midi;*.wav";
    case AU: return "AU Sounds (*.au)|*.au";
    case Exe: return "Executables (*.exe)|*.exe";
    case GIF: return "GIF Images (*.gif)|*.gif";
    case HTML: return "HTML Files (*.htm,*.html,*.shtml,*.asp)|*.htm;*.html;*.shtml;*.asp";
    case JPEG: return "JPEG Images (*.jpg,*.jpeg)|*.jpg;*.jpeg";
    case MIDI: return "MIDI Sounds (*.mid,*.midi)|*.mid;*.midi";
    case MPEG: return "MPEG Movies (*.mpg,*.mpeg)|*.mpg;*.mpeg";
    case MOV: return "Quicktime Movies (*.mov)|*.mov";
    case Text: return "Text Files (*.txt)|*.txt";
    case AVI: return "Video For Windows (*.avi)|*.avi";
    case WAV: return "WAV Sounds (*.wav)|*.wav";
    case JS: return "JavaScript Files (*.js)|*.js";
    case ZIP: return "Zipped Files (*.zip)|*.zip";
    case Help: return "Help Files (*.hlp)|*.hlp";
    }
    return "";
}

struct KindRow {
    std::initializer_list<Pair> pairs;
    int selected;
    const char *extension;
};

const std::array<KindRow, FilterKindCount> &kindTable()
{
    static const std::array<KindRow, FilterKindCount> table{{
        {{All, Images, Sounds, AU, Exe, GIF, HTML, JPEG, MIDI, MPEG, MOV, Text, AVI, WAV, JS, ZIP}, 1, ""},
        {{All, Exe}, 2, "exe"},
        {{All, HTML}, 2, "htm"},
        {{All, HTML, Text, JS}, 2, "htm"},
        {{All, Images, GIF, JPEG}, 2, ""},
        {{All, Sounds, AU, MIDI, WAV}, 2, ""},
        {{All, HTML, Text, JS}, 1, "txt"},
        {{All, HTML, Text, Help, Exe}, 2, "htm"},
    }};
    return table;
}

// The description without a bracketed list at its end: "HTML Files".
QString plainDescription(const QString &description)
{
    const QString trimmed = TrimSpaces(description);
    if (trimmed.endsWith(u')')) {
        const qsizetype open = trimmed.lastIndexOf(u'(');
        if (open > 0)
            return TrimSpaces(trimmed.left(open));
    }
    return trimmed;
}

} // namespace

bool IsFilterKind(int kind)
{
    return kind >= 0 && kind < FilterKindCount;
}

QString FilterText(int kind)
{
    if (!IsFilterKind(kind))
        return {};
    QStringList pairs;
    for (const Pair pair : kindTable()[kind].pairs)
        pairs.append(QString::fromLatin1(pairText(pair)));
    return pairs.join(u'|');
}

int SelectedFilterIndex(int kind)
{
    return IsFilterKind(kind) ? kindTable()[kind].selected : 2;
}

QString DefaultExtension(int kind)
{
    return IsFilterKind(kind) ? QString::fromLatin1(kindTable()[kind].extension) : QString();
}

QString QtNameFilter(const QString &description, const QString &patterns)
{
    QStringList wildcards;
    for (const QString &pattern : patterns.split(u';', Qt::SkipEmptyParts)) {
        const QString wildcard = TrimSpaces(pattern);
        if (wildcard.isEmpty())
            continue;
        // "*.*" means every file on the desktop it comes from; on Linux a
        // name need not hold a dot at all.
        wildcards.append(wildcard == u"*.*" ? QStringLiteral("*") : wildcard);
    }
    if (wildcards.isEmpty())
        wildcards.append(QStringLiteral("*"));
    QString name = plainDescription(description);
    if (name.isEmpty())
        name = wildcards.join(u' ');
    return name + QStringLiteral(" (") + wildcards.join(u' ') + u')';
}

QStringList QtNameFilters(const QString &filterText)
{
    const QStringList parts = filterText.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters.append(QtNameFilter(parts[i], parts[i + 1]));
    return filters;
}

void SetFilter(FileDialogRequest &request, int kind)
{
    request.selectedFilter.clear();
    request.defaultSuffix.clear();
    if (!IsFilterKind(kind)) {
        request.filters.clear();
        MsgBox(QStringLiteral("invalid filter"));
        return;
    }
    request.filters = QtNameFilters(FilterText(kind));
    const qsizetype selected = SelectedFilterIndex(kind) - 1;
    if (selected >= 0 && selected < request.filters.size())
        request.selectedFilter = request.filters[selected];
    request.defaultSuffix = DefaultExtension(kind);
}

void SetInitDir(FileDialogRequest &request, const QString &folder)
{
    if (folder.isEmpty())
        return;
    QString start = folder;
    if (start.size() >= 4 && (start.endsWith(u'\\') || start.endsWith(u'/')))
        start.chop(1);
    request.folder = start;
}

} // namespace tavorin
