// What the start-up probes tell the benchmark: one byte on the pipe named by
// TETHRIX_PROBE_FD once the window is shown. Header-only, so that the bare
// Qt reference links nothing of the program's.
#pragma once
#include <QtGlobal>

#include <unistd.h>

inline void TellWindowShown()
{
    if (const int fd = qEnvironmentVariableIntValue("TETHRIX_PROBE_FD"); fd > 0) {
        const char shown = 1;
        (void)!write(fd, &shown, 1);
    }
}
