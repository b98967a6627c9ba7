#pragma once

#include "data/TableDef.h"

#include <vector>

namespace corvane::data {

// The table definitions of each subsystem, in the order their tables are
// described; allTableDefs() joins them.
std::vector<TableDef> coreTableDefs();          // Parametr, EXERCICE, Mouchard, Datexpor, Numoper, Droits, Profil
std::vector<TableDef> memberTableDefs();        // Joueurs, TableListe, categories, reference lists, work tables
std::vector<TableDef> financeTableDefs();       // ledgers, categories, slips, debts, result tables
std::vector<TableDef> competitionTableDefs();   // Clubs, ClubsTotale, Equipes, Divisions, Convocations
std::vector<TableDef> correspondenceTableDefs(); // Courriers, Modeles, Adresses, Etiquettes
std::vector<TableDef> equipmentTableDefs();     // Materiels ... MatPrets, Locaux, Cles
std::vector<TableDef> exchangeTableDefs();      // Codepostal, CodPostTotale

const std::vector<TableDef> &allTableDefs();
const TableDef *findTableDef(const QString &name); // by stored name or component name, nullptr when absent

} // namespace corvane::data
