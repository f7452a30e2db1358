#pragma once

class Form3;

// Fills the direction list with its two entries: 0 Kurdish-font to Unicode, 1 the reverse.
void FillDirectionList(Form3 &form);
