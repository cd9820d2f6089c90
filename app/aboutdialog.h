#pragma once

#include <QDialog>

namespace tavorin {

// The About box frmAbout: the application title, the version and the legal
// notice, with buttons that start the system information tool, open the
// maker's home page and write an e-mail to the maker.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget *parent = nullptr);
    ~AboutDialog() override;
    Q_DISABLE_COPY_MOVE(AboutDialog)
};

} // namespace tavorin
