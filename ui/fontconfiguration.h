#ifndef FONTCONFIGURATION_H
#define FONTCONFIGURATION_H

// The desktop's font configuration. A window's first text needs it, and
// reading it (fontconfig's files and its font cache) takes a few
// milliseconds: a start reads it on a worker beside the application
// object.
class FontConfiguration
{
public:
    // Reads the configuration, once per process; safe from any thread and
    // before the application object exists.
    static void warmUp();
};

#endif // FONTCONFIGURATION_H
