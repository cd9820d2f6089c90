#include "app/appstate.h"

namespace tavorin {

AppState &App()
{
    static AppState s_state;
    return s_state;
}

} // namespace tavorin
