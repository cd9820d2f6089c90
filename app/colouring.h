#pragma once

// Colouring of document text. The text is turned into an RTF body in which
// tags, comments and smart fields switch colours (\cf1, \cf2, \cf3, back to
// \cf0 for ordinary text), and the body is dropped into the document's RTF
// template in place of its placeholder "!". The template carries the font,
// the four-colour table and the tab stops.

#include <QString>
#include <QStringView>

namespace tavorin {

struct RtfContent;

// One colour-table entry, "\red255\green0\blue0;" for 0x0000FF. Colours are
// 0x00BBGGRR; bits above the low 24 are ignored.
QString RtfColour(quint32 colour);

// rtf with its first colour table replaced by the four colours, c0 first.
// The table's closing brace stays; rtf is returned unchanged without a table.
QString MakeColourTable(const QString &rtf, quint32 c0, quint32 c1, quint32 c2, quint32 c3);

// The number of tab stops AddTabStops writes for a tab width in characters:
// 200 / tabWidth rounded half to even, at most 30; 0 for a width below 1.
int TabStopCount(int tabWidth);

// rtf with tab stops tabWidth characters (120 twips each) apart after every
// "\pard" (any case). A width below 1 adds no stops, so the box keeps its
// default tab width.
QString AddTabStops(const QString &rtf, int tabWidth);

// The RTF of a single selected "!" in the given font, as the text box writes
// it: a font table, a colour table (to be replaced by MakeColourTable), one
// "\pard" (for AddTabStops) and the body "!". The font name is escaped so the
// placeholder is the only "!" and no RTF special in it can break the file.
// A point size below 1 leaves the size to the box.
QString MakeRtfTemplate(const QString &fontName, int pointSize, bool bold, bool italic);

// The RTF handed to the text box for text: the body "\cf0 " + the escaped,
// optionally coloured text, with "\par " after each "\r\n", put in place of
// every "!" of rtfTemplate. The result is exactly that of the documented
// chain of twelve literal replacements, computed in one pass.
QString TextToRtf(QStringView text, QStringView rtfTemplate, bool colouring);

// What ReadRtf(TextToRtf(text, rtfTemplate, colouring)) gives, made without
// the RTF in between: opening a page of megabytes writes and reads no RTF of
// about the page's size.
// With keepFinalBreak, the text's final line break stays (as if the text
// had one more before going through RTF).
RtfContent ColouredContent(QStringView text, QStringView rtfTemplate, bool colouring, bool keepFinalBreak = false);

// Only the body of TextToRtf (starting "\cf0 "), without a template.
QString TextToRtfBody(QStringView text, bool colouring);

// Whether a document with this path is coloured at all: a path without a
// drive (an untitled document's caption) is; a saved file is when its
// extension is "asp", "htm", "html" or "shtml" (any case).
bool IsHtmlDocumentPath(const QString &path);

} // namespace tavorin
