#include "app/toollayout.h"

#include "settings/checkedfile.h"

#include <QSet>

#include <cstring>

namespace tavorin {

using namespace Qt::StringLiterals;

namespace {

const QString Header = u"Tavorin Tool Layout"_s;
const QString FormatVersion = u"1"_s;
// A layout of the program has a few hundred tools; anything far beyond that
// is not a layout file.
constexpr qint64 MaxFileSize = 4 * 1024 * 1024;

QString Escape(const QString &field)
{
    QString out;
    out.reserve(field.size());
    for (const QChar c : field) {
        if (c == u'\\')
            out += u"\\\\"_s;
        else if (c == u'\t')
            out += u"\\t"_s;
        else if (c == u'\n')
            out += u"\\n"_s;
        else if (c == u'\r')
            out += u"\\r"_s;
        else
            out += c;
    }
    return out;
}

std::optional<QString> Unescape(const QString &field)
{
    QString out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] != u'\\') {
            out += field[i];
            continue;
        }
        if (++i >= field.size())
            return std::nullopt;
        switch (field[i].unicode()) {
        case u'\\': out += u'\\'; break;
        case u't': out += u'\t'; break;
        case u'n': out += u'\n'; break;
        case u'r': out += u'\r'; break;
        default: return std::nullopt;
        }
    }
    return out;
}

QString KindText(BandKind kind)
{
    switch (kind) {
    case BandKind::MenuBar: return u"menubar"_s;
    case BandKind::ToolBar: return u"toolbar"_s;
    case BandKind::PopUp: break;
    }
    return u"popup"_s;
}

std::optional<BandKind> KindFrom(const QString &text)
{
    if (text == u"menubar")
        return BandKind::MenuBar;
    if (text == u"toolbar")
        return BandKind::ToolBar;
    if (text == u"popup")
        return BandKind::PopUp;
    return std::nullopt;
}

QString AreaText(DockArea area)
{
    switch (area) {
    case DockArea::Bottom: return u"bottom"_s;
    case DockArea::Left: return u"left"_s;
    case DockArea::Right: return u"right"_s;
    case DockArea::Top: break;
    }
    return u"top"_s;
}

std::optional<DockArea> AreaFrom(const QString &text)
{
    if (text == u"top")
        return DockArea::Top;
    if (text == u"bottom")
        return DockArea::Bottom;
    if (text == u"left")
        return DockArea::Left;
    if (text == u"right")
        return DockArea::Right;
    return std::nullopt;
}

QString Flag(bool on)
{
    return on ? u"1"_s : u"0"_s;
}

std::optional<bool> FlagFrom(QChar c)
{
    if (c == u'1')
        return true;
    if (c == u'0')
        return false;
    return std::nullopt;
}

std::optional<int> NumberFrom(const QString &text, int lowest, int highest)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < lowest || value > highest)
        return std::nullopt;
    return value;
}

bool IsTransient(const Tool &tool)
{
    return tool.name == u"WindowListItem";
}

// One line split into unescaped fields, or nothing when a field is damaged.
std::optional<QStringList> Fields(const QString &line)
{
    QStringList fields;
    for (const QString &raw : line.split(u'\t')) {
        const std::optional<QString> field = Unescape(raw);
        if (!field)
            return std::nullopt;
        fields.append(*field);
    }
    return fields;
}

std::optional<Tool> ToolFrom(const QStringList &f)
{
    if (f.size() != 12 || f[11].size() != 4)
        return std::nullopt;
    Tool tool;
    tool.key = f[1];
    tool.name = f[2];
    tool.commandText = f[3];
    tool.category = f[4];
    tool.caption = f[5];
    tool.description = f[6];
    tool.subBand = f[7];
    tool.tag = f[8];
    const std::optional<int> code = NumberFrom(f[9], 0, 2);
    const std::optional<int> identifier = NumberFrom(f[10], 0, 1 << 30);
    const std::optional<bool> enabled = FlagFrom(f[11][0]);
    const std::optional<bool> checked = FlagFrom(f[11][1]);
    const std::optional<bool> visible = FlagFrom(f[11][2]);
    const std::optional<bool> group = FlagFrom(f[11][3]);
    if (!code || !identifier || !enabled || !checked || !visible || !group)
        return std::nullopt;
    tool.documentCode = *code;
    tool.identifier = *identifier;
    tool.enabled = *enabled;
    tool.checked = *checked;
    tool.visible = *visible;
    tool.beginsGroup = *group;
    return tool;
}

