// The base of every object that receives messages through a message map.
#pragma once

#include "message_map.h"
#include "object.h"

class CCmdTarget : public CObject {
public:
    // The class's own table, chained to its base's; null when it has none.
    virtual const MessageMapBase* GetMessageMap() const;

    static const CRuntimeClass runtimeClass;
    const CRuntimeClass* GetRuntimeClass() const override;
};
