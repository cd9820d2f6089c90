#include "app/contextmenu.h"

#include "app/activebar.h"
#include "app/documentwindow.h"
#include "app/mainwindow.h"
#include "app/richtextbox.h"
#include "app/toolmodel.h"

#include <QPoint>

namespace tavorin {

void ShowContextMenu(const QPoint &globalPosition)
{
    MainWindow *main = MainWindow::instance();
    DocumentWindow *doc = main ? main->activeDocument() : nullptr;
    if (!doc)
        return;
    PrepareContextEditTool(main->tools(), doc->textBox()->selText());
    main->activeBar().popUp(QStringLiteral("mnuPopUpEdit"), globalPosition);
}

} // namespace tavorin
