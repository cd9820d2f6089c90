#pragma once

// The quick table dialog's text apart from its widget: a complete empty
// table of rows and columns, with an optional caption, the selected text in
// its first cell, and banner comments around each part when asked.

#include <QString>

namespace tavorin {

struct QuickTableOptions {
    int rows = 3;
    int columns = 3;
    QString caption; // no caption when blank
    bool comments = false;
    QString selectedText; // the content of the first cell
};

// A row or column count as typed: its leading number, 1 when that is below
// 1 and at most 99 (the two digits its box holds).
int QuickTableCount(const QString &typed);

// The TABLE element holding the caption (when not blank) and the rows of
// empty TD cells, each part on lines of its own and indented when IndentCode
// is on; with comments, every row, the caption and the table between
// "Start Of" and "End of" banners.
QString BuildQuickTable(const QuickTableOptions &options);

} // namespace tavorin
