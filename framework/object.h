// Runtime class descriptors: enough for creating an object from its class
// descriptor, which is how the Control Panel applet builds its window.
#pragma once

#include <new>

class CObject;

struct CRuntimeClass {
    const char* className;
    CObject* (*create)();  // null for classes that cannot be created dynamically

    // Returns null when the class is not creatable or allocation fails.
    CObject* CreateObject() const;
};

class CObject {
public:
    CObject() = default;
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;
    virtual ~CObject() = default;

    virtual const CRuntimeClass* GetRuntimeClass() const;

    static const CRuntimeClass runtimeClass;
};

// The factory stored in a creatable class's descriptor.
template <class T>
CObject* CreateDynamicObject()
{
    return new (std::nothrow) T;
}
