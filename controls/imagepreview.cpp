#include "controls/imagepreview.h"

#include "app/statusmessages.h"
#include "controls/previewpath.h"
#include "settings/files.h"

#include <QEvent>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>

namespace tavorin {

using namespace Qt::StringLiterals;

namespace {

QLabel *part(const QString &name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

} // namespace

ImagePreview::ImagePreview(QWidget *parent)
    : QWidget(parent),
      m_picture(part(u"picImage"_s, this)),
      m_noPreview(part(u"lblPreview"_s, this)),
      m_border(part(u"lblPreviewBorder"_s, this)),
      m_area(part(u"lblPicSize"_s, this))
{
    m_border->setFrameShape(QFrame::Box);
    m_noPreview->setText(u"No Preview Available"_s);
    m_noPreview->setAlignment(Qt::AlignCenter);
    m_noPreview->setWordWrap(true);
    m_area->hide();
    m_picture->setScaledContents(true);
    m_picture->hide();
    m_border->lower();
    m_picture->raise(); // "No Preview Available" lies behind the picture
    for (QLabel *label : {m_picture, m_noPreview, m_border})
        label->installEventFilter(this);
}

void ImagePreview::resizeEvent(QResizeEvent *)
{
    const QRect area = rect().adjusted(2, 2, -2, -2);
    m_border->setGeometry(rect());
    m_area->setGeometry(area);
    m_noPreview->setGeometry(area);
    m_picture->setGeometry(area);
}

bool ImagePreview::ShowPreview(const QString &imagePath, const QString &documentFolder)
{
    const QString path = PreviewPath(imagePath, documentFolder);
    if (path == m_lastPath)
        return false;
    m_lastPath = path;
    const bool exists = QFileInfo(path).isAbsolute() && QFileInfo(path).isFile();
    if (m_picture->isHidden() && !exists)
        return false;
    const Hourglass busy;
    const bool shown = exists && load(path);
    if (!shown) {
        m_size = QSize(0, 0);
        m_picture->clear();
    }
    m_picture->setVisible(shown);
    return shown;
}

// Large pictures are decoded at the preview's size where the format can do
// that; the size reported is always the picture's own.
bool ImagePreview::load(const QString &path)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    const QSize area = m_area->size();
    if (size.isValid() && area.isValid() && size.width() > area.width() && size.height() > area.height()
        && reader.supportsOption(QImageIOHandler::ScaledSize))
        reader.setScaledSize(area);
    const QImage image = reader.read();
    if (image.isNull())
        return false;
    m_size = size.isValid() ? size : image.size();
    m_picture->setPixmap(QPixmap::fromImage(image));
    return true;
}

bool ImagePreview::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonDblClick && !m_picture->isHidden()) {
        OpenWithShell(m_lastPath);
        return true;
    }
    return false;
}

} // namespace tavorin
