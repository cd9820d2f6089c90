#pragma once

#include <QMainWindow>

namespace tavorin {

// The main window frmMDI: holds the document windows, menus, tool bars and
// the status bar.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;
    Q_DISABLE_COPY_MOVE(MainWindow)
};

} // namespace tavorin
