#ifndef APPLICATIONINFORMATION_H
#define APPLICATIONINFORMATION_H

#include <QDate>
#include <QString>

class IVentabis;

// Product names, version facts and the program's outward links. The links
// start with built-in values and are replaced by those of the Ventabis
// plug-in when it is present.
class ApplicationInformation
{
public:
    ApplicationInformation();

    static QString productName();
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

    QString website() const { return m_website; }
    QString facebookPage() const { return m_facebookPage; }
    QString supportMailLink() const { return m_supportMailLink; }
    QString supportEmail() const { return m_supportEmail; }
    QString downloadCenterUrl() const { return m_downloadCenterUrl; }
    QString faqUrl() const { return m_faqUrl; }
    QString whatsAppUrl() const { return m_whatsAppUrl; }
    QString qtUrl() const { return m_qtUrl; }
    QString openSslUrl() const { return m_openSslUrl; }

private:
    QString m_appVersion;
    QString m_dataVersion;
    QString m_buildTime;
    IVentabis *m_ventabis = nullptr;
    QString m_website;
    QString m_facebookPage;
    QString m_supportMailLink;
    QString m_supportEmail;
    QString m_downloadCenterUrl;
    QString m_faqUrl;
    QString m_whatsAppUrl;
    QString m_qtUrl;
    QString m_openSslUrl;
};

#endif // APPLICATIONINFORMATION_H
