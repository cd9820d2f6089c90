#pragma once

// The frame dialog's tags apart from its widget: one element of a frame-set
// document (FRAMESET, FRAME or NOFRAMES), the kind of a selected element,
// its reader and the builder of the finished text.

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>

namespace tavorin {

// The elements in the order of the dialog's option buttons; None is text
// that is no frame element.
enum class FrameElement { Frameset = 0, Frame = 1, NoFrames = 2, None = 3 };

// The attributes of the frame-set boxes (column widths, row heights, border
// size, frame borders) and of its four script boxes, in the dialog's order.
inline constexpr std::array<QStringView, 4> FramesetAttributeNames{u"COLS", u"ROWS", u"BORDER", u"FRAMEBORDER"};
inline constexpr std::array<QStringView, 4> FramesetScriptNames{u"onLoad", u"onUnload", u"onFocus", u"onBlur"};
// The attributes a frame writes after SRC, NAME and NORESIZE: scroll bars,
// frame borders, margin width and margin height.
inline constexpr std::array<QStringView, 4> FrameAttributeNames{u"SCROLLING", u"FRAMEBORDER", u"MARGINWIDTH",
                                                                u"MARGINHEIGHT"};

struct FramesetOptions {
    std::array<QString, 4> attributes; // by FramesetAttributeNames
    std::array<QString, 4> scripts;    // by FramesetScriptNames
    friend bool operator==(const FramesetOptions &, const FramesetOptions &) = default;
};

struct FrameOptions {
    QString source; // SRC; when building, the processed location
    QString name;
    bool resizable = true;
    std::array<QString, 4> attributes; // by FrameAttributeNames
    friend bool operator==(const FrameOptions &, const FrameOptions &) = default;
};

struct FrameDialogOptions {
    FrameElement element = FrameElement::Frame; // never None
    FramesetOptions frameset;
    FrameOptions frame;
    friend bool operator==(const FrameDialogOptions &, const FrameDialogOptions &) = default;
};

// The items of the scroll-bar and frame-border combos.
QStringList ScrollbarValues();
QStringList FrameBorderValues();

// The kind of a selected text, by its beginning after leading spaces (any
// case): "<FRAMESET", else "<FRAME", else "<NOFRAMES", else None.
FrameElement FrameElementKind(const QString &selected);

// A selected element read back from its opening tag (line breaks become
// blanks): the element of its kind (Frame for None) with the attributes of
// that element; a frame is resizable unless NORESIZE stands in the tag
// outside a quoted value.
FrameDialogOptions ReadFrameElement(const QString &selected);

// True when the frame set has column widths or row heights to write.
bool FramesetHasSizes(const FramesetOptions &options);

// What the frame dialog asks for when a frame set has neither column widths
// nor row heights, for RequiredEntryMessage: the request and two examples.
QString FramesetSizesRequest();

// The finished text for the chosen element: a FRAME tag (SRC, NAME when not
// blank, NORESIZE, then the other attributes with a value) replaces the
// selection; a FRAMESET or NOFRAMES opening tag replaces only the opening
// tag of a selected element of its kind, otherwise it wraps the selected
// text in the element (indented when IndentCode is on).
QString BuildFrameElement(const FrameDialogOptions &options, const QString &selected);

} // namespace tavorin
