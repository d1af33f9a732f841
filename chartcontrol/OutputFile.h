#pragma once

#include "platform/Status.h"

#include <QByteArray>
#include <QString>

// Writes an export where the user named it. "-" is standard output. A path that exists and
// is no regular file (a FIFO, a character device, a link to one) is written in place as a
// stream and never replaced. A regular file, or a name not yet taken, is replaced whole or
// not at all; a link to a regular file stays a link, its target replaced. A failed status
// gives the system's reason.
SStatus WriteOutput(const QString& strPath, const QByteArray& bytes);
