// SPDX-License-Identifier: MIT
#pragma once

#include "orologio.h"

#include <coroutine>
#include <exception>
#include <memory>
#include <utility>

// A step of the play flow that takes time without holding the thread: a coroutine that starts at
// once, runs to its first wait and goes on from the event loop when the wait is over, so the
// handlers still read from top to bottom. Whoever calls it may co_await its end, or let it run
// on alone by dropping it. With an instant clock it runs to its end before returning.
class Compito
{
public:
    struct promise_type
    {
        std::coroutine_handle<> seguito; // the coroutine awaiting this one
        bool lasciato = false;           // nobody awaits it: it frees itself at its end

        Compito get_return_object() { return Compito(Maniglia::from_promise(*this)); }
        std::suspend_never initial_suspend() noexcept { return {}; }
        auto final_suspend() noexcept
        {
            struct Fine
            {
                bool await_ready() noexcept { return false; }
                std::coroutine_handle<> await_suspend(std::coroutine_handle<promise_type> h) noexcept
                {
                    promise_type &p = h.promise();
                    if (p.seguito)
                        return p.seguito;
                    if (p.lasciato)
                        h.destroy();
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
        if (!maniglia)
            return;
        if (maniglia.done())
            maniglia.destroy();
        else
            maniglia.promise().lasciato = true;
    }

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
class Attesa
{
public:
    Attesa(Orologio &o, int ms)
        : orologio(o)
        , durata(ms)
    {
    }
    bool await_ready() const noexcept { return false; }
    bool await_suspend(std::coroutine_handle<> h)
    {
        // An instant clock answers before Attendi returns: then the coroutine does not stop.
        enum Stato {
            Dentro,
            FinitaDentro,
            Sospesa
        };
        auto stato = std::make_shared<Stato>(Dentro);
        orologio.Attendi(durata, [h, stato] {
            if (*stato == Dentro)
                *stato = FinitaDentro;
            else
                h.resume();
        });
        if (*stato == FinitaDentro)
            return false;
        *stato = Sospesa;
        return true;
    }
    void await_resume() const noexcept {}

private:
    Orologio &orologio;
    int durata;
};
