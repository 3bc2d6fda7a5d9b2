// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "facestrip/facestriptables.h"

#include <QCoreApplication>
#include <QTextStream>

// Writes the button's face strip as an 8-bit palette BMP: facestrip_gen resources/facestrip.bmp
int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 2) {
        QTextStream(stderr) << "usage: facestrip_gen OUTPUT.bmp\n";
        return 2;
    }
    // 96 dots per inch whatever the screen, so that the file is the same on every machine.
    QImage strip = facestrip::Strip();
    strip.setDotsPerMeterX(3780);
    strip.setDotsPerMeterY(3780);
    if (strip.colorCount() > 256 || !strip.save(arguments[1], "BMP")) {
        QTextStream(stderr) << "cannot write " << arguments[1] << "\n";
        return 1;
    }
    return 0;
}
