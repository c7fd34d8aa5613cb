#ifndef VENTABIS_H
#define VENTABIS_H

#include "plugin-api/iventabis.h"
#include "plugin-api/linkset.h"

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
    LinkSet m_links;
};

#endif // VENTABIS_H
