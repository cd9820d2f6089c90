#include "app/helpwindow.h"

#include "app/facades.h"
#include "settings/environment.h"

#include <QApplication>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QVBoxLayout>

namespace tavorin {

namespace {

const char *const HelpContextProperty = "helpContextId";

QString &helpFolderOverride()
{
    static QString s_folder;
    return s_folder;
}

QPointer<HelpWindow> &theHelpWindow()
{
    static QPointer<HelpWindow> s_window;
    return s_window;
}

QString notFoundHtml(const QString &what)
{
    return QStringLiteral("<html><head><title>Page not found</title></head><body>"
                          "<h1>Page not found</h1><p>%1</p>"
                          "<p>The help files of this installation may be incomplete.</p>"
                          "<p><a href=\"contents.html\">Help contents</a></p></body></html>")
        .arg(what.toHtmlEscaped());
}

} // namespace

void ShowHelp(QWidget *window, int mode)
{
    HelpWindow *help = HelpWindow::instance();
    switch (mode) {
    case HelpContextTopic: {
        const int topic = HelpContextOf(window);
        if (topic > 0)
            help->showTopic(topic);
        else
            help->showContents();
        break;
    }
    case HelpKeywordSearch:
        help->showKeywordSearch(QString());
        break;
    default:
        help->showContents();
        break;
    }
}

void ShowHelpKey(const QString &key)
{
    HelpWindow::instance()->showKeywordSearch(key);
}

void SetHelpContext(QWidget *window, int topic)
{
    if (window)
        window->setProperty(HelpContextProperty, topic);
}

int HelpContextOf(const QWidget *widget)
{
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        const int topic = w->property(HelpContextProperty).toInt();
        if (topic > 0)
            return topic;
    }
    return 0;
}

QString HelpFolder()
{
    if (!helpFolderOverride().isEmpty())
        return helpFolderOverride();
    return AppPath() + QStringLiteral("SystemFiles/Help/");
}

void SetHelpFolder(const QString &folder)
{
    QString path = folder;
    if (!path.isEmpty() && !path.endsWith(u'/'))
        path += u'/';
    helpFolderOverride() = path;
    if (HelpWindow *help = HelpWindow::instance(false))
        help->reloadIndex();
}

HelpBrowser::HelpBrowser(QWidget *parent) : QTextBrowser(parent)
{
    setOpenLinks(false);
}

QVariant HelpBrowser::loadResource(int type, const QUrl &name)
{
    if (type == QTextDocument::HtmlResource) {
        const QUrl url = name.isRelative() ? source().resolved(name) : name;
        if (url.isLocalFile() && !QFileInfo(url.toLocalFile()).isFile()) {
            return notFoundHtml(QStringLiteral("The help page \"%1\" cannot be found.")
                                    .arg(QFileInfo(url.toLocalFile()).fileName()));
        }
    }
    return QTextBrowser::loadResource(type, name);
}

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QString::fromLatin1(ApplicationTitle) + QStringLiteral(" Help"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(780, 560);

    auto *contents = new QPushButton(QStringLiteral("&Contents"), this);
    contents->setObjectName(QStringLiteral("cmdContents"));
    m_back = new QPushButton(QStringLiteral("&Back"), this);
    m_back->setObjectName(QStringLiteral("cmdBack"));
    m_back->setEnabled(false);
    m_forward = new QPushButton(QStringLiteral("&Forward"), this);
    m_forward->setObjectName(QStringLiteral("cmdForward"));
    m_forward->setEnabled(false);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(m_back);
    buttons->addWidget(m_forward);
    buttons->addStretch();

    auto *indexPane = new QWidget(this);
    auto *label = new QLabel(QStringLiteral("&Type the first few letters of the word you're looking for:"),
                             indexPane);
    label->setWordWrap(true);
    m_keyword = new QLineEdit(indexPane);
    m_keyword->setObjectName(QStringLiteral("txtKeyword"));
    label->setBuddy(m_keyword);
    m_keywords = new QListWidget(indexPane);
    m_keywords->setObjectName(QStringLiteral("lstKeywords"));
    m_display = new QPushButton(QStringLiteral("&Display"), indexPane);
    m_display->setObjectName(QStringLiteral("cmdDisplay"));
    auto *indexLayout = new QVBoxLayout(indexPane);
    indexLayout->setContentsMargins(0, 0, 0, 0);
    indexLayout->addWidget(label);
    indexLayout->addWidget(m_keyword);
    indexLayout->addWidget(m_keywords, 1);
    indexLayout->addWidget(m_display);

    m_browser = new HelpBrowser(this);
    m_browser->setObjectName(QStringLiteral("rtfHelp"));

    auto *splitter = new QSplitter(this);
    splitter->addWidget(indexPane);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 3);
    splitter->setSizes({220, 560});

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(splitter, 1);

    connect(contents, &QPushButton::clicked, this, &HelpWindow::showContents);
    connect(m_back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::anchorClicked, this, &HelpWindow::linkClicked);
    connect(m_keyword, &QLineEdit::textEdited, this, &HelpWindow::keywordTyped);
    connect(m_keyword, &QLineEdit::returnPressed, this, &HelpWindow::displaySelectedKeyword);
    connect(m_keywords, &QListWidget::itemActivated, this, &HelpWindow::displaySelectedKeyword);
    connect(m_display, &QPushButton::clicked, this, &HelpWindow::displaySelectedKeyword);
    auto *close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);

    reloadIndex();
}

