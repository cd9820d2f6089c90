#include "dialogs/frmtextformat.h"

#include "app/documentwindow.h"
#include "app/helptopics.h"
#include "app/helpwindow.h"
#include "app/inserttext.h"
#include "app/mainwindow.h"
#include "app/richtextbox.h"
#include "app/statusmessages.h"
#include "controls/colourselector.h"
#include "controls/lookupcombo.h"
#include "dialogs/dialogparts.h"
#include "dialogs/tagdialog.h"
#include "html/valuehelpers.h"
#include "settings/datafiles.h"
#include "settings/preferences.h"
#include "settings/screenfonts.h"
#include "settings/settingsstore.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace tavorin {

namespace {

FrmTextFormat *s_open = nullptr;

const QString PlaceSection = QStringLiteral("Forms\\Text Appearance");


} // namespace

FrmTextFormat::FrmTextFormat(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmTextFormat"));
    setWindowTitle(QStringLiteral("Text Appearance"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
    SetHelpContext(this, HelpTopic::TextAppearance);

    m_tabs = Named(new QTabWidget, QStringLiteral("tabText"));
    const QList<std::pair<QWidget *, const char *>> pages{
        {styleTab(), "Style"}, {headingTab(), "Heading"}, {miscTab(), "Misc"}, {userTagsTab(), "User Tags"}};
    for (const auto &[page, caption] : pages) {
        page->setObjectName(QStringLiteral("fmeAppear"));
        m_tabs->addTab(page, TagDialog::TabCaption(QString::fromLatin1(caption)));
    }
    // Only the shown page takes the keyboard, as in the other tabbed dialogs.
    const auto enableShown = [this] {
        for (int i = 0; i < m_tabs->count(); ++i)
            m_tabs->widget(i)->setEnabled(i == m_tabs->currentIndex());
    };
    connect(m_tabs, &QTabWidget::currentChanged, this, enableShown);

    auto *apply = Named(new QPushButton(QStringLiteral("Apply")), QStringLiteral("cmdApply"));
    auto *close = Named(new QPushButton(QStringLiteral("Close")), QStringLiteral("cmdCancel"));
    auto *reset = Named(new QPushButton(QStringLiteral("Reset")), QStringLiteral("cmdReset"));
    auto *help = Named(new QPushButton(QStringLiteral("Help")), QStringLiteral("cmdHelp"));
    apply->setDefault(true);
    connect(apply, &QPushButton::clicked, this, &FrmTextFormat::Apply);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(reset, &QPushButton::clicked, this, &FrmTextFormat::Reset);
    connect(help, &QPushButton::clicked, this, [this] { ShowHelp(this, HelpContextTopic); });
    auto *buttons = new QVBoxLayout;
    for (QPushButton *b : {apply, close, reset, help})
        buttons->addWidget(b);
    buttons->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addLayout(buttons);

    fillFontList();
    Reset();
    restorePlace();
    enableShown();
    s_open = this;
}

FrmTextFormat::~FrmTextFormat()
{
    if (s_open == this)
        s_open = nullptr;
}

FrmTextFormat *FrmTextFormat::openInstance()
{
    return s_open;
}

void FrmTextFormat::Toggle(QWidget *parent)
{
    if (s_open) {
        s_open->close();
        return;
    }
    auto *window = new FrmTextFormat(parent);
    window->show();
}

void FrmTextFormat::RefreshOpenFontList()
{
    if (!s_open)
        return;
    const Hourglass busy;
    s_open->fillFontList();
}

QWidget *FrmTextFormat::styleTab()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    m_styles = Named(new QListWidget, QStringLiteral("lstStyles"));
    m_styles->setSelectionMode(QAbstractItemView::MultiSelection);
    m_styles->addItems(TextStyleNames());
    m_fonts = Named(new LookupCombo(nullptr, DefaultEntry::Default), QStringLiteral("cboFontsList"));
    m_fontSize = Named(new QComboBox, QStringLiteral("cboFontSize"));
    m_fontSize->addItems(FontSizeChoices());
    m_colour = Named(new ColourSelector, QStringLiteral("colTextColour"));
    grid->addWidget(BuddyLabel({}, QStringLiteral("Properties:"), m_styles, nullptr), 0, 0);
    grid->addWidget(m_styles, 1, 0, 7, 1);
    grid->addWidget(BuddyLabel({}, QStringLiteral("Font:"), m_fonts, nullptr), 0, 1);
    grid->addWidget(m_fonts, 1, 1);
    grid->addWidget(BuddyLabel({}, QStringLiteral("Size:"), m_fontSize, nullptr), 2, 1);
    grid->addWidget(m_fontSize, 3, 1);
    grid->addWidget(BuddyLabel({}, QStringLiteral("Colour:"), m_colour, nullptr), 4, 1);
    grid->addWidget(m_colour, 5, 1);

    auto *caseFrame = new QGroupBox(QStringLiteral("Case"));
    auto *caseRow = new QHBoxLayout(caseFrame);
    const QList<std::pair<const char *, const char *>> cases{
        {"optCaseTitle", "Title"}, {"optCaseLower", "lower"}, {"optCaseUpper", "UPPER"}, {"OptCaseNone", "None"}};
    for (int i = 0; i < 4; ++i) {
        m_case[i] = Named(new QRadioButton(QString::fromLatin1(cases[i].second)), QString::fromLatin1(cases[i].first));
        caseRow->addWidget(m_case[i]);
    }
    grid->addWidget(caseFrame, 6, 1);
    grid->setRowStretch(7, 1);
    return page;
}

QWidget *FrmTextFormat::headingTab()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    m_headSize = Named(new QComboBox, QStringLiteral("cboHeadSize"));
    m_headSize->addItem(QStringLiteral("(none)"));
    for (int level = 1; level <= 6; ++level)
        m_headSize->addItem(QStringLiteral("Heading ") + QString::number(level));
    m_headAlign = NamedCombo(QStringLiteral("cboHeadAlign"), AlignValues(), nullptr);
    grid->addWidget(BuddyLabel({}, QStringLiteral("Heading Type:"), m_headSize, nullptr), 0, 0);
    grid->addWidget(m_headSize, 1, 0);
    grid->addWidget(BuddyLabel({}, QStringLiteral("Alignment:"), m_headAlign, nullptr), 2, 0);
    grid->addWidget(m_headAlign, 3, 0);
    grid->setRowStretch(4, 1);
    return page;
}

