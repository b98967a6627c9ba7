#pragma once

#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <optional>

namespace corvane::data {
class ModuleData;
class Table;
struct Parametres;
} // namespace corvane::data

namespace corvane::members::fee {

// Why a payment was refused: the text and how it is shown. The caller shows
// it, un-ticks the box, and nothing reaches the ledger.
struct Refusal {
    enum class Kind { Warning, Information };
    Kind kind = Kind::Warning;
    QString text;
};

// The payments of the member on the current record of `Joueurs` and their
// receipts in the ledger. A payment ticked writes its receipt, with the next
// operation number drawn in the same transaction; un-ticked, its receipt
// goes. Every ledger change of one edit of the member rides on one
// savepoint: finish() keeps them (after the member's post), abandon() undoes
// them (the member's cancel), so the ledger and the paid flags never part.
// No widget and no message here.
class FeePayments {
public:
    FeePayments(data::ModuleData &md, data::Table &membre, const data::Parametres &p);
    ~FeePayments(); // abandons ledger changes not yet finished
    FeePayments(const FeePayments &) = delete;
    FeePayments &operator=(const FeePayments &) = delete;

    // Progress texts ("Ajout de l'opération en comptabilité ...").
    void setStatusSink(std::function<void(const QString &)> sink) { status_ = std::move(sink); }

    // Group 0, the whole fee, after its box was ticked (`Paye` already true in
    // the record, which is being edited). Checks, then pays: a receipt when
    // something is still due, the fee marked settled either way. On refusal
    // `Paye` is false again and the reason is returned.
    std::optional<Refusal> tickWholeFee();
    // Its box un-ticked: the receipt removed and the remaining due back.
    void untickWholeFee();

    // Instalment `n` (1 … 5) after its box was ticked. `askToday` is asked the
    // question when the instalment has no date and says whether to take
    // today's; a "no" un-ticks without any message (nullopt, flag false).
    std::optional<Refusal> tickInstalment(int n, const std::function<bool(const QString &)> &askToday);
    void untickInstalment(int n);

    // "&Quitter": a fee not ticked paid whose payments leave nothing due is
    // marked paid, without receipt. True when the record was changed and
    // posted. Throws what the post throws.
    bool settleIfCovered();

    // The payments whose receipt is pointed against the bank, read from the
    // ledger (none on a new record).
    std::array<bool, 6> reconciled() const;

    // The ledger changes of the current edit of the member.
    bool pending() const { return edit_ != nullptr; }
    void finish();  // the member was posted: the changes stay
    void abandon(); // the member's edit was cancelled: the ledger as it was

private:
    void openEdit();
    std::optional<Refusal> checkMember() const;
    // Writes the receipt of group `g` with a new number; nullopt when written.
    std::optional<Refusal> writeReceipt(int g, const QString &libelle);
    void removeReceipt(int g);
    void status(const QString &text) const;

    data::ModuleData &md_;
    data::Table &m_;
    const data::Parametres &p_;
    std::function<void(const QString &)> status_;
    struct Edit;
    std::unique_ptr<Edit> edit_;
};

} // namespace corvane::members::fee
