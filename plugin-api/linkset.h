#ifndef LINKSET_H
#define LINKSET_H

#include <QString>

#include "plugin-api/iventabis.h"
#include "plugin-api/linkdefaults.h"

// The nine outward links, in the order of IVentabis's getters. The
// Ventabis plug-in serves its set; the program starts from the built-in set
// and takes the plug-in's when the plug-in is there.
struct LinkSet
{
    QString website;
    QString facebookPage;
    QString supportMailLink;
    QString supportEmail;
    QString downloadCenterUrl;
    QString faqUrl;
    QString whatsAppUrl;
    QString qtUrl;
    QString openSslUrl;

    // The values fixed when the build was configured (LinkDefaults).
    static LinkSet builtIn()
    {
        return LinkSet{QString::fromLatin1(LinkDefaults::website),
                       QString::fromLatin1(LinkDefaults::facebookPage),
                       QString::fromLatin1(LinkDefaults::supportMailLink),
                       QString::fromLatin1(LinkDefaults::supportEmail),
                       QString::fromLatin1(LinkDefaults::downloadCenterUrl),
                       QString::fromLatin1(LinkDefaults::faqUrl),
                       QString::fromLatin1(LinkDefaults::whatsAppUrl),
                       QString::fromLatin1(LinkDefaults::qtUrl),
                       QString::fromLatin1(LinkDefaults::openSslUrl)};
    }

    // The values a plug-in object serves, read getter by getter.
    static LinkSet of(const IVentabis &plugin)
    {
        return LinkSet{plugin.website(), plugin.facebookPage(), plugin.supportMailLink(),
                       plugin.supportEmail(), plugin.downloadCenterUrl(), plugin.faqUrl(),
                       plugin.whatsAppUrl(), plugin.qtUrl(), plugin.openSslUrl()};
    }
};

#endif // LINKSET_H