QWidget *FrmTextFormat::miscTab()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    m_dropCap = Named(new QCheckBox(QStringLiteral("Drop Cap")), QStringLiteral("chkDropCap"));
    m_centre = Named(new QCheckBox(QStringLiteral("Centre")), QStringLiteral("chkCentre"));
    m_indent = Named(new QCheckBox(QStringLiteral("Indent")), QStringLiteral("chkIndent"));
    m_textAlign = NamedCombo(QStringLiteral("cboTextAlign"), AlignValues(), nullptr);
    grid->addWidget(m_dropCap, 0, 0);
    grid->addWidget(m_centre, 1, 0);
    grid->addWidget(m_indent, 2, 0);
    grid->addWidget(BuddyLabel({}, QStringLiteral("Alignment:"), m_textAlign, nullptr), 3, 0);
    grid->addWidget(m_textAlign, 4, 0);
    grid->setRowStretch(5, 1);
    return page;
}

QWidget *FrmTextFormat::userTagsTab()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    m_startTags = Named(new QLineEdit, QStringLiteral("txtStartTags"));
    m_endTags = Named(new QLineEdit, QStringLiteral("txtEndTags"));
    grid->addWidget(BuddyLabel({}, QStringLiteral("Start Tags:"), m_startTags, nullptr), 0, 0);
    grid->addWidget(m_startTags, 1, 0);
    grid->addWidget(BuddyLabel({}, QStringLiteral("End Tags:"), m_endTags, nullptr), 2, 0);
    grid->addWidget(m_endTags, 3, 0);
    grid->setRowStretch(4, 1);
    return page;
}

