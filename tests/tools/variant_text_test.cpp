// A script's result as ANSI text.
#include <gtest/gtest.h>

#include "platform/variant_text.h"

namespace {

TEST(VariantToAnsiText, StringsAsTheyAreOtherValuesConvertedOrEmpty) {
    VARIANT text;
    VariantInit(&text);
    V_VT(&text) = VT_BSTR;
    V_BSTR(&text) = SysAllocString(L"\u4E2D\u6587 1.5");
    EXPECT_EQ(quenvar::VariantToAnsiText(text), "中文 1.5");
    VariantClear(&text);

    VARIANT number;
    VariantInit(&number);
    V_VT(&number) = VT_I4;
    V_I4(&number) = -42;
    EXPECT_EQ(quenvar::VariantToAnsiText(number), "-42");

    VARIANT missing;
    VariantInit(&missing);
    V_VT(&missing) = VT_NULL;
    EXPECT_EQ(quenvar::VariantToAnsiText(missing), "");

    VARIANT tooLate;
    VariantInit(&tooLate);
    V_VT(&tooLate) = VT_DATE;
    V_DATE(&tooLate) = 2958466.5;  // 1 January 10000
    EXPECT_EQ(quenvar::VariantToAnsiText(tooLate), "");
}

}  // namespace
