#pragma once

#include <QWidget>

#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace corvane::data {
class ModuleData;
class Table;
struct Parametres;
} // namespace corvane::data

namespace corvane::members::fee {

// The "Cotisation" page of the player record: the season's fee, its
// discounts, the whole-fee payment and five instalments, the payer and the
// remaining due. Ticking a payment writes its receipt to the ledger, and
// un-ticking removes it; those ledger changes belong to the member's edit
// and go with its post or its cancel. Bound to md.table("Joueurs").
class CotisationTab : public QWidget {
    Q_OBJECT
public:
    explicit CotisationTab(data::ModuleData &md, QWidget *parent = nullptr);
    ~CotisationTab() override;

    // The record window opened (existing or new record) or started a new
    // record ("Nouveau", "Dupliquer"): refills the account and bank lists,
    // reads which receipts are pointed against the bank (none when new),
    // applies the payment lock and places the tab's rules on the table.
    void opened(bool newRecord);
    // The record window closes: removes the tab's rules from the table.
    void closed();

    // After the window set the category and its fee: the fee with every
    // discount. Nothing changes while the fee is paid.
    void categoryChanged();
    // The header's ticks "Educateur ou dirigeant" and "Loisirs".
    void educateurToggled(bool on);
    void loisirsToggled(bool on);
    // `Restant du` from the fee and the instalments paid.
    void recomputeRemaining();
    // Before each navigator action but cancel: the payer's default name,
    // from the first name shown on screen.
    void applyPayerDefault(const QString &prenomShown);
    // "&Quitter": a fee fully covered by its payments is marked paid.
    void quitting();

    // Whether the whole fee is ticked paid: the category, sex, activity and
    // role rules of the window then leave `Cotisation` as it is.
    bool feePaid() const;

    // The controls, for the window's date target and for tests. Group 0 is
    // the whole fee, 1 … 5 the instalments.
    enum class Discount { Reduction, DemiTarif, Bureau, Etudiant };
    QCheckBox *paidBox(int group) const;
    QCheckBox *discountBox(Discount which) const;
    QLineEdit *amountEdit(int group) const;
    QWidget *dateEdit(int group) const; // a ui::FieldDateEdit
    QComboBox *accountList(int group) const;
    QComboBox *bankList() const;

signals:
    // Progress texts for the window's status line.
    void statusMessage(const QString &text);

private:
    void paidClicked(int group);
    void discountClicked(const std::function<void(data::Table &, const data::Parametres &)> &step);
    void readReconciled();
    void applyLock();

    struct Private;
    std::unique_ptr<Private> d_;
};

} // namespace corvane::members::fee
