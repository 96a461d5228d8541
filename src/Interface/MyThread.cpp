#include "Interface/MyThread.h"

#include <QDebug>

namespace {
constexpr int kRunItem = 2;
}

MyThread::MyThread(int nType) : m_nType(nType) {}

void MyThread::run()
{
    if (m_nType == kRunItem && m_pItemProc)
        m_pItemProc(m_pVoid);
}

void MyThread::recMsgFromMain(QString qstrValue)
{
    qDebug() << "Child thread received" << qstrValue;
}
