#pragma once

#include "core/report/Report.h"
#include "data/Parametres.h"

#include <QDate>
#include <QImage>

#include <memory>

namespace corvane::data {
class Table;
}

namespace corvane::members {

// The printed record sheet of the current member of `joueurs`, on one A4
// page: identity, address, persons to notify, fee and instalments (only
// those with an amount), equipment, further details, sanctions, transfer,
// and the date of the last change at the bottom.
std::unique_ptr<core::report::Report> makeTQEditJoueur(data::Table &joueurs, const QImage &photo,
                                                       const data::Parametres &p = data::parametres());

// The attestation of payment of the current member of `joueurs`, with the
// club's identity (logo, address, season, signatory) and the day it is made.
std::unique_ptr<core::report::Report> makeTQAttestation(data::Table &joueurs, const QImage &logo,
                                                        const data::Parametres &p = data::parametres(),
                                                        const QDate &jour = QDate::currentDate());

// The attestation's sentence for the signatory of the club.
QString phraseAttestation(const data::Parametres &p);

} // namespace corvane::members
