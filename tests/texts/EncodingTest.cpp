// Display decoding of 8-bit texts by character-set number.
#include "platform/Encoding.h"

#include <gtest/gtest.h>

TEST(EncodingTest, CharsetSelectsTheCodePage) {
    // "Mégsem, Súgó, ő" in code page 1250; 0xF5 is o-double-acute there, o-tilde in 1252.
    const std::string bytes = "M\xE9gsem, S\xFAg\xF3, \xF5 \x8A";
    EXPECT_EQ(platform::DecodeText(bytes, 238), QString::fromUtf8("Mégsem, Súgó, ő Š"));
    EXPECT_EQ(platform::DecodeText(bytes, 1), QString::fromUtf8("Mégsem, Súgó, õ Š"));
    EXPECT_EQ(platform::DecodeText(bytes, 0), platform::DecodeText(bytes, 1));
    EXPECT_EQ(platform::DecodeText("\x80\x81", 1), QString::fromUtf8("€\u0081"));
    EXPECT_EQ(platform::DecodeText("plain", 12345), "plain");
}
