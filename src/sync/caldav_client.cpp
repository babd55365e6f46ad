#include "sync/caldav_client.h"

#include "common/log.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QXmlStreamReader>

namespace {

// One <response> of a multistatus, with the properties we ask for.
struct dav_response
{
    QString href;
    int status = 0; // a response-level status (sync-collection removals)
    QString etag;
    QByteArray data;
    QString principal;
    QString home;
    QString name;
    bool calendar = false;
    QStringList components;
};

struct multistatus
{
    QList<dav_response> responses;
    QString token;
};

int status_code(const QString &line)
{
    // "HTTP/1.1 404 Not Found"
    const QStringList parts = line.simplified().split(u' ');
    return parts.size() >= 2 ? parts.at(1).toInt() : 0;
}

multistatus parse_multistatus(const QByteArray &xml)
{
    multistatus out;
    QXmlStreamReader r(xml);
    dav_response cur;
    bool in_response = false, in_propstat = false, prop_ok = true;
    dav_response props; // properties of the current propstat
    QStringList path;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement()) {
            const QString n = r.name().toString();
            path << n;
            if (n == u"response") {
                in_response = true;
                cur = {};
            } else if (n == u"propstat") {
                in_propstat = true;
                props = {};
                prop_ok = true;
            } else if (n == u"href" && in_response) {
                const QString parent = path.size() >= 2 ? path.at(path.size() - 2) : QString();
                const QString text = r.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
                path.removeLast();
                if (parent == u"response")
                    cur.href = text;
                else if (parent == u"current-user-principal")
                    props.principal = text;
                else if (parent == u"calendar-home-set")
                    props.home = text;
            } else if (n == u"getetag") {
                props.etag = r.readElementText().trimmed();
                path.removeLast();
            } else if (n == u"calendar-data") {
                props.data = r.readElementText().toUtf8();
                path.removeLast();
            } else if (n == u"displayname") {
                props.name = r.readElementText().trimmed();
                path.removeLast();
            } else if (n == u"calendar" && path.size() >= 2 && path.at(path.size() - 2) == u"resourcetype") {
                props.calendar = true;
            } else if (n == u"comp" && path.size() >= 2 &&
                       path.at(path.size() - 2) == u"supported-calendar-component-set") {
                props.components << r.attributes().value(QStringLiteral("name")).toString().toUpper();
            } else if (n == u"status") {
                const int code = status_code(r.readElementText());
                path.removeLast();
                if (in_propstat)
                    prop_ok = code >= 200 && code < 300;
                else if (in_response)
                    cur.status = code;
            } else if (n == u"sync-token" && !in_response) {
                out.token = r.readElementText().trimmed();
                path.removeLast();
            }
        } else if (r.isEndElement()) {
            const QString n = r.name().toString();
            if (!path.isEmpty())
                path.removeLast();
            if (n == u"propstat") {
                in_propstat = false;
                if (prop_ok) {
                    if (!props.etag.isEmpty())
                        cur.etag = props.etag;
                    if (!props.data.isEmpty())
                        cur.data = props.data;
                    if (!props.principal.isEmpty())
                        cur.principal = props.principal;
                    if (!props.home.isEmpty())
                        cur.home = props.home;
                    if (!props.name.isEmpty())
                        cur.name = props.name;
                    cur.calendar = cur.calendar || props.calendar;
                    cur.components << props.components;
                }
            } else if (n == u"response") {
                in_response = false;
                out.responses << cur;
            }
        }
    }
    return out;
}

QString path_of(const QUrl &u)
{
    QString p = u.path(QUrl::FullyEncoded);
    return p.isEmpty() ? QStringLiteral("/") : p;
}

bool same_path(const QString &a, const QString &b)
{
    auto norm = [](QString s) {
        while (s.endsWith(u'/') && s.size() > 1)
            s.chop(1);
        return s;
    };
    return norm(a) == norm(b);
}

const QByteArray props_of_collection = R"(<?xml version="1.0" encoding="utf-8"?>
<d:propfind xmlns:d="DAV:" xmlns:c="urn:ietf:params:xml:ns:caldav">
 <d:prop><d:resourcetype/><d:displayname/><c:supported-calendar-component-set/><d:current-user-principal/></d:prop>
</d:propfind>)";

} // namespace

caldav_client::caldav_client(QObject *parent) : QObject(parent)
{
    m_net.setRedirectPolicy(QNetworkRequest::SameOriginRedirectPolicy);
}

void caldav_client::set_account(const QUrl &server, const QString &user, const QString &password)
{
    m_server = server;
    m_auth = "Basic " + (user + u':' + password).toUtf8().toBase64();
}

QUrl caldav_client::resolve(const QString &href) const
{
    return m_server.resolved(QUrl(href));
}

