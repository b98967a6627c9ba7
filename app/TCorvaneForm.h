#pragma once

#include <QWidget>

namespace corvane::app {

// The splash window shown while the program loads.
class TCorvaneForm : public QWidget {
    Q_OBJECT
public:
    explicit TCorvaneForm(QWidget *parent = nullptr);
};

} // namespace corvane::app
