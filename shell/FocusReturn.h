#pragma once

class Form3;

// Gives the keyboard focus back to the box the user last worked in (ActiveBox 1, 2 or 3);
// before the user has worked in any, the focus stays where it is.
void ReturnFocus(Form3 &form);
