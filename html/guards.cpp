#include "html/guards.h"

#include "app/facades.h"
#include "html/insertstate.h"

namespace tavorin {

std::optional<TextRange> FindRange(const QString &text, const QString &startText,
                                   const QString &endText, const QString &stopText)
{
    if (startText.isEmpty() || endText.isEmpty())
        return std::nullopt;
    const qsizetype start = text.indexOf(startText, 0, Qt::CaseInsensitive);
    if (start < 0)
        return std::nullopt;
    const qsizetype after = start + startText.size();
    const qsizetype endAt = text.indexOf(endText, after, Qt::CaseInsensitive);
    if (endAt < 0)
        return std::nullopt;
    qsizetype end = endAt + endText.size();
    if (!stopText.isEmpty()) {
        const qsizetype stop = text.indexOf(stopText, after, Qt::CaseInsensitive);
        if (stop >= 0 && stop < endAt)
            end = stop;
    }
    return TextRange{start, end - start};
}

QString RangeText(const QString &text, const std::optional<TextRange> &range)
{
    if (!range)
        return {};
    return text.mid(range->start, range->length);
}

std::optional<TextRange> TitleRange(const QString &text)
{
    return FindRange(text, QStringLiteral("<title>"), QStringLiteral("</title>"));
}

std::optional<TextRange> BodyTagRange(const QString &text)
{
    return FindRange(text, QStringLiteral("<body"), QStringLiteral(">"), QStringLiteral("<"));
}

bool IsFrameDocument(const QString &text)
{
    return text.contains(QStringLiteral("<FRAMESET"), Qt::CaseInsensitive);
}

GuardDecision FrameDocGuard(const QString &text)
{
    GuardDecision decision;
    if (IsFrameDocument(text)) {
        decision.refused = true;
        decision.messages << QStringLiteral("This appears to be a frame document (as it contains FRAMESET tags).")
                + QStringLiteral("\r\n\r\n")
                + QStringLiteral("The tag you have attempted to insert should not be used in a frame document.");
    }
    return decision;
}

GuardDecision SingleTagGuard(const QString &text, const QString &tag)
{
    GuardDecision decision;
    if (tag.size() >= 2) {
        decision.existingTag = FindRange(text, tag.chopped(1), tag.right(1));
        if (decision.existingTag) {
            decision.refused = true;
            decision.messages << QStringLiteral("There is already a ") + tag
                    + QStringLiteral(" tag in this document!");
        }
    }
    if (tag.compare(QStringLiteral("</BODY>"), Qt::CaseInsensitive) == 0) {
        const GuardDecision frames = FrameDocGuard(text);
        decision.refused = decision.refused || frames.refused;
        decision.messages += frames.messages;
    }
    return decision;
}

bool ShowGuardRefusal(const GuardDecision &decision)
{
    for (const QString &message : decision.messages)
        MsgBox(message, MessageButtons::Ok, MessageIcon::Information, QString::fromLatin1(GuardMessageTitle));
    if (decision.refused)
        InsertCancelled = true;
    return decision.refused;
}

} // namespace tavorin
