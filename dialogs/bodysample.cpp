#include "dialogs/bodysample.h"

#include "app/colourvalue.h"
#include "settings/files.h"

#include <QBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

namespace tavorin {

using namespace Qt::StringLiterals;

BodySample::BodySample(QWidget *parent)
    : QWidget(parent),
      m_background(Qt::lightGray)
{
    setObjectName(u"picImageDisplay"_s);
    setMinimumSize(220, 130);
    const QString captions[] = {u"Normal Text Colour"_s, u"Normal Links Colour"_s, u"Visited Links Colour"_s,
                                u"Active Links Colour"_s};
    QFont font(u"Times New Roman"_s);
    font.setPointSize(11);
    auto *layout = new QVBoxLayout(this);
    for (int i = 0; i < 4; ++i) {
        m_texts[i] = new QLabel(captions[i], this);
        m_texts[i]->setObjectName(u"lblDemo_%1"_s.arg(i + 1));
        m_texts[i]->setFont(font);
        // A double-click on a text is one on the sample.
        m_texts[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
        layout->addWidget(m_texts[i]);
    }
}

void BodySample::setBackgroundColour(quint32 colour)
{
    m_background = ToQColor(colour);
    update();
}

void BodySample::setTextColour(int index, quint32 colour)
{
    if (index < 1 || index > 4)
        return;
    QPalette palette = m_texts[index - 1]->palette();
    palette.setColor(QPalette::WindowText, ToQColor(colour));
    m_texts[index - 1]->setPalette(palette);
}

bool BodySample::setImageFile(const QString &path)
{
    m_imageFile = path;
    m_image = QImage();
    if (!path.isEmpty()) {
        QImageReader reader(path);
        m_image = reader.read();
    }
    update();
    return !m_image.isNull();
}

void BodySample::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_background);
    if (!m_image.isNull())
        painter.drawTiledPixmap(rect(), QPixmap::fromImage(m_image));
}

void BodySample::mouseDoubleClickEvent(QMouseEvent *)
{
    if (hasImage())
        OpenWithShell(m_imageFile);
}

} // namespace tavorin