QNetworkReply *caldav_client::send(const QByteArray &verb, const QUrl &url, const QByteArray &body, int depth,
                                   const QHash<QByteArray, QByteArray> &headers)
{
    QNetworkRequest req(url);
    req.setRawHeader("Authorization", m_auth);
    req.setRawHeader("User-Agent", "Orvella/1.07");
    if (depth >= 0)
        req.setRawHeader("Depth", QByteArray::number(depth));
    if (!body.isEmpty())
        req.setHeader(QNetworkRequest::ContentTypeHeader,
                      verb == "PUT" ? QByteArray("text/calendar; charset=utf-8")
                                    : QByteArray("application/xml; charset=utf-8"));
    for (auto it = headers.cbegin(); it != headers.cend(); ++it)
        req.setRawHeader(it.key(), it.value());
    req.setTransferTimeout(m_timeout);
    return m_net.sendCustomRequest(req, verb, body);
}

void caldav_client::on_finished(QNetworkReply *reply,
                                std::function<void(dav_status, QByteArray, QNetworkReply *)> done)
{
    connect(reply, &QNetworkReply::finished, this, [reply, done = std::move(done)] {
        reply->deleteLater();
        dav_status st;
        st.http = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        const QByteArray body = reply->readAll();
        if (st.http == 0)
            st.error = QStringLiteral("сервер недоступен: %1").arg(reply->errorString());
        else if (st.http == 401 || st.http == 403)
            st.error = QStringLiteral("сервер отказал в доступе (%1): проверьте имя и пароль").arg(st.http);
        else if (!st.ok())
            st.error = QStringLiteral("ответ сервера %1 %2")
                           .arg(st.http)
                           .arg(reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString());
        done(st, body, reply);
    });
}

void caldav_client::discover(std::function<void(dav_status, QList<dav_calendar>)> done)
{
    on_finished(send("PROPFIND", m_server, props_of_collection, 0),
                [this, done](dav_status st, QByteArray body, QNetworkReply *) {
                    if (!st.ok()) {
                        done(st, {});
                        return;
                    }
                    const multistatus ms = parse_multistatus(body);
                    if (!ms.responses.isEmpty() && ms.responses.first().calendar) {
                        const dav_response &r = ms.responses.first();
                        done(st, {{m_server, r.name, r.components.contains("VJOURNAL"),
                                   r.components.isEmpty() || r.components.contains("VEVENT")}});
                        return;
                    }
                    const QString principal = ms.responses.isEmpty() ? QString() : ms.responses.first().principal;
                    if (principal.isEmpty()) {
                        find_calendars(m_server, done);
                        return;
                    }
                    const QByteArray ask = R"(<?xml version="1.0" encoding="utf-8"?>
<d:propfind xmlns:d="DAV:" xmlns:c="urn:ietf:params:xml:ns:caldav"><d:prop><c:calendar-home-set/></d:prop></d:propfind>)";
                    on_finished(send("PROPFIND", resolve(principal), ask, 0),
                                [this, done, principal](dav_status st2, QByteArray body2, QNetworkReply *) {
                                    if (!st2.ok()) {
                                        done(st2, {});
                                        return;
                                    }
                                    const multistatus home = parse_multistatus(body2);
                                    const QString h = home.responses.isEmpty() || home.responses.first().home.isEmpty()
                                                          ? principal
                                                          : home.responses.first().home;
                                    find_calendars(resolve(h), done);
                                });
                });
}

void caldav_client::find_calendars(const QUrl &home, std::function<void(dav_status, QList<dav_calendar>)> done)
{
    on_finished(send("PROPFIND", home, props_of_collection, 1),
                [this, done](dav_status st, QByteArray body, QNetworkReply *) {
                    QList<dav_calendar> out;
                    if (st.ok())
                        for (const dav_response &r : parse_multistatus(body).responses)
                            if (r.calendar)
                                out << dav_calendar{resolve(r.href), r.name.isEmpty() ? r.href : r.name,
                                                    r.components.contains("VJOURNAL"),
                                                    r.components.isEmpty() || r.components.contains("VEVENT")};
                    done(st, out);
                });
}

void caldav_client::changes(const QUrl &collection, const QString &token,
                            std::function<void(dav_status, dav_delta)> done)
{
    if (token.isEmpty()) {
        list_all(collection, done);
        return;
    }
    const QByteArray body = QByteArray(R"(<?xml version="1.0" encoding="utf-8"?>
<d:sync-collection xmlns:d="DAV:"><d:sync-token>)") +
                            token.toHtmlEscaped().toUtf8() +
                            R"(</d:sync-token><d:sync-level>1</d:sync-level><d:prop><d:getetag/></d:prop></d:sync-collection>)";
    on_finished(send("REPORT", collection, body, -1),
                [this, collection, done](dav_status st, QByteArray reply, QNetworkReply *) {
                    if (st.http == 403 || st.http == 409 || st.http == 400 || st.http == 501) {
                        // The token is no longer valid (or the report unknown): start over.
                        list_all(collection, done);
                        return;
                    }
                    dav_delta d;
                    if (!st.ok()) {
                        done(st, d);
                        return;
                    }
                    const multistatus ms = parse_multistatus(reply);
                    d.token = ms.token;
                    const QString self = path_of(collection);
                    for (const dav_response &r : ms.responses) {
                        if (same_path(r.href, self))
                            continue;
                        if (r.status == 404)
                            d.removed << r.href;
                        else if (r.href.endsWith(QLatin1String(".ics")) || !r.etag.isEmpty())
                            d.changed << dav_resource{r.href, r.etag, {}};
                    }
                    done(st, d);
                });
}

