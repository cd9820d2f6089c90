#pragma once

// The location dialog ("frmLocation"): a description and the location of a
// file, with Browse. The preferences dialog edits its browsers and
// reference guides through it.

#include "dialogs/tagdialog.h"

class QLabel;

namespace tavorin {

class SelTextBox;

class FrmLocation final : public TagDialog {
    Q_OBJECT
public:
    FrmLocation(const QString &formTitle, const QString &nameTitle, const QString &locationTitle, int filterKind,
                QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(FrmLocation)

    void setEntry(const QString &name, const QString &location);
    QString name() const;
    QString location() const;

    // Shows the dialog with the entry; after OK the accepted entry is in
    // name and location and the result is false; after Cancel both are
    // unchanged and the result is true.
    static bool Form_Run(QString &name, QString &location, const QString &formTitle, const QString &nameTitle,
                         const QString &locationTitle, int filterKind, QWidget *parent = nullptr);

protected:
    std::optional<QString> buildResult() override;

private:
    void browse();

    SelTextBox *m_name = nullptr;
    SelTextBox *m_location = nullptr;
    int m_filterKind = 0;
};

} // namespace tavorin
