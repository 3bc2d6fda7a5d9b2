#pragma once

#include <QLabel>

// A label that reports a click of the left button released over it.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void Click();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
