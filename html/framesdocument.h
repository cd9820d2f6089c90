#pragma once

// The frame document of the Frames Wizard: a page whose body is the
// FRAMESET of one of the seventeen layouts.

#include "html/framelayouts.h"

#include <QString>

#include <array>

namespace tavorin {

struct FrameRecord {
    QString name;
    QString location; // the document shown in the frame, a full path
    QString source;   // the SRC written for it (FrameSource)
    bool resizable = true;
    bool scrollbars = true;
};

struct FramesOptions {
    int style = 1;
    QString title;
    std::array<FrameRecord, MaxFrames> frames;
    QString width = QStringLiteral("150");
    bool widthPercent = false;
    QString height = QStringLiteral("100");
    bool heightPercent = false;
    QString noFrames = QStringLiteral(
        "Sorry, you'll need a Web browser that supports frames in order to see this page.");
};

// The whole frame document: the head, the FRAMESETs of the style indented by
// their nesting depth, the NOFRAMES block (when its text is not empty) right
// inside the outermost set, and the frames of the style.
QString BuildFramesDocument(const FramesOptions &options);

// True when the location lies on another drive than the frame document, so
// the document is copied beside it and referred to by its file name.
bool FrameNeedsCopy(const QString &location, const QString &framesDocument);

// The SRC of a frame: the file name of a location on another drive,
// otherwise the location relative to the frame document's folder with "/"
// separators; lower-cased when lowerCase is set.
QString FrameSource(const QString &location, const QString &framesDocument, bool lowerCase);

// The location as the frame record keeps it: trimmed, and in a drive-letter
// path every "/" replaced by "\" (a Linux path keeps its "/").
QString FrameLocationText(const QString &text);

} // namespace tavorin
