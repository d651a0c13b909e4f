// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointer>

#include <deque>
#include <memory>
#include <vector>

class QEvent;
class QWidget;

// Input that must wait for a step of the play flow to end: keys, clicks and close requests the
// window gets while everything is held (the announcement, a flash), and clicks on the buttons
// that would start over while only those are held (an answer being handled). What waits is
// handled once nothing holds it any more, in the order it came, as if the thread had been busy
// meanwhile; nothing is lost and nothing runs early.
class CodaInput : public QObject
{
    Q_OBJECT
public:
    enum class Livello {
        Tutto,
        Pulsanti
    };
    // Holds input at `livello` for as long as it lives.
    class Presa
    {
    public:
        Presa(CodaInput &coda, Livello livello);
        ~Presa();
        Presa(const Presa &) = delete;
        Presa &operator=(const Presa &) = delete;

    private:
        CodaInput &coda;
        Livello livello;
    };

    // `rinviabili`: the buttons whose clicks wait at the Pulsanti level.
    CodaInput(QWidget *finestra, std::vector<QWidget *> rinviabili);
    ~CodaInput() override;

    // Whatever comes now waits: a step holds everything, or what it held is still to be handled.
    bool Trattiene() const { return tutto > 0 || rilascioInArrivo; }
    // Forgets what waits for `destinatario`.
    void Scarta(const QObject *destinatario);

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override;

private:
    struct Trattenuto
    {
        QPointer<QObject> destinatario;
        std::unique_ptr<QEvent> evento;
        bool alFuoco; // a key goes where the focus is when it is handled, as a busy thread's would
    };
    bool Rinviabile(const QObject *oggetto) const;
    void Lascia();
    void Rilascia();

    QWidget *finestra;
    std::vector<QWidget *> rinviabili;
    int tutto = 0;
    int pulsanti = 0;
    bool rilascioInArrivo = false;
    // The held event being handed back: it passes, though newer input may be waiting already.
    const QEvent *inRiconsegna = nullptr;
    std::deque<Trattenuto> coda;
};
