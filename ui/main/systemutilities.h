#ifndef SYSTEMUTILITIES_H
#define SYSTEMUTILITIES_H

class QWidget;

// Small desktop helpers shared by the main window and the splash screen.
class SystemUtilities
{
public:
    // Places the widget in the middle of the whole desktop.
    static void centerOnDesktop(QWidget *widget);
    // True on Windows 7, whose tray wants its own icon.
    static bool isWindows7();
};

#endif // SYSTEMUTILITIES_H
