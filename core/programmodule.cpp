#include "core/programmodule.h"

#include <QCoreApplication>
#include <QDir>

#include "core/logcategories.h"

ProgramModule::ProgramModule(const char *name, const QString &path)
{
    // Beside the program, not on the library search path: the modules are
    // the program's own.
    m_library.setFileName(path.isEmpty() ? QDir(QCoreApplication::applicationDirPath()).filePath(QLatin1String(name))
                                         : path);
}

QFunctionPointer ProgramModule::resolve(const char *symbol)
{
    QFunctionPointer function = m_library.resolve(symbol);
    if (!function && m_error.isEmpty()) {
        m_error = m_library.errorString();
        qCWarning(lcPlugins).noquote() << "The module" << m_library.fileName() << "cannot be used:" << m_error;
    }
    return function;
}

QStringList ProgramModule::unusableModules()
{
    static const struct {
        const char *name;
        const char *entry;
    } modules[] = {
        {"AlmarikSound", "almarikCreateSoundPlayer"},
        {"AlmarikGazetteer", "almarikSearchCities"},
        {"AlmarikIcs", "almarikWriteCalendar"},
        {"AlmarikPrint", "almarikPrintDocument"},
        {"AlmarikInstance", "almarikCreateInstanceChannel"},
        {"AlmarikDesktop", "almarikCreateDesktopNotifier"},
        {"AlmarikDesktop", "almarikCreateBusInstanceChannel"},
    };
    QStringList unusable;
    for (const auto &module : modules) {
        ProgramModule loaded(module.name);
        if (!loaded.resolve(module.entry))
            unusable << QStringLiteral("%1: %2").arg(QLatin1String(module.name), loaded.errorString());
    }
    return unusable;
}
