#ifndef PAGEMAP_H
#define PAGEMAP_H

#include <QWidget>

class Language;
class QLabel;

// The main window's Map page, kept for the map and the Qibla direction:
// until they are built it says so in a title and a short text.
class PageMap : public QWidget
{
    Q_OBJECT
public:
    explicit PageMap(const Language &language, QWidget *parent = nullptr);
    ~PageMap() override;

    QLabel *label() const { return m_label; }
    QLabel *descriptionLabel() const { return m_description; }

public slots:
    void slotUpdateLanguage();

private:
    const Language &m_language;
    QLabel *m_label = nullptr;
    QLabel *m_description = nullptr;
};

#endif // PAGEMAP_H
