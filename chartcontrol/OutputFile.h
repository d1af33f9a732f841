#pragma once

#include "platform/Status.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <string>
#include <string_view>

// Takes the next piece of what is written; false when it could not, after which the writer
// sends nothing more.
using OutputSink = std::function<bool(std::string_view)>;

// Writes an export where the user named it, piece by piece as write sends them to its sink,
// so that nothing is held whole. "-" is standard output. A path that exists and is no regular
// file (a FIFO, a character device, a link to one) is written in place as a stream and never
// replaced. A regular file, or a name not yet taken, is replaced whole or not at all, once
// write has sent its last piece; a link to a regular file stays a link, its target replaced.
// A failed status gives the system's reason.
SStatus StreamOutput(const QString& strPath, const std::function<void(const OutputSink&)>& write);
// The same for bytes at hand.
SStatus WriteOutput(const QString& strPath, const QByteArray& bytes);
// "cannot write 'PATH': why", for a file the user named; why is the system's reason of errno
// nError, or the program's own words.
SStatus FileNotWritten(const QString& strPath, int nError);
SStatus FileNotWritten(const QString& strPath, const std::string& strWhy);
