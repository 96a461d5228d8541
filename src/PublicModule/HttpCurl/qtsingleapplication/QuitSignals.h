#pragma once

class QCoreApplication;

// SIGTERM and SIGINT end the event loop with status 0, so the program leaves by its normal
// exit (transfers aborted, settings saved) instead of dying; a second signal, should that
// exit hang, takes the default action.
void quitOnStopSignals(QCoreApplication* pApp);
