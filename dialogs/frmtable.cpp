#include "dialogs/frmtable.h"

#include "app/helptopics.h"
#include "controls/colourselector.h"
#include "controls/imagepreview.h"
#include "controls/locationcontrol.h"
#include "controls/lookupcombo.h"
#include "controls/seltextbox.h"
#include "dialogs/dialogparts.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStackedWidget>

namespace tavorin {

using namespace Qt::StringLiterals;

namespace {

QWidget *makeInput(const TableField &field, TableElement element, QWidget *parent)
{
    switch (field.kind) {
    case TableFieldKind::HAlign:
    case TableFieldKind::VAlign:
        return NamedCombo({}, TableFieldItems(element, field.kind), parent);
    case TableFieldKind::Colour:
        return new ColourSelector(parent);
    case TableFieldKind::Number:
        return NamedTextBox(QString(), field.digits, parent, BoxStyle::DigitsOnly);
    }
    return nullptr;
}

QString inputText(const QWidget *input)
{
    if (const auto *box = qobject_cast<const SelTextBox *>(input))
        return box->text();
    if (const auto *combo = qobject_cast<const LookupCombo *>(input))
        return combo->text();
    return static_cast<const ColourSelector *>(input)->text();
}

void setInputText(QWidget *input, const QString &text)
{
    if (auto *box = qobject_cast<SelTextBox *>(input))
        box->setText(text);
    else if (auto *combo = qobject_cast<LookupCombo *>(input))
        combo->setText(text);
    else
        static_cast<ColourSelector *>(input)->setText(text);
}

} // namespace

FrmTable::FrmTable(const QString &selectedText, QWidget *parent)
    : TagDialog(u"frmTable"_s, u"Advanced Table "_s, HelpTopic::Table, parent),
      m_selection(ClassifyTableText(selectedText))
{
    QGroupBox *choice = NamedFrame(u"fmeElements"_s, QString(), this);
    auto *options = new QHBoxLayout(choice);
    m_frames = new QStackedWidget(this);
    m_frames->setObjectName(u"stkTableElements"_s);
    for (int i = 0; i < TableElementCount; ++i) {
        const auto element = TableElement(i);
        m_elementOptions[i] = NamedOption(u"optTableElement_%1"_s.arg(i), TableOptionCaption(element), choice);
        options->addWidget(m_elementOptions[i]);
        connect(m_elementOptions[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                chooseElement(i);
        });
        m_frames->addWidget(elementFrame(element, m_frames));
    }
    m_background = backgroundFrame(this);

    auto *column = new QVBoxLayout;
    column->addWidget(choice);
    column->addWidget(m_frames);
    column->addWidget(m_background);
    column->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(column);
    layout->addLayout(standardButtons());

    // Background paths are written as they are typed or chosen: this dialog
    // does not lower-case them.
    m_imageLocation->setLowerCasePaths(false);
    m_file->setChecked(true);
    const TableElement kind = m_selection.kind;
    m_elementOptions[int(kind == TableElement::None ? TableElement::DataCell : kind)]->setChecked(true);
    if (kind != TableElement::None)
        readBack(ReadTableTag(kind, m_selection.openingTag));
}

QGroupBox *FrmTable::elementFrame(TableElement element, QWidget *parent)
{
    const int index = int(element);
    const QString suffix = u'_' + QString::number(index);
    ElementControls &controls = m_elements[index];
    controls.frame = NamedFrame(u"fmeTableElement"_s + suffix, TableFrameCaption(element), parent);
    auto *grid = new QGridLayout(controls.frame);
    const std::span<const TableField> fields = TableFields(element);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const TableField &field = fields[i];
        QWidget *input = makeInput(field, element, controls.frame);
        input->setObjectName(field.control.toString() + suffix);
        controls.inputs[i] = input;
        const QString label = u"lbl"_s + field.control.mid(3).toString() + suffix;
        grid->addWidget(BuddyLabel(label, field.caption.toString(), input, controls.frame), int(i), 0);
        grid->addWidget(input, int(i), 1);
        if (!field.percentBox.isEmpty()) {
            controls.percent[i] = NamedCheckBox(field.percentBox.toString() + suffix, u"%"_s, controls.frame);
            grid->addWidget(controls.percent[i], int(i), 2);
        }
    }
    if (HasTableNoWrap(element)) {
        controls.noWrap = NamedCheckBox(u"chkNoWrap"_s + suffix, u"No Wra&p:"_s, controls.frame);
        grid->addWidget(controls.noWrap, int(fields.size()), 0, 1, 3);
    }
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(int(fields.size()) + 1, 1);
    return controls.frame;
}

