#include "core/configsaver.h"

#include <QCoreApplication>

#include "core/appconfig.h"
#include "core/logcategories.h"

ConfigSaver::ConfigSaver(AppConfig &config, QObject *parent)
    : QObject(parent)
    , m_config(config)
{
    m_config.m_saver.saver = this;
    m_timer.setSingleShot(true);
    m_timer.setInterval(DelayMs);
    connect(&m_timer, &QTimer::timeout, this, [this] { flush(); });

    if (QCoreApplication *app = QCoreApplication::instance()) {
        connect(app, &QCoreApplication::aboutToQuit, this, [this] { flush(); });
        // Session end is a QGuiApplication signal; core does not link the
        // GUI module, so it is found by name when the application has it.
        if (app->metaObject()->indexOfSignal("commitDataRequest(QSessionManager&)") >= 0)
            connect(app, SIGNAL(commitDataRequest(QSessionManager&)), this, SLOT(flush()));
    }
}

ConfigSaver::~ConfigSaver()
{
    flush();
    if (m_config.m_saver.saver == this)
        m_config.m_saver.saver = nullptr;
}

void ConfigSaver::initialise()
{
    m_report = ConfigStore::initialise(m_config);
    if (!m_report.saved) {
        m_saveError = m_report.saveError;
        emit saveFailed(m_saveError);
    }
}

void ConfigSaver::markChanged()
{
    m_pending = true;
    // Not restarted by later changes: the first unsaved change sets when
    // the write happens, so a long drag still reaches the disk in time.
    if (!m_timer.isActive())
        m_timer.start();
    // The auto-start entry follows its setting at once; it is touched only
    // when the setting (or the program's path) differs from what was last
    // applied, so other changes never rewrite it.
    ConfigStore::applyAutoStart(m_config.autoStart);
    emit changed();
}

bool ConfigSaver::flush()
{
    if (!m_pending)
        return m_saveError.isEmpty();
    write();
    return m_saveError.isEmpty();
}

void ConfigSaver::write()
{
    m_timer.stop();
    m_pending = false;
    QString error;
    const bool ok = ConfigStore::save(m_config, &error);
    ++m_writes;
    if (ok) {
        const bool wasFailing = !m_saveError.isEmpty();
        m_saveError.clear();
        emit saved();
        if (wasFailing)
            emit saveRecovered();
        return;
    }
    // Told once per run of failures; the next change tries again.
    const bool first = m_saveError.isEmpty();
    m_saveError = error.isEmpty() ? QStringLiteral("unknown error") : error;
    if (first)
        emit saveFailed(m_saveError);
}
