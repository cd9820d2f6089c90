#include "settings/systeminformation.h"

#include "app/facades.h"
#include "settings/files.h"
#include "settings/paths.h"
#include "settings/settingsstore.h"

namespace tavorin {

bool ShowSystemInformation()
{
    const QString program = ReadMachineString(QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                                              QStringLiteral("PATH"));
    if (!program.isEmpty())
        return launcher().startProgram(program, {});
    const QString folder = ReadMachineString(QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"),
                                             QStringLiteral("MSINFO"));
    if (!folder.isEmpty()) {
        const QString tool = folder + SeparatorOf(folder) + QStringLiteral("MSINFO32.EXE");
        if (FileExists(tool))
            return launcher().startProgram(tool, {});
    }
    MsgBox(QStringLiteral("System Information Is Unavailable At This Time"), MessageButtons::Ok,
           MessageIcon::Exclamation);
    return false;
}

} // namespace tavorin
