#include "dialogs/frmfontcollection.h"

#include "app/helptopics.h"
#include "controls/lookupcombo.h"
#include "controls/seltextbox.h"
#include "dialogs/dialogparts.h"
#include "settings/fontcollectioncheck.h"
#include "settings/screenfonts.h"

#include <QGridLayout>
#include <QLabel>

namespace tavorin {

FrmFontCollection::FrmFontCollection(const QString &name, const QString &fonts, QWidget *parent)
    : TagDialog(QStringLiteral("frmFontCollection"), QStringLiteral("Font Collection"), HelpTopic::FontCollection,
                parent),
      m_openedName(name), m_name(new SelTextBox(this))
{
    m_name->setObjectName(QStringLiteral("txtCollName"));
    m_name->setMaxLength(30);
    m_name->setText(name);
    m_name->setMinimumWidth(240);

    auto *layout = new QGridLayout(this);
    layout->addWidget(BuddyLabel({}, QStringLiteral("Collection &Name:"), m_name, this), 0, 0);
    layout->addWidget(m_name, 0, 1);
    const CollectionFontBoxes shown = SplitCollectionFonts(fonts);
    for (int i = 0; i < 3; ++i) {
        auto *combo = new LookupCombo(this, DefaultEntry::None);
        combo->setObjectName(QStringLiteral("cboFontsList"));
        combo->setProperty("index", i);
        combo->addItems(ScreenFonts());
        combo->setText(shown[i]);
        layout->addWidget(BuddyLabel({}, QStringLiteral("Font Name &") + QString::number(i + 1) + u':', combo, this),
                          i + 1, 0);
        layout->addWidget(combo, i + 1, 1);
        m_fonts[i] = combo;
    }
    layout->setRowStretch(4, 1);
    layout->addLayout(standardButtons(), 0, 2, 5, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_name->setFocus();
}

std::optional<FontCollection> FrmFontCollection::Form_Run(const QString &name, const QString &fonts,
                                                          QWidget *parent)
{
    FrmFontCollection dialog(name, fonts, parent);
    dialog.Run();
    return dialog.accepted();
}

std::optional<QString> FrmFontCollection::buildResult()
{
    CollectionFontBoxes boxes;
    for (int i = 0; i < 3; ++i) {
        // A name typed without leaving the box takes the list's spelling too.
        m_fonts[i]->forceLostFocus();
        boxes[i] = m_fonts[i]->text();
    }
    const CollectionCheck check = CheckFontCollection(m_openedName, m_name->text(), boxes, FontCollections());
    ReportCollectionProblem(check.problem);
    switch (check.problem) {
    case CollectionProblem::None:
        m_accepted = check.collection;
        return check.collection.name;
    case CollectionProblem::NoName:
    case CollectionProblem::NameTaken:
        focusEntry(m_name);
        break;
    case CollectionProblem::NoFont:
        focusEntry(m_fonts[0]);
        break;
    }
    return std::nullopt;
}

} // namespace tavorin
