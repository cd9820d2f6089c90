#include "dialogs/frmquicktable.h"

#include "app/helptopics.h"
#include "controls/seltextbox.h"
#include "dialogs/dialogparts.h"
#include "html/quicktable.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

namespace tavorin {

using namespace Qt::StringLiterals;

FrmQuickTable::FrmQuickTable(const QString &selectedText, QWidget *parent)
    : TagDialog(u"frmQuickTable"_s, u"Quick Table"_s, HelpTopic::QuickTable, parent),
      m_selectedText(selectedText)
{
    QGroupBox *frame = NamedFrame(u"fmeQuickTable"_s, QString(), this);
    m_rows = NamedTextBox(u"txtRows"_s, 2, frame, BoxStyle::DigitsOnly);
    m_columns = NamedTextBox(u"txtColumns"_s, 2, frame, BoxStyle::DigitsOnly);
    m_rows->setText(u"3"_s);
    m_columns->setText(u"3"_s);
    m_caption = NamedTextBox(u"txtCaption"_s, 255, frame);
    m_caption->setMinimumWidth(m_caption->fontMetrics().averageCharWidth() * 32);
    m_comments = NamedCheckBox(u"chkComments"_s, u"&Include Comments"_s, frame);

    auto *grid = new QGridLayout(frame);
    grid->addWidget(BuddyLabel(u"lblRows"_s, u"&Rows:"_s, m_rows, frame), 0, 0);
    grid->addWidget(m_rows, 0, 1);
    grid->addWidget(BuddyLabel(u"lblColumns"_s, u"&Columns:"_s, m_columns, frame), 1, 0);
    grid->addWidget(m_columns, 1, 1);
    grid->addWidget(BuddyLabel(u"lblCaption"_s, u"C&aption:"_s, m_caption, frame), 2, 0);
    grid->addWidget(m_caption, 2, 1, 1, 2);
    grid->addWidget(m_comments, 3, 0, 1, 3);
    grid->setColumnStretch(2, 1);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(standardButtons());
}

std::optional<QString> FrmQuickTable::Form_Run(const QString &selectedText, QWidget *parent)
{
    FrmQuickTable dialog(selectedText, parent);
    return dialog.Run();
}

std::optional<QString> FrmQuickTable::buildResult()
{
    QuickTableOptions options;
    options.rows = QuickTableCount(m_rows->text());
    options.columns = QuickTableCount(m_columns->text());
    // The boxes show the counts the table was built with.
    m_rows->setText(QString::number(options.rows));
    m_columns->setText(QString::number(options.columns));
    options.caption = m_caption->text();
    options.comments = m_comments->isChecked();
    options.selectedText = m_selectedText;
    return BuildQuickTable(options);
}

} // namespace tavorin
