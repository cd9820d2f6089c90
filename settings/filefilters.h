#pragma once

// The file-type filter lists of the open and save dialogs, chosen by kind
// number 0 to 7, and the starting folder of a dialog. A filter list is kept
// in the program's own notation, pairs of description and pattern joined by
// "|" ("Text Files (*.txt)|*.txt"), and converted to Qt name filters for the
// dialog ("Text Files (*.txt)").

#include "app/facades.h"

#include <QString>
#include <QStringList>

namespace tavorin {

// Kinds 0 to 7 exist; FilterKindCount is one past the last.
inline constexpr int FilterKindCount = 8;
bool IsFilterKind(int kind);

// The kind's filter list in "|" notation; "" for an unknown kind.
QString FilterText(int kind);
// The pair selected first, 1-based; 2 for an unknown kind.
int SelectedFilterIndex(int kind);
// The extension added to a typed name without one ("htm"); "" for none.
QString DefaultExtension(int kind);

// One Qt name filter from a description and a ";"-separated pattern list.
// "*.*" becomes "*", so files without a dot match too; the description's own
// bracketed pattern list is replaced by the Qt one.
QString QtNameFilter(const QString &description, const QString &patterns);
// Every pair of a "|" filter list as Qt name filters, in order. A trailing
// description without a pattern is dropped.
QStringList QtNameFilters(const QString &filterText);

// Fills the dialog request's filters, selected filter and default suffix
// from the kind. Any other kind shows "invalid filter" and leaves the
// request without filters.
void SetFilter(FileDialogRequest &request, int kind);

// Sets the starting folder when folder is not empty. A folder of four or
// more characters ending in a separator loses it ("C:\Web\" becomes
// "C:\Web"; "C:\" and "/" stay as they are).
void SetInitDir(FileDialogRequest &request, const QString &folder);

} // namespace tavorin
