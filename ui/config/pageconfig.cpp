#include "ui/config/pageconfig.h"

#include <QLabel>

#include "app/appmain.h"
#include "ui/config/panelconfalmarikdata.h"
#include "ui/config/panelconfasar.h"
#include "ui/config/panelconfbase.h"
#include "ui/config/panelconfdeveloper.h"
#include "ui/config/panelconfduha.h"
#include "ui/config/panelconfgeneral.h"
#include "ui/config/panelconfimsak.h"
#include "ui/config/panelconfisyak.h"
#include "ui/config/panelconfmaghrib.h"
#include "ui/config/panelconfsubuh.h"
#include "ui/config/panelconfsyuruk.h"
#include "ui/config/panelconftheme.h"
#include "ui/config/panelconfupdate.h"
#include "ui/config/panelconfzohor.h"
#include "ui/controls/xurllabel.h"

namespace {

// Menu entries: object name of the label and catalogue key of its text,
// in menu order.
struct MenuEntry {
    const char *label;
    const char *key;
};

const MenuEntry Menu[] = {
    {"labelGeneral", "ConfMain.General"},
    {"labelTheme", "ConfMain.Theme"},
    {"labelUpdate", "ConfMain.Update"},
    {"labelAlmarikData", "ConfMain.AlmarikData"},
    {"labelImsak", "ConfMain.Imsak"},
    {"labelSubuh", "ConfMain.Subuh"},
    {"labelSyuruk", "ConfMain.Syuruk"},
    {"labelDuha", "ConfMain.Duha"},
    {"labelZohor", "ConfMain.Zohor"},
    {"labelAsar", "ConfMain.Asar"},
    {"labelMaghrib", "ConfMain.Maghrib"},
    {"labelIsyak", "ConfMain.Isyak"},
    {"labelDeveloper", "ConfMain.Developer"},
};

const int RuleX = 175;
const int RuleY = 15;

} // namespace

PageConfig::PageConfig(QWidget *parent)
    : QWidget(parent)
{
    void (PageConfig::*const menuSlots[])() = {
        &PageConfig::slotPanelGeneral, &PageConfig::slotPanelTheme,
        &PageConfig::slotPanelUpdate, &PageConfig::slotPanelAlmarikData,
        &PageConfig::slotPanelImsak, &PageConfig::slotPanelSubuh,
        &PageConfig::slotPanelSyuruk, &PageConfig::slotPanelDuha,
        &PageConfig::slotPanelZohor, &PageConfig::slotPanelAsar,
        &PageConfig::slotPanelMaghrib, &PageConfig::slotPanelIsyak,
        &PageConfig::slotPanelDeveloper,
    };
    int i = 0;
    for (const MenuEntry &entry : Menu)
        m_menu.append(makeMenuLabel(QString::fromLatin1(entry.label), menuSlots[i++]));

    labelLine = new QLabel(this);
    labelLine->setObjectName(QStringLiteral("labelLine"));
    labelLine->setStyleSheet(QStringLiteral("QLabel { background-color : white; color : white; }"));

    labelSaveProblem = new QLabel(this);
    labelSaveProblem->setObjectName(QStringLiteral("labelSaveProblem"));
    labelSaveProblem->setWordWrap(true);
    labelSaveProblem->setStyleSheet(QStringLiteral("QLabel { color : #ffeb3b; }"));
    labelSaveProblem->setFont(QFont(QStringLiteral("Arial"), 9));
    labelSaveProblem->hide();

    panelGeneral = new PanelConfGeneral(this);
    panelTheme = new PanelConfTheme(this);
    panelUpdate = new PanelConfUpdate(this);
    panelAlmarikData = new PanelConfAlmarikData(this);
    panelImsak = new PanelConfImsak(this);
    panelSubuh = new PanelConfSubuh(this);
    panelSyuruk = new PanelConfSyuruk(this);
    panelDuha = new PanelConfDuha(this);
    panelZohor = new PanelConfZohor(this);
    panelAsar = new PanelConfAsar(this);
    panelMaghrib = new PanelConfMaghrib(this);
    panelIsyak = new PanelConfIsyak(this);
    panelDeveloper = new PanelConfDeveloper(this);
    m_panels = {panelGeneral, panelTheme, panelUpdate, panelAlmarikData, panelImsak,
                panelSubuh, panelSyuruk, panelDuha, panelZohor, panelAsar, panelMaghrib,
                panelIsyak, panelDeveloper};
    const QStringList names = {
        "panelGeneral", "panelTheme", "panelUpdate", "panelAlmarikData", "panelImsak",
        "panelSubuh", "panelSyuruk", "panelDuha", "panelZohor", "panelAsar", "panelMaghrib",
        "panelIsyak", "panelDeveloper"};
    for (int p = 0; p < m_panels.size(); ++p)
        m_panels.at(p)->setObjectName(names.at(p));
    showPanel(panelGeneral);

    slotUpdateLanguage();
    connect(appLanguage(), &Language::updated, this, &PageConfig::slotUpdateLanguage);
}

