#ifndef MAPMANAGER_H
#define MAPMANAGER_H

#include <QObject>
#include <QString>

class IMapObject;

// Client of the location data plug-in; the program shows its version.
// The plug-in is bound when first asked for, not at start.
class MapManager : public QObject
{
    Q_OBJECT
public:
    explicit MapManager(QObject *parent = nullptr);

    QString version() const;
    bool isBound() const { return api() != nullptr; }

private:
    IMapObject *api() const;

    mutable IMapObject *m_api = nullptr;
    mutable bool m_bindTried = false;
};

#endif // MAPMANAGER_H
