#include "app/SingleInstance.h"

#include <QLocalServer>
#include <QLocalSocket>

namespace corvane::app {

SingleInstance::SingleInstance(const QString &key, QObject *parent)
    : QObject(parent)
{
    const QString name = key + QLatin1Char('-') + qEnvironmentVariable("USER", QStringLiteral("corvane"));
    {
        QLocalSocket socket;
        socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
        socket.connectToServer(name);
        if (socket.waitForConnected(500)) {
            socket.write("activer\n");
            socket.waitForBytesWritten(500);
            other_ = true;
            return;
        }
    }
    // A name outside the file system: it goes with the process, so a copy
    // that was killed leaves nothing behind, and nothing is written to open it.
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::AbstractNamespaceOption);
    if (!server_->listen(name))
        return; // without the guard the program still works
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *s = server_->nextPendingConnection()) {
            connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
            emit activationRequested();
        }
    });
}

} // namespace corvane::app
