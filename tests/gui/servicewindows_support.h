#pragma once

// Shared by the window tests that talk to a unit: the unit played on a pseudo-terminal, or
// simulated.

#include "frames.h"
#include "link/usbmanager.h"
#include "ptypair.h"
#include "simprocess.h"

#include <QtTest>

// The text of a PDF the program wrote, blanks collapsed.
inline QString pdfText(const QString &path)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    pdftotext.waitForFinished(60000);
    return QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
}

template<typename T>
T *child(const QObject &parent, const char *name)
{
    if (T *widget = parent.findChild<T *>(QLatin1String(name)))
        return widget;
    qFatal("missing %s", name);
}

// The link opened on a pseudo-terminal whose master side the test plays as the unit.
struct PtyUnit
{
    PtyPair pty;
    USBManager link;

    bool open() { return pty.isValid() && link.openPort(pty.slavePath()); }
    void answer(Device::COMMAND command, const QByteArray &payload)
    {
        pty.write(frameOf(command, payload));
    }
    // The next request with the given command; the link's idle clock reads on the way are
    // answered so that its queue keeps moving.
    QByteArray request(Device::COMMAND command)
    {
        for (QByteArray frame; (frame = pty.readFrame(5000)).size() >= 7;) {
            if (Device::COMMAND(frame.at(4)) == command)
                return frame;
            if (Device::COMMAND(frame.at(4)) == Device::ReadClock)
                answer(Device::ClockData, QByteArray::fromHex("180101000000"));
        }
        return QByteArray();
    }
};

// The simulated unit, unpaced, with a link to open on its pseudo-terminal.
struct SimUnit
{
    explicit SimUnit(const QStringList &arguments = {})
        : process(QStringLiteral(OSTREL_SIM_PATH), QStringList{"--fast"} + arguments) { }
    bool open() { return process.start() && link.openPort(process.portName()); }

    SimProcess process;
    USBManager link;
};
