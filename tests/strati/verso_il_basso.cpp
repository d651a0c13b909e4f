// SPDX-License-Identifier: MIT
// Shared code that uses the rules below it: the build takes it.
#include "partita.h"
#include "suoni.h"
