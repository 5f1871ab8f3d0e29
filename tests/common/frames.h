#pragma once

#include "link/device.h"

// The frame the link would write for a command and its payload.
inline QByteArray frameOf(Device::COMMAND command, const QByteArray &payload = QByteArray())
{
    QByteArray frame;
    Device::buildFrame(command, payload, frame);
    return frame;
}
