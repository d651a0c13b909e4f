// SPDX-License-Identifier: MIT
// Faces, the teacher, the professor and the two boys.
#include "figure.h"

#include <QPainter>

void DisegnaFaccia0(QPainter &) {}
void DisegnaFaccia1(QPainter &) {}
void DisegnaFaccia2(QPainter &) {}
void DisegnaFaccia3(QPainter &) {}
void DisegnaFaccia4(QPainter &) {}
void DisegnaFaccia5(QPainter &) {}
void DisegnaFaccia6(QPainter &) {}
void DisegnaFaccia7(QPainter &) {}
void DisegnaFaccia8(QPainter &) {}
void DisegnaMaestroContento(QPainter &) {}
void DisegnaMaestroArrabbiato(QPainter &) {}
void DisegnaProfessore(QPainter &) {}
void DisegnaBimbo0(QPainter &) {}
void DisegnaBimbo1(QPainter &) {}
