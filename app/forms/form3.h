// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "forms/form.h"

class LinkLabel;

// The help window: the program's name and version, an introduction and three links.
class Form3 : public Form {
    Q_OBJECT

public:
    // The addresses the links show and open.
    static inline const QString WebAddress = QStringLiteral("http://example.org/");
    static inline const QString FirstMailAddress = QStringLiteral("author@example.org");
    static inline const QString SecondMailAddress = QStringLiteral("support@example.org");

    explicit Form3(Services& services);

    void Label6_Click();
    void Label7_Click();
    void Label8_Click();

private:
    LinkLabel* Label6 = nullptr;
    LinkLabel* Label7 = nullptr;
    LinkLabel* Label8 = nullptr;
};
