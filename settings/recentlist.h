#pragma once

// Most-recently-used lists kept in the settings store under
// "Recent Lists\" + list name, as values prefix + " 1" ... prefix + " n",
// newest first, without duplicates (compared without regard to case).

#include <QString>

namespace tavorin {

// Puts item at the top of the list, moving the entries above its old place
// (or all of them) one down and dropping the oldest when the list is full.
// Nothing changes when the item is already the first entry. Capacity below
// 2 does nothing.
void UpdateRecentList(const QString &list, const QString &prefix, const QString &item,
                      int capacity);

// The recent-files list of nine documents.
inline constexpr int RecentFilesCapacity = 9;
void AddRecentFile(const QString &path);
// Entry n (1-based) of the recent-files list, "" when there is none.
QString GetRecentFile(int n);

// The folder of the most recent file with its trailing separator, or the
// application folder when there is no recent file.
QString RecentFolder();

} // namespace tavorin
