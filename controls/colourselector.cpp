#include "controls/colourselector.h"

#include "app/colourvalue.h"
#include "app/facades.h"
#include "controls/fixedsize.h"
#include "controls/lookupcombo.h"
#include "html/colours.h"
#include "settings/preferences.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QToolButton>

namespace tavorin {

using namespace Qt::StringLiterals;

namespace {

// Four coloured squares: the picture of the custom-colour button.
QIcon paletteIcon()
{
    QPixmap picture(12, 12);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    const QColor squares[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow};
    for (int i = 0; i < 4; ++i)
        painter.fillRect((i % 2) * 6, (i / 2) * 6, 6, 6, squares[i]);
    return QIcon(picture);
}

// The width an editable combo needs to show the longest of its entries
// whole, "(default)" among them, in the widget's font and style.
int comboWidthForEntries(const QWidget &widget, const QStringList &entries)
{
    const QFontMetrics metrics = widget.fontMetrics();
    int widest = metrics.horizontalAdvance(u"(default)"_s);
    for (const QString &entry : entries)
        widest = std::max(widest, metrics.horizontalAdvance(entry));
    QStyleOptionComboBox option;
    option.initFrom(&widget);
    option.editable = true;
    return widget.style()->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(widest, metrics.height()), &widget)
        .width();
}

} // namespace

ColourSelector::ColourSelector(QWidget *parent)
    : QWidget(parent),
      m_combo(new LookupCombo(this, DefaultEntry::Default)),
      m_indicator(new QLabel(this)),
      m_custom(new QToolButton(this))
{
    m_combo->setObjectName(u"cboTextColour"_s);
    m_combo->addItems(ColourNames());
    m_indicator->setObjectName(u"lblColourShow"_s);
    m_indicator->setFrameShape(QFrame::Box);
    m_indicator->setAutoFillBackground(true);
    m_custom->setObjectName(u"cmdTextColour"_s);
    m_custom->setIcon(paletteIcon());
    m_custom->setToolTip(u"Custom colour"_s);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    layout->addWidget(m_combo, 1);
    layout->addWidget(m_indicator);
    layout->addWidget(m_custom);
    // The list's names stay readable whatever the desktop's font: the
    // combo is never narrower than its longest entry.
    m_combo->setMinimumWidth(comboWidthForEntries(*m_combo, ColourNames()));
    const QSize size = sizeHint();
    m_indicator->setFixedSize(size.height() / 4, size.height() * 2 / 3);
    m_custom->setFixedSize(size.height() * 3 / 5, size.height() * 3 / 5);
    setFixedSize(size);
    setFocusProxy(m_combo);

    connect(m_combo, &LookupCombo::changed, this, &ColourSelector::textChanged);
    connect(m_custom, &QToolButton::clicked, this, &ColourSelector::chooseCustomColour);
    setText(u"(default)"_s);
    textChanged();
}

QSize ColourSelector::sizeHint() const
{
    // The control's own size, widened where the combo needs more to show
    // its names whole; the indicator and the button follow the height.
    const QSize own = TwipsToPixels(*this, 1305, 495);
    const int needed = m_combo->minimumWidth() + own.height() / 4 + own.height() * 3 / 5 + 2;
    return {std::max(own.width(), needed), own.height()};
}

QString ColourSelector::text() const
{
    return m_combo->text();
}

void ColourSelector::setText(const QString &text)
{
    m_combo->setText(text);
}

void ColourSelector::setDefaultColour(const QString &colour)
{
    m_defaultColour = colour;
    setIndicatorColour(IndicatorColourOf(text(), m_defaultColour));
}

void ColourSelector::setIndicatorColour(quint32 colour)
{
    m_indicatorColour = colour;
    QPalette palette = m_indicator->palette();
    palette.setColor(QPalette::Window, ToQColor(colour));
    m_indicator->setPalette(palette);
}

void ColourSelector::textChanged()
{
    setIndicatorColour(IndicatorColourOf(text(), m_defaultColour));
    Q_EMIT Change();
}

void ColourSelector::chooseCustomColour()
{
    const std::optional<quint32> chosen = dialogs().chooseColour(IndicatorColourOf(text(), m_defaultColour));
    if (chosen)
        setText(ChosenColourText(*chosen, Prefs().SafePalette));
}

void ColourSelector::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1)
        return; // help is the host's Help button
    QWidget::keyPressEvent(event);
}

} // namespace tavorin
