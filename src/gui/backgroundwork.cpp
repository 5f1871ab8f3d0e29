#include "backgroundwork.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>

#include <memory>

namespace BackgroundWork {

bool run(const std::function<bool(Control *)> &work, QWidget *progressParent,
         const QString &label)
{
    Control control;
    bool ok = false;
    std::unique_ptr<QThread> thread(QThread::create([&] { ok = work(&control); }));
    QEventLoop loop;
    QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
    QPointer<QProgressDialog> dialog;
    QTimer ticker;
    if (progressParent) {
        dialog = new QProgressDialog(label,
                                     QCoreApplication::translate("ReportPrinter", "Anuluj"), 0,
                                     Steps, progressParent);
        dialog->setWindowModality(Qt::WindowModal);
        dialog->setMinimumDuration(300);
        dialog->setAutoClose(false);
        dialog->setAutoReset(false);
        dialog->setValue(0);
        QObject::connect(dialog.data(), &QProgressDialog::canceled, &loop,
                         [&control] { control.cancelled = true; });
        // cancel() called on the dialog itself emits nothing: it is read off the dialog too.
        QObject::connect(&ticker, &QTimer::timeout, &loop, [&] {
            if (dialog && dialog->wasCanceled())
                control.cancelled = true;
            else if (dialog)
                dialog->setValue(control.done);
        });
        ticker.start(40);
    }
    thread->start();
    loop.exec(progressParent ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
    thread->wait();
    ticker.stop();
    const bool cancelled = control.cancelled || (dialog && dialog->wasCanceled());
    delete dialog.data();
    return ok && !cancelled;
}

} // namespace BackgroundWork
