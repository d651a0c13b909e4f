// SPDX-License-Identifier: MIT
#pragma once

class QPainter;

// Every picture of the game is drawn by one of these functions. The painter arrives scaled so
// that one unit is one pixel of the picture at its real size (32 units for a 32 x 32 icon),
// antialiased, on a fully transparent canvas; the generator renders it at a larger size and
// reduces it for the 1x files and the @2x variants.

// Faces, 32 x 32 (yellow circular faces).
void DisegnaFaccia0(QPainter &p); // laughing with open red mouth
void DisegnaFaccia1(QPainter &p); // smiling
void DisegnaFaccia2(QPainter &p); // neutral, straight mouth
void DisegnaFaccia3(QPainter &p); // eyes shut, mouth wide open
void DisegnaFaccia4(QPainter &p); // slightly sad
void DisegnaFaccia5(QPainter &p); // sad
void DisegnaFaccia6(QPainter &p); // angry, teeth bared
void DisegnaFaccia7(QPainter &p); // sticking out its tongue, coloured eyes (256 colours)
void DisegnaFaccia8(QPainter &p); // broad open-mouthed grin

// The owl-like teacher in a mortarboard, 32 x 32.
void DisegnaMaestroContento(QPainter &p);   // white, yellow eyes, smiling
void DisegnaMaestroArrabbiato(QPainter &p); // white, red eyes, frowning

// Judgements, 32 x 32.
void DisegnaGiudizio0(QPainter &p); // mortarboard with a rolled diploma
void DisegnaGiudizio1(QPainter &p); // mortarboard with tassel
void DisegnaGiudizio2(QPainter &p); // golden statuette
void DisegnaGiudizio3(QPainter &p); // medal on a red and blue ribbon (256 colours)
void DisegnaGiudizio4(QPainter &p); // donkey's head (256 colours)
void DisegnaGiudizio5(QPainter &p); // brain struck through by a red cross

// People, 32 x 32, 256 colours.
void DisegnaProfessore(QPainter &p); // bald, round glasses, hand on chin, thinking
void DisegnaBimbo0(QPainter &p);     // smiling fair-haired boy in a red shirt
void DisegnaBimbo1(QPainter &p);     // smiling dark-haired boy in a green shirt

// Objects.
void DisegnaTitolo(QPainter &p);        // 267 x 38: "CERCANUM", outlined capitals, red/blue/black/green
void DisegnaSfondo(QPainter &p);        // 78 x 85: cream paper, tiles without seams, opaque
void DisegnaDomandaRossa(QPainter &p);  // 32 x 32: red question mark, grey drop shadow
void DisegnaDomandaGialla(QPainter &p); // 32 x 32: yellow question mark, grey drop shadow (window icon)
void DisegnaIngranaggio0(QPainter &p);  // 32 x 32: two meshing grey gears, phase 0
void DisegnaIngranaggio1(QPainter &p);  // 32 x 32: the same, turned half a tooth
void DisegnaIndice(QPainter &p);        // 32 x 32: white hand pointing right with its index finger
void DisegnaBuco(QPainter &p);          // 48 x 48: black hole with torn edges (256 colours)
void DisegnaNoSuono(QPainter &p);       // 32 x 32: loudspeaker struck through, red cross in red circle
void DisegnaManoPremuta(QPainter &p);   // 32 x 32: hand pressing with its index finger
void DisegnaRicomincia(QPainter &p);    // 32 x 32: red and yellow curved arrows chasing in a circle
void DisegnaEsci(QPainter &p);          // 32 x 32: large red cross above the word "Esci"
void DisegnaBusta(QPainter &p);         // 14 x 11: small envelope, opaque
void DisegnaLibro(QPainter &p);         // 16 x 17: book with a question mark, opaque
void DisegnaCursore(QPainter &p);       // 32 x 32: white hand, black outline, index up-left, tip at (6, 5)
