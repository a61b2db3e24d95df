// The look of the standard controls: the system's visual style, or the classic look.
#pragma once

namespace runtime {

// Styles 1, 2 and 3 draw the controls of every present and future window of the
// program in the system's visual style; any other number turns it off.
void SetControlSkin(int style);

}  // namespace runtime
