#ifndef VENTABIS_H
#define VENTABIS_H

#include "plugin-api/iventabis.h"

// The application information plug-in: the program's outward links.
class Ventabis : public IVentabis
{
public:
    Ventabis();
    ~Ventabis() override;

    QString version() const override;
    QString website() const override;
    QString facebookPage() const override;
    QString supportMailLink() const override;
    QString supportEmail() const override;
    QString downloadCenterUrl() const override;
    QString faqUrl() const override;
    QString whatsAppUrl() const override;
    QString qtUrl() const override;
    QString openSslUrl() const override;

private:
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

#endif // VENTABIS_H
