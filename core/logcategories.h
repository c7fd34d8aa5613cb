#ifndef LOGCATEGORIES_H
#define LOGCATEGORIES_H

#include <QLoggingCategory>

// The program's logging categories. Turn them on with QT_LOGGING_RULES,
// for example QT_LOGGING_RULES="almarik.*.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcPlugins)   // almarik.plugins
Q_DECLARE_LOGGING_CATEGORY(lcConfig)    // almarik.config
Q_DECLARE_LOGGING_CATEGORY(lcNotifier)  // almarik.notifier
Q_DECLARE_LOGGING_CATEGORY(lcSound)     // almarik.sound
Q_DECLARE_LOGGING_CATEGORY(lcData)      // almarik.data
Q_DECLARE_LOGGING_CATEGORY(lcUi)        // almarik.ui
Q_DECLARE_LOGGING_CATEGORY(lcInstance)  // almarik.instance

#endif // LOGCATEGORIES_H
