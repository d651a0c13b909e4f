// SPDX-License-Identifier: MIT
#pragma once

#include <thread>

// Opens the connection to the desktop's session bus on the second core. Qt's accessibility bridge
// asks for it the first time a control gets a text, and waits, in the middle of building the
// window; begun here, right after the application object, it is ready (or known to be missing)
// by then.
class CollegamentoSessione
{
public:
    CollegamentoSessione();
    ~CollegamentoSessione();
    CollegamentoSessione(const CollegamentoSessione &) = delete;
    CollegamentoSessione &operator=(const CollegamentoSessione &) = delete;

private:
    std::thread collegamento;
};
