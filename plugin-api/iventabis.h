#ifndef IVENTABIS_H
#define IVENTABIS_H

#include <QObject>
#include <QString>

// Interface of the application information plug-in (Ventabis): the
// program's outward links, so that an address can change without a new
// program.
class IVentabis : public QObject
{
public:
    // The text almarikPluginInterface() returns for this interface (see
    // plugin-api/pluginexport.h); its number grows with every change.
    static constexpr const char *InterfaceId = "Ventabis/1";

    virtual QString version() const = 0;
    virtual QString website() const = 0;
    virtual QString facebookPage() const = 0;
    virtual QString supportMailLink() const = 0;
    virtual QString supportEmail() const = 0;
    virtual QString downloadCenterUrl() const = 0;
    virtual QString faqUrl() const = 0;
    virtual QString whatsAppUrl() const = 0;
    virtual QString qtUrl() const = 0;
    virtual QString openSslUrl() const = 0;
};

using VentabisGetApiFunction = IVentabis *(*)();
using VentabisFreeApiFunction = bool (*)(IVentabis **);

#endif // IVENTABIS_H
