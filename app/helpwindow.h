#pragma once

// The program's help: HTML pages under SystemFiles/Help/ shown in one
// non-modal help window ("frmHelp") with a keyword list beside the page.
// The pages are contents.html, one page per command family and the index
// file index.txt, which maps help context numbers and keywords to pages
// (helpindex.h). A page that cannot be found shows a "Page not found" page.

#include "app/helpindex.h"

#include <QPointer>
#include <QTextBrowser>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace tavorin {

// Help modes of ShowHelp.
enum HelpMode { HelpContents = 0, HelpContextTopic = 1, HelpKeywordSearch = 2 };

// Opens the help window: mode 0 the contents page, mode 1 the topic of the
// window's help context (the nearest one set on the window or its parents;
// the contents when there is none), mode 2 the keyword search with an
// empty key. Any other mode shows the contents.
void ShowHelp(QWidget *window, int mode);
// Opens the keyword search for a key: when one keyword equals the key its
// page is shown, otherwise the keyword list is positioned at the key.
void ShowHelpKey(const QString &key);

// The help context number of a window, kept as its "helpContextId" property.
void SetHelpContext(QWidget *window, int topic);
// The nearest help context set on the widget or one of its parents; 0 when
// none is set.
int HelpContextOf(const QWidget *widget);

// The folder of the help pages, with a trailing "/": AppPath() +
// "SystemFiles/Help/" unless set otherwise (tests point it elsewhere; an
// empty folder restores the default).
QString HelpFolder();
void SetHelpFolder(const QString &folder);

// The page view: answers a missing page with a "Page not found" page.
class HelpBrowser final : public QTextBrowser {
    Q_OBJECT
public:
    explicit HelpBrowser(QWidget *parent = nullptr);
    QVariant loadResource(int type, const QUrl &name) override;
};

class HelpWindow final : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(HelpWindow)

    // The one help window; created on first use when create is true.
    static HelpWindow *instance(bool create = true);

    void showContents();
    void showTopic(int topic);
    void showKeywordSearch(const QString &key);
    // Shows a page of the help folder ("format.html#link").
    void showPage(const QString &page);

    // The page shown, relative to the help folder, with its anchor.
    QString currentPage() const;
    // Reads the index again (after the help folder changed).
    void reloadIndex();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fillKeywordList();
    void keywordTyped(const QString &text);
    void displaySelectedKeyword();
    void linkClicked(const QUrl &url);
    void bringToFront();
    void showMissing(const QString &what);

    HelpIndex m_index;
    HelpBrowser *m_browser = nullptr;
    QLineEdit *m_keyword = nullptr;
    QListWidget *m_keywords = nullptr;
    QPushButton *m_display = nullptr;
    QPushButton *m_back = nullptr;
    QPushButton *m_forward = nullptr;
    // A modal dialog blocks every other window; while one is open the help
    // window becomes its child so that it can still be used, and leaves it
    // when the dialog closes.
    QPointer<QWidget> m_modalOwner;
};

} // namespace tavorin
