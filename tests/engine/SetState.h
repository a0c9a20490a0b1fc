// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/GameSession.h"

// Sets one part of the session's state as a test's scene needs it; play
// itself changes the state only through the session's operations.
template <typename Field, typename Value>
void Set(GameSession& session, Field SessionState::*field, const Value& value) {
    SessionState state = session.State();
    state.*field = static_cast<Field>(value);
    session.Restore(state);
}
