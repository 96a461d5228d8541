#include "GlobleParamBase.h"

#include "PublicModule/HttpCurl/globleBase/CppDataBase.h"

#include <QDebug>

namespace {
GlobleParamBase* s_pBaseInstance = nullptr;
}

GlobleParamBase::GlobleParamBase()
{
    s_pBaseInstance = this;
    GetArgumentsBase();
}

GlobleParamBase::~GlobleParamBase()
{
    if (s_pBaseInstance == this)
        s_pBaseInstance = nullptr;
}

GlobleParamBase* GlobleParamBase::GetInstance()
{
    return s_pBaseInstance;
}

// The shared layer honours no switch of its own; the list is only logged.
void GlobleParamBase::GetArgumentsBase()
{
    qDebug() << "GlobleParamBase::GetArgumentsBase..."
             << CppDataBase::GetInstance()->getArguments();
}
