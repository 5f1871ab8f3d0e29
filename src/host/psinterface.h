#pragma once

#include "host/ostrelinterfaces.h"

class MainWindow;
class Modul;

// Runs the whole tool for a host: the main window in hosted mode on the host's store directory,
// and, once the user has closed it, the summary of the chosen configuration to the callback.
class OSTREL_HOST_EXPORT PSInterface : public OstrelInterfaces
{
public:
    explicit PSInterface(QString dir);
    ~PSInterface() override;

    void configToSet(QString name) override;
    void exec() override;
    void callDoneFunction();

    static void parsePSLModule(OstrelInterfaces::OstrelConfig &cfg, Modul *module);
    static void parsePSBModule(OstrelInterfaces::OstrelConfig &cfg, Modul *module);
    // The record before any module is folded in: absent modules leave the AND fields true.
    static OstrelInterfaces::OstrelConfig initialConfig();

private:
    struct Run;

    MainWindow *m_mainWindow = nullptr;
    QString m_configName;
    QString m_dir;
    // Set while exec() runs its loop: a nested exec() returns at once, and deleting the object
    // ends the loop and leaves the window to exec(), which may be below a dialog of the tool.
    Run *m_run = nullptr;
};
