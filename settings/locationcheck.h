#pragma once

// The rules of the location dialog's OK: a description and a location are
// required, and the location must name something that can be used: an
// existing file; for a reference guide also an Internet or file address;
// for a browser also a program found on PATH.

#include <QString>

namespace tavorin {

// The file-dialog filter kinds the location dialog is used with.
inline constexpr int BrowserFilterKind = 1;
inline constexpr int GuideFilterKind = 7;

enum class LocationProblem { None, NoName, NoLocation, NoFile };

// The first problem of the entry, in the order OK reports them.
LocationProblem CheckLocation(const QString &name, const QString &location, int filterKind);

// Shows the message for a refused entry (nothing for None).
void ReportLocationProblem(LocationProblem problem, const QString &location);

// True for a location that starts with "http://", "https://" or "file://" (any case).
bool IsAddressLocation(const QString &location);

} // namespace tavorin
