#include "core/logcategories.h"

Q_LOGGING_CATEGORY(lcPlugins, "almarik.plugins", QtInfoMsg)
Q_LOGGING_CATEGORY(lcConfig, "almarik.config", QtInfoMsg)
Q_LOGGING_CATEGORY(lcNotifier, "almarik.notifier", QtInfoMsg)
Q_LOGGING_CATEGORY(lcSound, "almarik.sound", QtInfoMsg)
Q_LOGGING_CATEGORY(lcData, "almarik.data", QtInfoMsg)
Q_LOGGING_CATEGORY(lcUi, "almarik.ui", QtInfoMsg)
Q_LOGGING_CATEGORY(lcInstance, "almarik.instance", QtInfoMsg)
