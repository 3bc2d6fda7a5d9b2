// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The least a Chinese countdown window can cost: a plain window of the countdown window's size
// with its four Chinese labels and two red numbers in the same fonts, counting once a second.
// scripts/bench measures the program against it.
#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QTimer>
#include <QWidget>

namespace {

QLabel* addLabel(QWidget* window, const QString& text, QRect geometry) {
    auto* label = new QLabel(text, window);
    label->setGeometry(geometry);
    return label;
}

QLabel* addNumber(QWidget* window, QRect geometry) {
    QLabel* number = addLabel(window, QString(), geometry);
    QFont font = number->font();
    font.setPointSizeF(18);
    number->setFont(font);
    QPalette palette = number->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    number->setPalette(palette);
    return number;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QFont font(QStringLiteral("WenQuanYi Micro Hei"));
    font.setPointSizeF(9);
    application.setFont(font);

    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.setFixedSize(369, 359);
    addLabel(&window, QStringLiteral("距今天还有"), {47, 192, 61, 17});
    addLabel(&window, QStringLiteral("天"), {240, 192, 69, 17});
    addLabel(&window, QStringLiteral("距现在还有"), {48, 276, 65, 21});
    addLabel(&window, QStringLiteral("秒"), {332, 276, 21, 17});
    addNumber(&window, {124, 184, 93, 33})->setText(QStringLiteral("120"));
    QLabel* seconds = addNumber(&window, {124, 264, 205, 29});

    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [seconds] {
        seconds->setText(QString::number(QDateTime::currentSecsSinceEpoch()));
    });
    timer.start(1000);
    window.show();
    return application.exec();
}
