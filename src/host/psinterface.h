#pragma once

#include "ostrelinterfaces.h"

class MainWindow;
class Modul;

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
    static OstrelInterfaces::OstrelConfig initialConfig();

private:
    MainWindow *m_mainWindow = nullptr;
    QString m_configName;
    QString m_dir;
    // Set while exec() runs its loop, so that deleting the object from inside the loop ends
    // the loop instead of leaving exec() running on a dead object.
    bool *m_destroyed = nullptr;
    class QEventLoop *m_loop = nullptr;
};
