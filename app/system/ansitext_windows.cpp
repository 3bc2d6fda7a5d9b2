#include "system/ansitext.h"

#include <windows.h>

QByteArray AnsiText(const QString& text) {
    const auto* wide = reinterpret_cast<const wchar_t*>(text.utf16());
    const int length = int(text.size());
    if (length == 0)
        return {};
    QByteArray ansi(WideCharToMultiByte(CP_ACP, 0, wide, length, nullptr, 0, nullptr, nullptr),
                    Qt::Uninitialized);
    WideCharToMultiByte(CP_ACP, 0, wide, length, ansi.data(), int(ansi.size()), nullptr, nullptr);
    return ansi;
}
