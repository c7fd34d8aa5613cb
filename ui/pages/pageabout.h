#ifndef PAGEABOUT_H
#define PAGEABOUT_H

#include <QDate>
#include <QString>
#include <QWidget>
#include "ui/uicontext.h"

class Language;
class QLabel;
class XUrlLabel;

// The main window's About page: the program's name, version, release date
// and data version, the licence and warranty notice, the maker's web link,
// the terms captions, and the libraries the program is built with, each
// with a link to its web page.
class PageAbout : public QWidget
{
    Q_OBJECT
public:
    explicit PageAbout(const UiContext &ctx, QWidget *parent = nullptr);
    ~PageAbout() override;

    QLabel *labelAppName() const { return m_labelAppName; }
    QLabel *labelVersion() const { return m_labelVersion; }
    QLabel *labelReleaseDate() const { return m_labelReleaseDate; }
    QLabel *labelDataVersion() const { return m_labelDataVersion; }
    QLabel *labelLine() const { return m_labelLine; }
    QLabel *labelWarning() const { return m_labelWarning; }
    QLabel *labelProvenance() const { return m_labelProvenance; }
    XUrlLabel *labelCompanyUrl() const { return m_labelCompanyUrl; }
    QLabel *labelTermName() const { return m_labelTermName; }
    XUrlLabel *labelTermLink() const { return m_labelTermLink; }
    QLabel *labelUserAgreement() const { return m_labelUserAgreement; }
    QLabel *labelThirdParty() const { return m_labelThirdParty; }

    // The release date that a version text stands for, in the
    // catalogue's long date form ("April 19, 2017").
    static QString releaseDateText(const Language &language, const QString &version);
    // The library notice: the catalogue's texts with one anchor per
    // library link. An anchor shows the link's host name, or the library's
    // name when the link has none.
    static QString thirdPartyText(const Language &language, const QString &qtLink,
                                  const QString &openSslLink);

public slots:
    void slotUpdateLanguage();
    void slotTermsOfService();
    void slotUserAgreement();
    // Hands a link to the desktop's browser or mail program; an empty or
    // unusable link opens nothing.
    void slotOpenUrl(const QString &link);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildForm();
    void layoutPage();

    QLabel *m_labelAppName = nullptr;
    QLabel *m_labelVersion = nullptr;
    QLabel *m_labelReleaseDate = nullptr;
    QLabel *m_labelDataVersion = nullptr;
    QLabel *m_labelLine = nullptr;
    QLabel *m_labelWarning = nullptr;
    QLabel *m_labelProvenance = nullptr;
    XUrlLabel *m_labelCompanyUrl = nullptr;
    QLabel *m_labelTermName = nullptr;
    XUrlLabel *m_labelTermLink = nullptr;
    QLabel *m_labelUserAgreement = nullptr;
    QLabel *m_labelThirdParty = nullptr;
    UiContext m_ctx;
};

#endif // PAGEABOUT_H
