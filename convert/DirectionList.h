#pragma once

class Form3;

// Fills the direction list: 0 Kurdish-font to Unicode, 1 the reverse, then the legacy
// writings, detection and the standard pass (DirectionEntries, in their order).
void FillDirectionList(Form3 &form);
