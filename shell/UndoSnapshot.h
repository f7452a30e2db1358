#pragma once

class Form3;

// The one-step undo of the main text, shared by conversions and replacements: a snapshot
// taken before they change the text, and an Undo that swaps text and snapshot, so that a
// second Undo redoes. Here beside the window, so that every subsystem can call them.
void TakeUndoSnapshot(Form3 &form);
void Undo(Form3 &form);
