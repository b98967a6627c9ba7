#pragma once

#include <QDate>
#include <QString>

#include <functional>

namespace corvane::data {
class ModuleData;
struct OpenedData;
struct Parametres;
} // namespace corvane::data

namespace corvane::app {

// The year in which the current season ends on a first run: after June the
// season ending next year; in May and June the officer may choose it too.
int determineAnneeCourante(QDate today, const std::function<bool()> &askNextSeason);

// Opens the data folder and reads ahead what the start-up reads first (the
// table descriptions; the records of the settings, seasons, tell-tale,
// categories and rights). Runs
// on a thread of its own while the splash window is drawn; the session is
// handed over to the main thread, which alone uses it afterwards. Throws
// StoreError as openDataFolder does.
data::OpenedData openDataForStartUp(const QString &folder);

// After an abnormal end of the previous run: warns, opens every table of
// the data module (the transfer cursors excepted, last to first) and checks
// the data file. Returns false when a table is damaged: the error has been
// shown and the program must end.
bool checkAfterAbnormalExit(data::ModuleData &md, const QString &profile,
                            const std::function<void(const QString &)> &status);

// First run: the settings record with its defaults and the tell-tale record
// "Mise en service" when `Parametr` is empty; the first season when
// `EXERCICE` is empty. Written in one transaction.
void seedFirstRun(data::ModuleData &md, QDate today, const std::function<bool()> &askNextSeason);

// Writes the version text into the settings record.
void storeVersion(data::ModuleData &md);

// "Vous devez penser à clore la saison ..." when today is past the season's end.
QString lateSeasonReminder(const data::Parametres &p, QDate today);

} // namespace corvane::app
