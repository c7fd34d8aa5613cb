#ifndef PROGRAMMODULE_H
#define PROGRAMMODULE_H

#include <QLibrary>
#include <QString>
#include <QStringList>

// One of the program's own modules beside its executable (AlmarikSound,
// AlmarikGazetteer, AlmarikIcs, AlmarikInstance, AlmarikDesktop): code that needs a large library only for
// a feature used now and then, loaded on its first use so that a start
// neither loads nor maps that library. Loaded once and kept for the run.
class ProgramModule
{
public:
    // name: the file's base name; path, when given, the file itself.
    explicit ProgramModule(const char *name, const QString &path = QString());
    ProgramModule(const ProgramModule &) = delete;
    ProgramModule &operator=(const ProgramModule &) = delete;

    // The entry point, loading the module on the first call; null when the
    // module or the symbol cannot be found (the reason in errorString(),
    // also logged once).
    QFunctionPointer resolve(const char *symbol);
    template<typename Function>
    Function entry(const char *symbol)
    {
        return reinterpret_cast<Function>(resolve(symbol));
    }
    QString errorString() const { return m_error; }
    bool isLoaded() const { return m_library.isLoaded(); }

    // The program's modules that cannot be loaded or lack their entry
    // point, each as "name: reason": the check that an installation is
    // whole (it loads them all).
    static QStringList unusableModules();

private:
    QLibrary m_library;
    QString m_error;
};

#endif // PROGRAMMODULE_H
