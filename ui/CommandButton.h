#pragma once

#include "ui/UniButton.h"

// A plain push button. On this platform every button carries Unicode text, so the plain
// kind and the Unicode kind are one class.
using CommandButton = UniButton;
