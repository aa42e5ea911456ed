#include "platform/core/CObject.h"

#include <gtest/gtest.h>

namespace {
class CSampleRecord : public CObject {
    DECLARE_DYNCREATE(CSampleRecord)
public:
    int m_nValue = 7;
};
} // namespace
IMPLEMENT_DYNCREATE(CSampleRecord, CObject, 3)

TEST(RuntimeClass, ClassesAreRegisteredBeforeMainAndCreateObjects) {
    const CRuntimeClass* cls = CRuntimeClass::FromName("CSampleRecord");
    ASSERT_EQ(cls, &CSampleRecord::classCSampleRecord);
    EXPECT_EQ(cls->m_wSchema, 3u);
    EXPECT_TRUE(cls->IsDerivedFrom(&CObject::classCObject));
    const std::unique_ptr<CObject> object = cls->CreateObject();
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->GetRuntimeClass(), cls);
    EXPECT_EQ(static_cast<CSampleRecord*>(object.get())->m_nValue, 7);
    EXPECT_EQ(CRuntimeClass::FromName("CNoSuchClass"), nullptr);
}
