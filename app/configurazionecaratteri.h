// SPDX-License-Identifier: MIT
#pragma once

#include <thread>

// Has the system's font configuration read on the second core while Qt connects to the display.
// Qt reads it on the first text it lays out, and that parse (some milliseconds of XML) would
// otherwise sit between the start and the window appearing.
class ConfigurazioneCaratteri
{
public:
    ConfigurazioneCaratteri();
    ~ConfigurazioneCaratteri();
    ConfigurazioneCaratteri(const ConfigurazioneCaratteri &) = delete;
    ConfigurazioneCaratteri &operator=(const ConfigurazioneCaratteri &) = delete;

    // Returns once the configuration is read; call before anything lays out text.
    void Attendi();

private:
    std::thread lettura;
};
