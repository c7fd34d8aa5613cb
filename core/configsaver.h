#ifndef CONFIGSAVER_H
#define CONFIGSAVER_H

#include <QObject>
#include <QString>
#include <QTimer>

#include "core/configstore.h"

class AppConfig;

// The program's settings model around its AppConfig record. Every change
// (AppConfig::save()) is announced by changed() for the windows, the
// notifier and the auto-start entry to follow, and the file is written
// once within DelayMs of the first unsaved change, so a burst of changes
// costs one write and the file on disk is never older than the last change
// by more than the delay. A pending write is done at once on flush(), when
// the application is about to quit, when the session ends and when the
// saver is destroyed.
//
// A write that fails is reported once (saveFailed()) until one succeeds
// again (saveRecovered()); the next change tries again.
class ConfigSaver : public QObject
{
    Q_OBJECT
public:
    static constexpr int DelayMs = 300;

    explicit ConfigSaver(AppConfig &config, QObject *parent = nullptr);
    ~ConfigSaver() override;

    AppConfig &config() const { return m_config; }

    // Start-up of the record (see ConfigStore::initialise()).
    void initialise();
    const ConfigStore::StartReport &startReport() const { return m_report; }

    // Announces a change and schedules the write.
    void markChanged();
    bool isPending() const { return m_pending; }
    // Why the last write failed; "" after a successful one.
    QString saveError() const { return m_saveError; }
    // Number of writes of the file made by this saver.
    int writeCount() const { return m_writes; }

public slots:
    // Writes a pending change now; true when the file holds the record
    // (or nothing was pending and the last write worked).
    bool flush();

signals:
    void changed();
    void saved();
    void saveFailed(const QString &reason);
    void saveRecovered();

private:
    void write();

    AppConfig &m_config;
    QTimer m_timer;
    ConfigStore::StartReport m_report;
    QString m_saveError;
    bool m_pending = false;
    int m_writes = 0;
};

#endif // CONFIGSAVER_H
