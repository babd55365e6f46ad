#include "sync/password_store.h"

#include <qt6keychain/keychain.h>

namespace password_store {

namespace {
const QString service = QStringLiteral("Orvella calendar sync");
} // namespace

void read(const QString &account, QObject *context, std::function<void(QString, QString)> done)
{
    auto *job = new QKeychain::ReadPasswordJob(service, context);
    job->setAutoDelete(true);
    job->setInsecureFallback(false);
    job->setKey(account);
    QObject::connect(job, &QKeychain::Job::finished, context, [job, done](QKeychain::Job *) {
        if (job->error() == QKeychain::NoError)
            done(job->textData(), QString());
        else
            done(QString(), QStringLiteral("пароль не прочитан из хранилища паролей: %1").arg(job->errorString()));
    });
    job->start();
}

void write(const QString &account, const QString &password, QObject *context, std::function<void(QString)> done)
{
    auto *job = new QKeychain::WritePasswordJob(service, context);
    job->setAutoDelete(true);
    job->setInsecureFallback(false);
    job->setKey(account);
    job->setTextData(password);
    QObject::connect(job, &QKeychain::Job::finished, context, [job, done](QKeychain::Job *) {
        done(job->error() == QKeychain::NoError
                 ? QString()
                 : QStringLiteral("пароль не сохранён в хранилище паролей: %1").arg(job->errorString()));
    });
    job->start();
}

} // namespace password_store
