#pragma once

class QThreadPool;

// Worker pools register here so that the shell can let their running work finish
// (bounded) before the QML engine deletes the objects that work uses.
void registerPoolForDrain(QThreadPool* pPool);
void drainPools(int nMsecs);
