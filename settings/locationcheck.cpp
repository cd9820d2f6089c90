#include "settings/locationcheck.h"

#include "app/facades.h"
#include "app/textrules.h"
#include "html/valuehelpers.h"
#include "settings/files.h"

#include <QStandardPaths>

namespace tavorin {

namespace {

// A bare program name ("firefox") is looked up on PATH as the launcher will.
bool IsProgramOnPath(const QString &location)
{
    const QString name = TrimSpaces(location);
    return !name.contains(u'/') && !name.contains(u'\\')
           && !QStandardPaths::findExecutable(name).isEmpty();
}

} // namespace

bool IsAddressLocation(const QString &location)
{
    const QString trimmed = TrimSpaces(location);
    return StartsWithNoCase(trimmed, u"https://") || StartsWithNoCase(trimmed, u"http://")
           || StartsWithNoCase(trimmed, u"file://");
}

LocationProblem CheckLocation(const QString &name, const QString &location, int filterKind)
{
    if (!HasValue(name))
        return LocationProblem::NoName;
    if (!HasValue(location))
        return LocationProblem::NoLocation;
    if (FileExists(location))
        return LocationProblem::None;
    if (filterKind == GuideFilterKind && IsAddressLocation(location))
        return LocationProblem::None;
    if (filterKind == BrowserFilterKind && IsProgramOnPath(location))
        return LocationProblem::None;
    return LocationProblem::NoFile;
}

void ReportLocationProblem(LocationProblem problem, const QString &location)
{
    switch (problem) {
    case LocationProblem::NoName:
        ReportRequiredEntry(QStringLiteral("enter the description to be used"));
        break;
    case LocationProblem::NoLocation:
        ReportRequiredEntry(QStringLiteral("enter the file location"));
        break;
    case LocationProblem::NoFile:
        ReportMissingFile(location);
        break;
    case LocationProblem::None:
        break;
    }
}

} // namespace tavorin
