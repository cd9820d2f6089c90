#include "settings/fontcollectioncheck.h"

#include "app/facades.h"
#include "app/textrules.h"
#include "html/valuehelpers.h"

namespace tavorin {

namespace {

// Only the number and the name say whether an entry is used.
bool nameTaken(const QString &name, const FontCollectionTable &table)
{
    for (int i = 1; i < int(table.size()); ++i) {
        if (!table[i].name.isEmpty() && EqualNoCase(TrimSpaces(table[i].name), name))
            return true;
    }
    return false;
}

bool namesFont(const QString &box)
{
    return HasValue(box);
}

} // namespace

CollectionCheck CheckFontCollection(const QString &openedName, const QString &name,
                                    const CollectionFontBoxes &boxes, const FontCollectionTable &table)
{
    const QString trimmed = TrimSpaces(name);
    if (!HasValue(trimmed))
        return {CollectionProblem::NoName, {}};
    if (!EqualNoCase(trimmed, TrimSpaces(openedName)) && nameTaken(trimmed, table))
        return {CollectionProblem::NameTaken, {}};
    // A blank box counts as "(none)", so a collection never ends up without fonts.
    QStringList fonts;
    for (const QString &box : boxes) {
        if (namesFont(box))
            fonts.append(TrimSpaces(box.left(45)));
    }
    if (fonts.isEmpty())
        return {CollectionProblem::NoFont, {}};
    return {CollectionProblem::None, {trimmed, fonts.join(QStringLiteral(", "))}};
}

void ReportCollectionProblem(CollectionProblem problem)
{
    switch (problem) {
    case CollectionProblem::NoName:
        ReportRequiredEntry(QStringLiteral("enter the collection name"));
        break;
    case CollectionProblem::NameTaken:
        MsgBox(QStringLiteral("This collection name already exists. Please enter another name for this collection."),
               MessageButtons::Ok, MessageIcon::Exclamation);
        break;
    case CollectionProblem::NoFont:
        MsgBox(QStringLiteral("Please enter at least one font name for this collection."), MessageButtons::Ok,
               MessageIcon::Exclamation, QStringLiteral("Information Required"));
        break;
    case CollectionProblem::None:
        break;
    }
}

CollectionFontBoxes SplitCollectionFonts(const QString &fonts)
{
    CollectionFontBoxes boxes;
    const QStringList names = fonts.split(u',');
    for (int i = 0; i < 3; ++i) {
        const QString font = i < names.size() ? TrimSpaces(names[i]) : QString();
        boxes[i] = font.isEmpty() ? QString::fromLatin1(NoFontChoice) : font;
    }
    return boxes;
}

int FirstFreeCollection(const FontCollectionTable &table)
{
    for (int i = 1; i < int(table.size()); ++i) {
        if (table[i].name.isEmpty())
            return i;
    }
    return 0;
}

} // namespace tavorin
