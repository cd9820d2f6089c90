#include "controls/updown.h"

#include "app/textrules.h"
#include "controls/seltextbox.h"

#include <QLineEdit>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionSpinBox>

#include <algorithm>

namespace tavorin {

UpDown::UpDown(SelTextBox *buddy, int minimum, int maximum, QWidget *parent) : QSpinBox(parent), m_buddy(buddy)
{
    setRange(minimum, maximum);
    lineEdit()->hide();
    setFocusPolicy(Qt::NoFocus);
    followBuddy();
    connect(m_buddy, &SelTextBox::changed, this, &UpDown::followBuddy);
    connect(this, &QSpinBox::valueChanged, m_buddy, [this](int value) {
        m_stepping = true;
        m_buddy->setText(QString::number(value));
        m_stepping = false;
    });
}

void UpDown::followBuddy()
{
    if (m_stepping)
        return;
    // The box keeps what was typed (even nothing); only the arrows move.
    const QSignalBlocker quiet(this);
    setValue(LeadingNumberWithin(m_buddy->text(), minimum(), maximum()));
}

QSize UpDown::sizeHint() const
{
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    const QRect arrows = style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, this);
    const int frame = style()->pixelMetric(QStyle::PM_SpinBoxFrameWidth, &option, this);
    return {arrows.width() + 2 * frame, QSpinBox::sizeHint().height()};
}

} // namespace tavorin
