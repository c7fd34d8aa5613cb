#ifndef APPLICATIONINFORMATION_H
#define APPLICATIONINFORMATION_H

#include <QDate>
#include <QString>

#include "plugin-api/linkset.h"

class IVentabis;

// Product names, version facts and the program's outward links. The links
// start with built-in values and are replaced by those of the Ventabis
// plug-in when it is present.
class ApplicationInformation
{
public:
    ApplicationInformation();

    // "Almarik Zenhar for Linux": the name with the platform it runs on
    // (English; windows take the catalogue's "About.ProductName").
    static QString productName();
    // The platform the program was built for: "Linux", "Windows", ...
    static QString platformName();
    static QString shortName();
    QString appVersion();
    QString dataVersion();
    // The data version shown to the user: the timetable plug-in's stamp
    // when it is there.
    void setDataVersion(const QString &version);
    QString buildTime();
    QString ventabisVersion() const;
    QDate releaseDate() const;
    // The date encoded in a "major.minor.YYMM.DDHH" version text;
    // 1900-01-01 when the text does not have four parts.
    static QDate releaseDateOf(const QString &version);

    QString website() const { return m_links.website; }
    QString facebookPage() const { return m_links.facebookPage; }
    QString supportMailLink() const { return m_links.supportMailLink; }
    QString supportEmail() const { return m_links.supportEmail; }
    QString downloadCenterUrl() const { return m_links.downloadCenterUrl; }
    QString faqUrl() const { return m_links.faqUrl; }
    QString whatsAppUrl() const { return m_links.whatsAppUrl; }
    QString qtUrl() const { return m_links.qtUrl; }
    QString openSslUrl() const { return m_links.openSslUrl; }

private:
    QString m_appVersion;
    QString m_dataVersion;
    QString m_buildTime;
    IVentabis *m_ventabis = nullptr;
    LinkSet m_links;
};

#endif // APPLICATIONINFORMATION_H
