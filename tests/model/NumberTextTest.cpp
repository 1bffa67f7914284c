#include <gtest/gtest.h>

#include "TarnoChannelEditUnit003.h"

namespace tarno {
namespace {

TEST(IntToBaseText, KeepsTheLowDigitsOfTheElementWidth) {
  EXPECT_EQ(IntToBaseText(10, kDecimal, 1), "010");
  EXPECT_EQ(IntToBaseText(10, kHex, 1), "0A");
  EXPECT_EQ(IntToBaseText(4660, kHex, 2), "1234");
  EXPECT_EQ(IntToBaseText(5, kDecimal, 4), "0000000005");
  EXPECT_EQ(IntToBaseText(255, kBinary, 1), "11111111");
  EXPECT_EQ(IntToBaseText(65535, kOctal, 2), "177777");
  EXPECT_EQ(IntToBaseText(300, kHex, 1), "2C");  // the high digit is dropped
  EXPECT_EQ(IntToBaseText(0xFFFFFFFF, kDecimal, 4), "4294967295");
  EXPECT_EQ(IntToBaseText(0xFFFFFFFF, kOctal, 4), "37777777777");
  EXPECT_EQ(IntToBaseText(0x123456, kHex, 3), "123456");
}

TEST(IntToBaseText, GivesNothingForUnknownBasesAndSizes) {
  EXPECT_EQ(IntToBaseText(1, kNoBase, 1), "");
  EXPECT_EQ(IntToBaseText(1, kDecimal, 0), "");
  EXPECT_EQ(IntToBaseText(1, kDecimal, 5), "");
}

TEST(BaseTextToInt, ReadsFromTheRightUntilANonAlphanumeric) {
  EXPECT_EQ(BaseTextToInt("12", kDecimal), 12u);
  EXPECT_EQ(BaseTextToInt("-5", kDecimal), 5u);
  EXPECT_EQ(BaseTextToInt("1.5", kDecimal), 5u);
  EXPECT_EQ(BaseTextToInt("12a", kDecimal), 130u);
  EXPECT_EQ(BaseTextToInt("FF", kHex), 255u);
  EXPECT_EQ(BaseTextToInt("ff", kHex), 255u);
  EXPECT_EQ(BaseTextToInt("G", kHex), 16u);
  EXPECT_EQ(BaseTextToInt("", kDecimal), 0u);
  EXPECT_EQ(BaseTextToInt("12", kNoBase), 0u);
}

TEST(BaseTextToInt, WrapsLongTextsInsteadOfLeavingThePowerTable) {
  EXPECT_EQ(BaseTextToInt("4294967296", kDecimal), 0u);
  EXPECT_EQ(BaseTextToInt("12345678901", kDecimal), static_cast<uint32_t>(12345678901ULL));
  EXPECT_EQ(BaseTextToInt(std::string(100, '1') , kBinary), 0xFFFFFFFFu);
  EXPECT_EQ(BaseTextToInt("1" + std::string(8, '0'), kHex), 0u);
  EXPECT_EQ(BaseTextToInt(std::string(1000, '9'), kOctal), BaseTextToInt(std::string(1000, '9'), kOctal));
}

TEST(NextNumber, APrefixSwitchesTheBaseForFollowingNumbers) {
  std::string text = " $1F 20";
  int base = kDecimal;
  EXPECT_EQ(NextNumber(text, base), 31u);
  EXPECT_EQ(text, "20");
  EXPECT_EQ(base, kHex);
  EXPECT_EQ(NextNumber(text, base), 32u);
  EXPECT_EQ(text, "");
}

TEST(NextNumber, TakesOneTokenUpToTheFirstBlank) {
  std::string text = "\t12  34 \r\n";
  int base = kDecimal;
  EXPECT_EQ(NextNumber(text, base), 12u);
  EXPECT_EQ(text, " 34");
  EXPECT_EQ(NextNumber(text, base), 34u);
}

ElementBytes Bytes(uint8_t b0, uint8_t b1 = 0, uint8_t b2 = 0, uint8_t b3 = 0) { return {b0, b1, b2, b3}; }

std::u16string Shown(const ElementBytes& bytes, int size, char type) {
  std::u16string text;
  EXPECT_TRUE(ValueToText(bytes, size, type, text));
  return text;
}

TEST(ValueToText, NumbersAreLittleEndianWithATrailingBlank) {
  EXPECT_EQ(Shown(Bytes(0x34, 0x12), 2, '#'), u"04660 ");
  EXPECT_EQ(Shown(Bytes(0x34, 0x12), 2, '$'), u"1234 ");
  EXPECT_EQ(Shown(Bytes(0x01, 0x02, 0x03, 0x04), 4, '$'), u"04030201 ");
  EXPECT_EQ(Shown(Bytes(0x05), 1, '%'), u"00000101 ");
  EXPECT_EQ(Shown(Bytes(0x01, 0x02, 0x03), 3, '$'), u"030201 ");  // 3-byte elements keep their width
  EXPECT_EQ(Shown(Bytes(7), 1, 'x'), u" ");                      // no base: only the blank
}

TEST(ValueToText, TextSkipsZerosAndMapsTheCodePage) {
  std::u16string text;
  for (uint8_t b : {0x41, 0x00, 0x42, 0x00}) ASSERT_TRUE(ValueToText(Bytes(b), 1, '/', text));
  EXPECT_EQ(text, u"AB");
  EXPECT_EQ(Shown(Bytes(0x80), 1, '/'), u"\u20AC");
  EXPECT_EQ(Shown(Bytes(0x81), 1, '/'), u"\u0081");  // undefined bytes keep their value
  EXPECT_EQ(Shown(Bytes(0x04, 0x1F), 2, '/'), u"\u041F");  // high byte first
  std::u16string none;
  EXPECT_FALSE(ValueToText(Bytes(0x41), 4, '/', none));
}

TEST(ValueToText, ReversedTextPutsEachCharacterInFront) {
  std::u16string text;
  for (uint8_t b : {0x43, 0x42, 0x41}) ASSERT_TRUE(ValueToText(Bytes(b), 1, '\\', text));
  EXPECT_EQ(text, u"ABC");
  EXPECT_FALSE(ValueToText(Bytes(0x41), 2, '\\', text));
}

TEST(TextToValue, NumbersMustFitTheirElement) {
  ElementBytes bytes{};
  char type = '#';
  std::u16string text = u"256";
  EXPECT_FALSE(TextToValue(bytes, 1, type, text));
  text = u"255";
  EXPECT_TRUE(TextToValue(bytes, 1, type, text));
  EXPECT_EQ(bytes[0], 255);
  text = u"";
  EXPECT_FALSE(TextToValue(bytes, 1, type, text));
}

TEST(TextToValue, APrefixStaysInForceForTheNextElements) {
  char type = '#';
  std::u16string text = u"$10 20";
  ElementBytes bytes{};
  ASSERT_TRUE(TextToValue(bytes, 1, type, text));
  EXPECT_EQ(bytes[0], 0x10);
  EXPECT_EQ(type, '$');
  ASSERT_TRUE(TextToValue(bytes, 1, type, text));
  EXPECT_EQ(bytes[0], 0x20);
}

// Stores text into `count` one-byte elements of a field of the given type.
std::vector<uint8_t> StoredBytes(char type, std::u16string text, int count) {
  std::vector<uint8_t> stored;
  for (int i = 0; i < count; ++i) {
    ElementBytes bytes{};
    EXPECT_TRUE(TextToValue(bytes, 1, type, text));
    stored.push_back(bytes[0]);
  }
  return stored;
}

TEST(TextToValue, TextFieldsPadWithZeros) {
  EXPECT_EQ(StoredBytes('/', u"AB", 4), (std::vector<uint8_t>{0x41, 0x42, 0x00, 0x00}));

  char type = '/';
  std::u16string text = u"\u20AC\u041F";
  ElementBytes bytes{};
  ASSERT_TRUE(TextToValue(bytes, 1, type, text));
  EXPECT_EQ(bytes[0], 0x80);
  ASSERT_TRUE(TextToValue(bytes, 1, type, text));
  EXPECT_EQ(bytes[0], '?');  // no such character in the code page
  text = u"\u041F";
  ASSERT_TRUE(TextToValue(bytes, 2, type, text));
  EXPECT_EQ(bytes[0], 0x04);
  EXPECT_EQ(bytes[1], 0x1F);
}

TEST(TextToValue, ReversedTextStoresTheLastCharacterFirst) {
  EXPECT_EQ(StoredBytes('\\', u"XY", 3), (std::vector<uint8_t>{0x59, 0x58, 0x00}));
}

TEST(NumberText, EveryOneByteValueRoundTripsInEveryBase) {
  for (int base = 0; base < kBaseCount; ++base) {
    for (int size = 1; size <= 4; ++size) {
      for (uint32_t value : {0u, 1u, 127u, 255u, 0x1234u, 0xFFFFu, 0x123456u, 0xFFFFFFFFu}) {
        if (size < 4 && value >= (1u << (8 * size))) continue;
        ElementBytes bytes{static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
                           static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 24)};
        const char type = BasePrefix[base];
        std::u16string text;
        ASSERT_TRUE(ValueToText(bytes, size, type, text));
        ElementBytes back{};
        char working = type;
        ASSERT_TRUE(TextToValue(back, size, working, text)) << base << " " << size << " " << value;
        EXPECT_EQ(back, bytes);
      }
    }
  }
}

}  // namespace
}  // namespace tarno
