#include "Interface/MyThread.h"

#include <QDebug>

namespace {
constexpr int kRunTransfer = 1; // one request record, built before the job was queued
constexpr int kRunItem = 2;
}

MyThread::MyThread(int nType) : m_nType(nType) {}

void MyThread::run()
{
    if ((m_nType == kRunTransfer || m_nType == kRunItem) && m_pItemProc)
        m_pItemProc(m_pVoid);
}

void MyThread::recMsgFromMain(QString qstrValue)
{
    qDebug() << "Child thread received" << qstrValue;
}
