#pragma once
// The main window's size limits: the outer size stays within 643 to 950 wide
// and 396 to 559 high. A width below 643 is raised and a height above 559
// lowered when the other side allows it, a height below 396 is raised when the
// width is above 643; anything else outside the limits refuses the resize.

// Applies the rules in their order to the asked outer size; each step sees
// what the steps before left. Resize becomes false when the resize is refused.
void FormCanResize(int &NewWidth, int &NewHeight, bool &Resize);
