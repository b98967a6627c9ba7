#pragma once

#include <QDialog>

namespace corvane::data {
class ModuleData;
}

namespace corvane::app {

// "A propos de ...": the program's name and version, the club that owns the
// installation, and where the reference data come from.
class TAusujetde : public QDialog {
    Q_OBJECT
public:
    TAusujetde(data::ModuleData &md, QWidget *parent = nullptr);
};

} // namespace corvane::app
