#pragma once

// A small preview of an image file named in a dialog ("Tavorin.ImagePreview"),
// with the image's size in pixels for WIDTH and HEIGHT. A file that is no
// picture, or that fails to decode, shows "No Preview Available" and a size
// of 0 x 0. Double-clicking a shown image opens it with the desktop's
// program. The host gives the control its size.

#include <QWidget>

class QLabel;

namespace tavorin {

class ImagePreview final : public QWidget {
    Q_OBJECT
    Q_CLASSINFO("ClassName", "Tavorin.ImagePreview")
public:
    explicit ImagePreview(QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(ImagePreview)

    // Shows the image at imagePath (relative paths below documentFolder,
    // which ends with a separator). True when a new image was loaded and is
    // shown; false for the path asked for last (nothing is reloaded), for a
    // missing file and for anything that is not a picture.
    bool ShowPreview(const QString &imagePath, const QString &documentFolder = {});
    // The size of the image last loaded; 0 until one is.
    int ImageWidth() const { return m_size.width(); }
    int ImageHeight() const { return m_size.height(); }

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool load(const QString &path);

    QLabel *m_picture = nullptr;
    QLabel *m_noPreview = nullptr;
    QLabel *m_border = nullptr;
    QLabel *m_area = nullptr;
    QString m_lastPath;
    QSize m_size{0, 0};
};

} // namespace tavorin
