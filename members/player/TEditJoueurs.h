#pragma once

#include "ui/RecordWindow.h"

#include <memory>

namespace corvane::data {
class ModuleData;
}

namespace corvane::members {

// "Fiche joueur": the record of one member of the club (address, fee,
// further details, equipment, refereeing, sanctions, transfer), with the
// member's photo, the printed record sheet and the attestation of payment.
class TEditJoueurs : public ui::RecordWindow {
    Q_OBJECT
public:
    TEditJoueurs(data::ModuleData &md, QWidget *parent = nullptr);
    ~TEditJoueurs() override;

    void Affiche();        // on the current member of md.table("Joueurs"); returns when closed by "&Quitter"
    void AfficheNouveau(); // on a new record; returns when closed

protected:
    void prepare() override;
    void newRecord() override;
    void quit() override;
    void tableStateChanged(data::Table::State state) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildHeader(QWidget *header);
    QWidget *buildAdresse();
    QWidget *buildInfos();
    QWidget *buildEquipements();
    QWidget *buildArbitrage();
    QWidget *buildSanctions();
    QWidget *buildMutation();
    void fillLists();
    void newRecordDefaults(data::Table &t);
    void dupliquer();
    void startNew(bool duplicate);
    void applyStateRule();
    void loadPhoto();
    void clearPhoto();
    void updatePhotoFileName();
    void chooseBirthDate();
    void categoryTrigger();
    void sexeChanged();
    void activiteChanged();
    void tabChanged(int index);
    void ensureEditing();
    void erase(const QString &field);
    void step(const QString &field, int delta, int max);
    void openMail();
    void openRanking();
    void printSheet();
    void printAttestation();

    struct Private;
    std::unique_ptr<Private> d_;
};

} // namespace corvane::members
