#include <new>

#include "object.h"

const CRuntimeClass CObject::runtimeClass = {"CObject", nullptr};

CObject* CRuntimeClass::CreateObject() const
{
    return create ? create() : nullptr;
}

const CRuntimeClass* CObject::GetRuntimeClass() const
{
    return &runtimeClass;
}
