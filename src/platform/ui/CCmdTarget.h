#pragma once
// Message maps: each class lists which of its member functions answer which command or
// colour query, and names its base class's map, which is searched next.
#include "platform/ui/Gdi.h"

class CCmdTarget;
class CDC;
class CWnd;

struct AFX_MSGMAP_ENTRY {
    enum Kind { End, Command, CtlColor, CtlColorReflect, DrawItem };
    Kind kind;
    UINT nID;
    UINT nCode;
    void (CCmdTarget::*pfnCommand)();
    HBRUSH (CCmdTarget::*pfnCtlColor)(CDC*, CWnd*, UINT);
    HBRUSH (CCmdTarget::*pfnCtlColorReflect)(CDC*, UINT);
    void (CCmdTarget::*pfnDrawItem)(int, DRAWITEMSTRUCT*);
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// The root of every class with a message map.
class CCmdTarget {
public:
    CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;
    virtual ~CCmdTarget() = default;

    virtual const AFX_MSGMAP* GetMessageMap() const;
    // Runs the handler mapped to the command; FALSE when no map along the chain has one.
    BOOL OnCmdMsg(UINT nID, UINT nCode);
    // The first entry of the given kind along the chain of maps, or null.
    const AFX_MSGMAP_ENTRY* FindMessageEntry(AFX_MSGMAP_ENTRY::Kind kind, UINT nID = 0,
                                             UINT nCode = 0) const;

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
};

#define DECLARE_MESSAGE_MAP()                                                                      \
protected:                                                                                         \
    static const AFX_MSGMAP* GetThisMessageMap();                                                  \
                                                                                                   \
public:                                                                                            \
    const AFX_MSGMAP* GetMessageMap() const override;                                              \
                                                                                                   \
private:

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const AFX_MSGMAP* theClass::GetMessageMap() const {                                            \
        return GetThisMessageMap();                                                                \
    }                                                                                              \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {                                              \
        using ThisClass [[maybe_unused]] = theClass;                                               \
        using TheBaseClass = baseClass;                                                            \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                          \
    { AFX_MSGMAP_ENTRY::End, 0, 0, nullptr, nullptr, nullptr, nullptr }                            \
    }                                                                                              \
    ;                                                                                              \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]};  \
    return &messageMap;                                                                            \
    }

#define ON_COMMAND_CODE(id, code, memberFxn)                                                       \
    {AFX_MSGMAP_ENTRY::Command,                                                                    \
     static_cast<UINT>(id),                                                                        \
     code,                                                                                         \
     static_cast<void (CCmdTarget::*)()>(memberFxn),                                               \
     nullptr,                                                                                      \
     nullptr,                                                                                      \
     nullptr},
#define ON_COMMAND(id, memberFxn) ON_COMMAND_CODE(id, 0, memberFxn)
#define ON_BN_CLICKED(id, memberFxn) ON_COMMAND_CODE(id, BN_CLICKED, memberFxn)
#define ON_STN_CLICKED(id, memberFxn) ON_COMMAND_CODE(id, STN_CLICKED, memberFxn)
#define ON_WM_CTLCOLOR()                                                                           \
    {AFX_MSGMAP_ENTRY::CtlColor,                                                                   \
     0,                                                                                            \
     0,                                                                                            \
     nullptr,                                                                                      \
     static_cast<HBRUSH (CCmdTarget::*)(CDC*, CWnd*, UINT)>(&ThisClass::OnCtlColor),               \
     nullptr,                                                                                      \
     nullptr},
#define ON_WM_CTLCOLOR_REFLECT()                                                                   \
    {AFX_MSGMAP_ENTRY::CtlColorReflect,                                                            \
     0,                                                                                            \
     0,                                                                                            \
     nullptr,                                                                                      \
     nullptr,                                                                                      \
     static_cast<HBRUSH (CCmdTarget::*)(CDC*, UINT)>(&ThisClass::CtlColor),                        \
     nullptr},
#define ON_WM_DRAWITEM()                                                                           \
    {AFX_MSGMAP_ENTRY::DrawItem,                                                                   \
     0,                                                                                            \
     0,                                                                                            \
     nullptr,                                                                                      \
     nullptr,                                                                                      \
     nullptr,                                                                                      \
     static_cast<void (CCmdTarget::*)(int, DRAWITEMSTRUCT*)>(&ThisClass::OnDrawItem)},
