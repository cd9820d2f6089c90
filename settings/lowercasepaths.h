#pragma once

// The "Lower Case Paths" command: rewrites the relative file paths in the
// src, href and background values of a document in lower case. Pure: the
// caller shows the report and puts the new text into the document.

#include <QString>

namespace tavorin {

struct LowerCasePathsResult {
    QString text;               // the document text after the rewrite
    int changes = 0;            // values rewritten
    bool foundRelative = false; // at least one relative path was seen
    QString message;            // the report for the information box
    bool changed() const { return changes > 0; }
};

// Lower-cases the path part (before any "#") of every relative src, href and
// background value, exactly where the value stands in the text.
LowerCasePathsResult LowerCasePaths(const QString &text);

// Shows the result's report in an information box.
void ReportLowerCasePaths(const LowerCasePathsResult &result);

} // namespace tavorin
