// SPDX-License-Identifier: MIT
#pragma once

#include "uscitaaudio.h"

#include <QTimer>

#include <cstdint>
#include <thread>
#include <vector>

struct LibreriaSdl;

// Plays sound images through SDL2's audio queue. The device always has one fixed format, so a
// request only converts its sound and swaps it into the queue: the new sound replaces the old one at
// the next device buffer, and nothing is ever mixed. SDL is loaded and its audio started at the
// first question or request, not when this is made, so the game's window does not wait for it.
class UscitaAudioSdl final : public UscitaAudio
{
public:
    // Every sound is converted to signed 16-bit mono at this rate before it is queued.
    static constexpr int Frequenza = 22050;
    // 512 frames at 22050 Hz = 23.2 ms: a request reaches the device within one buffer.
    static constexpr int CampioniPerBuffer = 512;

    UscitaAudioSdl();
    ~UscitaAudioSdl() override;
    UscitaAudioSdl(const UscitaAudioSdl &) = delete;
    UscitaAudioSdl &operator=(const UscitaAudioSdl &) = delete;

    int NumDispositivi() override;
    void Riproduci(Intero id, const QByteArray &immagine) override;
    void Ferma() override;

    // The device-format samples a request for this image would queue; empty when it cannot be played.
    std::vector<std::uint8_t> Decodifica(const QByteArray &immagine) const;
    // Bytes queued and not yet handed to the device: lets the latency bench see the hand-off.
    std::uint32_t ByteInAttesa() const;
    // No device is open: nothing plays and nothing of ours wakes the process.
    bool Sospeso() const;

private:
    void Inizializza();
    bool ApriDispositivo();
    // Once the queue is dry (looked at when the queued sound should have ended), the device goes.
    void ControllaCoda();
    void Sospendi();
    void AttendiChiusura();

    const LibreriaSdl *sdl = nullptr;
    bool inizializzata = false;
    bool sottosistemaAttivo = false;
    int numDispositivi = 0;
    std::uint32_t dispositivo = 0; // SDL_AudioDeviceID; 0 while closed
    QTimer fineCoda;
    std::thread chiusura;
};
