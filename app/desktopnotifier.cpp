#include "app/desktopnotifier.h"

#include "core/applicationinformation.h"
#include "core/logcategories.h"

namespace {
using CreateNotifier = AbstractDesktopNotifier *(*)(const QString &appName);
}

DesktopNotifier::DesktopNotifier(const QString &modulePath)
    : m_module("AlmarikDesktop", modulePath)
{
}

DesktopNotifier::~DesktopNotifier()
{
    // The notifier's code lives in the module: it goes first.
    m_backEnd.reset();
}

AbstractDesktopNotifier *DesktopNotifier::backEnd()
{
    if (m_tried)
        return m_backEnd.get();
    m_tried = true;
    auto create = m_module.entry<CreateNotifier>("almarikCreateDesktopNotifier");
    if (!create)
        return nullptr;
    m_backEnd.reset(create(ApplicationInformation::shortName()));
    // A click on a message comes back through whatever the window set here.
    m_backEnd->activated = [this] {
        if (activated)
            activated();
    };
    return m_backEnd.get();
}

bool DesktopNotifier::show(const QString &title, const QString &body, int milliseconds)
{
    AbstractDesktopNotifier *notifier = backEnd();
    if (!notifier) {
        qCWarning(lcUi).noquote() << "Cannot show" << title << "- no desktop module";
        return false;
    }
    return notifier->show(title, body, milliseconds);
}
