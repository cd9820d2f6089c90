#include "dialogs/frmdialog.h"

#include "app/helpwindow.h"
#include "controls/seltextbox.h"
#include "html/promptedinserts.h"
#include "html/valuehelpers.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace tavorin {

namespace {

QPushButton *button(const QString &name, const QString &caption, QWidget *parent)
{
    auto *result = new QPushButton(caption, parent);
    result->setObjectName(name);
    return result;
}

} // namespace

FrmDialog::FrmDialog(const PromptRequest &request, QWidget *parent)
    : QDialog(parent),
      m_text(new SelTextBox(this, request.digitsOnly ? BoxStyle::DigitsOnly : BoxStyle::Ordinary)),
      m_upperCase(new QCheckBox(QStringLiteral("&Upper Case"), this))
{
    setObjectName(QStringLiteral("frmDialog"));
    setWindowTitle(request.caption);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    SetHelpContext(this, request.helpTopic);

    auto *label = new QLabel(QStringLiteral("Please enter ") + request.label + u':', this);
    label->setObjectName(QStringLiteral("lblDialogLabel"));
    label->setBuddy(m_text);
    m_text->setObjectName(QStringLiteral("txtDialogText"));
    m_text->setText(request.text);
    m_text->setMinimumWidth(300);
    m_upperCase->setObjectName(QStringLiteral("chkUpperCase"));
    m_upperCase->setVisible(request.upperCaseChoice);
    connect(m_upperCase, &QCheckBox::clicked, m_text, [this] { m_text->setFocus(); });

    QPushButton *okButton = button(QStringLiteral("cmdOk"), QStringLiteral("OK"), this);
    QPushButton *cancelButton = button(QStringLiteral("cmdCancel"), QStringLiteral("Cancel"), this);
    QPushButton *helpButton = button(QStringLiteral("cmdHelp"), QStringLiteral("Help"), this);
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &FrmDialog::ok);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpButton, &QPushButton::clicked, this, [this] { ShowHelp(this, HelpContextTopic); });

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    buttons->addWidget(helpButton);
    buttons->addStretch();
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
    dialog.adjustSize();
    if (const QScreen *screen = dialog.screen())
        dialog.move(screen->availableGeometry().center() - dialog.rect().center());
    // The busy pointer of the command that asks does not belong to the prompt.
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    dialog.exec();
    QApplication::restoreOverrideCursor();
    return dialog.value();
}

void FrmDialog::ok()
{
    const QString what = QStringLiteral("enter your text into this box");
    if (!RequireValue(m_text->text(), what)) {
        m_text->setFocus();
        return;
    }
    m_value = PromptAnswer(m_text->text(), m_upperCase->isChecked());
    accept();
}

void FrmDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1)
        return; // help is the Help button
    QDialog::keyPressEvent(event);
}

} // namespace tavorin
