#pragma once
#include "platform/ui/CWnd.h"

// A static text or picture control.
class CStatic : public CWnd {
public:
    CStatic() = default;
    ~CStatic() override = default;
};
