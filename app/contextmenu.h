#pragma once

class QPoint;

namespace tavorin {

// The right-click menu of a document: the "Edit Selected Tags" entry is set
// up for the active document's selection (which command it runs, its caption
// and description, or unavailable), then the context menu band pops up at
// the screen position given. Choosing an entry comes back as a click on its
// tool.
void ShowContextMenu(const QPoint &globalPosition);

} // namespace tavorin
