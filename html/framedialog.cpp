#include "html/framedialog.h"

#include "app/textrules.h"
#include "html/elementedit.h"
#include "html/tagattributes.h"
#include "html/tagreaders.h"
#include "html/valuehelpers.h"

namespace tavorin {

using namespace Qt::StringLiterals;

namespace {

QString elementTag(FrameElement element)
{
    switch (element) {
    case FrameElement::Frameset:
        return u"FRAMESET"_s;
    case FrameElement::Frame:
        return u"FRAME"_s;
    case FrameElement::NoFrames:
        return u"NOFRAMES"_s;
    case FrameElement::None:
        break;
    }
    return {};
}

// The tag with every double-quoted value taken out, so that a word found in
// it is an attribute and not part of a file name or a script.
QString outsideQuotes(const QString &tag)
{
    QString result;
    bool quoted = false;
    for (const QChar c : tag) {
        if (c == u'"')
            quoted = !quoted;
        else if (!quoted)
            result += c;
    }
    return result;
}

QString buildFrame(const FrameOptions &frame)
{
    QString tag = u"<FRAME SRC="_s + QuoteValue(frame.source);
    if (!IsBlank(frame.name))
        tag += u" NAME="_s + QuoteValue(frame.name);
    if (!frame.resizable)
        tag += u" NORESIZE"_s;
    return tag + OptionalAttributes(FrameAttributeNames, frame.attributes) + u'>';
}

} // namespace

QStringList ScrollbarValues()
{
    return {u"Yes"_s, u"No"_s, u"Auto"_s};
}

QStringList FrameBorderValues()
{
    return {u"Yes"_s, u"No"_s, u"0"_s};
}

FrameElement FrameElementKind(const QString &selected)
{
    const QString text = TrimSpaces(selected);
    if (StartsWithNoCase(text, u"<FRAMESET"))
        return FrameElement::Frameset;
    if (StartsWithNoCase(text, u"<FRAME"))
        return FrameElement::Frame;
    if (StartsWithNoCase(text, u"<NOFRAMES"))
        return FrameElement::NoFrames;
    return FrameElement::None;
}

FrameDialogOptions ReadFrameElement(const QString &selected)
{
    FrameDialogOptions options;
    const FrameElement kind = FrameElementKind(selected);
    options.element = kind == FrameElement::None ? FrameElement::Frame : kind;
    if (kind == FrameElement::None)
        return options;
    const QString tag = CrLfToSpace(OpeningTagOf(selected));
    if (kind == FrameElement::Frameset) {
        ReadAttributes(tag, FramesetAttributeNames, options.frameset.attributes);
        ReadAttributes(tag, FramesetScriptNames, options.frameset.scripts);
    } else if (kind == FrameElement::Frame) {
        options.frame.source = GetAttributeValue(tag, u"SRC");
        options.frame.name = GetAttributeValue(tag, u"NAME");
        options.frame.resizable = !outsideQuotes(tag).contains(u"NORESIZE"_s, Qt::CaseInsensitive);
        ReadAttributes(tag, FrameAttributeNames, options.frame.attributes);
    }
    return options;
}

bool FramesetHasSizes(const FramesetOptions &options)
{
    return HasValue(options.attributes[0]) || HasValue(options.attributes[1]);
}

QString FramesetSizesRequest()
{
    return u"enter your frame column widths and/or frame row heights.\r\n\r\nExamples of typical entries: "_s
           + QuoteValue(u"100, *, 50"_s) + u" , "_s + QuoteValue(u"10%, 90%"_s);
}

QString BuildFrameElement(const FrameDialogOptions &options, const QString &selected)
{
    if (options.element == FrameElement::Frame || options.element == FrameElement::None)
        return buildFrame(options.frame);
    QString opening = u'<' + elementTag(options.element);
    if (options.element == FrameElement::Frameset) {
        opening += OptionalAttributes(FramesetAttributeNames, options.frameset.attributes)
                   + OptionalAttributes(FramesetScriptNames, options.frameset.scripts);
    }
    opening += u'>';
    return ReplaceOrWrapElement(opening, selected, FrameElementKind(selected) == options.element,
                                elementTag(options.element));
}

} // namespace tavorin
