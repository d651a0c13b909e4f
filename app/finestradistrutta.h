// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractNativeEventFilter>

#include <functional>

class QWidget;

// Another X client can destroy a window of ours (`xdotool windowclose`, a session tool, a window
// manager going down). Qt is told and does nothing: the widget stays shown, and a modal one goes on
// blocking the game with no window left to answer it. While it lives, this calls `persa` for the
// top-level widget that `sorvegliata` picks whose window went that way. A window Qt destroys itself
// has left its widget by the time the news comes, so it is never taken for one destroyed from
// outside. Without XCB nothing is watched.
class FinestraDistrutta final : public QAbstractNativeEventFilter
{
public:
    FinestraDistrutta(std::function<bool(const QWidget &)> sorvegliata, std::function<void(QWidget &)> persa);
    ~FinestraDistrutta() override;
    FinestraDistrutta(const FinestraDistrutta &) = delete;
    FinestraDistrutta &operator=(const FinestraDistrutta &) = delete;

    bool nativeEventFilter(const QByteArray &tipo, void *messaggio, qintptr *risultato) override;

private:
    std::function<bool(const QWidget &)> sorvegliata;
    std::function<void(QWidget &)> persa;
};
