#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <memory>

class QLocalServer;
class QLocalSocket;

// One running program per user and display. A later launch hands its files
// (or, without files, the wish for a new untitled window) to the running
// program over a local socket and ends; the running program delivers each
// request once no question is waiting for an answer (see ModalScope), one
// request at a time. Both ends hang up on a program of another user.
class SingleInstance {
public:
    enum class HandOverResult {
        Delivered,  // the running program has the request
        NoServer,   // nothing listens (no program running, or a stale socket)
        NoAnswer,   // something listens but did not take the request in time
        Stranger,   // a program of another user listens: it was told nothing
    };

    // Files from a later launch; empty for a new untitled window.
    using Request = std::function<void(const QStringList& files)>;

    // An empty socketName (no private folder for it) hands nothing over and
    // does not listen.
    explicit SingleInstance(const QString& socketName);
    ~SingleInstance();

    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // The user's own socket for the display the program shows its windows on,
    // in a folder nobody else can enter; empty when there is no such folder.
    static QString DefaultSocketName(const QString& display);

    // Client: hands the files (made absolute here, since the running program
    // has a working folder of its own) to the running program.
    HandOverResult HandOver(const QStringList& files, int timeoutMs = 5000);

    // Server: listens for later launches. A socket left by a program that
    // ended without removing it is removed once nothing answers on it; a
    // socket something answers on is left alone (false). False too when the
    // socket cannot be made.
    bool Listen(Request onRequest);
    bool Listening() const;
    QString ServerError() const { return serverError_; }

private:
    void Accept();
    void Receive(QLocalSocket* socket);
    void Deliver();

    static bool SomeoneListens(const QString& name);
    static QByteArray Encode(const QStringList& files);
    // False while the message is incomplete; *bad when it is not ours.
    static bool Decode(QByteArray& buffer, QStringList* files, bool* bad);

    QString name_;
    std::unique_ptr<QLocalServer> server_;
    Request onRequest_;
    std::deque<QStringList> pending_;
    bool delivering_ = false;
    bool deliveryScheduled_ = false;
    QString serverError_;
};
