#include "ui/config/pageconfig.h"

#include <QLabel>

#include "core/language.h"
#include "core/prayerslot.h"
#include "ui/config/panelconfadjust.h"
#include "ui/config/panelconfalmarikdata.h"
#include "ui/config/panelconfbase.h"
#include "ui/config/panelconfdeveloper.h"
#include "ui/config/panelconfgeneral.h"
#include "ui/config/panelconfnotifier.h"
#include "ui/config/panelconftheme.h"
#include "ui/config/panelconfupdate.h"
#include "ui/controls/labelfactory.h"
#include "ui/controls/xurllabel.h"

namespace {

using PanelFactory = QWidget *(*)(const UiContext &ctx, QWidget *parent);

template <class Panel>
QWidget *makePanel(const UiContext &ctx, QWidget *parent)
{
    return new Panel(ctx, parent);
}

template <PrayerSlot Slot>
QWidget *makeNotifierPanel(const UiContext &ctx, QWidget *parent)
{
    return new PanelConfNotifier(ctx, Slot, parent);
}

// The menu in its order: the entry's name (its label is "label" + name,
// its panel "panel" + name), the catalogue key of its caption and the
// panel it shows.
struct MenuEntry {
    const char *name;
    const char *key;
    PanelFactory factory;
};

const MenuEntry Menu[] = {
    {"General", "ConfMain.General", makePanel<PanelConfGeneral>},
    {"Theme", "ConfMain.Theme", makePanel<PanelConfTheme>},
    {"Update", "ConfMain.Update", makePanel<PanelConfUpdate>},
    {"AlmarikData", "ConfMain.AlmarikData", makePanel<PanelConfAlmarikData>},
    {"Imsak", "ConfMain.Imsak", makeNotifierPanel<Imsak>},
    {"Subuh", "ConfMain.Subuh", makeNotifierPanel<Subuh>},
    {"Syuruk", "ConfMain.Syuruk", makeNotifierPanel<Syuruk>},
    {"Duha", "ConfMain.Duha", makeNotifierPanel<Duha>},
    {"Zohor", "ConfMain.Zohor", makeNotifierPanel<Zohor>},
    {"Asar", "ConfMain.Asar", makeNotifierPanel<Asar>},
    {"Maghrib", "ConfMain.Maghrib", makeNotifierPanel<Maghrib>},
    {"Isyak", "ConfMain.Isyak", makeNotifierPanel<Isyak>},
    {"Adjust", "ConfMain.Adjust", makePanel<PanelConfAdjust>},
    {"Developer", "ConfMain.Developer", makePanel<PanelConfDeveloper>},
};

const int RuleX = 175;
const int RuleY = 15;

} // namespace

PageConfig::PageConfig(const UiContext &ctx, QWidget *parent)
    : QWidget(parent)
    , m_ctx(ctx)
{
    for (const MenuEntry &entry : Menu)
        m_menu.append(makeMenuLabel(QStringLiteral("label") + QLatin1String(entry.name), m_menu.size()));

    labelLine = new QLabel(this);
    labelLine->setObjectName(QStringLiteral("labelLine"));
    LabelFactory::makeBar(labelLine, Qt::white);

    labelSaveProblem = new QLabel(this);
    labelSaveProblem->setObjectName(QStringLiteral("labelSaveProblem"));
    labelSaveProblem->setWordWrap(true);
    labelSaveProblem->setStyleSheet(QStringLiteral("QLabel { color : #ffeb3b; }"));
    labelSaveProblem->setFont(QFont(QStringLiteral("Arial"), 9));
    labelSaveProblem->hide();

    for (const MenuEntry &entry : Menu) {
        QWidget *panel = entry.factory(m_ctx, this);
        panel->setObjectName(QStringLiteral("panel") + QLatin1String(entry.name));
        m_panels.append(panel);
    }
    showPanel(0);

    slotUpdateLanguage();
    connect(m_ctx.language, &Language::updated, this, &PageConfig::slotUpdateLanguage);
}

XUrlLabel *PageConfig::makeMenuLabel(const QString &objectName, int index)
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
    connect(label, &XUrlLabel::clicked, this, [this, index] { showPanel(index); });
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

void PageConfig::showPanel(int index)
{
    if (index < 0 || index >= m_panels.size())
        return;
    for (int i = 0; i < m_panels.size(); ++i)
        m_panels.at(i)->setVisible(i == index);
}

void PageConfig::slotUpdateLanguage()
{
    for (int i = 0; i < m_menu.size(); ++i)
        m_menu.at(i)->setText(m_ctx.language->text(QString::fromLatin1(Menu[i].key)));
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
        y += label->height() + 3;
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