HelpWindow *HelpWindow::instance(bool create)
{
    QPointer<HelpWindow> &window = theHelpWindow();
    if (!window && create)
        window = new HelpWindow;
    return window.data();
}

void HelpWindow::reloadIndex()
{
    m_index = HelpIndex::load(HelpFolder() + QStringLiteral("index.txt"));
    fillKeywordList();
}

void HelpWindow::fillKeywordList()
{
    m_keywords->clear();
    for (const HelpKeyword &entry : m_index.keywords())
        m_keywords->addItem(entry.keyword);
    m_display->setEnabled(m_keywords->count() > 0);
}

void HelpWindow::showContents()
{
    showPage(QStringLiteral("contents.html"));
    bringToFront();
}

void HelpWindow::showTopic(int topic)
{
    const QString page = m_index.topicPage(topic);
    if (page.isEmpty())
        showMissing(QStringLiteral("There is no help page for topic %1.").arg(topic));
    else
        showPage(page);
    bringToFront();
}

void HelpWindow::showKeywordSearch(const QString &key)
{
    m_keyword->setText(key);
    keywordTyped(key);
    const QString page = key.isEmpty() ? QString() : m_index.keywordPage(key);
    if (!page.isEmpty())
        showPage(page);
    else if (m_browser->source().isEmpty() && m_browser->document()->isEmpty())
        showPage(QStringLiteral("contents.html"));
    bringToFront();
    m_keyword->setFocus();
    m_keyword->selectAll();
}

void HelpWindow::showPage(const QString &page)
{
    QUrl url = QUrl::fromLocalFile(HelpFolder() + HelpPageFile(page));
    const qsizetype hash = page.indexOf(u'#');
    if (hash >= 0)
        url.setFragment(page.mid(hash + 1));
    m_browser->setSource(url);
}

QString HelpWindow::currentPage() const
{
    const QUrl url = m_browser->source();
    if (!url.isLocalFile())
        return {};
    QString page = url.toLocalFile();
    const QString folder = HelpFolder();
    if (page.startsWith(folder))
        page = page.mid(folder.size());
    if (url.hasFragment())
        page += u'#' + url.fragment();
    return page;
}

void HelpWindow::showMissing(const QString &what)
{
    m_browser->setSource(QUrl());
    m_browser->setHtml(notFoundHtml(what));
}

void HelpWindow::keywordTyped(const QString &text)
{
    const qsizetype row = m_index.firstKeywordStartingWith(text);
    if (row < 0)
        return;
    m_keywords->setCurrentRow(int(row));
    m_keywords->scrollToItem(m_keywords->currentItem(), QAbstractItemView::PositionAtTop);
}

void HelpWindow::displaySelectedKeyword()
{
    const int row = m_keywords->currentRow();
    if (row < 0 || row >= m_index.keywords().size())
        return;
    showPage(m_index.keywords()[row].page);
}

void HelpWindow::linkClicked(const QUrl &url)
{
    const QUrl target = url.isRelative() ? m_browser->source().resolved(url) : url;
    if (target.isLocalFile() || target.scheme().isEmpty())
        m_browser->setSource(target);
    else
        launcher().openWithDesktop(target.toString());
}

void HelpWindow::bringToFront()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (modal && modal != this && modal != m_modalOwner) {
        const QRect frame = geometry();
        const bool wasVisible = isVisible();
        if (m_modalOwner)
            m_modalOwner->removeEventFilter(this);
        setParent(modal, Qt::Window);
        m_modalOwner = modal;
        modal->installEventFilter(this);
        if (wasVisible)
            setGeometry(frame);
    }
    show();
    raise();
    activateWindow();
}

bool HelpWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_modalOwner && event->type() == QEvent::Hide) {
        m_modalOwner->removeEventFilter(this);
        m_modalOwner = nullptr;
        const QRect frame = geometry();
        const bool wasVisible = isVisible();
        setParent(nullptr, Qt::Window);
        setGeometry(frame);
        if (wasVisible)
            show();
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tavorin