XUrlLabel *PageConfig::makeMenuLabel(const QString &objectName, void (PageConfig::*slot)())
{
    auto *label = new XUrlLabel(this);
    label->setObjectName(objectName);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Active, QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, Qt::black);
    label->setNormalPalette(palette);
    label->setHoverPalette(palette);
    label->setNormalFont(QFont(QStringLiteral("Arial"), 11));
    label->setHoverFont(QFont(QStringLiteral("Arial"), 11, QFont::Bold));
    label->setCursor(Qt::PointingHandCursor);
    connect(label, &XUrlLabel::clicked, this, slot);
    return label;
}

QWidget *PageConfig::currentPanel() const
{
    for (QWidget *panel : m_panels) {
        if (!panel->isHidden())
            return panel;
    }
    return nullptr;
}

void PageConfig::showPanel(QWidget *panel)
{
    for (QWidget *each : qAsConst(m_panels))
        each->setVisible(each == panel);
}

void PageConfig::slotUpdateLanguage()
{
    for (int i = 0; i < m_menu.size(); ++i)
        m_menu.at(i)->setText(appLanguage()->text(QString::fromLatin1(Menu[i].key)));
    relayout();
}

void PageConfig::setSaveProblem(const QString &text, const QString &reason)
{
    labelSaveProblem->setText(text);
    labelSaveProblem->setToolTip(reason);
    labelSaveProblem->setVisible(!text.isEmpty());
    relayout();
}

void PageConfig::relayout()
{
    int y = 20;
    for (XUrlLabel *label : qAsConst(m_menu)) {
        label->adjustSize();
        label->setAnchorPosition(20, y);
        y += label->height() + 6;
    }
    labelLine->setGeometry(RuleX, RuleY, 1, qMax(0, height() - 30));
    // Under the menu, left of the rule.
    const int problemWidth = RuleX - 30;
    const int problemHeight = labelSaveProblem->heightForWidth(problemWidth);
    labelSaveProblem->setGeometry(20, qMax(y + 10, height() - 15 - problemHeight), problemWidth,
                                  qMax(0, problemHeight));
    const int panelX = labelLine->x() + labelLine->width() + 2;
    for (QWidget *panel : qAsConst(m_panels)) {
        panel->setGeometry(panelX, 10, qMax(0, width() - panelX - 1), qMax(0, height() - 20));
        // A hidden panel gets its resize event only when shown; lay it out
        // now so that it is ready whichever way it is reached.
        if (auto *confPanel = qobject_cast<PanelConfBase *>(panel))
            confPanel->relayout();
    }
}

void PageConfig::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    relayout();
}

void PageConfig::slotPanelGeneral() { showPanel(panelGeneral); }
void PageConfig::slotPanelTheme() { showPanel(panelTheme); }
void PageConfig::slotPanelUpdate() { showPanel(panelUpdate); }
void PageConfig::slotPanelAlmarikData() { showPanel(panelAlmarikData); }
void PageConfig::slotPanelImsak() { showPanel(panelImsak); }
void PageConfig::slotPanelSubuh() { showPanel(panelSubuh); }
void PageConfig::slotPanelSyuruk() { showPanel(panelSyuruk); }
void PageConfig::slotPanelDuha() { showPanel(panelDuha); }
void PageConfig::slotPanelZohor() { showPanel(panelZohor); }
void PageConfig::slotPanelAsar() { showPanel(panelAsar); }
void PageConfig::slotPanelMaghrib() { showPanel(panelMaghrib); }
void PageConfig::slotPanelIsyak() { showPanel(panelIsyak); }
void PageConfig::slotPanelDeveloper() { showPanel(panelDeveloper); }
