#include "dialogs/tagdialog.h"

#include "app/helpwindow.h"
#include "dialogs/dialogparts.h"
#include "html/insertstate.h"
#include "html/valuehelpers.h"

#include <QApplication>
#include <QBoxLayout>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>

namespace tavorin {

namespace {

void enableOnlyShownPage(QTabWidget *tabs)
{
    for (int i = 0; i < tabs->count(); ++i)
        tabs->widget(i)->setEnabled(i == tabs->currentIndex());
}

} // namespace

TagDialog::TagDialog(const QString &objectName, const QString &caption, int helpTopic, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(objectName);
    setWindowTitle(caption);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    SetHelpContext(this, helpTopic);
}

QString TagDialog::TabCaption(const QString &text)
{
    return QStringLiteral("  ") + text + QStringLiteral("  ");
}

std::optional<QString> TagDialog::Run()
{
    adjustSize();
    if (const QScreen *shownOn = screen())
        move(shownOn->availableGeometry().center() - rect().center());
    // The busy pointer of the command that opened the dialog does not
    // belong to the dialog.
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    InsertCancelled = true;
    exec();
    QApplication::restoreOverrideCursor();
    return m_result;
}

QBoxLayout *TagDialog::standardButtons(Qt::Orientation orientation, const QString &okName)
{
    m_ok = NamedButton(okName, QStringLiteral("OK"), this);
    QPushButton *cancel = NamedButton(QStringLiteral("cmdCancel"), QStringLiteral("Cancel"), this);
    QPushButton *help = NamedButton(QStringLiteral("cmdHelp"), QStringLiteral("Help"), this);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &TagDialog::ok);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { ShowHelp(this, HelpContextTopic); });
    auto *buttons = new QBoxLayout(orientation == Qt::Vertical ? QBoxLayout::TopToBottom
                                                               : QBoxLayout::LeftToRight);
    if (orientation == Qt::Horizontal)
        buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    if (orientation == Qt::Vertical)
        buttons->addStretch();
    return buttons;
}

QTabWidget *TagDialog::tabFrame(const QString &name)
{
    auto *tabs = new QTabWidget(this);
    tabs->setObjectName(name);
    connect(tabs, &QTabWidget::currentChanged, tabs, [tabs] { enableOnlyShownPage(tabs); });
    // Pages added later are enabled as they come; the first show settles it.
    return tabs;
}

QTabWidget *TagDialog::settingsTabs(QWidget *standard, QWidget *advanced, const QString &okName)
{
    QTabWidget *tabs = tabFrame(QStringLiteral("sstSettingsTab"));
    tabs->addTab(standard, TabCaption(QStringLiteral("Standard Settings")));
    if (advanced)
        tabs->addTab(advanced, TabCaption(QStringLiteral("Advanced Settings")));
    tabs->setCurrentIndex(0);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(tabs);
    layout->addLayout(standardButtons(Qt::Vertical, okName));
    return tabs;
}

QGroupBox *TagDialog::settingsFrame(const QString &okName)
{
    auto *page = new QWidget;
    settingsTabs(page, nullptr, okName);
    QGroupBox *frame = NamedFrame(QStringLiteral("fmePage"), QString(), page);
    (new QVBoxLayout(page))->addWidget(frame);
    return frame;
}

bool TagDialog::refuseEntry(QWidget *entry, const QString &what)
{
    ReportRequiredEntry(what);
    focusEntry(entry);
    return false;
}

bool TagDialog::requireEntry(QWidget *entry, const QString &text, const QString &what)
{
    return HasValue(text) || refuseEntry(entry, what);
}

void TagDialog::focusEntry(QWidget *widget)
{
    if (!widget)
        return;
    for (QWidget *page = widget; page; page = page->parentWidget()) {
        auto *tabs = page->parentWidget() ? qobject_cast<QTabWidget *>(page->parentWidget()->parentWidget())
                                          : nullptr;
        if (tabs && tabs->indexOf(page) >= 0)
            tabs->setCurrentWidget(page);
    }
    widget->setFocus();
}

bool TagDialog::event(QEvent *event)
{
    // An activation that arrives after OK was accepted is not one the user
    // made, and must not undo the accepted result.
    if (event->type() == QEvent::WindowActivate && !m_result)
        InsertCancelled = true;
    if (event->type() == QEvent::Show) {
        for (QTabWidget *tabs : findChildren<QTabWidget *>())
            enableOnlyShownPage(tabs);
    }
    return QDialog::event(event);
}

void TagDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1)
        return;
    QDialog::keyPressEvent(event);
}

void TagDialog::ok()
{
    std::optional<QString> built = buildResult();
    if (!built)
        return;
    m_result = std::move(built);
    InsertCancelled = false;
    accept();
}

} // namespace tavorin
