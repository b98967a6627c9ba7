#pragma once

#include "core/params/ParamLogic.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

namespace corvane::data {
class ModuleData;
}

namespace corvane::core {

// The first-run wizard's values, away from its widgets: loaded from the
// settings, checked page by page, written back in one transaction.

// How the wizard types a settings field.
enum class WizardKind { Text, Amount, Percent };

struct WizardField {
    QString field; // in `Parametr`
    WizardKind kind;
};

// The settings fields of the pages 2 to 5 (pages are numbered from 0, the
// welcome page; accounts' cash flags, the logo and the balances apart).
const std::vector<WizardField> &wizardFields(int page);

struct WizardTeam {
    QString nom;
    QString division;
    QString entraineur;
};

struct WizardValues {
    QHash<QString, QString> texts; // by settings field, as typed
    std::array<bool, 5> cash{};    // accounts 1 to 5
    QByteArray logo;               // the picture file's bytes; empty: none
    std::array<QString, 5> balances;
    std::array<QString, 5> loadedAccounts; // the account names when loaded
    std::array<WizardTeam, 5> teams;

    QString text(const QString &field) const { return texts.value(field); }
    AccountRows accounts() const;
};

// The opening balances are entries of this category.
inline const QString OpeningCategory = QStringLiteral("En caisse début saison:");

// Reads the settings, the opening balances ("0" when an account has none; an
// expense shows as a negative balance) and the first five teams.
WizardValues loadWizard(data::ModuleData &md);

struct WizardProblem {
    QString message; // empty: the page is right
    QString focus;   // a settings field, "balance:k", "cash:k" (k from 1) or empty
    bool ok() const { return message.isEmpty(); }
};

// The checks of leaving page `page` forwards.
WizardProblem checkWizardPage(int page, const WizardValues &values);

// The renamed accounts are carried into the ledgers by the program's own
// routine, handed over at start-up; without one, entries keep their names.
using AccountRenamer = std::function<void(data::ModuleData &md, const std::array<QString, 6> &before,
                                          const std::array<QString, 6> &after)>;
void setAccountRenamer(AccountRenamer renamer);

// Writes the settings, the opening balances and the teams in one
// transaction; `endFirstRun` clears the first-run flag in the same one. On
// any failure nothing is written and the error is thrown (StoreError).
void writeWizard(data::ModuleData &md, const WizardValues &values, bool endFirstRun);

} // namespace corvane::core
