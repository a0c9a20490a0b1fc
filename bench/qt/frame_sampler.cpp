// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How many different pictures a window shows a second, as a player would
// count them: the window is read from the X server again and again, far
// faster than any screen refreshes, and each read that differs from the one
// before counts as a new picture.
//
//   frame_sampler <window id> [seconds]
//
// Prints the pictures a second and the reads a second it managed.
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: frame_sampler <window id> [seconds]\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    const WId window = std::strtoull(argv[1], nullptr, 0);
    const double seconds = argc > 2 ? std::atof(argv[2]) : 5;
    QScreen* screen = QGuiApplication::primaryScreen();

    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    const auto end = start + std::chrono::duration<double>(seconds);
    QImage last;
    long reads = 0;
    long pictures = 0;
    while (Clock::now() < end) {
        const QImage now = screen->grabWindow(window).toImage();
        ++reads;
        if (now != last) ++pictures;
        last = now;
    }
    const double took = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("%.1f pictures a second (%.0f reads a second)\n", pictures / took, reads / took);
    return 0;
}
