#pragma once

// Where a tag attribute points ("Tavorin.LocationControl"): a local file
// with Browse, an anchor of the current document, or an Internet address
// with its service, in one of three layouts (or none). ProcessedLocation
// turns the input into the attribute's text: a path relative to the active
// document's folder (lower-cased when asked), a full address, or an anchor
// name. The control keeps a fixed size.

#include "controls/locationrules.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace tavorin {

class LookupCombo;
class SelTextBox;

class LocationControl final : public QWidget {
    Q_OBJECT
    Q_CLASSINFO("ClassName", "Tavorin.LocationControl")
public:
    // Made in the local-file style.
    explicit LocationControl(QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(LocationControl)

    // Puts an existing address into the web layout; false (nothing changed)
    // for a text without ":" and for a "/" path.
    bool SetupWeb(const QString &pathIn);
    // Gives the focus to the input of the current style.
    void SetLocationFocus();
    // The attribute's text: "" for the style None and for an empty location
    // that allowBlank permits; nothing when a problem was reported and the
    // host must stay open (the focus is then on the input).
    std::optional<QString> ProcessedLocation(bool allowBlank = false);
    // Adds the anchor names of text to the anchor list; how many were added.
    int CreateAnchorList(const QString &text);
    // Empties the file box, the address box and the anchor's text.
    void Reset();

    LocationStyle locationStyle() const { return m_style; }
    // Arranges the layout and raises LocationChange.
    void setLocationStyle(LocationStyle style);
    // The trimmed text of the current input, without the service.
    QString Location() const;
    void setLocation(const QString &value);
    QString ServiceType() const;
    void setServiceType(const QString &service);
    bool lowerCasePaths() const { return m_lowerCasePaths; }
    void setLowerCasePaths(bool lower) { m_lowerCasePaths = lower; }
    // The file-dialog filter kind of Browse (2 HTML files, 4 images, 5 sounds).
    int filter() const { return m_filter; }
    void setFilter(int kind) { m_filter = kind; }
    QString captionLocal() const;
    void setCaptionLocal(const QString &caption);
    QString captionWeb() const;
    void setCaptionWeb(const QString &caption);
    QString captionAnchor() const;
    void setCaptionAnchor(const QString &caption);

    // The active document and its saving, the file tests and messages; the
    // program's own unless a host or test sets others.
    void setContext(const LocationContext &context) { m_context = context; }

    // The fixed size, 5040 x 645 twips at the screen's logical DPI.
    QSize sizeHint() const override;

Q_SIGNALS:
    // The file box, the address box or the service changed, or the style was set.
    void LocationChange();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void arrange();
    void addressChanged();
    void browse();
    QLabel *captionLabel(LocationStyle style) const;

    QLabel *m_mainLabel = nullptr;
    QLabel *m_localLabel = nullptr;
    QLabel *m_anchorLabel = nullptr;
    QLabel *m_webLabel = nullptr;
    SelTextBox *m_file = nullptr;
    LookupCombo *m_service = nullptr;
    SelTextBox *m_address = nullptr;
    LookupCombo *m_anchors = nullptr;
    QPushButton *m_browse = nullptr;
    LocationStyle m_style = LocationStyle::LocalFile;
    bool m_lowerCasePaths = false;
    int m_filter = 0;
    bool m_splitting = false;
    LocationContext m_context;
};

} // namespace tavorin
