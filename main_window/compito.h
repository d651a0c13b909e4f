// SPDX-License-Identifier: MIT
#pragma once

#include "orologio.h"

#include <coroutine>
#include <exception>
#include <memory>
#include <utility>

// A step of the play flow that takes time without holding the thread: a coroutine that starts at
// once, runs to its first wait and goes on from the event loop when the wait is over, so the
// handlers still read from top to bottom. Whoever holds it owns it: its caller co_awaits it, or
// hands it to the window's Lancia, which keeps it until it ends. Destroyed before its end, it ends
// there, its waits forgotten. With an instant clock it runs to its end before returning.
class [[nodiscard]] Compito
{
public:
    struct promise_type
    {
        std::coroutine_handle<> seguito; // the coroutine awaiting this one

        Compito get_return_object() { return Compito(Maniglia::from_promise(*this)); }
        std::suspend_never initial_suspend() noexcept { return {}; }
        auto final_suspend() noexcept
        {
            struct Fine
            {
                bool await_ready() noexcept { return false; }
                std::coroutine_handle<> await_suspend(std::coroutine_handle<promise_type> h) noexcept
                {
                    if (h.promise().seguito)
                        return h.promise().seguito;
                    return std::noop_coroutine();
                }
                void await_resume() noexcept {}
            };
            return Fine{};
        }
        void return_void() {}
        void unhandled_exception() { std::terminate(); }
    };
    using Maniglia = std::coroutine_handle<promise_type>;

    Compito(Compito &&altro) noexcept
        : maniglia(std::exchange(altro.maniglia, {}))
    {
    }
    Compito &operator=(Compito &&) = delete;
    ~Compito()
    {
        if (maniglia)
            maniglia.destroy();
    }

    bool Finito() const { return !maniglia || maniglia.done(); }

    bool await_ready() const noexcept { return maniglia.done(); }
    void await_suspend(std::coroutine_handle<> chi) noexcept { maniglia.promise().seguito = chi; }
    void await_resume() const noexcept {}

private:
    explicit Compito(Maniglia m)
        : maniglia(m)
    {
    }
    Maniglia maniglia;
};

// `co_await Attesa(orologio, ms)`: the coroutine goes on `ms` later; the event loop runs meanwhile.
// A coroutine ended during the wait is not woken.
class Attesa
{
public:
    Attesa(Orologio &o, int ms)
        : orologio(o)
        , durata(ms)
    {
    }
    Attesa(const Attesa &) = delete;
    Attesa &operator=(const Attesa &) = delete;
    ~Attesa()
    {
        if (stato)
            *stato = Finita;
    }
    bool await_ready() const noexcept { return false; }
    bool await_suspend(std::coroutine_handle<> h)
    {
        // An instant clock answers before Attendi returns: then the coroutine does not stop.
        stato = std::make_shared<Stato>(Dentro);
        orologio.Attendi(durata, [h, s = stato] {
            if (*s == Dentro)
                *s = FinitaDentro;
            else if (*s == Sospesa)
                h.resume();
        });
        if (*stato == FinitaDentro)
            return false;
        *stato = Sospesa;
        return true;
    }
    void await_resume() noexcept { *stato = Finita; }

private:
    enum Stato {
        Dentro,
        FinitaDentro,
        Sospesa,
        Finita
    };
    Orologio &orologio;
    int durata;
    std::shared_ptr<Stato> stato;
};
