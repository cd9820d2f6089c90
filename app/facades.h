#pragma once

// The program's only way to ask the user something or to touch the desktop:
// message boxes, file/colour/font/print dialogs, launching programs, the
// clock and the beep. The core library talks to these interfaces; the ui
// library installs the real Qt implementations at start-up and tests install
// scripted ones that answer from a queue and record every prompt.

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

namespace tavorin {

inline constexpr auto ApplicationTitle = "Tavorin";
inline constexpr auto ApplicationVersion = "3.01";
// The maker's home page, linked from the About box and the "Tavorin Link".
inline constexpr auto MakerHomePage = "https://www.kestavel.example/tavorin/";

enum class MessageIcon { None, Critical, Question, Exclamation, Information };
enum class MessageButtons { Ok, OkCancel, AbortRetryIgnore, YesNoCancel, YesNo, RetryCancel };
enum class MessageAnswer { Ok = 1, Cancel, Abort, Retry, Ignore, Yes, No };

struct MessageRequest {
    QString prompt;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    int defaultButton = 1; // 1, 2 or 3: which button Enter presses
    QString title;         // already resolved: never empty when shown
};

struct FileDialogRequest {
    bool save = false;
    bool multiSelect = false;
    QString title;
    QStringList filters; // Qt filter texts, "HTML Files (*.htm *.html)"
    QString selectedFilter;
    QString folder;
    QString fileName;
    QString defaultSuffix;
};

struct FileDialogResult {
    bool accepted = false;
    QStringList files; // full paths
    QString selectedFilter;
};

// A colour is 0x00BBGGRR, red in the low byte.
struct FontChoice {
    QString name;
    int pointSize = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    quint32 colour = 0;
    // What the dialog offers (asked for, not answered): only the screen
    // fonts, and sizes from minSize to maxSize (0: no limit).
    bool screenFontsOnly = false;
    int minSize = 0;
    int maxSize = 0;
};

struct PrintChoice {
    enum class Range { All, Selection, Pages };
    Range range = Range::All;
    bool selectionAvailable = false;
    int fromPage = 1;
    int toPage = 1;
    int copies = 1;
    QString printerName;
    QString outputFile; // non-empty: print to this PDF file
    int paperSize = -1;  // QPageSize::PageSizeId chosen; -1: the printer's own
    bool landscape = false;
};

// The one-field prompt: a caption, "Please enter " + label + ":" above one
// text box that starts with text, an "Upper Case" check box, OK, Cancel and
// Help (which opens helpTopic).
struct PromptRequest {
    QString label;
    QString text;
    QString caption;
    int helpTopic = 0;
    bool upperCaseChoice = true; // the "Upper Case" check box is shown
    bool digitsOnly = false;     // the box takes the digits "0" to "9" only
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual MessageAnswer message(const MessageRequest &request) = 0;
    virtual FileDialogResult fileDialog(const FileDialogRequest &request) = 0;
    virtual std::optional<quint32> chooseColour(quint32 initial) = 0;
    virtual std::optional<FontChoice> chooseFont(const FontChoice &initial) = 0;
    virtual std::optional<PrintChoice> choosePrinter(const PrintChoice &initial) = 0;
    // The accepted value (trimmed, upper-cased when asked), nothing on Cancel.
    virtual std::optional<QString> prompt(const PromptRequest &request) = 0;
};

class Launcher {
public:
    virtual ~Launcher() = default;
    // Starts the program with the given arguments, no shell involved.
    virtual bool startProgram(const QString &program, const QStringList &arguments) = 0;
    // Opens a file or address with the desktop's associated program.
    virtual bool openWithDesktop(const QString &target) = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class Beeper {
public:
    virtual ~Beeper() = default;
    virtual void beep() = 0;
};

// The installed implementations. Until something is installed, dialogs are
// answered as if the user pressed the default button or cancelled, programs
// are not started, the clock is the system clock and the beep is silent.
Dialogs &dialogs();
Launcher &launcher();
const Clock &appClock();
Beeper &beeper();

// Installing nullptr restores the built-in fallback. The caller keeps ownership.
void installDialogs(Dialogs *implementation);
void installLauncher(Launcher *implementation);
void installClock(const Clock *implementation);
void installBeeper(Beeper *implementation);

// A message box in the classic form; an empty title means the application title.
MessageAnswer MsgBox(const QString &prompt, MessageButtons buttons = MessageButtons::Ok,
                     MessageIcon icon = MessageIcon::None, const QString &title = {},
                     int defaultButton = 1);

// The answer a box gives when it is dismissed without a choice (Esc or close).
MessageAnswer cancelAnswerOf(MessageButtons buttons);

} // namespace tavorin
