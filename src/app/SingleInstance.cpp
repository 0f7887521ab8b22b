#include "app/SingleInstance.h"

#include "app/SocketFolder.h"
#include "framework/core/FolderItem.h"
#include "framework/ui/ModalScope.h"

#include <QDataStream>
#include <QEventLoop>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <QVariant>
#include <QtEndian>

#include <sys/socket.h>
#include <unistd.h>

namespace {

const QByteArray kMagic = QByteArrayLiteral("BRIMEL-OPEN-1");
const char kAck = '1';
// A request names files; far more than any command line holds.
constexpr quint32 kMaxMessage = 1u << 20;
// How often a request waiting for a modal window to be answered looks again.
constexpr int kRetryMs = 200;
const char* const kBufferProperty = "brimelBuffer";

// Whether the program at the other end of a connection runs as this user.
bool PeerIsThisUser(const QLocalSocket& socket) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(static_cast<int>(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
           peer.uid == ::getuid();
}

}  // namespace

SingleInstance::SingleInstance(const QString& socketName) : name_(socketName) {}

SingleInstance::~SingleInstance() {
    if (server_) {
        server_->close();
    }
}

QString SingleInstance::DefaultSocketName(const QString& display) {
    const QString folder = SocketFolder::Find(qEnvironmentVariable("XDG_RUNTIME_DIR"),
                                              QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation));
    if (folder.isEmpty()) {
        return QString();
    }
    // One socket per display: a launch on another desktop opens its window there.
    const QString key = QString::fromLatin1(QUrl::toPercentEncoding(display));
    return folder + QStringLiteral("/brimel-%1.socket").arg(key);
}

QByteArray SingleInstance::Encode(const QStringList& files) {
    QByteArray payload;
    {
        QDataStream out(&payload, QIODevice::WriteOnly);
        out.setVersion(QDataStream::Qt_6_0);
        out << kMagic << files;
    }
    QByteArray message(4, '\0');
    qToBigEndian(static_cast<quint32>(payload.size()), message.data());
    return message + payload;
}

bool SingleInstance::Decode(QByteArray& buffer, QStringList* files, bool* bad) {
    *bad = false;
    if (buffer.size() < 4) {
        return false;
    }
    const quint32 size = qFromBigEndian<quint32>(buffer.constData());
    if (size > kMaxMessage) {
        *bad = true;
        return false;
    }
    if (static_cast<quint32>(buffer.size()) - 4 < size) {
        return false;
    }
    QDataStream in(buffer.mid(4, static_cast<int>(size)));
    in.setVersion(QDataStream::Qt_6_0);
    QByteArray magic;
    in >> magic >> *files;
    if (in.status() != QDataStream::Ok || magic != kMagic) {
        *bad = true;
        return false;
    }
    buffer.remove(0, static_cast<int>(size) + 4);
    return true;
}

SingleInstance::HandOverResult SingleInstance::HandOver(const QStringList& files, int timeoutMs) {
    if (name_.isEmpty()) {
        return HandOverResult::NoServer;
    }
    QStringList absolute;
    for (const QString& file : files) {
        absolute << FolderItem(file).NativePath();
    }

    QLocalSocket socket;
    QEventLoop loop;
    bool connected = false;
    bool stranger = false;
    bool acknowledged = false;
    QObject::connect(&socket, &QLocalSocket::connected, &loop, [&] {
        connected = true;
        // The request names the user's documents: told to this user's program only.
        stranger = !PeerIsThisUser(socket);
        if (stranger) {
            socket.abort();
            loop.quit();
            return;
        }
        socket.write(Encode(absolute));
    });
    QObject::connect(&socket, &QLocalSocket::readyRead, &loop, [&] {
        if (socket.read(1) == QByteArray(1, kAck)) {
            acknowledged = true;
            loop.quit();
        }
    });
    QObject::connect(&socket, &QLocalSocket::errorOccurred, &loop, [&] { loop.quit(); });
    QObject::connect(&socket, &QLocalSocket::disconnected, &loop, [&] { loop.quit(); });
    QTimer::singleShot(timeoutMs, &loop, [&] { loop.quit(); });

    socket.connectToServer(name_);
    if (socket.state() != QLocalSocket::UnconnectedState && !stranger) {
        loop.exec();
    }
    if (acknowledged) {
        return HandOverResult::Delivered;
    }
    socket.abort();
    if (stranger) {
        return HandOverResult::Stranger;
    }
    return connected ? HandOverResult::NoAnswer : HandOverResult::NoServer;
}

bool SingleInstance::Listen(Request onRequest) {
    // Listening with access options replaces whatever file has the name, a
    // live socket too, so only a socket nobody answers on is let go: one left
    // by a program that ended without removing it.
    if (name_.isEmpty()) {
        serverError_ = QStringLiteral("There is no folder only this user can enter to hold its socket.");
        return false;
    }
    if (SomeoneListens(name_)) {
        serverError_ = QStringLiteral("Another program listens on %1.").arg(name_);
        return false;
    }
    QLocalServer::removeServer(name_);
    onRequest_ = std::move(onRequest);
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(), [this] { Accept(); });
    if (server_->listen(name_)) {
        serverError_.clear();
        return true;
    }
    serverError_ = server_->errorString();
    server_.reset();
    return false;
}

bool SingleInstance::SomeoneListens(const QString& name) {
    QLocalSocket probe;
    probe.connectToServer(name);
    const bool alive = probe.waitForConnected(1000);
    probe.abort();
    return alive;
}

bool SingleInstance::Listening() const {
    return server_ && server_->isListening();
}

void SingleInstance::Accept() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        if (!PeerIsThisUser(*socket)) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] { Receive(socket); });
        QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (socket->bytesAvailable() > 0) {
            Receive(socket);
        }
    }
}

void SingleInstance::Receive(QLocalSocket* socket) {
    QByteArray buffer = socket->property(kBufferProperty).toByteArray() + socket->readAll();
    QStringList files;
    bool bad = false;
    const bool complete = Decode(buffer, &files, &bad);
    if (bad) {
        socket->abort();
        socket->deleteLater();
        return;
    }
    socket->setProperty(kBufferProperty, buffer);
    if (!complete) {
        return;
    }
    socket->write(QByteArray(1, kAck));
    socket->flush();
    socket->disconnectFromServer();
    pending_.push_back(files);
    // Never inside the socket's signal: the request may show modal windows.
    if (!deliveryScheduled_) {
        deliveryScheduled_ = true;
        QTimer::singleShot(0, server_.get(), [this] { Deliver(); });
    }
}

void SingleInstance::Deliver() {
    deliveryScheduled_ = false;
    if (delivering_ || pending_.empty()) {
        return;
    }
    // A question on screen, the program's own or a file dialog or message box
    // of the desktop, must be answered before anything else asks, or the
    // answers would reach the wrong question.
    if (ModalScope::Active()) {
        deliveryScheduled_ = true;
        QTimer::singleShot(kRetryMs, server_.get(), [this] { Deliver(); });
        return;
    }
    delivering_ = true;
    while (!pending_.empty()) {
        const QStringList files = pending_.front();
        pending_.pop_front();
        if (onRequest_) {
            onRequest_(files);
        }
    }
    delivering_ = false;
}
