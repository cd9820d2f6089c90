#pragma once

// The advanced table dialog ("frmTable", caption "Advanced Table "): builds
// or edits one table element at a time (block, row, data cell, caption or
// header cell) with its attributes and background image. Applied to a
// selected element of the chosen kind it replaces only the opening tag;
// otherwise it wraps the selection in a new element. Each element keeps its
// own background while the user moves between them.

#include "controls/locationrules.h"
#include "dialogs/tagdialog.h"
#include "html/tabledialog.h"

#include <array>

class QCheckBox;
class QGroupBox;
class QRadioButton;
class QStackedWidget;

namespace tavorin {

class ImagePreview;
class LocationControl;

class FrmTable final : public TagDialog {
    Q_OBJECT
public:
    explicit FrmTable(const QString &selectedText, QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(FrmTable)

    // Edits the selected table element or wraps the selection in a new one:
    // the finished text, or nothing when the dialog was cancelled.
    static std::optional<QString> Form_Run(const QString &selectedText, QWidget *parent = nullptr);

protected:
    std::optional<QString> buildResult() override;

private:
    // The input controls of one element's frame, in TableFields order.
    struct ElementControls {
        QGroupBox *frame = nullptr;
        std::array<QWidget *, MaxTableFields> inputs{};
        std::array<QCheckBox *, MaxTableFields> percent{};
        QCheckBox *noWrap = nullptr;
    };
    struct Background {
        LocationStyle style = LocationStyle::LocalFile;
        QString service;
        QString location;
    };

    QGroupBox *elementFrame(TableElement element, QWidget *parent);
    QGroupBox *backgroundFrame(QWidget *parent);
    void chooseElement(int index);
    void readBack(const TableOptions &options);
    TableOptions optionsOf(TableElement element) const;

    std::array<QRadioButton *, TableElementCount> m_elementOptions{};
    std::array<ElementControls, TableElementCount> m_elements;
    std::array<Background, TableElementCount> m_backgrounds;
    QStackedWidget *m_frames = nullptr;
    QGroupBox *m_background = nullptr;
    QRadioButton *m_file = nullptr;
    QRadioButton *m_url = nullptr;
    LocationControl *m_imageLocation = nullptr;
    ImagePreview *m_preview = nullptr;
    TableSelection m_selection;
    int m_shown = -1;
};

} // namespace tavorin
