#pragma once

#include "core/users/Profiles.h"

#include <QString>

#include <memory>
#include <vector>

class QWidget;

namespace corvane::data {
class ModuleData;
class Table;
} // namespace corvane::data

namespace corvane::core {

// The columns of a rights grid, after the name column.
enum class RightsColumn { Options = 0, Aucun = 1, Visualisation = 2, Tous = 3 };

// The three-state rule of a click on a function row's mark; a heading row
// and a click on "-" come back unchanged.
RightsRow clickedRow(const RightsRow &row, RightsColumn column);

// The work of the profile editor without its window: the scratch table
// "Tempo" (the layout of `Profil`, without the password row) that the grid
// shows, the clicks, and the profile files written, loaded and deleted
// through the program's file choosers. Every failure is told to the officer
// in French; nothing is left believed saved when it was not.
class ProfileEditor {
public:
    ProfileEditor(data::ModuleData &md, const QString &profilesFolder);
    ~ProfileEditor(); // drops "Tempo"
    ProfileEditor(const ProfileEditor &) = delete;
    ProfileEditor &operator=(const ProfileEditor &) = delete;

    data::Table *tempo() const { return tempo_.get(); }
    QString folder() const { return folder_; }

    // "Tempo" takes the function rows of `Profil`; its password is kept
    // (hashed, never shown).
    void loadFromProfil();
    bool hasStoredPassword() const { return !storedPassword_.isEmpty(); }
    std::vector<RightsRow> rows() const; // of "Tempo", in order

    // A click on the cell of a row (0 = first row of "Tempo"); posted at once.
    void click(int row, RightsColumn column);

    // "Générer le profil": asks the file name and writes the profile. The
    // password is the typed one, hashed, or the loaded one when nothing was
    // typed. Returns the file name written, empty when cancelled or failed.
    QString generate(const QString &typedPassword, QWidget *parent = nullptr);
    // "Charger un profil": the chosen file goes into `Profil` and "Tempo".
    QString load(QWidget *parent = nullptr);
    // "Supprimer un profil": the last profile of the folder is kept, since
    // the program could no longer be entered without one.
    QString remove(QWidget *parent = nullptr);

    static const QString Filter;

private:
    void fillTempo(const std::vector<RightsRow> &rows);

    data::ModuleData &md_;
    QString folder_;
    std::unique_ptr<data::Table> tempo_;
    QString storedPassword_;
};

} // namespace corvane::core
