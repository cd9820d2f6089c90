#include "dialogs/frmsearcheng.h"

#include "app/helptopics.h"
#include "dialogs/dialogparts.h"
#include "html/searchengines.h"
#include "settings/datafiles.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace tavorin {

using namespace Qt::StringLiterals;

namespace {

constexpr int EngineNumberRole = Qt::UserRole;

} // namespace

FrmSearchEng::FrmSearchEng(QWidget *parent)
    : TagDialog(u"frmSearchEng"_s, u"Search Engine Links"_s, HelpTopic::SearchEngineLinks, parent),
      m_engines(new QListWidget(this))
{
    QGroupBox *frame = NamedFrame(u"fmeSE"_s, QString(), this);
    m_engines->setParent(frame);
    m_engines->setObjectName(u"lstSearchEngine"_s);
    m_engines->setSelectionMode(QAbstractItemView::MultiSelection);
    for (const NamedLocation &engine : ReadSearchEngineNames()) {
        auto *item = new QListWidgetItem(engine.name, m_engines);
        item->setData(EngineNumberRole, engine.number);
    }
    m_centre = NamedCheckBox(u"chkCentre"_s, u"Ce&ntre"_s, frame);
    auto *buttons = new QHBoxLayout;
    const QString captions[] = {u"&Select All"_s, u"&Clear All"_s};
    for (int i = 0; i < 2; ++i) {
        auto *button = new QPushButton(captions[i], frame);
        button->setObjectName(u"cmdSelectAll_%1"_s.arg(i));
        connect(button, &QPushButton::clicked, this, [this, i] { selectAll(i == 0); });
        buttons->addWidget(button);
    }
    auto *column = new QVBoxLayout(frame);
    column->addWidget(BuddyLabel(u"lblSE"_s, u"&Internet Search Engines:"_s, m_engines, frame));
    column->addWidget(m_engines);
    column->addLayout(buttons);
    column->addWidget(m_centre);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(standardButtons(Qt::Vertical, u"cmdOK"_s));
}

void FrmSearchEng::selectAll(bool selected)
{
    // One redraw after the whole change.
    m_engines->setUpdatesEnabled(false);
    for (int i = 0; i < m_engines->count(); ++i)
        m_engines->item(i)->setSelected(selected);
    m_engines->setUpdatesEnabled(true);
}

std::optional<QString> FrmSearchEng::Form_Run(QWidget *parent)
{
    FrmSearchEng dialog(parent);
    return dialog.Run();
}

std::optional<QString> FrmSearchEng::buildResult()
{
    QList<NamedLocation> chosen;
    for (int i = 0; i < m_engines->count(); ++i) {
        const QListWidgetItem *item = m_engines->item(i);
        if (!item->isSelected())
            continue;
        const int number = item->data(EngineNumberRole).toInt();
        chosen.append({number, item->text(), SearchEngineLocation(number)});
    }
    return SearchEngineLinks(chosen, m_centre->isChecked());
}

} // namespace tavorin
