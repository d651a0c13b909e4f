// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QSize>

class QPainter;

using Disegno = void (*)(QPainter &);

// Draws a picture at scala times its real size, antialiased, on a transparent canvas
// (premultiplied ARGB).
QImage Rendi(Disegno disegno, QSize dimensione, int scala);

// Averages each fattore x fattore block into one pixel (premultiplied, so edges against
// transparency keep their true colour).
QImage Riduci(const QImage &grande, int fattore);

// Straight (non-premultiplied) ARGB for saving; without alpha the picture is laid on the cream
// paper colour and made fully opaque.
QImage PerPng(const QImage &premoltiplicata, bool conAlfa);
