// SPDX-License-Identifier: MIT
#pragma once

#include "tavolozza.h"

// Where everything of the game window stands and how it looks, in client-area pixels.
namespace Disposizione {

struct Rett
{
    int x, y, l, a;
};
struct Segmento
{
    int x1, y1, x2, y2;
};
using ::Rgb;
struct Carattere
{
    double punti;
    bool grassetto;
};
struct Punto
{
    int x, y;
};

inline constexpr int LarghezzaClient = 564;
inline constexpr int AltezzaClient = 370;

namespace Colore = ::Colore;
inline constexpr Rgb ColoreLampo = Colore::Rosso; // the flash that draws the eye to a control

namespace Font {
inline constexpr Carattere Finestra{8.25, false}; // every control without its own
inline constexpr Carattere FinestraGrassetto{8.25, true};
inline constexpr Carattere Risposta{13.5, false};
inline constexpr Carattere Messaggio{12, false};
inline constexpr Carattere PuntiRealizzati{7.5, true}; // two lines must fit its 25 pixels
inline constexpr Carattere NumRisp{9.75, false};
inline constexpr Carattere Palla{7.5, false}; // "100" must fit the 18-pixel caption of a ball
inline constexpr Carattere Cella{8.25, false};
inline constexpr Carattere CellaPunteggio{8.25, true};
inline constexpr Carattere Punti{9, true};
inline constexpr Carattere Tasto{12, true}; // the number pad of the full screen
} // namespace Font

// The number pad shown beside the window in full screen, in the window's pixels: it is enlarged
// with it. A key is 12 mm at 96 dpi before any enlargement, the least a finger can be sure of.
namespace Tastierino {
inline constexpr int Lato = 48;
inline constexpr int Spazio = 6;
inline constexpr int Colonne = 3;
inline constexpr int Righe = 4;
inline constexpr int Larghezza = Colonne * Lato + (Colonne + 1) * Spazio;
inline constexpr int Altezza = Righe * Lato + (Righe + 1) * Spazio;
inline constexpr int Distacco = 12; // between the window and the pad
} // namespace Tastierino

// Windowed controls.
inline constexpr Rett cmdNew{203, 98, 134, 43};
inline constexpr Rett txtInput{210, 105, 120, 29};
inline constexpr Rett cmdInfo{424, 329, 37, 37};
inline constexpr Rett cmdNuovoGioco{464, 329, 41, 37};
inline constexpr Rett cmdChiudi{512, 329, 43, 37};
inline constexpr Rett chkNoSound{24, 336, 12, 13};
inline constexpr int LunghezzaRisposta = 3;

// Labels.
inline constexpr Rett lblMessaggio{77, 21, 400, 57};
inline constexpr Rett lblInfoTemp{91, 62, 372, 15};
inline constexpr Rett Label1{203, 98, 134, 43};
inline constexpr Rett lblAnimazNumeri{371, 98, 22, 15};
inline constexpr Rett lblPuntiRealizzati{255, 189, 41, 25};
inline constexpr Rett lblNumRisp0{34, 140, 15, 15};
inline constexpr Rett lblNumRisp1{505, 140, 15, 15};
inline constexpr Rett lblBall0{476, 182, 18, 13};
inline constexpr Rett lblNome0{14, 245, 78, 18};
inline constexpr Rett lblNome1{14, 284, 78, 19};
inline constexpr Rett lblNumGioco0{98, 238, 24, 15};
// Where column 0 of the score board goes: with one player; with two.
inline constexpr Punto UnGiocatore{75, 256};
inline constexpr Punto DueGiocatori{125, 238};
inline constexpr Rett lblPunteggio0{98, 252, 24, 15};
inline constexpr Rett lblNumGioco10{98, 280, 24, 15};
inline constexpr Rett lblPunteggio10{98, 294, 24, 15};
inline constexpr Rett lblEtic0{434, 245, 52, 15};
inline constexpr Rett lblPunti0{427, 259, 52, 15};
inline constexpr Rett lblEtic1{441, 280, 52, 15};
inline constexpr Rett lblPunti1{441, 294, 52, 15};

// Pictures.
inline constexpr Rett imgTitolo{126, 28, 267, 38};
inline constexpr Rett imgSmileFormDomanda{490, 14, 32, 32};
inline constexpr Rett imgSmileFormMaestro{490, 49, 32, 32};
inline constexpr Rett imgSmile{28, 35, 32, 32};
inline constexpr Rett imgIndice{90, 54, 32, 32};
// The reminder's text keeps clear of the pointing finger that overlaps its left end.
inline constexpr int RiservaInfoTemp = imgIndice.x + imgIndice.l - lblInfoTemp.x + 2;
inline constexpr Rett imgIngranaggio{350, 98, 32, 32};
inline constexpr Rett imgPensa{350, 119, 32, 32};
inline constexpr Rett imgBuco{251, 181, 48, 48};
inline constexpr Rett imgbimbo0{7, 238, 32, 32};
inline constexpr Rett imgbimbo1{7, 273, 32, 32};
inline constexpr Rett imgPunteggio0{496, 240, 32, 32};
inline constexpr Rett imgPunteggio1{496, 280, 32, 32};
inline constexpr Rett Image1{40, 329, 32, 32};
inline constexpr int imgGiudizioX[6]{304, 344, 376, 408, 448, 488};
inline constexpr int imgGiudizioY = 384;
inline constexpr Rett imgsfondo{147, 378, 78, 85};

// Shapes and lines.
inline constexpr Rett Shape4{30, 139, 22, 22};
inline constexpr Rett Shape3{501, 139, 22, 22};
inline constexpr Rett shpBall0{476, 182, 22, 22};
inline constexpr Segmento linBall{42, 173, 511, 173};
inline constexpr Segmento Line5{40, 161, 40, 203};
inline constexpr Segmento Line6{512, 161, 512, 203};
inline constexpr Segmento Line8{49, 196, 28, 210};
inline constexpr Segmento Line4{525, 196, 498, 212};
inline constexpr Segmento Line2{77, 21, 476, 21};
inline constexpr Segmento Line3{77, 77, 77, 21};
inline constexpr Segmento Line1[4]{{15, 231, 555, 231}, {15, 232, 555, 232}, {15, 316, 555, 316}, {15, 315, 555, 315}};

} // namespace Disposizione
