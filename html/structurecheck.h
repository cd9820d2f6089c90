#pragma once

// The page structure check: which of the eight structure tags a page lacks,
// with a remark when a frame document holds BODY tags.

#include <QString>

namespace tavorin {

// The report text for the document text.
QString StructureReport(const QString &text);

// Shows StructureReport(text) (information icon, OK, title
// "HTML Page Structure Report").
void CheckStructure(const QString &text);

} // namespace tavorin
