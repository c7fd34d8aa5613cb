#ifndef PAGEUPDATE_H
#define PAGEUPDATE_H

#include <QWidget>
#include "ui/uicontext.h"

class QLabel;
class QProgressBar;
class QTimer;
class XGreenButton;

// The main window's "Software Update" page: when the data was last
// updated, the versions of the three plug-ins, and an "Update Now" button
// that runs a short progress sequence and then shows its outcome for ten
// seconds. The program has no update service, so the outcome always says
// that no online check is made.
class PageUpdate : public QWidget
{
    Q_OBJECT
public:
    explicit PageUpdate(const UiContext &ctx, QWidget *parent = nullptr);
    ~PageUpdate() override;

    // Progress bar steps: 5 per 100 ms tick, 20 ticks to the end.
    static constexpr int TickInterval = 100;
    static constexpr int ProgressStep = 5;
    static constexpr int ResultInterval = 10000;

    QLabel *labelTitle() const { return m_labelTitle; }
    QLabel *labelLine() const { return m_labelLine; }
    QLabel *labelText() const { return m_labelText; }
    QLabel *labelLastUpdate() const { return m_labelLastUpdate; }
    QLabel *labelLastUpdateValue() const { return m_labelLastUpdateValue; }
    QLabel *labelVentabisVersion() const { return m_labelVentabisVersion; }
    QLabel *labelVentabisVersionValue() const { return m_labelVentabisVersionValue; }
    QLabel *labelAlmarikVersion() const { return m_labelAlmarikVersion; }
    QLabel *labelAlmarikVersionData() const { return m_labelAlmarikVersionData; }
    QLabel *labelMapVersion() const { return m_labelMapVersion; }
    QLabel *labelMapVersionValue() const { return m_labelMapVersionValue; }
    XGreenButton *panelUpdate() const { return m_panelUpdate; }
    QProgressBar *progressBar() const { return m_progressBar; }
    QLabel *labelProgress() const { return m_labelProgress; }
    QLabel *labelResult() const { return m_labelResult; }
    QTimer *timer() const { return m_timer; }
    int progress() const { return m_progress; }
    bool isResultShown() const { return m_resultShown; }

public slots:
    void slotUpdateNow();
    void slotTimer();
    // Re-reads every text of the page in the current language and lays
    // the page out again (the captions' widths change with the language).
    void slotUpdateLanguage();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildForm();
    void refreshVersions();
    void layoutPage();

    QTimer *m_timer = nullptr;
    QLabel *m_labelTitle = nullptr;
    QLabel *m_labelLine = nullptr;
    QLabel *m_labelText = nullptr;
    QLabel *m_labelLastUpdate = nullptr;
    QLabel *m_labelLastUpdateValue = nullptr;
    QLabel *m_labelVentabisVersion = nullptr;
    QLabel *m_labelVentabisVersionValue = nullptr;
    QLabel *m_labelAlmarikVersion = nullptr;
    QLabel *m_labelAlmarikVersionData = nullptr;
    QLabel *m_labelMapVersion = nullptr;
    QLabel *m_labelMapVersionValue = nullptr;
    XGreenButton *m_panelUpdate = nullptr;
    QProgressBar *m_progressBar = nullptr;
    QLabel *m_labelProgress = nullptr;
    QLabel *m_labelResult = nullptr;

    int m_progress = 0;
    bool m_resultShown = false;
    UiContext m_ctx;
};

#endif // PAGEUPDATE_H
