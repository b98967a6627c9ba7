#pragma once

#include "data/ModuleData.h"
#include "data/Session.h"

#include <QTemporaryDir>
#include <QVariant>

#include <initializer_list>
#include <utility>

#include <memory>

namespace corvane::test {

// A data folder with every table and its seed content, as a first start
// leaves it, in a temporary folder. The first one of a test program is
// created for real; the others are copies of it, which is much faster.
class FreshData {
public:
    FreshData();
    ~FreshData();
    QString dir() const { return dir_.path(); }
    data::Session &session() { return *session_; }
    data::ModuleData &md() { return *md_; }
    // Closes and reopens the data, as a restart of the program does.
    void reopen();
    // Appends an active member with every required field filled; `extra`
    // sets or replaces fields.
    void addPlayer(const QString &nom, const QString &prenom,
                   std::initializer_list<std::pair<const char *, QVariant>> extra = {});

private:
    QTemporaryDir dir_;
    std::unique_ptr<data::Session> session_;
    std::unique_ptr<data::ModuleData> md_;
};

} // namespace corvane::test
