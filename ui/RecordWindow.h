#pragma once

#include "data/Table.h"
#include "ui/BaseWindow.h"
#include "ui/Navigator.h"

#include <QPointer>

#include <memory>
#include <vector>

class QFormLayout;

namespace corvane::ui {

// Base of the record windows (TEdit…), working on the current record of a
// shared table. The tool bar holds a navigator with only edit, post and
// cancel, "Nouveau" (appends a record), the calculator, "&Quitter" and Aide.
//  - "&Quitter" is enabled only while the table is browsing, and "Nouveau"
//    follows it; Escape and the close button follow BaseWindow's rule;
//  - posting goes through postRecord(): duplicate keys and missing values
//    warn and keep the record in editing;
//  - placeHook() puts the window's rules on the table (new-record defaults,
//    protections, checks before posting) until the window closes: place them
//    in prepare(), which runs at each showing;
//  - the status line is blanked one second after each message unless the
//    window sets another duration.
// The subclass lays its bound fields out on body() (or with addRow()).
//
//   class TEditRecette : public ui::RecordWindow {
//       TEditRecette(data::Table *recettes, QWidget *parent) : RecordWindow(recettes, parent) {
//           setWindowTitle("Fiche de recette");
//           addRow("Libellé de l'opération", new ui::FieldLineEdit(recettes, "Libelle"));
//       }
//   };
class RecordWindow : public BaseWindow {
    Q_OBJECT
public:
    explicit RecordWindow(data::Table *table, QWidget *parent = nullptr);
    ~RecordWindow() override;

    data::Table *table() const { return table_; }
    Navigator *navigator() const { return navigator_; }
    QToolButton *newButton() const { return new_; }
    void setNewHint(const QString &hint) { new_->setToolTip(hint); }

    // The area under the tool bar where the fields go.
    QWidget *body() const { return body_; }
    // A labelled row of a form laid on body() (created at the first call).
    void addRow(const QString &label, QWidget *field);
    void addRow(QWidget *wide);

    // A rule of the window on the table, removed when the window closes or
    // is destroyed.
    void placeHook(data::Table::Event event, data::Table::Hook hook);
    void removeHooks();

    // Entry points: prepare(), then a new record appended or the current
    // record refreshed, then the window shown modally (runModal). Their result.
    int showOnNew();
    int showOnCurrent();

    // Posts through postRecord(); false (still editing) when refused.
    bool post();

    void done(int result) override;

protected:
    // Run at each showing before the record is placed: fill the choice
    // lists and place the window's hooks here (they go when it closes).
    virtual void prepare() {}
    // "Nouveau": appends a record. Extend it (make protected fields
    // editable again, move the focus) and call the base.
    virtual void newRecord();
    // After each change of the table's state (ChangeStatus).
    virtual void tableStateChanged(data::Table::State state) { Q_UNUSED(state); }

private:
    void updateState();

    QPointer<data::Table> table_;
    Navigator *navigator_;
    QToolButton *new_;
    QWidget *body_;
    QFormLayout *form_ = nullptr;
    std::vector<std::unique_ptr<data::HookGuard>> hooks_;
};

} // namespace corvane::ui
