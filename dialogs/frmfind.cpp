#include "dialogs/frmfind.h"

#include "app/commandrunner.h"
#include "app/documentwindow.h"
#include "app/facades.h"
#include "app/helptopics.h"
#include "app/helpwindow.h"
#include "app/mainwindow.h"
#include "app/richtextbox.h"
#include "app/statusmessages.h"
#include "controls/seltextbox.h"
#include "dialogs/dialogparts.h"
#include "html/findreplace.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

namespace tavorin {

namespace {

QPointer<FindWindow> s_window;

// The search text box: HTML is searched for, so brackets and quotes go in.
SelTextBox *searchBox(const QString &name, QWidget *parent)
{
    auto *box = new SelTextBox(parent, BoxStyle::TagText);
    box->setAllowQuote(true);
    box->setObjectName(name);
    return box;
}

void informNotFound()
{
    MsgBox(SearchItemNotFoundMessage(), MessageButtons::Ok, MessageIcon::Information);
}

} // namespace

FindWindow::FindWindow(MainWindow *main)
    : QDialog(main)
    , m_main(main)
    , m_find(searchBox(QStringLiteral("txtTextToFind"), this))
    , m_replacement(searchBox(QStringLiteral("txtReplacementText"), this))
    , m_replaceLabel(new QLabel(QStringLiteral("Re&place With:"), this))
    , m_case(new QCheckBox(QStringLiteral("Match &Case"), this))
    , m_up(new QRadioButton(QStringLiteral("&Up"), this))
    , m_down(new QRadioButton(QStringLiteral("&Down"), this))
    , m_findNext(NamedButton(QStringLiteral("cmdFind"), QStringLiteral("&Find Next"), this))
    , m_replace(NamedButton(QStringLiteral("cmdReplace"), QStringLiteral("&Replace"), this))
    , m_replaceAll(NamedButton(QStringLiteral("cmdReplaceAll"), QStringLiteral("Replace &All"), this))
{
    setObjectName(QStringLiteral("frmFind"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);

    auto *findLabel = new QLabel(QStringLiteral("Fi&nd What:"), this);
    findLabel->setObjectName(QStringLiteral("lblFind"));
    findLabel->setBuddy(m_find);
    m_replaceLabel->setObjectName(QStringLiteral("lblReplace"));
    m_replaceLabel->setBuddy(m_replacement);
    m_case->setObjectName(QStringLiteral("chkCase"));
    m_up->setObjectName(QStringLiteral("optDirection0"));
    m_down->setObjectName(QStringLiteral("optDirection1"));
    auto *direction = new QGroupBox(QStringLiteral("Direction"), this);
    direction->setObjectName(QStringLiteral("fmeDirection"));
    auto *directionLayout = new QHBoxLayout(direction);
    directionLayout->addWidget(m_up);
    directionLayout->addWidget(m_down);
    QPushButton *cancel = NamedButton(QStringLiteral("cmdcancel"), QStringLiteral("Cancel"), this);
    QPushButton *help = NamedButton(QStringLiteral("cmdHelp"), QStringLiteral("&Help"), this);
    m_findNext->setDefault(true);

    auto *fields = new QGridLayout;
    fields->addWidget(findLabel, 0, 0);
    fields->addWidget(m_find, 0, 1);
    fields->addWidget(m_replaceLabel, 1, 0);
    fields->addWidget(m_replacement, 1, 1);
    auto *options = new QHBoxLayout;
    options->addWidget(m_case, 0, Qt::AlignBottom);
    options->addWidget(direction);
    auto *left = new QVBoxLayout;
    left->addLayout(fields);
    left->addLayout(options);
    left->addStretch();
    auto *buttons = new QVBoxLayout;
    for (QPushButton *each : {m_findNext, m_replace, m_replaceAll, cancel, help})
        buttons->addWidget(each);
    buttons->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    connect(m_find, &SelTextBox::changed, this, [this] {
        FindState().firstSearch = m_find->text() != FindState().findText;
        updateButtons();
    });
    connect(m_case, &QCheckBox::toggled, this, [](bool on) { FindState().matchCase = on; });
    connect(m_up, &QRadioButton::toggled, this, [](bool on) {
        FindState().direction = on ? SearchDirection::Up : SearchDirection::Down;
    });
    connect(m_findNext, &QPushButton::clicked, this, &FindWindow::findClicked);
    connect(m_replace, &QPushButton::clicked, this, &FindWindow::replaceClicked);
    connect(m_replaceAll, &QPushButton::clicked, this, &FindWindow::replaceAllClicked);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    connect(help, &QPushButton::clicked, this, [this] { ShowHelp(this, HelpContextTopic); });
    connect(main, &MainWindow::lastDocumentClosed, this, &QWidget::close);
    setReplaceMode(false);
}

FindWindow *FindWindow::current()
{
    return s_window;
}

void FindWindow::Find(MainWindow &main)
{
    FindWindow *window = s_window;
    const bool shown = window && window->isVisible();
    if (!window) {
        window = new FindWindow(&main);
        s_window = window;
    }
    window->fillFromState(main.activeDocument());
    if (!shown) {
        window->adjustSize();
        if (const QScreen *screen = window->screen())
            window->move(screen->availableGeometry().center() - window->rect().center());
        window->show();
    }
    window->raise();
    window->activateWindow();
    window->m_find->setFocus();
}

void FindWindow::FindNext(MainWindow &main)
{
    if (FindState().findText.isEmpty())
        Find(main);
    else
        FindNextInDoc(main.activeDocument());
}

void FindWindow::Replace(MainWindow &main)
{
    Find(main);
    s_window->setReplaceMode(true);
}

void FindWindow::fillFromState(const DocumentWindow *doc)
{
    SearchState &state = FindState();
    // A selection over several lines cannot stand in the one-line box.
    const QString selected = doc ? doc->textBox()->selText() : QString();
    const bool usable = !selected.isEmpty() && !selected.contains(u'\r') && !selected.contains(u'\n');
    m_find->setText(usable ? selected : state.findText);
    m_replacement->setText(state.replacementText);
    m_case->setChecked(state.matchCase);
    m_down->setChecked(true);
    state.direction = SearchDirection::Down;
    state.firstSearch = true;
    updateButtons();
}

void FindWindow::setReplaceMode(bool on)
{
    m_replaceMode = on;
    m_replaceLabel->setVisible(on);
    m_replacement->setVisible(on);
    m_replaceAll->setVisible(on);
    setWindowTitle(on ? QStringLiteral("Replace") : QStringLiteral("Find"));
    SetHelpContext(this, HelpTopic::FindReplace);
    adjustSize();
}

void FindWindow::storeBoxes()
{
    FindState().findText = m_find->text();
    FindState().replacementText = m_replacement->text();
}

void FindWindow::updateButtons()
{
    const bool enabled = !m_find->text().isEmpty() && !m_main->Documents().isEmpty();
    for (QPushButton *each : {m_findNext, m_replace, m_replaceAll})
        each->setEnabled(enabled);
}

void FindWindow::findClicked()
{
    FindState().findText = m_find->text();
    FindNextInDoc(m_main->activeDocument());
}

void FindWindow::replaceClicked()
{
    if (!m_replaceMode) {
        setReplaceMode(true);
        m_replacement->setFocus();
        return;
    }
    DocumentWindow *doc = m_main->activeDocument();
    if (!doc)
        return;
    const auto selectionMatches = [this, doc] {
        return SelectionMatches(doc->textBox()->selText(), m_find->text(), FindState().matchCase);
    };
    // One click finds the next match when needed and replaces it at once.
    if (!selectionMatches()) {
        findClicked();
        if (!selectionMatches())
            return;
    }
    FindState().replacementText = m_replacement->text();
    RunCommand(QStringLiteral("Replace"));
}

void FindWindow::replaceAllClicked()
{
    storeBoxes();
    ReplaceAll(*m_main, m_main->activeDocument());
}

void FindWindow::reject()
{
    // Cancel, Esc and the close box keep what was typed for the next search.
    storeBoxes();
    QDialog::reject();
    deleteLater();
}

void FindWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1)
        return; // help comes from the Help button
    QDialog::keyPressEvent(event);
}

bool FindNextInDoc(DocumentWindow *doc)
{
    if (!doc)
        return false;
    RichTextBox *box = doc->textBox();
    qsizetype match = -1;
    {
        const Hourglass busy;
        match = SearchOnce(box->text(), box->selStart(), FindState());
    }
    if (match < 0) {
        informNotFound();
        return false;
    }
    box->select(match, FindState().findText.size());
    return true;
}

void ReplaceAll(MainWindow &main, DocumentWindow *doc)
{
    const SearchState &state = FindState();
    if (!doc || state.findText.isEmpty())
        return;
    const Hourglass busy;
    ReplaceAllResult result = ReplaceAllMatches(doc->textBox()->text(), state.findText, state.replacementText,
                                                state.matchCase);
    if (result.count == 0) {
        informNotFound();
        return;
    }
    main.ReplaceDocumentText(doc, result.text);
    MsgBox(ChangesMadeMessage(result.count), MessageButtons::Ok, MessageIcon::Information);
}

} // namespace tavorin
