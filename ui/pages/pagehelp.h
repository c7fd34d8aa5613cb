#ifndef PAGEHELP_H
#define PAGEHELP_H

#include <QWidget>

class QLabel;
class QSlider;

// The main window's Help page: a placeholder with a caption and a slider.
class PageHelp : public QWidget
{
    Q_OBJECT
public:
    explicit PageHelp(QWidget *parent = nullptr);
    ~PageHelp() override;

    QLabel *label() const { return m_label; }
    QSlider *horizontalSlider() const { return m_horizontalSlider; }

private:
    QLabel *m_label = nullptr;
    QSlider *m_horizontalSlider = nullptr;
};

#endif // PAGEHELP_H
