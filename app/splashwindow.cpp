#include "app/splashwindow.h"

#include "app/facades.h"
#include "app/icontheme.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace tavorin {

namespace {

constexpr int PictureSize = 96;
constexpr std::chrono::milliseconds LongestWaitForPaint{1000};

} // namespace

SplashWindow::SplashWindow(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::WindowStaysOnTopHint | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSysIntro"));
    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("imgIntro"));
    picture->setPixmap(ProgramIcon().pixmap(PictureSize, PictureSize));
    auto *title = new QLabel(QString::fromLatin1(ApplicationTitle), this);
    QFont big = title->font();
    big.setPointSize(big.pointSize() * 3);
    big.setBold(true);
    title->setFont(big);
    auto *version = new QLabel(QStringLiteral("Version ") + QString::fromLatin1(ApplicationVersion), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    auto *copyright = new QLabel(QStringLiteral("Copyright \u00A9 Kestavel Software. All rights reserved."), this);
    copyright->setObjectName(QStringLiteral("lblCopyright"));

    auto *texts = new QVBoxLayout;
    texts->addStretch();
    texts->addWidget(title);
    texts->addWidget(version);
    texts->addStretch();
    auto *top = new QHBoxLayout;
    top->addWidget(picture);
    top->addSpacing(16);
    top->addLayout(texts);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 16);
    layout->addLayout(top);
    layout->addSpacing(12);
    layout->addWidget(copyright, 0, Qt::AlignCenter);

    setAutoFillBackground(true);
    adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

SplashWindow::~SplashWindow() = default;

void SplashWindow::showPainted()
{
    m_shown.start();
    show();
    raise();
    if (m_painted)
        return;
    // Start-up does not let messages run again for a while; until the window
    // is on the screen and painted, only it may run them (no user input).
    QEventLoop wait;
    connect(this, &SplashWindow::firstPainted, &wait, &QEventLoop::quit);
    QTimer::singleShot(LongestWaitForPaint, &wait, &QEventLoop::quit);
    wait.exec(QEventLoop::ExcludeUserInputEvents);
}

void SplashWindow::finish(std::chrono::milliseconds minimumShown)
{
    const qint64 left = m_shown.isValid() ? minimumShown.count() - m_shown.elapsed() : 0;
    if (left <= 0)
        close();
    else
        QTimer::singleShot(std::chrono::milliseconds(left), this, &QWidget::close);
}

void SplashWindow::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    if (!m_painted) {
        m_painted = true;
        // Queued: the loop waiting for it ends once this paint is on the screen.
        QMetaObject::invokeMethod(this, &SplashWindow::firstPainted, Qt::QueuedConnection);
    }
}

void SplashWindow::mousePressEvent(QMouseEvent *event)
{
    QWidget::mousePressEvent(event);
    close();
}

} // namespace tavorin
