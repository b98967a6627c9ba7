#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace corvane::app {

// One running copy per user: a second start asks the first one to come to
// the front and ends.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString &key, QObject *parent = nullptr);
    // True when another copy answered (it has been asked to show itself).
    bool otherIsRunning() const { return other_; }

signals:
    void activationRequested();

private:
    QLocalServer *server_ = nullptr;
    bool other_ = false;
};

} // namespace corvane::app
