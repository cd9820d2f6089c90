#pragma once

#include <QElapsedTimer>
#include <QWidget>

#include <chrono>

namespace tavorin {

// The splash window frmSysIntro shown while the editor starts: the picture
// with the version and the legal notice, centred and above other windows.
class SplashWindow : public QWidget {
    Q_OBJECT

public:
    explicit SplashWindow(QWidget *parent = nullptr);
    ~SplashWindow() override;
    Q_DISABLE_COPY_MOVE(SplashWindow)

    // Shows the window and returns once it has been painted, so it is seen
    // while start-up keeps the program busy; a display that never shows it
    // is waited for one second at most.
    void showPainted();
    bool painted() const { return m_painted; }

    // Start-up is done: the window closes once it has been shown for
    // minimumShown, at once when it has. Returns at once.
    void finish(std::chrono::milliseconds minimumShown);

Q_SIGNALS:
    void firstPainted();

protected:
    void paintEvent(QPaintEvent *event) override;
    // A click sends it away early.
    void mousePressEvent(QMouseEvent *event) override;

private:
    QElapsedTimer m_shown;
    bool m_painted = false;
};

} // namespace tavorin
