#include "app/aboutdialog.h"

#include "app/facades.h"
#include "settings/files.h"
#include "settings/systeminformation.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavorin {

namespace {

constexpr auto MakerMailAddress = "tavorin@kestavel.example";

QPushButton *addButton(QDialogButtonBox *box, const QString &name, const QString &text)
{
    QPushButton *button = box->addButton(text, QDialogButtonBox::ActionRole);
    button->setObjectName(name);
    return button;
}

} // namespace

AboutDialog::AboutDialog(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    const QString title = QString::fromLatin1(ApplicationTitle);
    setWindowTitle(QStringLiteral("About ") + title);
    auto *layout = new QVBoxLayout(this);
    auto *name = new QLabel(title, this);
    name->setObjectName(QStringLiteral("lblTitle"));
    QFont big = name->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    name->setFont(big);
    auto *version = new QLabel(QStringLiteral("Version ") + QString::fromLatin1(ApplicationVersion), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    auto *notice = new QLabel(QStringLiteral("Copyright \u00A9 Kestavel Software. All rights reserved.\n"
                                             "This program is protected by copyright law."),
                              this);
    notice->setObjectName(QStringLiteral("lblLegal"));
    layout->addWidget(name);
    layout->addWidget(version);
    layout->addWidget(notice);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
    connect(addButton(buttons, QStringLiteral("cmdSysInfo"), QStringLiteral("&System Info...")),
            &QPushButton::clicked, this, [] { ShowSystemInformation(); });
    connect(addButton(buttons, QStringLiteral("cmdHomePage"), QStringLiteral("&Home Page")), &QPushButton::clicked,
            this, [] { ViewFile(QString::fromLatin1(MakerHomePage)); });
    connect(addButton(buttons, QStringLiteral("cmdEMail"), QStringLiteral("&E-Mail")), &QPushButton::clicked, this,
            [] { OpenWithShell(QStringLiteral("mailto:") + QString::fromLatin1(MakerMailAddress)); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

AboutDialog::~AboutDialog() = default;

} // namespace tavorin
