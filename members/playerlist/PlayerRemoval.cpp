#include "members/playerlist/PlayerRemoval.h"

#include "data/ModuleData.h"
#include "data/Session.h"
#include "data/Table.h"
#include "members/fee/FeeLedger.h"
#include "members/player/Photo.h"
#include "ui/Messages.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace corvane::members::playerlist {

namespace {

int storedNumber(const data::Table &joueurs, const QString &field)
{
    return joueurs.isNull(field) ? 0 : int(joueurs.asInt(field));
}

} // namespace

bool hasReconciledReceipt(data::ModuleData &md, const data::Table &joueurs)
{
    for (const fee::PaymentGroup &g : fee::paymentGroups()) {
        const int num = storedNumber(joueurs, g.number);
        if (num > 0 && fee::feeReceiptReconciled(md, num))
            return true;
    }
    return false;
}

bool hasPaidPayment(const data::Table &joueurs)
{
    for (const fee::PaymentGroup &g : fee::paymentGroups()) {
        if (joueurs.asBool(g.paid))
            return true;
    }
    return false;
}

std::vector<int> paidReceiptNumbers(const data::Table &joueurs)
{
    std::vector<int> numbers;
    for (const fee::PaymentGroup &g : fee::paymentGroups()) {
        const int num = storedNumber(joueurs, g.number);
        if (joueurs.asBool(g.paid) && num > 0)
            numbers.push_back(num);
    }
    return numbers;
}

QStringList photoFiles(data::ModuleData &md, const data::Table &joueurs, const QString &photoFolder)
{
    const QString nom = joueurs.asString(QStringLiteral("Nom"));
    const QString prenom = joueurs.asString(QStringLiteral("Prenom"));
    const QStringList files = fichiersPhoto(photoFolder, nom, prenom);
    if (files.isEmpty())
        return {};

    // Another member whose names join into the same file name shares the
    // photo (the member himself is counted once).
    data::Table others(&md.session(), md.table(QStringLiteral("Joueurs"))->tableName());
    others.open();
    const int nomField = others.fieldIndex(QStringLiteral("Nom"));
    const int prenomField = others.fieldIndex(QStringLiteral("Prenom"));
    const QString stem = nom + prenom;
    int sharing = 0;
    for (int row = 0; row < others.recordCount(); ++row) {
        const QString name =
            others.valueAt(row, nomField).toString() + others.valueAt(row, prenomField).toString();
        if (name.compare(stem, Qt::CaseInsensitive) == 0)
            ++sharing;
    }
    return sharing > 1 ? QStringList() : files;
}

int removeMember(data::ModuleData &md, data::Table &joueurs, bool withReceipts)
{
    data::Session::Transaction tx(md.session());
    int removed = 0;
    if (withReceipts) {
        for (int num : paidReceiptNumbers(joueurs)) {
            if (fee::feeReceiptReconciled(md, num))
                continue;
            if (fee::removeFeeReceipt(md, num))
                ++removed;
        }
    }
    joueurs.remove();
    tx.commit();
    return removed;
}

RemovalOutcome deletePlayer(data::ModuleData &md, data::Table &joueurs, const QString &photoFolder,
                            QWidget *parent, const std::function<void(const QString &)> &status)
{
    auto tell = [&status](const QString &text) {
        if (status)
            status(text);
    };
    if (!joueurs.isActive() || joueurs.isEmpty())
        return RemovalOutcome::Cancelled;
    if (hasReconciledReceipt(md, joueurs)) {
        ui::Messages::show(
            ui::MessageKind::Confirmation,
            QStringLiteral("Ce joueur a une ou des cotisations pointée(s) sur le compte "
                           "bancaire.\r\rImpossible de le supprimer sur cette saison, mettez le "
                           "INACTIF au besoin"),
            ui::Button::Ok, ui::Button::Ok, parent);
        return RemovalOutcome::Refused;
    }
    if (!ui::Messages::confirm(QStringLiteral("Etes-vous sûr de vouloir supprimer ce joueur ?\r(") +
                                   joueurs.asString(QStringLiteral("Nom")) + QLatin1Char(' ') +
                                   joueurs.asString(QStringLiteral("Prenom")) + QLatin1Char(')'),
                               parent))
        return RemovalOutcome::Cancelled;
    const bool paid = hasPaidPayment(joueurs);
    if (paid && !ui::Messages::confirm(QStringLiteral("Ce joueur a payé des cotisations.\r\rVoulez-vous les "
                                                      "enlever de la comptabilité automatiquement ?"),
                                       parent))
        return RemovalOutcome::Cancelled;

    const QStringList photos = photoFiles(md, joueurs, photoFolder);
    const bool dropPhotos =
        !photos.isEmpty() &&
        ui::Messages::confirm(QStringLiteral("Voulez-vous aussi supprimer sa photo ?"), parent);

    if (paid)
        tell(QStringLiteral("Retrait des éléments en comptabilité ..."));
    tell(QStringLiteral("Suppression du joueur en cours ..."));
    removeMember(md, joueurs, paid);
    if (dropPhotos) {
        for (const QString &file : photos)
            QFile::remove(file);
    }
    tell(QStringLiteral("Suppression du joueur effectué"));
    return RemovalOutcome::Removed;
}

} // namespace corvane::members::playerlist
