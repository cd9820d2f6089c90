#pragma once

#include <QWidget>

namespace tavorin {

// The splash window frmSysIntro shown while the editor starts: the picture
// with the version and the legal notice, centred and above other windows.
class SplashWindow : public QWidget {
    Q_OBJECT

public:
    explicit SplashWindow(QWidget *parent = nullptr);
    ~SplashWindow() override;
    Q_DISABLE_COPY_MOVE(SplashWindow)
};

} // namespace tavorin
