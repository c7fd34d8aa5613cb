#ifndef PAGEHELP_H
#define PAGEHELP_H

#include <QList>
#include <QWidget>

class Language;
class QLabel;
class QScrollArea;

// The main window's Help page: what each page and button does, what the
// eight times mean, where the times come from, how notifications and
// sounds work, where the settings live and how to report a problem, in
// the catalogue's language, in a scrolling column.
class PageHelp : public QWidget
{
    Q_OBJECT
public:
    explicit PageHelp(const Language &language, QWidget *parent = nullptr);
    ~PageHelp() override;

    QLabel *label() const { return m_label; }
    QScrollArea *scrollArea() const { return m_scrollArea; }
    // The section headings and texts, in order.
    QList<QLabel *> sectionLabels() const { return m_sections; }

public slots:
    void slotUpdateLanguage();

private:
    const Language &m_language;
    QLabel *m_label = nullptr;
    QScrollArea *m_scrollArea = nullptr;
    QList<QLabel *> m_sections;
};

#endif // PAGEHELP_H
