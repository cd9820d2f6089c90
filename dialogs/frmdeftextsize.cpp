#include "dialogs/frmdeftextsize.h"

#include "app/helptopics.h"
#include "html/textappearance.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

namespace tavorin {

FrmDefTextSize::FrmDefTextSize(QWidget *parent)
    : TagDialog(QStringLiteral("frmDefTextSize"), QStringLiteral("Page Text Size"), HelpTopic::PageTextSize, parent),
      m_sizes(new QListWidget), m_sample(new QLabel)
{
    QTabWidget *tabs = tabFrame(QStringLiteral("tabTextSize"));
    auto *page = new QWidget;
    m_sizes->setObjectName(QStringLiteral("lstFontSize"));
    for (int n = 1; n <= 7; ++n)
        m_sizes->addItem(QString::number(n));
    m_sizes->setFixedWidth(60);
    m_sample->setObjectName(QStringLiteral("lblFontExample"));
    m_sample->setAlignment(Qt::AlignCenter);
    // Room for the largest sample, so the dialog does not jump.
    m_sample->setMinimumSize(300, 80);
    auto *label = new QLabel(QStringLiteral("&Text Size:"));
    label->setBuddy(m_sizes);
    auto *grid = new QGridLayout(page);
    grid->addWidget(label, 0, 0);
    grid->addWidget(m_sizes, 1, 0);
    grid->addWidget(m_sample, 1, 1);
    tabs->addTab(page, TabCaption(QStringLiteral("Standard Settings")));

    auto *layout = new QBoxLayout(QBoxLayout::LeftToRight, this);
    layout->addWidget(tabs);
    layout->addLayout(standardButtons(Qt::Vertical, QStringLiteral("cmdOK")));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_sizes, &QListWidget::currentRowChanged, this, &FrmDefTextSize::showSample);
    connect(m_sizes, &QListWidget::itemDoubleClicked, okButton(), &QAbstractButton::click);
    m_sizes->setCurrentRow(2);
    m_sizes->setFocus();
}

std::optional<QString> FrmDefTextSize::Form_Run(QWidget *parent)
{
    FrmDefTextSize dialog(parent);
    return dialog.Run();
}

void FrmDefTextSize::showSample()
{
    const int size = m_sizes->currentRow() + 1;
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(TextSizeSamplePoints(size));
    m_sample->setFont(font);
    m_sample->setText(QStringLiteral("Text Size ") + QString::number(size));
}

std::optional<QString> FrmDefTextSize::buildResult()
{
    const QListWidgetItem *item = m_sizes->currentItem();
    return BaseFontTag(item ? item->text() : QStringLiteral("3"));
}

} // namespace tavorin
