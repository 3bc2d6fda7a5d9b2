#pragma once

#include <QWidget>

class Navigator;
struct Services;

// The help window: the program's name and version, an introduction and three links.
class Form3 : public QWidget {
    Q_OBJECT

public:
    // The addresses the links show and open.
    static inline const QString WebAddress = QStringLiteral("http://example.org/");
    static inline const QString FirstMailAddress = QStringLiteral("author@example.org");
    static inline const QString SecondMailAddress = QStringLiteral("support@example.org");

    Form3(Services& services, Navigator& navigator);

    void Label6_Click();
    void Label7_Click();
    void Label8_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Services& services_;
    Navigator& navigator_;
};
