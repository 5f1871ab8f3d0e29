#pragma once

#include "gui/dialogs.h"

#include <QDialog>

#include <functional>

// Plays the user for the modal dialogs the product runs through the seam: each exec() hands the
// dialog, fully built, to the test's script, whose result is returned as the dialog's result.
class ScriptedDialogs : public Dialogs
{
public:
    ScriptedDialogs() { Dialogs::setInstance(this); }
    ~ScriptedDialogs() override { Dialogs::setInstance(nullptr); }

    std::function<int(QDialog *)> onExec;
    int execCount = 0;

    int exec(QDialog *dialog) override
    {
        ++execCount;
        return onExec ? onExec(dialog) : int(QDialog::Rejected);
    }
};
