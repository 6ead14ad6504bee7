// Qt draws its controls in the look of the running desktop itself: there is
// nothing to initialise.
#include "ui/themes_xp.h"

namespace ThèmesXP {

void InitCommonControls() {}

}  // namespace ThèmesXP
