#pragma once

// Shared by the fuzz executables: silence the protocol's debug log (it would dominate
// the run time) and turn a harness failure into a crash libFuzzer keeps.

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

inline void fuzzQuietMessages(QtMsgType, const QMessageLogContext&, const QString&) {}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qInstallMessageHandler(fuzzQuietMessages);
    return 0;
}

inline void fuzzCheck(const QString& failure)
{
    if (failure.isEmpty())
        return;
    std::fprintf(stderr, "fuzz check failed: %s\n", failure.toUtf8().constData());
    std::abort();
}
