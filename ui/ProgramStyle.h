#pragma once

#include <QProxyStyle>

namespace corvane::ui {

// The platform's style, with the overflow arrows of the menu and tool bars
// drawn by the program. The style reads those arrows from picture files, and
// the first picture read loads every picture reader the system has: a visible
// part of the start-up, for arrows seldom shown.
class ProgramStyle : public QProxyStyle {
public:
    ProgramStyle() = default;

    QIcon standardIcon(StandardPixmap which, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};

} // namespace corvane::ui
