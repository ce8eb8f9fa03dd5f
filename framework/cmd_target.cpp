#include "cmd_target.h"

const CRuntimeClass CCmdTarget::runtimeClass = {"CCmdTarget", nullptr};

const MessageMapBase* CCmdTarget::GetMessageMap() const
{
    return nullptr;
}

const CRuntimeClass* CCmdTarget::GetRuntimeClass() const
{
    return &runtimeClass;
}
