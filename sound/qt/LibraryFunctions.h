// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLibrary>

// The libraries the program loads itself (FluidSynthLibrary, PulseLibrary)
// list the functions it calls in an X-macro, by the libraries' own names.
// Their tables hold one pointer per function, typed as the function:
//   struct Table { LIST(ZEMBRO_FUNCTION_POINTER) };
#define ZEMBRO_FUNCTION_POINTER(name) decltype(&::name) name = nullptr;

// Sets one pointer of a table; false when the library lacks the function.
template <class Function>
bool ResolveFunction(QLibrary& library, const char* name, Function& pointer) {
    pointer = reinterpret_cast<Function>(library.resolve(name));
    return pointer != nullptr;
}
