#include "dialogs/wizarddialog.h"

#include "app/browserlaunch.h"
#include "app/facades.h"
#include "app/fileoperations.h"
#include "app/helpwindow.h"
#include "app/statusmessages.h"
#include "app/textrules.h"
#include "controls/seltextbox.h"
#include "dialogs/dialogparts.h"
#include "html/insertstate.h"
#include "settings/filedialogs.h"
#include "settings/filefilters.h"
#include "settings/files.h"
#include "settings/recentlist.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>

#include <algorithm>

namespace tavorin {

using namespace Qt::StringLiterals;

WizardDialog::WizardDialog(const QString &objectName, const QString &title, int helpTopic, WizardRoute route,
                           QWidget *parent)
    : TagDialog(objectName, title, helpTopic, parent),
      m_title(title),
      m_route(route),
      m_pages(new QStackedWidget(this)),
      m_target(RecentFolder() + u"index.htm"_s)
{
    QPushButton *help = NamedButton(u"cmdHelp"_s, u"&Help"_s, this);
    QPushButton *cancel = NamedButton(u"cmdCancel"_s, u"&Cancel"_s, this);
    m_back = NamedButton(u"cmdBack"_s, u"<< &Back"_s, this);
    m_next = NamedButton(u"cmdNext"_s, u"&Next >>"_s, this);
    m_finish = NamedButton(u"cmdFinish"_s, u"&Finish"_s, this);
    m_save = NamedButton(u"cmdSave"_s, u"&Save As..."_s, this);
    m_okButton = NamedButton(u"cmdOK"_s, u"OK"_s, this);
    connect(help, &QPushButton::clicked, this, [this] { ShowHelp(this, HelpContextTopic); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_back, &QPushButton::clicked, this, [this] { moveTo(&WizardRoute::back, m_route.backStep()); });
    connect(m_next, &QPushButton::clicked, this, [this] { moveTo(&WizardRoute::next, m_route.nextStep()); });
    connect(m_finish, &QPushButton::clicked, this, [this] { moveTo(&WizardRoute::finish, m_route.saveStep()); });
    connect(m_save, &QPushButton::clicked, this, &WizardDialog::save);
    connect(m_okButton, &QPushButton::clicked, this, &WizardDialog::ok);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(help);
    buttons->addStretch();
    buttons->addWidget(cancel);
    buttons->addSpacing(12);
    for (QPushButton *button : {m_back, m_next, m_finish, m_save, m_okButton})
        buttons->addWidget(button);
    m_body = new QHBoxLayout;
    m_body->addWidget(m_pages, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(m_body, 1);
    layout->addLayout(buttons);
}

QWidget *WizardDialog::TextPage(const QStringList &texts, QGridLayout **controls, bool titled)
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    for (const QString &text : texts) {
        auto *label = new QLabel(text, page);
        label->setObjectName(u"lblWizText"_s);
        label->setWordWrap(true);
        label->setTextFormat(Qt::PlainText);
        if (titled && text == texts.first()) {
            QFont font = label->font();
            font.setBold(true);
            font.setPointSizeF(font.pointSizeF() * 1.5);
            label->setFont(font);
        }
        layout->addWidget(label);
    }
    auto *grid = new QGridLayout;
    layout->addSpacing(8);
    layout->addLayout(grid);
    layout->addStretch();
    if (controls)
        *controls = grid;
    return page;
}

QPlainTextEdit *WizardDialog::TextArea(const QString &name, QWidget *parent)
{
    auto *box = new QPlainTextEdit(parent);
    box->setObjectName(name);
    box->setTabChangesFocus(true);
    return box;
}

QString WizardDialog::LinesOf(const QPlainTextEdit *box)
{
    return box->toPlainText().replace(u'\n', u"\r\n"_s);
}

void WizardDialog::addPage(QWidget *page)
{
    page->setObjectName(u"fmeWizPage_%1"_s.arg(m_pages->count()));
    m_pages->addWidget(page);
}

QWidget *WizardDialog::finishedPage(const QString &text)
{
    QGridLayout *grid = nullptr;
    QWidget *page = TextPage({text}, &grid);
    m_editor = NamedOption(u"optEditor"_s, u"View/Edit In &Tavorin"_s, page);
    grid->addWidget(m_editor, 0, 0);
    grid->addWidget(NamedOption(u"optBrowser"_s, u"View In &Browser"_s, page), 1, 0);
    m_editor->setChecked(true);
    return page;
}

void WizardDialog::addSideWidget(QWidget *widget)
{
    m_body->insertWidget(m_body->count() - 1, widget, 0, Qt::AlignTop);
}

void WizardDialog::start()
{
    setMinimumSize(560, 380);
    // The pages came after the buttons: Tab goes through a page first.
    QWidget *last = this;
    while (last->nextInFocusChain() != this)
        last = last->nextInFocusChain();
    for (const QString &name : {u"cmdBack"_s, u"cmdNext"_s, u"cmdFinish"_s, u"cmdSave"_s, u"cmdOK"_s, u"cmdCancel"_s,
                                u"cmdHelp"_s}) {
        auto *button = findChild<QPushButton *>(name);
        setTabOrder(last, button);
        last = button;
    }
    showStep();
}

void WizardDialog::RunAndOpen()
{
    if (const std::optional<QString> saved = Run(); saved && !InsertCancelled)
        OpenFile(*saved);
}

void WizardDialog::showingStep(int) {}

bool WizardDialog::mayLeave(int, int)
{
    return true;
}

void WizardDialog::moveTo(void (WizardRoute::*move)(), int to)
{
    if (!mayLeave(m_route.current(), to))
        return;
    (m_route.*move)();
    showStep();
}

void WizardDialog::showStep()
{
    const int shown = m_route.current();
    showingStep(shown);
    m_pages->setCurrentIndex(pageOfStep(shown));
    setWindowTitle(m_title + u" - "_s + stepName(shown));
    updateButtons();
    // The first entry of the page takes the focus, or else the button
    // that goes on.
    const QList<QWidget *> children = m_pages->currentWidget()->findChildren<QWidget *>();
    const auto entry = std::find_if(children.begin(), children.end(), [](const QWidget *child) {
        return (child->focusPolicy() & Qt::TabFocus) && child->isEnabled() && !child->isHidden()
            && !qobject_cast<const QAbstractButton *>(child);
    });
    if (entry != children.end())
        (*entry)->setFocus();
    else
        (m_route.saving() ? (shown == m_route.saveStep() ? m_save : m_okButton) : m_next)->setFocus();
}

void WizardDialog::updateButtons()
{
    const int shown = m_route.current();
    m_back->setEnabled(shown > 0);
    m_next->setEnabled(shown < m_route.saveStep());
    // Finish, Save As and OK take turns in the same place.
    m_finish->setVisible(!m_route.saving());
    m_finish->setEnabled(finishAllowed());
    m_save->setVisible(shown == m_route.saveStep());
    m_okButton->setVisible(shown == m_route.lastStep());
    // Enter goes on.
    m_next->setDefault(!m_route.saving());
    m_save->setDefault(shown == m_route.saveStep());
    m_okButton->setDefault(shown == m_route.lastStep());
}

SelTextBox *WizardDialog::AddTextRow(QGridLayout *grid, int row, const QString &name, const QString &caption,
                                     bool allowQuote)
{
    QWidget *page = grid->parentWidget();
    SelTextBox *box = NamedTextBox(name, 0, page);
    box->setAllowQuote(allowQuote);
    grid->addWidget(BuddyLabel(u"lbl"_s + name.mid(3), caption, box, page), row, 0);
    grid->addWidget(box, row, 1, 1, 2);
    return box;
}

SelTextBox *WizardDialog::AddFileRow(QGridLayout *grid, int row, const QString &caption, const QString &suffix,
                                     const QString &title, int filterKind)
{
    QWidget *page = grid->parentWidget();
    SelTextBox *box = NamedTextBox(u"txtFileLocation"_s + suffix, 0, page, BoxStyle::Path);
    auto *browse = NamedButton(u"cmdLocalFile"_s + suffix, u"Browse..."_s, page);
    grid->addWidget(BuddyLabel(u"lblFileLocation"_s + suffix, caption, box, page), row, 0);
    grid->addWidget(box, row, 1);
    grid->addWidget(browse, row, 2);
    connect(browse, &QPushButton::clicked, box, [box, title, filterKind] {
        FileDialogRequest request;
        request.title = title;
        SetFilter(request, filterKind);
        QString field = box->text();
        BrowseForFile(request, field, false, QString());
        if (field != box->text())
            box->setText(field);
    });
    return box;
}

bool WizardDialog::checkFilesExist(std::span<SelTextBox *const> boxes)
{
    for (SelTextBox *box : boxes) {
        const QString path = TrimSpaces(box->text());
        if (path.isEmpty() || FileExists(path))
            continue;
        focusEntry(box);
        ReportMissingFile(path);
        return false;
    }
    return true;
}

void WizardDialog::save()
{
    const QString path = SaveAsDialog(m_target, HtmlFilterKind);
    if (path.isEmpty())
        return;
    m_target = path;
    const Hourglass busy;
    const std::optional<QString> text = documentFor(path);
    if (!text || !WriteTextFile(*text, path))
        return;
    NoteRecentFile(path);
    if (!copyReferencedFiles(path))
        return;
    m_saved = path;
    m_route.finishSaving();
    showStep();
}

std::optional<QString> WizardDialog::buildResult()
{
    storeOnOk();
    if (m_editor->isChecked())
        return m_saved;
    // The wizard stays open, so the page can still be opened in the editor.
    LaunchActiveBrowser(m_saved);
    return std::nullopt;
}

void WizardDialog::closeEvent(QCloseEvent *event)
{
    if (MsgBox(u"Are you sure you want to close the "_s + m_title + u'?', MessageButtons::YesNo,
               MessageIcon::Exclamation, m_title, 2)
        != MessageAnswer::Yes) {
        event->ignore();
        return;
    }
    TagDialog::closeEvent(event);
}

} // namespace tavorin
