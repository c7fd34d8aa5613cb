#ifndef MAPMANAGER_H
#define MAPMANAGER_H

#include <QObject>
#include <QString>

class IMapObject;

// Client of the location data plug-in; the program shows its version.
class MapManager : public QObject
{
    Q_OBJECT
public:
    explicit MapManager(QObject *parent = nullptr);

    QString version() const;
    bool isBound() const { return m_api != nullptr; }

private:
    IMapObject *m_api = nullptr;
};

#endif // MAPMANAGER_H
