#include "PublicModule/HttpCurl/httpBase/MyThreadBase.h"

#include "PublicModule/HttpCurl/httpBase/HTTPEvent_KX.h"
#include "PublicModule/HttpCurl/httpBase/WebInterface.h"

#include <QDebug>

MyThreadBase::MyThreadBase(int nType) : m_nType(nType) {}

MyThreadBase::~MyThreadBase()
{
    delete m_hEv;
}

void MyThreadBase::run()
{
    if (m_nType != 0)
        return;
    HTTPEvent_KX* hEv = m_hEv;
    m_hEv = nullptr; // the runner owns and deletes it from here on
    WebInterface::ThreadProc(hEv);
}

void MyThreadBase::recMsgFromMain(QString qstrValue)
{
    qDebug() << "Child thread received" << qstrValue;
}
