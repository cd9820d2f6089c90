#include "settings/recentlist.h"

#include "app/textrules.h"
#include "settings/environment.h"
#include "settings/paths.h"
#include "settings/settingsstore.h"

#include <QStringList>

namespace tavorin {

namespace {

QString EntryName(const QString &prefix, int position)
{
    return prefix + u' ' + QString::number(position);
}

} // namespace

void UpdateRecentList(const QString &list, const QString &prefix, const QString &item,
                      int capacity)
{
    // An empty item would end the list at its top, and one too long to be
    // read back would do the same; neither is stored.
    if (capacity < 2 || item.isEmpty() || item.size() > MaxRegValueLength)
        return;
    const QString section = QStringLiteral("Recent Lists\\") + list;

    // The last place is read too: in a full list it drops off the end anyway,
    // but below a gap it may be the only copy of a file.
    QStringList stored;
    int found = 0;
    for (int i = 1; i <= capacity; ++i) {
        const QString entry = ReadSetting(section, EntryName(prefix, i));
        if (EqualNoCase(entry, item))
            found = i;
        stored.append(entry);
    }
    if (found == 1)
        return; // already on top, spelling and all

    // The item first, then every other entry in its old order. Empty places
    // (a value that could not be read) are closed up, so no copy of the item
    // below such a gap survives.
    QStringList order{item};
    for (const QString &entry : std::as_const(stored)) {
        if (!entry.isEmpty() && !EqualNoCase(entry, item))
            order.append(entry);
    }
    while (order.size() > capacity)
        order.removeLast();

    // One write for the whole list. Places below it that still hold an entry
    // (left behind by a gap) are emptied, or they would show again later as
    // duplicates; an empty value is the same as no value.
    QList<NamedValue> values;
    for (int i = 1; i <= capacity; ++i) {
        if (i <= order.size())
            values.append({EntryName(prefix, i), order[i - 1]});
        else if (!stored[i - 1].isEmpty())
            values.append({EntryName(prefix, i), QString()});
    }
    WriteSettings(section, values);
}

void AddRecentFile(const QString &path)
{
    UpdateRecentList(QStringLiteral("Recent Files"), QStringLiteral("RecentFile"), path,
                     RecentFilesCapacity);
}

QString GetRecentFile(int n)
{
    return ReadSetting(QStringLiteral("Recent Lists\\Recent Files"),
                       QStringLiteral("RecentFile ") + QString::number(n));
}

QString RecentFolder()
{
    const QString folder = FolderOf(GetRecentFile(1));
    // A stored entry without any folder part gives no usable folder either.
    return folder.isEmpty() ? AppPath() : folder;
}

} // namespace tavorin
