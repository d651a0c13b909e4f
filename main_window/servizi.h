// SPDX-License-Identifier: MIT
#pragma once

class Dialoghi;
class FonteCasuale;
class Messaggi;
class Orologio;
class Suoni;
class Terminazione;

// What the game window needs from outside; main wires the real ones, tests their own.
struct Servizi
{
    Orologio &orologio;
    FonteCasuale &caso;
    Messaggi &messaggi;
    Dialoghi &dialoghi;
    Terminazione &terminazione;
    Suoni &suoni;
};
