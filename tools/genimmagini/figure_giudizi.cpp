// SPDX-License-Identifier: MIT
// The six judgement pictures.
#include "figure.h"

#include <QPainter>

void DisegnaGiudizio0(QPainter &) {}
void DisegnaGiudizio1(QPainter &) {}
void DisegnaGiudizio2(QPainter &) {}
void DisegnaGiudizio3(QPainter &) {}
void DisegnaGiudizio4(QPainter &) {}
void DisegnaGiudizio5(QPainter &) {}
