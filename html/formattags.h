#pragma once

// Builders of the text-formatting tags: the formatting-command table, FONT,
// drop capitals, comments, paragraphs, alignment blocks, headings, lists and
// the page title. Pure functions of their arguments and the IndentCode
// preference; tag and attribute names are upper case, values quoted.

#include <QString>
#include <QStringList>

#include <functional>

namespace tavorin {

// Asks for a table caption: given the selected text, returns the caption
// to use (the text itself, or the user's answer when the text is blank).
using CaptionPrompt = std::function<QString(const QString &text)>;

// True when name (any case) is a command of the formatting table.
bool IsFormatCommand(const QString &name);
// Every command name of the formatting table, in table order.
QStringList FormatCommandNames();

// "<TAG>" + text + "</TAG>" for a formatting command (any case); block tags
// put the text on lines of its own and, when IndentCode is on, indent it by
// one tab. "" for an unknown name. "Table Caption" first passes the text
// through askCaption when one is given; when that leaves the insert
// cancelled the result is "".
QString FormatTag(const QString &commandName, const QString &text,
                  const CaptionPrompt &askCaption = {});

// "<FONT FACE=.. SIZE=.. COLOR=..>" + text + "</FONT>", each attribute
// only when it has a value.
QString FontTag(const QString &text, const QString &face, const QString &size,
                const QString &colour);

// The first character (after leading spaces) upper-cased in a FONT SIZE="+2"
// tag, then the rest of the text: "hello" -> <FONT SIZE="+2">H</FONT>ello.
QString DropCap(const QString &text);

// "<FONT COLOR=" + quoted colour + ">" + text + "</FONT>", colour always written.
QString FontColourTag(const QString &text, const QString &colour);

// "<!-- " + text + " -->".
QString CommentTag(const QString &text);

// "<P>" + text + "</P>", or "<P>" alone for an empty text.
QString ParagraphTag(const QString &text);

// A DIV with ALIGN around the text on lines of its own, indented by one tab
// when indent is true.
QString AlignDivTag(const QString &text, const QString &alignment, bool indent);

// "<Hn ALIGN=..>" + text on lines of its own + "</Hn>"; a level outside
// 1 to 6 is written as 6; ALIGN only when the alignment has a value.
QString HeadingTag(const QString &text, int level, bool indent, const QString &alignment);

// "<OL TYPE=..>\r\n" + items + "\r\n</OL>"; TYPE is left out for "1" (and
// for no value); the items are indented by one tab when indent is true.
QString OrderedListTag(const QString &items, const QString &type, bool indent);

// "<LI>", "<DT>", "<DD>" + text (no end tags).
QString ListItemTag(const QString &text);
QString DefinitionTermTag(const QString &text);
QString DefinitionDescTag(const QString &text);

// "<TITLE>" + text + "</TITLE>".
QString TitleTag(const QString &text);

} // namespace tavorin
