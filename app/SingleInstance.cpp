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
        socket.connectToServer(name);
        if (socket.waitForConnected(500)) {
            socket.write("activer\n");
            socket.waitForBytesWritten(500);
            other_ = true;
            return;
        }
    }
    // A server left by a copy that was killed would refuse the name.
    QLocalServer::removeServer(name);
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
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
