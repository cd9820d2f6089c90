#pragma once

// The live sample of the page body dialog ("picImageDisplay"): the page's
// background colour with its background image tiled over it, and the four
// sample texts ("lblDemo_1" to "lblDemo_4") in Times New Roman in the text
// and link colours. Double-clicking it opens the shown image.

#include <QImage>
#include <QString>
#include <QWidget>

#include <array>

class QLabel;

namespace tavorin {

class BodySample final : public QWidget {
    Q_OBJECT
public:
    explicit BodySample(QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(BodySample)

    // The background colour, 0x00BBGGRR; the image stays tiled over it.
    void setBackgroundColour(quint32 colour);
    // The colour of sample text index (1 to 4), 0x00BBGGRR.
    void setTextColour(int index, quint32 colour);
    // Tiles the image file at path; a file that cannot be loaded leaves the
    // plain background colour. False when nothing was loaded.
    bool setImageFile(const QString &path);
    QString imageFile() const { return m_imageFile; }
    bool hasImage() const { return !m_image.isNull(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    std::array<QLabel *, 4> m_texts{};
    QColor m_background;
    QImage m_image;
    QString m_imageFile;
};

} // namespace tavorin
