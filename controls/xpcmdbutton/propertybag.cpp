// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "xpcmdbutton/propertybag.h"

#include "xpcmdbutton/stdfont.h"

namespace {

bool sameValue(const QVariant& a, const QVariant& b) {
    const QMetaType font = QMetaType::fromType<std::shared_ptr<StdFont>>();
    if (a.metaType() != font || b.metaType() != font)
        return a == b;
    const auto fontA = a.value<std::shared_ptr<StdFont>>();
    const auto fontB = b.value<std::shared_ptr<StdFont>>();
    return fontA && fontB ? *fontA == *fontB : fontA == fontB;
}

} // namespace

TypeMismatchError::TypeMismatchError()
    : std::runtime_error("type mismatch") {}

PropertyBag::PropertyBag(std::initializer_list<std::pair<QString, QVariant>> entries) {
    for (const auto& [name, value] : entries)
        WriteProperty(name, value, QVariant());
}

qsizetype PropertyBag::indexOf(const QString& name) const {
    for (qsizetype i = 0; i < entries_.size(); ++i) {
        if (entries_[i].first.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QVariant PropertyBag::ReadProperty(const QString& name, const QVariant& defaultValue) const {
    const qsizetype index = indexOf(name);
    return index < 0 ? defaultValue : entries_[index].second;
}

void PropertyBag::WriteProperty(const QString& name, const QVariant& value,
                                const QVariant& defaultValue) {
    const qsizetype index = indexOf(name);
    if (index >= 0)
        entries_.removeAt(index);
    if (!sameValue(value, defaultValue))
        entries_.append({name, value});
}
