#include "Interface/MyThread.h"

#include "PublicModule/HttpCurl/httpBase/HTTPEvent_KX.h"
#include "PublicModule/HttpCurl/httpBase/WebInterface.h"

#include <QDebug>

namespace {
constexpr int kRunRecord = 1;
constexpr int kRunItem = 2;
} // namespace

MyThread::MyThread(int nType) : m_nType(nType) {}

MyThread::~MyThread()
{
    if (m_nType == kRunRecord)
        delete static_cast<HTTPEvent_KX*>(m_pVoid);
}

void MyThread::setRecord(HTTPEvent_KX* pRecord)
{
    m_nType = kRunRecord;
    m_pVoid = pRecord;
}

void MyThread::run()
{
    if (m_nType == kRunRecord) {
        void* pRecord = m_pVoid;
        m_pVoid = nullptr; // the runner owns and deletes it from here on
        WebInterface::ThreadProc(pRecord);
    } else if (m_nType == kRunItem && m_pItemProc) {
        m_pItemProc(m_pVoid);
    }
}

void MyThread::recMsgFromMain(QString qstrValue)
{
    qDebug() << "Child thread received" << qstrValue;
}