void FrmTextFormat::fillFontList()
{
    const QString shown = m_fonts->text();
    m_fonts->clear();
    if (Prefs().FontCollections) {
        for (const FontCollection &collection : FontCollections()) {
            if (!collection.name.isEmpty())
                m_fonts->addItem(collection.name);
        }
    } else {
        m_fonts->addItems(ScreenFonts());
    }
    if (m_fonts->items().contains(shown, Qt::CaseInsensitive))
        m_fonts->setText(shown);
}

TextAppearance FrmTextFormat::options() const
{
    TextAppearance options;
    constexpr std::array cases{TextAppearance::Case::Title, TextAppearance::Case::Lower, TextAppearance::Case::Upper,
                               TextAppearance::Case::None};
    for (int i = 0; i < 4; ++i) {
        if (m_case[i]->isChecked())
            options.textCase = cases[i];
    }
    options.dropCap = m_dropCap->isChecked();
    for (const QListWidgetItem *item : m_styles->selectedItems())
        options.styles.append(item->text());
    options.headingLevel = m_headSize->currentIndex();
    options.headingAlign = m_headAlign->text();
    options.fontFace = FontFaceFor(m_fonts->text(), Prefs().FontCollections);
    options.fontSize = m_fontSize->currentText();
    options.colour = m_colour->text();
    options.startTags = m_startTags->text();
    options.endTags = m_endTags->text();
    options.alignment = m_textAlign->text();
    options.centre = m_centre->isChecked();
    options.indent = m_indent->isChecked();
    options.indentCode = Prefs().IndentCode;
    return options;
}

void FrmTextFormat::Apply()
{
    DocumentWindow *doc = MainWindow::activeDocumentWindow();
    if (!doc)
        return;
    const QString selected = doc->textBox()->selText();
    const QString formatted = ApplyTextAppearance(selected, options());
    if (formatted != selected)
        InsertText(formatted, false);
}

void FrmTextFormat::Reset()
{
    m_styles->clearSelection();
    m_fonts->setText(m_fonts->defaultText());
    m_fontSize->setCurrentIndex(0);
    m_colour->setText(QStringLiteral("(default)"));
    m_headSize->setCurrentIndex(0);
    m_headAlign->setText(m_headAlign->defaultText());
    m_textAlign->setText(m_textAlign->defaultText());
    for (QCheckBox *box : {m_dropCap, m_centre, m_indent})
        box->setChecked(false);
    m_case[3]->setChecked(true);
    m_startTags->clear();
    m_endTags->clear();
}

void FrmTextFormat::restorePlace()
{
    m_tabs->setCurrentIndex(qBound(0, ReadSettingInt(PlaceSection, QStringLiteral("LastTab"), 0), m_tabs->count() - 1));
    const int left = ReadSettingInt(PlaceSection, QStringLiteral("Left"), -1);
    const int top = ReadSettingInt(PlaceSection, QStringLiteral("Top"), -1);
    if (left >= 0 && top >= 0)
        move(left, top);
}

void FrmTextFormat::storePlace() const
{
    WriteSettings(PlaceSection, {{QStringLiteral("LastTab"), QString::number(m_tabs->currentIndex())},
                                 {QStringLiteral("Left"), QString::number(x())},
                                 {QStringLiteral("Top"), QString::number(y())}});
}

void FrmTextFormat::closeEvent(QCloseEvent *event)
{
    storePlace();
    if (s_open == this)
        s_open = nullptr;
    QDialog::closeEvent(event);
}

void FrmTextFormat::keyPressEvent(QKeyEvent *event)
{
    // Esc closes like the Close button; F1 is the Help button's.
    if (event->key() == Qt::Key_F1)
        return;
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace tavorin
