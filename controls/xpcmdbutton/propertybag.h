// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <QVariant>

#include <stdexcept>
#include <utility>

// A stored property of the wrong type for its key.
class TypeMismatchError : public std::runtime_error {
public:
    TypeMismatchError();
};

// A window's design data for one control: typed values under keys matched without regard to
// letter case. A value equal to its default is not stored; fonts are compared by what they
// describe, not by which object holds the description.
class PropertyBag {
public:
    PropertyBag() = default;
    PropertyBag(std::initializer_list<std::pair<QString, QVariant>> entries);

    QVariant ReadProperty(const QString& name, const QVariant& defaultValue) const;
    void WriteProperty(const QString& name, const QVariant& value, const QVariant& defaultValue);

private:
    qsizetype indexOf(const QString& name) const;

    QList<std::pair<QString, QVariant>> entries_;
};
