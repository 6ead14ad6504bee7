// The common-controls initialisation of Windows (InitCommonControls of
// ComCtl32.dll), which gives the controls the look of the running system.
// Elsewhere there is nothing to initialise and the call does nothing.
#pragma once

namespace ThèmesXP {

void InitCommonControls();

}  // namespace ThèmesXP
