#pragma once
// caldav_client: the few CalDAV (RFC 4791) and WebDAV sync (RFC 6578)
// requests calendar sync needs, fully asynchronous on the toolkit's network
// access. Every call answers once through its callback, on the GUI thread,
// and never blocks it.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QNetworkAccessManager>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

class QNetworkReply;

struct dav_status
{
    int http = 0;        // 0: no answer (network error, time-out)
    QString error;       // for the user, empty on success
    bool ok() const { return http >= 200 && http < 300; }
    bool unreachable() const { return http == 0; }
};

struct dav_calendar
{
    QUrl url;
    QString name;
    bool journals = false; // takes VJOURNAL
    bool events = true;
};

struct dav_resource
{
    QString href; // path on the server
    QString etag;
    QByteArray data; // calendar-data, when asked for
};

struct dav_delta
{
    QList<dav_resource> changed; // etag, no data
    QStringList removed;
    QString token;
    bool full = false; // a listing of every resource, not a delta
};

class caldav_client : public QObject
{
    Q_OBJECT
public:
    explicit caldav_client(QObject *parent = nullptr);

    void set_account(const QUrl &server, const QString &user, const QString &password);
    QUrl server() const { return m_server; }
    // Seconds a request may take before it counts as unanswered.
    void set_timeout(int ms) { m_timeout = ms; }

    // The calendars of the account: the address itself when it is a
    // calendar, else through the principal's calendar home.
    void discover(std::function<void(dav_status, QList<dav_calendar>)> done);
    // With a token: what changed since it (sync-collection); without one,
    // or when the server has forgotten it, every resource with its etag.
    void changes(const QUrl &collection, const QString &token, std::function<void(dav_status, dav_delta)> done);
    // The data of the given resources (calendar-multiget).
    void fetch(const QUrl &collection, const QStringList &hrefs,
               std::function<void(dav_status, QList<dav_resource>)> done);
    void get(const QString &href, std::function<void(dav_status, dav_resource)> done);
    // Stores `data` at `href`: only over `etag` when given, only as a new
    // resource when empty. Answers the new etag (may be empty: ask again).
    void put(const QString &href, const QByteArray &data, const QString &etag,
             std::function<void(dav_status, QString)> done);
    void remove(const QString &href, const QString &etag, std::function<void(dav_status)> done);

    QUrl resolve(const QString &href) const;

private:
    QNetworkReply *send(const QByteArray &verb, const QUrl &url, const QByteArray &body, int depth,
                        const QHash<QByteArray, QByteArray> &headers = {});
    void on_finished(QNetworkReply *reply, std::function<void(dav_status, QByteArray, QNetworkReply *)> done);
    void list_all(const QUrl &collection, std::function<void(dav_status, dav_delta)> done);
    void find_calendars(const QUrl &home, std::function<void(dav_status, QList<dav_calendar>)> done);

    QNetworkAccessManager m_net;
    QUrl m_server;
    QByteArray m_auth;
    int m_timeout = 15000;
};