void caldav_client::list_all(const QUrl &collection, std::function<void(dav_status, dav_delta)> done)
{
    // The sync-collection report with an empty token lists everything and
    // gives the first token; servers without it answer a Depth 1 PROPFIND.
    const QByteArray initial = R"(<?xml version="1.0" encoding="utf-8"?>
<d:sync-collection xmlns:d="DAV:"><d:sync-token/><d:sync-level>1</d:sync-level><d:prop><d:getetag/></d:prop></d:sync-collection>)";
    const auto from = [collection](const multistatus &ms) {
        dav_delta d;
        d.full = true;
        d.token = ms.token;
        const QString self = path_of(collection);
        for (const dav_response &r : ms.responses)
            if (!same_path(r.href, self) && r.status != 404 && !r.etag.isEmpty())
                d.changed << dav_resource{r.href, r.etag, {}};
        return d;
    };
    on_finished(send("REPORT", collection, initial, -1),
                [this, collection, done, from](dav_status st, QByteArray body, QNetworkReply *) {
                    if (st.ok()) {
                        done(st, from(parse_multistatus(body)));
                        return;
                    }
                    if (st.unreachable() || st.http == 401) {
                        done(st, {});
                        return;
                    }
                    const QByteArray ask = R"(<?xml version="1.0" encoding="utf-8"?>
<d:propfind xmlns:d="DAV:"><d:prop><d:getetag/></d:prop></d:propfind>)";
                    on_finished(send("PROPFIND", collection, ask, 1),
                                [done, from](dav_status st2, QByteArray body2, QNetworkReply *) {
                                    dav_delta d = st2.ok() ? from(parse_multistatus(body2)) : dav_delta{};
                                    d.token.clear();
                                    done(st2, d);
                                });
                });
}

void caldav_client::fetch(const QUrl &collection, const QStringList &hrefs,
                          std::function<void(dav_status, QList<dav_resource>)> done)
{
    if (hrefs.isEmpty()) {
        QTimer::singleShot(0, this, [done] { done({200, {}}, {}); });
        return;
    }
    QByteArray body = R"(<?xml version="1.0" encoding="utf-8"?>
<c:calendar-multiget xmlns:d="DAV:" xmlns:c="urn:ietf:params:xml:ns:caldav"><d:prop><d:getetag/><c:calendar-data/></d:prop>)";
    for (const QString &h : hrefs)
        body += "<d:href>" + h.toHtmlEscaped().toUtf8() + "</d:href>";
    body += "</c:calendar-multiget>";
    on_finished(send("REPORT", collection, body, 1), [done](dav_status st, QByteArray reply, QNetworkReply *) {
        QList<dav_resource> out;
        if (st.ok())
            for (const dav_response &r : parse_multistatus(reply).responses)
                if (r.status == 0 || (r.status >= 200 && r.status < 300))
                    if (!r.data.isEmpty())
                        out << dav_resource{r.href, r.etag, r.data};
        done(st, out);
    });
}

void caldav_client::get(const QString &href, std::function<void(dav_status, dav_resource)> done)
{
    on_finished(send("GET", resolve(href), {}, -1), [href, done](dav_status st, QByteArray body, QNetworkReply *r) {
        done(st, dav_resource{href, QString::fromUtf8(r->rawHeader("ETag")), body});
    });
}

void caldav_client::put(const QString &href, const QByteArray &data, const QString &etag,
                        std::function<void(dav_status, QString)> done)
{
    QHash<QByteArray, QByteArray> h;
    if (etag.isEmpty())
        h.insert("If-None-Match", "*");
    else
        h.insert("If-Match", etag.toUtf8());
    on_finished(send("PUT", resolve(href), data, -1, h), [done](dav_status st, QByteArray, QNetworkReply *r) {
        done(st, QString::fromUtf8(r->rawHeader("ETag")));
    });
}

void caldav_client::remove(const QString &href, const QString &etag, std::function<void(dav_status)> done)
{
    QHash<QByteArray, QByteArray> h;
    if (!etag.isEmpty())
        h.insert("If-Match", etag.toUtf8());
    on_finished(send("DELETE", resolve(href), {}, -1, h),
                [done](dav_status st, QByteArray, QNetworkReply *) { done(st); });
}
