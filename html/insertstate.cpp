#include "html/insertstate.h"

namespace tavorin {

bool InsertCancelled = false;

} // namespace tavorin
