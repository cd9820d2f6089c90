#include "dialogs/frmlocation.h"

#include "app/helptopics.h"
#include "controls/seltextbox.h"
#include "dialogs/dialogparts.h"
#include "html/insertstate.h"
#include "settings/filedialogs.h"
#include "settings/filefilters.h"
#include "settings/locationcheck.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace tavorin {

FrmLocation::FrmLocation(const QString &formTitle, const QString &nameTitle, const QString &locationTitle,
                         int filterKind, QWidget *parent)
    : TagDialog(QStringLiteral("frmLocation"), formTitle, HelpTopic::LocationDialog, parent),
      m_name(new SelTextBox(this)), m_location(new SelTextBox(this)), m_filterKind(filterKind)
{
    m_name->setObjectName(QStringLiteral("txtName"));
    m_name->setMaxLength(30);
    m_location->setObjectName(QStringLiteral("txtLocation"));
    m_location->setMaxLength(255);
    m_location->setMinimumWidth(320);
    auto *browse = new QPushButton(QStringLiteral("Browse..."), this);
    browse->setObjectName(QStringLiteral("cmdBrowse"));
    connect(browse, &QPushButton::clicked, this, &FrmLocation::browse);

    auto *layout = new QGridLayout(this);
    layout->addWidget(BuddyLabel(QStringLiteral("lblName"), nameTitle + u':', m_name, this), 0, 0);
    layout->addWidget(m_name, 1, 0);
    layout->addWidget(BuddyLabel(QStringLiteral("lblLocation"), locationTitle + u':', m_location, this), 2, 0);
    layout->addWidget(m_location, 3, 0);
    layout->addWidget(browse, 4, 0, Qt::AlignLeft);
    layout->setRowStretch(5, 1);
    layout->addLayout(standardButtons(), 0, 1, 6, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_name->setFocus();
}

void FrmLocation::setEntry(const QString &name, const QString &location)
{
    m_name->setText(name);
    m_location->setText(location);
}

QString FrmLocation::name() const
{
    return m_name->text();
}

QString FrmLocation::location() const
{
    return m_location->text();
}

bool FrmLocation::Form_Run(QString &name, QString &location, const QString &formTitle, const QString &nameTitle,
                           const QString &locationTitle, int filterKind, QWidget *parent)
{
    FrmLocation dialog(formTitle, nameTitle, locationTitle, filterKind, parent);
    dialog.setEntry(name, location);
    dialog.Run();
    if (!InsertCancelled) {
        name = dialog.name();
        location = dialog.location();
    }
    return InsertCancelled;
}

std::optional<QString> FrmLocation::buildResult()
{
    const LocationProblem problem = CheckLocation(name(), location(), m_filterKind);
    ReportLocationProblem(problem, location());
    switch (problem) {
    case LocationProblem::None:
        return location();
    case LocationProblem::NoName:
        focusEntry(m_name);
        break;
    case LocationProblem::NoLocation:
    case LocationProblem::NoFile:
        focusEntry(m_location);
        break;
    }
    return std::nullopt;
}

void FrmLocation::browse()
{
    FileDialogRequest request;
    SetFilter(request, m_filterKind);
    request.title = QStringLiteral("Locate ") + windowTitle();
    QString field = location();
    BrowseForFile(request, field, false, QString());
    m_location->setText(field);
}

} // namespace tavorin
