#include "app/splashwindow.h"

#include "app/facades.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace tavorin {

SplashWindow::SplashWindow(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::WindowStaysOnTopHint | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSysIntro"));
    auto *layout = new QVBoxLayout(this);
    auto *picture = new QLabel(QString::fromLatin1(ApplicationTitle), this);
    picture->setObjectName(QStringLiteral("imgIntro"));
    QFont big = picture->font();
    big.setPointSize(big.pointSize() * 3);
    big.setBold(true);
    picture->setFont(big);
    picture->setAlignment(Qt::AlignCenter);
    auto *version = new QLabel(QStringLiteral("Version ") + QString::fromLatin1(ApplicationVersion), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    auto *copyright = new QLabel(QStringLiteral("Copyright \u00A9 Kestavel Software. All rights reserved."), this);
    copyright->setObjectName(QStringLiteral("lblCopyright"));
    layout->addWidget(picture);
    layout->addWidget(version, 0, Qt::AlignCenter);
    layout->addWidget(copyright, 0, Qt::AlignCenter);
    setAutoFillBackground(true);
    adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

SplashWindow::~SplashWindow() = default;

} // namespace tavorin
