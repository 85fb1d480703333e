#include "platform/qt/QtHttp.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

Http::Response QtHttp::get(const QString& url, int timeoutMs) {
    Response r;
    const QUrl target(url);
    if (!target.isValid() || target.scheme().isEmpty()) {
        r.error = QCoreApplication::translate("QtHttp", "not a valid address: %1").arg(url);
        return r;
    }
    QNetworkAccessManager manager;
    QNetworkRequest request(target);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    QNetworkReply* reply = manager.get(request);

    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    bool timedOut = false;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        reply->abort();
    });
    timer.start(timeoutMs);
    if (!reply->isFinished()) loop.exec(QEventLoop::ExcludeUserInputEvents);
    timer.stop();

    r.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (timedOut) {
        r.status = 0;
        r.error = QCoreApplication::translate("QtHttp", "no answer within %1 seconds").arg((timeoutMs + 999) / 1000);
    } else if (reply->error() == QNetworkReply::NoError && r.status >= 200 && r.status < 300) {
        r.ok = true;
        r.body = reply->readAll();
    } else if (r.status != 0) {
        r.error = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
    } else {
        r.error = reply->errorString();
    }
    delete reply;
    return r;
}
