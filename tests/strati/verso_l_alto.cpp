// SPDX-License-Identifier: MIT
// Shared code that reaches up into a window: the build must refuse it.
#include "frmabout.h"
