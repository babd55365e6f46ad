#include "sync/sync_page.h"

#include "sync/sync_service.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

template <class W>
W *named(W *w, const char *name)
{
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

} // namespace

sync_page::sync_page(sync_service &service, QWidget *parent)
    : QWidget(parent), m_service(service), m_url(named(new QLineEdit, "sync_url")),
      m_user(named(new QLineEdit, "sync_user")), m_password(named(new QLineEdit, "sync_password")),
      m_calendars(named(new QComboBox, "sync_calendar")),
      m_find(named(new QPushButton(QStringLiteral("Найти календари")), "sync_find")),
      m_interval(named(new QSpinBox, "sync_interval")),
      m_save(named(new QPushButton(QStringLiteral("Сохранить")), "sync_save")),
      m_now(named(new QPushButton(QStringLiteral("Синхронизировать сейчас")), "sync_now")),
      m_result(named(new QLabel, "sync_result"))
{
    setObjectName(QStringLiteral("sync_page"));
    m_url->setPlaceholderText(QStringLiteral("https://example.org/dav/"));
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setPlaceholderText(QStringLiteral("хранится в хранилище паролей рабочего стола"));
    m_interval->setRange(0, 24 * 60);
    m_interval->setSuffix(QStringLiteral(" мин"));
    m_interval->setSpecialValueText(QStringLiteral("только вручную"));
    m_result->setWordWrap(true);
    m_result->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *server = new QGroupBox(QStringLiteral("Сервер CalDAV"));
    auto *form = new QFormLayout(server);
    form->addRow(QStringLiteral("Адрес сервера"), m_url);
    form->addRow(QStringLiteral("Пользователь"), m_user);
    form->addRow(QStringLiteral("Пароль"), m_password);
    auto *cal_row = new QHBoxLayout;
    cal_row->addWidget(m_calendars, 1);
    cal_row->addWidget(m_find);
    form->addRow(QStringLiteral("Календарь"), cal_row);
    form->addRow(QStringLiteral("Синхронизировать каждые"), m_interval);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_save);
    buttons->addWidget(m_now);
    buttons->addStretch();
    form->addRow(buttons);
    form->addRow(QStringLiteral("Последняя синхронизация"), m_result);

    auto *files = new QGroupBox(QStringLiteral("Файлы iCalendar"));
    auto *file_row = new QHBoxLayout(files);
    auto *exp = m_export = named(new QPushButton(QStringLiteral("Экспорт в iCalendar…")), "sync_export");
    auto *imp = m_import = named(new QPushButton(QStringLiteral("Импорт из iCalendar…")), "sync_import");
    file_row->addWidget(exp);
    file_row->addWidget(imp);
    file_row->addStretch();

    auto *note = new QLabel(QStringLiteral(
        "События и заметки календаря хранятся на этом компьютере. Когда сервер указан, они синхронизируются с "
        "выбранным календарём, а напоминание срабатывает только на одном компьютере."));
    note->setWordWrap(true);
    auto *top = new QVBoxLayout(this);
    top->addWidget(note);
    top->addWidget(server);
    top->addWidget(files);
    top->addStretch();

    const sync_service::account a = service.current();
    m_url->setText(a.url);
    m_user->setText(a.user);
    m_interval->setValue(a.interval);
    if (!a.collection.isEmpty())
        m_calendars->addItem(a.collection, a.collection);
    m_calendars->setProperty("journals", a.journals);
    m_now->setEnabled(a.configured());
    show_result(service.last_result());

    connect(m_find, &QPushButton::clicked, this, &sync_page::find_calendars);
    connect(m_save, &QPushButton::clicked, this, &sync_page::save);
    connect(m_now, &QPushButton::clicked, this, [this] {
        show_result(QStringLiteral("синхронизация…"));
        m_service.sync_now();
    });
    connect(exp, &QPushButton::clicked, this, [this] { m_service.export_with_dialog(this); });
    connect(imp, &QPushButton::clicked, this, [this] { m_service.import_with_dialog(this); });
    connect(&service, &sync_service::finished, this, [this] { show_result(m_service.last_result()); });
}

QList<QWidget *> sync_page::tab_order() const
{
    return {m_url, m_user, m_password, m_calendars, m_find, m_interval, m_save, m_now, m_export, m_import};
}

void sync_page::show_result(const QString &line)
{
    m_result->setText(line.isEmpty() ? QStringLiteral("ещё не выполнялась") : line);
}

void sync_page::find_calendars()
{
    if (m_url->text().trimmed().isEmpty()) {
        show_result(QStringLiteral("Укажите адрес сервера."));
        return;
    }
    m_find->setEnabled(false);
    show_result(QStringLiteral("поиск календарей…"));
    m_service.discover(m_url->text().trimmed(), m_user->text(), m_password->text(),
                       [this](QString error, QList<dav_calendar> found) {
                           m_find->setEnabled(true);
                           if (!error.isEmpty()) {
                               show_result(QStringLiteral("Календари не найдены: ") + error);
                               return;
                           }
                           m_calendars->clear();
                           for (const dav_calendar &c : found) {
                               m_calendars->addItem(c.name, c.url.toString());
                               m_calendars->setItemData(m_calendars->count() - 1, c.journals, Qt::UserRole + 1);
                           }
                           show_result(QStringLiteral("Найдено календарей: %1. Выберите один и нажмите «Сохранить».")
                                           .arg(found.size()));
                       });
}

void sync_page::save()
{
    sync_service::account a;
    a.url = m_url->text().trimmed();
    a.user = m_user->text();
    a.collection = m_calendars->currentData().toString();
    const QVariant journals = m_calendars->currentData(Qt::UserRole + 1);
    a.journals = journals.isValid() ? journals.toBool() : m_calendars->property("journals").toBool();
    a.interval = m_interval->value();
    if (a.url.isEmpty() || a.collection.isEmpty()) {
        show_result(QStringLiteral("Укажите адрес сервера и найдите календарь."));
        return;
    }
    m_service.configure(a, m_password->text(), [this](QString error) {
        m_now->setEnabled(true);
        show_result(error.isEmpty() ? QStringLiteral("Сохранено; синхронизация начнётся через несколько секунд.")
                                    : QStringLiteral("Сохранено, но ") + error +
                                          QStringLiteral(" — пароль действует до выхода из программы."));
    });
}
