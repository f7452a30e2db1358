#pragma once

#include <QString>

// Where the main text is kept between runs: "Text.ini" in the folder named by TMP when it
// is set and not empty, else in $XDG_STATE_HOME/Pirtok (made, readable by this user only,
// when missing). Read afresh at each call.
QString SavedTextPath();

// $XDG_STATE_HOME/Pirtok (else ~/.local/state/Pirtok): this user's own folder, made readable
// by this user only when missing.
QString StateFolder();