QGroupBox *FrmTable::backgroundFrame(QWidget *parent)
{
    QGroupBox *frame = NamedFrame(u"fmeBackground"_s, u"Background Image"_s, parent);
    m_file = NamedOption(u"optFile"_s, u"Local &File"_s, frame);
    m_url = NamedOption(u"optURL"_s, u"&Internet/Intranet File"_s, frame);
    m_imageLocation = ImageLocationControl(frame);
    m_preview = new ImagePreview(frame);
    m_preview->setObjectName(u"ipImagePreview"_s);
    m_preview->setFixedSize(120, 90);
    CoupleFileOption(m_file, m_imageLocation);
    connect(m_imageLocation, &LocationControl::LocationChange, this,
            [this] { m_preview->ShowPreview(m_imageLocation->Location(), ActiveDocumentFolder()); });

    auto *grid = new QGridLayout(frame);
    grid->addWidget(m_file, 0, 0);
    grid->addWidget(m_url, 0, 1);
    grid->addWidget(m_imageLocation, 1, 0, 1, 2);
    grid->addWidget(m_preview, 0, 2, 2, 1);
    return frame;
}

void FrmTable::chooseElement(int index)
{
    if (m_shown >= 0 && HasTableBackground(TableElement(m_shown)))
        m_backgrounds[m_shown] = {m_imageLocation->locationStyle(), m_imageLocation->ServiceType(),
                                  m_imageLocation->Location()};
    m_shown = index;
    m_frames->setCurrentIndex(index);
    for (int i = 0; i < TableElementCount; ++i)
        m_elements[i].frame->setEnabled(i == index);

    const bool background = HasTableBackground(TableElement(index));
    m_background->setVisible(background);
    if (!background)
        return;
    m_imageLocation->Reset();
    const Background &remembered = m_backgrounds[index];
    (remembered.style == LocationStyle::Web ? m_url : m_file)->setChecked(true);
    if (remembered.style == LocationStyle::Web && !remembered.service.isEmpty())
        m_imageLocation->setServiceType(remembered.service);
    m_imageLocation->setLocation(remembered.location);
}

void FrmTable::readBack(const TableOptions &options)
{
    const ElementControls &controls = m_elements[int(options.element)];
    const std::span<const TableField> fields = TableFields(options.element);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (options.values[i].isEmpty())
            continue;
        setInputText(controls.inputs[i], options.values[i]);
        if (controls.percent[i])
            controls.percent[i]->setChecked(options.percent[i]);
    }
    if (controls.noWrap)
        controls.noWrap->setChecked(options.noWrap);
    ReadBackLocation(m_imageLocation, m_url, options.background);
}

TableOptions FrmTable::optionsOf(TableElement element) const
{
    const ElementControls &controls = m_elements[int(element)];
    TableOptions options;
    options.element = element;
    const std::size_t count = TableFields(element).size();
    for (std::size_t i = 0; i < count; ++i) {
        options.values[i] = inputText(controls.inputs[i]);
        options.percent[i] = controls.percent[i] && controls.percent[i]->isChecked();
    }
    options.noWrap = controls.noWrap && controls.noWrap->isChecked();
    return options;
}

std::optional<QString> FrmTable::Form_Run(const QString &selectedText, QWidget *parent)
{
    FrmTable dialog(selectedText, parent);
    return dialog.Run();
}

std::optional<QString> FrmTable::buildResult()
{
    const auto element = TableElement(m_shown);
    TableOptions options = optionsOf(element);
    if (HasTableBackground(element)) {
        const std::optional<QString> image = m_imageLocation->ProcessedLocation(true);
        if (!image)
            return std::nullopt;
        options.background = *image;
    }
    return BuildTableText(options, m_selection);
}

} // namespace tavorin
