// SPDX-License-Identifier: MIT
#pragma once

#include <QLocalServer>

// Only one copy of the game runs per user. The lock is an abstract local socket: no file is
// written, and it is freed the moment the process dies, however it dies.
class IstanzaUnica
{
public:
    // False when another copy holds the lock.
    bool Acquisisci();

private:
    QLocalServer server;
};