std::optional<Band> BandFrom(const QStringList &f)
{
    if (f.size() < 7 || f[4].size() != 1)
        return std::nullopt;
    const std::optional<BandKind> kind = KindFrom(f[3]);
    const std::optional<bool> visible = FlagFrom(f[4][0]);
    const std::optional<DockArea> area = AreaFrom(f[5]);
    const std::optional<int> line = NumberFrom(f[6], 0, 99);
    if (!kind || !visible || !area || !line)
        return std::nullopt;
    Band band;
    band.name = f[1];
    band.title = f[2];
    band.kind = *kind;
    band.visible = *visible;
    band.area = *area;
    band.line = *line;
    band.tools = f.mid(7);
    return band;
}

void SetError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

} // namespace

QString LayoutToText(const BarLayout &layout)
{
    QSet<QString> transient;
    QStringList lines{Header + u'\t' + FormatVersion};
    qsizetype toolCount = 0;
    for (const Tool &tool : layout.tools) {
        if (IsTransient(tool)) {
            transient.insert(tool.key);
            continue;
        }
        const QString flags =
            Flag(tool.enabled) + Flag(tool.checked) + Flag(tool.visible) + Flag(tool.beginsGroup);
        const QStringList fields{u"tool"_s,        tool.key,        tool.name,     tool.commandText,
                                 tool.category,    tool.caption,    tool.description, tool.subBand,
                                 tool.tag,         QString::number(tool.documentCode),
                                 QString::number(tool.identifier), flags};
        QStringList escaped;
        for (const QString &field : fields)
            escaped.append(Escape(field));
        lines.append(escaped.join(u'\t'));
        ++toolCount;
    }
    for (const Band &band : layout.bands) {
        QStringList fields{u"band"_s,           band.name,       band.title,           KindText(band.kind),
                           Flag(band.visible), AreaText(band.area), QString::number(band.line)};
        for (const QString &key : band.tools) {
            if (!transient.contains(key))
                fields.append(key);
        }
        QStringList escaped;
        for (const QString &field : std::as_const(fields))
            escaped.append(Escape(field));
        lines.append(escaped.join(u'\t'));
    }
    lines.append(u"end\t%1\t%2"_s.arg(toolCount).arg(layout.bands.size()));
    return lines.join(u'\n') + u'\n';
}

std::optional<BarLayout> LayoutFromText(const QString &text, QString *error)
{
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QString &line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    if (lines.isEmpty() || lines.first() != Header + u'\t' + FormatVersion) {
        SetError(error, u"it is not a tool layout file"_s);
        return std::nullopt;
    }
    BarLayout layout;
    bool ended = false;
    for (qsizetype n = 1; n < lines.size(); ++n) {
        const auto damaged = [&] {
            SetError(error, u"line %1 is damaged"_s.arg(n + 1));
            return std::nullopt;
        };
        if (ended)
            return damaged();
        const std::optional<QStringList> fields = Fields(lines[n]);
        if (!fields || fields->isEmpty())
            return damaged();
        const QString &record = fields->first();
        if (record == u"tool") {
            const std::optional<Tool> tool = ToolFrom(*fields);
            if (!tool)
                return damaged();
            layout.tools.append(*tool);
        } else if (record == u"band") {
            const std::optional<Band> band = BandFrom(*fields);
            if (!band)
                return damaged();
            layout.bands.append(*band);
        } else if (record == u"end" && fields->size() == 3) {
            if (fields->at(1) != QString::number(layout.tools.size())
                || fields->at(2) != QString::number(layout.bands.size()))
                return damaged();
            ended = true;
        } else {
            return damaged();
        }
    }
    if (!ended) {
        SetError(error, u"the file is incomplete"_s);
        return std::nullopt;
    }
    if (const QString problem = LayoutProblem(layout); !problem.isEmpty()) {
        SetError(error, problem);
        return std::nullopt;
    }
    return layout;
}

bool SaveLayout(const BarLayout &layout, const QString &path, QString *error)
{
    // The layout files live in the program's own folders, so a temporary file
    // an interrupted save left beside one is ours to remove.
    if (const int failure = WriteWholeFile(path, LayoutToText(layout).toUtf8(),
                                           CheckedFileWriter::Leftovers::RemoveStale)) {
        SetError(error, QString::fromLocal8Bit(std::strerror(failure)));
        return false;
    }
    return true;
}

std::optional<BarLayout> LoadLayout(const QString &path, QString *error)
{
    const BoundedRead read = ReadBoundedFile(path, MaxFileSize);
    switch (read.status) {
    case BoundedRead::Status::Missing:
        SetError(error, u"the file does not exist"_s);
        return std::nullopt;
    case BoundedRead::Status::Refused:
        SetError(error, u"the file cannot be read or is too large to be a tool layout"_s);
        return std::nullopt;
    case BoundedRead::Status::Read:
        break;
    }
    return LayoutFromText(QString::fromUtf8(read.bytes), error);
}

} // namespace tavorin
