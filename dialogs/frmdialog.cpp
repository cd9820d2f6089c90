#include "dialogs/frmdialog.h"

#include "controls/seltextbox.h"
#include "html/promptedinserts.h"
#include "html/valuehelpers.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>

namespace tavorin {

FrmDialog::FrmDialog(const PromptRequest &request, QWidget *parent)
    : TagDialog(QStringLiteral("frmDialog"), request.caption, request.helpTopic, parent),
      m_text(new SelTextBox(this, request.digitsOnly ? BoxStyle::DigitsOnly : BoxStyle::Ordinary)),
      m_upperCase(new QCheckBox(QStringLiteral("&Upper Case"), this))
{
    auto *label = new QLabel(QStringLiteral("Please enter ") + request.label + u':', this);
    label->setObjectName(QStringLiteral("lblDialogLabel"));
    label->setBuddy(m_text);
    m_text->setObjectName(QStringLiteral("txtDialogText"));
    m_text->setText(request.text);
    m_text->setMinimumWidth(300);
    m_upperCase->setObjectName(QStringLiteral("chkUpperCase"));
    m_upperCase->setVisible(request.upperCaseChoice);
    connect(m_upperCase, &QCheckBox::clicked, m_text, [this] { m_text->setFocus(); });

    QBoxLayout *buttons = standardButtons();
    auto *layout = new QGridLayout(this);
    layout->addWidget(label, 0, 0);
    layout->addWidget(m_text, 1, 0);
    layout->addWidget(m_upperCase, 2, 0);
    layout->setRowStretch(3, 1);
    layout->addLayout(buttons, 0, 1, 4, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_text->setFocus();
}

std::optional<QString> FrmDialog::Form_Run(const PromptRequest &request, QWidget *parent)
{
    FrmDialog dialog(request, parent);
    return dialog.Run();
}

std::optional<QString> FrmDialog::buildResult()
{
    if (!requireEntry(m_text, m_text->text(), QStringLiteral("enter your text into this box")))
        return std::nullopt;
    return PromptAnswer(m_text->text(), m_upperCase->isChecked());
}

} // namespace tavorin
