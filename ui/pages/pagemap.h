#ifndef PAGEMAP_H
#define PAGEMAP_H

#include <QWidget>

class QLabel;

// The main window's Map page: a placeholder with one caption.
class PageMap : public QWidget
{
    Q_OBJECT
public:
    explicit PageMap(QWidget *parent = nullptr);
    ~PageMap() override;

    QLabel *label() const { return m_label; }

private:
    QLabel *m_label = nullptr;
};

#endif // PAGEMAP_H
