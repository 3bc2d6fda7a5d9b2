// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/recordingmessageboxes.h"
#include "system/shellopener.h"

#include <QSignalSpy>
#include <QTest>

class TestShellOpenerWindows : public QObject {
    Q_OBJECT

private slots:
    void reportsATargetNothingHandlesOnce();
};

void TestShellOpenerWindows::reportsATargetNothingHandlesOnce() {
    RecordingMessageBoxes boxes;
    ShellOpener opener(boxes);
    QSignalSpy finished(&opener, &ShellOpener::finished);

    opener.OpenWithShell(0, QStringLiteral("dovrenta-no-such-scheme:高考"));

    QCOMPARE(finished.count(), 1);
    const Message wrong{QStringLiteral("启动外部程序出错。"), QStringLiteral("Wrong"),
                        Message::Icon::Critical};
    QCOMPARE(boxes.shown(), QList{wrong});
}

QTEST_GUILESS_MAIN(TestShellOpenerWindows)
#include "test_shellopener_windows.moc"
