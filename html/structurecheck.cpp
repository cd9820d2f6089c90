#include "html/structurecheck.h"

#include "app/facades.h"
#include "html/guards.h"

#include <array>

namespace tavorin {

namespace {

struct StructureTag {
    const char16_t *searched;
    const char16_t *reported;
    bool body; // BODY tags do not belong in a frame document
};

constexpr std::array StructureTags{
    StructureTag{u"<HTML>", u"<HTML>", false},
    StructureTag{u"<HEAD>", u"<HEAD>", false},
    StructureTag{u"<TITLE>", u"<TITLE>", false},
    StructureTag{u"</TITLE>", u"</TITLE>", false},
    StructureTag{u"</HEAD>", u"</HEAD>", false},
    StructureTag{u"<BODY", u"<BODY>", true},
    StructureTag{u"</BODY>", u"</BODY>", true},
    StructureTag{u"</HTML>", u"</HTML>", false},
};

const QString BodyInFrames = QStringLiteral("BODY tags should not be included in a frames document.");

} // namespace

QString StructureReport(const QString &text)
{
    const bool frames = IsFrameDocument(text);
    QString missing;
    int count = 0;
    bool bodyInFrames = false;
    for (const StructureTag &tag : StructureTags) {
        const bool present = text.contains(QStringView(tag.searched), Qt::CaseInsensitive);
        if (!present && !(tag.body && frames)) {
            missing += QString::fromUtf16(tag.reported) + u' ';
            ++count;
        }
        if (present && tag.body && frames)
            bodyInFrames = true;
    }

    if (count == 0) {
        QString report = QStringLiteral("No structure tags are missing from this document.");
        if (bodyInFrames)
            report += QStringLiteral("\r\nHowever, ") + BodyInFrames;
        return report;
    }
    QString report = count == 1
        ? QStringLiteral("The following structure tag is missing from this document:")
        : QStringLiteral("The following %1 structure tags are missing from this document:").arg(count);
    report += QStringLiteral("\r\n\r\n") + missing;
    if (bodyInFrames)
        report += QStringLiteral("\r\n\r\nAlso, ") + BodyInFrames;
    return report;
}

void CheckStructure(const QString &text)
{
    MsgBox(StructureReport(text), MessageButtons::Ok, MessageIcon::Information,
           QStringLiteral("HTML Page Structure Report"));
}

} // namespace tavorin
