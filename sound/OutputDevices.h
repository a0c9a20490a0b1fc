// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// How many devices could play music and effects, asked once as the game
// reads its settings: a switch whose device is missing starts off.
class OutputDevices {
public:
    virtual ~OutputDevices() = default;

    virtual int MidiOutputCount() const = 0;
    virtual int WaveOutputCount() const = 0;
};

// No device at all: the sound switches start off.
class NoOutputDevices : public OutputDevices {
public:
    int MidiOutputCount() const override { return 0; }
    int WaveOutputCount() const override { return 0; }
};
