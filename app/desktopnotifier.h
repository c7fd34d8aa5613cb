#ifndef DESKTOPNOTIFIER_H
#define DESKTOPNOTIFIER_H

#include <QString>

#include <memory>

#include "core/programmodule.h"
#include "ui/main/abstractdesktopnotifier.h"

// The desktop's notification service (see DBusDesktopNotifier), whose
// D-Bus side lives in the desktop module beside the program,
// AlmarikDesktop, loaded at the first message: the main window needs the
// service only where the desktop has no system tray. When the module
// cannot be loaded, show() fails as it does without a session bus, and it
// is logged.
class DesktopNotifier : public AbstractDesktopNotifier
{
public:
    // modulePath: the module's file; empty for the one beside the program.
    explicit DesktopNotifier(const QString &modulePath = QString());
    ~DesktopNotifier() override;
    DesktopNotifier(const DesktopNotifier &) = delete;
    DesktopNotifier &operator=(const DesktopNotifier &) = delete;

    bool show(const QString &title, const QString &body, int milliseconds) override;

    // The loaded notifier, loading the module on the first call; null
    // when it cannot be loaded (the reason in loadError()).
    AbstractDesktopNotifier *backEnd();
    bool isLoaded() const { return bool(m_backEnd); }
    QString loadError() const { return m_module.errorString(); }

private:
    ProgramModule m_module;
    std::unique_ptr<AbstractDesktopNotifier> m_backEnd;
    bool m_tried = false;
};

#endif // DESKTOPNOTIFIER_H
