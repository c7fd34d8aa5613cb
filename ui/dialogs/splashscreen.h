#ifndef SPLASHSCREEN_H
#define SPLASHSCREEN_H

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include "ui/uicontext.h"

class QLabel;

// The panel shown in front of the main window at start-up. It fades in
// over about 0.4 s (six ticks of 70 ms) and closes as soon as it is fully
// opaque; meanwhile the main window is kept fully transparent, and it gets
// its opacity back when the splash closes, even if it is hidden in the
// tray. Closed, it deletes itself: its window and labels would otherwise
// stay in memory for the rest of the run.
//
// The constructor builds, centres and starts the fade; the owner shows it.
class SplashScreen : public QWidget
{
    Q_OBJECT
public:
    explicit SplashScreen(const UiContext &ctx, QWidget *mainWindow);
    ~SplashScreen() override;

    bool isFading() const { return m_fadeTimer.isActive(); }
    float fadeLevel() const { return m_fadeLevel; }

public slots:
    void slotOpaqueTimer();

private:
    void restoreMainWindow();

    QLabel *labelAppTitle;
    QLabel *labelBorderTop;
    QLabel *labelBorderBottom;
    QLabel *labelBorderLeft;
    QLabel *labelBorderRight;
    QLabel *labelUrl;
    QLabel *labelVersion;
    QTimer m_fadeTimer;
    QPointer<QWidget> m_mainWindow;
    static const int FadeTicks = 6;
    int m_fadeTicks = 0;
    float m_fadeLevel = 0.1f;
    double m_mainWindowOpacity = 1.0;
    UiContext m_ctx;
};

#endif // SPLASHSCREEN_H
