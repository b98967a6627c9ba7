#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include <array>
#include <vector>

namespace corvane::data {
class ModuleData;
}

namespace corvane::core {

// The rules shared by the parameters window and the first-run wizard, with
// no widget in them.

// The settings hold five accounts; index 0 is account 1.
struct AccountRow {
    QString name;
    bool cash = false;
};
using AccountRows = std::array<AccountRow, 5>;

struct AccountProblem {
    enum class Kind { None, CashWithoutName, SameName, TooManyCash, BalanceMissing };
    Kind kind = Kind::None;
    int account = 0; // 1 to 5: the account to bring to the officer's eye
    QString message;
    bool ok() const { return kind == Kind::None; }
};

// What leaving the parameters window checks, first failure first: a cash
// account needs a name; no two accounts share a name (accounts 1 and 2 are
// compared with every other even when empty, the later ones only when
// named); at most two cash accounts.
AccountProblem checkParamAccounts(const AccountRows &accounts);

// What the wizard checks on its accounts page. An empty first account will
// be named "Compte courant", an empty second one "CAISSE" and made a cash
// account: the checks count them as they will be written. Balances are
// indexed like the accounts; each named account needs one.
AccountProblem checkWizardAccounts(const AccountRows &accounts, const std::array<QString, 5> &balances);

// The names the wizard writes: the two defaults filled in.
AccountRows accountsAsWritten(AccountRows accounts);

QString cashWithoutNameMessage(int account);
QString sameNameMessage();
QString tooManyCashMessage();

// The choices of "Département", in their order.
const QStringList &departements();

// One fee or licence amount of the settings: its field and its label.
struct AmountField {
    QString field;
    QString label;
};
// The sixteen competition categories (men 1 to 8, women 21 to 28) with the
// fee field `prefix` followed by the slot ("Prix ", "Prix licence "). The
// labels are the club's own category names where its category tables have
// them, the usual names otherwise.
std::vector<AmountField> categoryAmounts(data::ModuleData &md, const QString &prefix);

// "mailto:" for a non-empty address, an invalid URL otherwise.
QUrl mailtoUrl(const QString &address);

// The file-dialog filter of the pictures Qt can read.
QString pictureFilter();

} // namespace corvane::core
