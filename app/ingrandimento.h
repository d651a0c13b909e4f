// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QGraphicsScene>

class QGraphicsProxyWidget;
class QGraphicsView;

// A dialog opened over the full screen, enlarged by the screen's own factor so its text is
// painted at the size it is read at. The dialog lives in a scene inside this window, which stands
// in for it with the window manager (title, close box, modality) and ends when the dialog does.
// A modal dialog drawn into the full screen's own scene would block the very screen showing it.
class Ingrandimento final : public QDialog
{
public:
    Ingrandimento(QDialog &contenuto, qreal fattore, QWidget *padre);
    ~Ingrandimento() override;

    // Shows the dialog centred on `centro` (global) and returns what it ended with.
    int Esegui(QPoint centro);

protected:
    bool event(QEvent *evento) override;
    void closeEvent(QCloseEvent *evento) override;
    void keyPressEvent(QKeyEvent *evento) override;

private:
    void Adatta();
    void RifaiSegno();

    QDialog &contenuto;
    QPoint centro;
    qreal fattore;
    QGraphicsScene scena;
    QGraphicsView *vista;
    QGraphicsProxyWidget *proxy;
};

struct EsitoDialogo
{
    int risultato;      // what the dialog ended with
    bool persa = false; // its window was destroyed by another client, and it ended as if closed
};

// Runs `dialogo` modally over `padre`, enlarged when `padre` is the game's full screen, and
// gives the keyboard back to `padre` afterwards.
EsitoDialogo EseguiSopra(QDialog &dialogo, QWidget *padre);
