#pragma once

// The arrows of a spin control beside a digits-only box, its buddy: an
// arrow steps the number in the box within the range, and a number typed
// into the box moves the spin control. The spin box shows no text of its
// own, so the value is read and typed in the buddy alone.

#include <QSpinBox>

namespace tavorin {

class SelTextBox;

class UpDown final : public QSpinBox {
    Q_OBJECT
public:
    UpDown(SelTextBox *buddy, int minimum, int maximum, QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(UpDown)

    // Just wide enough for the arrows.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

private:
    void followBuddy();

    SelTextBox *m_buddy = nullptr;
    bool m_stepping = false;
};

} // namespace tavorin
