#include "html/framesdocument.h"

#include "html/formattags.h"
#include "html/pageskeleton.h"
#include "html/tagreaders.h"
#include "html/valuehelpers.h"
#include "settings/paths.h"

namespace tavorin {

namespace {

const QString CrLf = QStringLiteral("\r\n");

QString sizeValue(const FramesOptions &options, const char *sizes)
{
    const QString width = options.width.trimmed() + (options.widthPercent ? QStringLiteral("%") : QString());
    const QString height = options.height.trimmed() + (options.heightPercent ? QStringLiteral("%") : QString());
    QStringList parts = QString::fromLatin1(sizes).split(u',');
    for (QString &part : parts) {
        if (part == u"W")
            part = width;
        else if (part == u"H")
            part = height;
    }
    return parts.join(u',');
}

QString frameTag(const FrameRecord &frame)
{
    QString tag = QStringLiteral("<FRAME");
    if (!frame.location.trimmed().isEmpty())
        tag += QStringLiteral(" SRC=") + QuoteValue(frame.source);
    if (!frame.name.isEmpty())
        tag += QStringLiteral(" NAME=") + QuoteValue(frame.name);
    if (!frame.resizable)
        tag += QStringLiteral(" NORESIZE");
    if (!frame.scrollbars)
        tag += QStringLiteral(" SCROLLING=") + QuoteValue(QStringLiteral("No"));
    return tag + u'>';
}

QString noFramesBlock(const QString &text, int depth)
{
    return CrLf + IndentLines(depth, QStringLiteral("<NOFRAMES>")) + CrLf + IndentLines(depth, LinesToBreaks(text))
        + CrLf + IndentLines(depth, QStringLiteral("</NOFRAMES>")) + CrLf + CrLf;
}

} // namespace

QString BuildFramesDocument(const FramesOptions &options)
{
    using Kind = LayoutEntry::Kind;
    QString text = PageHeader(options.title, false) + CommentTag(QStringLiteral("Start Of Frame Set")) + CrLf;
    int depth = 0;
    bool outermost = true;
    for (const LayoutEntry &entry : FrameLayout(options.style)) {
        switch (entry.kind) {
        case Kind::OpenCols:
        case Kind::OpenRows:
            text += IndentLines(depth, QStringLiteral("<FRAMESET "))
                + (entry.kind == Kind::OpenCols ? QStringLiteral("COLS=") : QStringLiteral("ROWS="))
                + QuoteValue(sizeValue(options, entry.sizes)) + u'>' + CrLf;
            ++depth;
            if (outermost && !options.noFrames.isEmpty())
                text += noFramesBlock(options.noFrames, depth);
            outermost = false;
            break;
        case Kind::Frame:
            text += IndentLines(depth, frameTag(options.frames[entry.frame - 1])) + CrLf;
            break;
        case Kind::Close:
            if (--depth == 0)
                text += CrLf;
            text += IndentLines(depth, QStringLiteral("</FRAMESET>")) + CrLf;
            break;
        }
    }
    return text + CommentTag(QStringLiteral("End Of Frame Set")) + QStringLiteral("\r\n\r\n</HTML>");
}

bool FrameNeedsCopy(const QString &location, const QString &framesDocument)
{
    return DriveOf(location).compare(DriveOf(framesDocument), Qt::CaseInsensitive) != 0;
}

QString FrameSource(const QString &location, const QString &framesDocument, bool lowerCase)
{
    const QString source = FrameNeedsCopy(location, framesDocument)
        ? FileNameOf(location)
        : ToLinkSlashes(RelativePath(location.trimmed(), framesDocument), location);
    return lowerCase ? source.toLower() : source;
}

QString FrameLocationText(const QString &text)
{
    const QString trimmed = text.trimmed();
    return IsLinuxPath(trimmed) ? trimmed : ToPathBackslashes(trimmed);
}

} // namespace tavorin
