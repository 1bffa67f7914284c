// Format as scripts see it; expected texts follow the reference runner
// except where noted.
#include <gtest/gtest.h>

#include <pscript/value.h>

#include "DelphiFormat.h"

namespace tarno {
namespace {

using pscript::Value;

Value I(int64_t v) { return Value::integer(v, pscript::varInteger); }
Value I64(int64_t v) { return Value::integer(v, pscript::varInt64); }
Value D(double v) { return Value::real(v); }
Value S(const char* v) { return Value::string(v); }

std::string F(const char* format, std::vector<Value> args) { return FormatText(format, args); }

TEST(Format, Integers) {
  EXPECT_EQ(F("%d|%5d|%-5d|%.5d|%3.5d", {I(-42), I(-42), I(-42), I(-42), I(-42)}), "-42|  -42|-42  |-00042|-00042");
  EXPECT_EQ(F("%u|%u", {I(-42), I64(4000000000)}), "4294967254|4000000000");
  EXPECT_EQ(F("%x|%X|%.4x|%x", {I(255), I(255), I(255), I(-42)}), "FF|FF|00FF|FFFFFFD6");
  EXPECT_EQ(F("%x|%d", {I64(12345678901), I64(12345678901)}), "2DFDC1C35|12345678901");
  EXPECT_EQ(F("%x", {I64(-5000000000)}), "FFFFFFFED5FA0E00");
  EXPECT_EQ(F("%08d|%-08d|", {I(-42), I(-42)}), "     -42|-42     |");
  EXPECT_EQ(F("%d", {Value::boolean(true)}), "1");
}

TEST(Format, Floats) {
  const double e = 1234567.891;
  EXPECT_EQ(F("%f|%.0f|%.3f|%10.1f|%-10.1f|", {D(e), D(e), D(e), D(e), D(e)}),
            "1234567.89|1234568|1234567.891| 1234567.9|1234567.9 |");
  EXPECT_EQ(F("%n|%.0n|%.1n", {D(e), D(e), D(-e)}), "1,234,567.89|1,234,568|-1,234,567.9");
  EXPECT_EQ(F("%m|%.0m|%m", {D(e), D(e), D(-e)}), "1,234,567.89$|1,234,568$|-1,234,567.89$");
  // Halves round away from zero on the decimal digits of the value.
  EXPECT_EQ(F("%.1f|%.1f|%.1f|%.0f|%.0f|%.2f|%5.1f", {D(0.05), D(0.25), D(0.35), D(0.5), D(1.5), D(-0.005), D(2.25)}),
            "0.1|0.3|0.4|1|2|-0.01|  2.3");
  EXPECT_EQ(F("%.3e|%.2e|%.0e", {D(e), D(e), D(e)}), "1.23E+006|1.2E+006|1.2E+006");
  EXPECT_EQ(F("%e", {D(-1.5e-300)}), "-1.50000000000000E-300");  // 15 digits (the runner's FPC build shows 17)
  EXPECT_EQ(F("%g|%.3g|%g|%g|%g", {D(e), D(e), D(0.000123), D(100.0), D(0.0)}), "1234567.891|1.23E6|0.000123|100|0");
  EXPECT_EQ(F("%g|%g|%g", {D(1e-4), D(1e-5), D(1e15)}), "0.0001|0.00001|1E15");
  EXPECT_EQ(F("%.0f|%.2f", {D(-0.4), D(1e20)}), "0|100000000000000000000.00");
}

TEST(Format, StringsIndexesAndStars) {
  EXPECT_EQ(F("%s|%5s|%-5s|%.2s|%8.3s|", {S("abc"), S("abc"), S("abc"), S("abc"), S("abcdef")}), "abc|  abc|abc  |ab|     abc|");
  EXPECT_EQ(F("%1:s %0:s %s", {S("a"), S("b")}), "b a b");
  EXPECT_EQ(F("%*d|%-*d|%.*f", {I(5), I(-42), I(5), I(-42), I(1), D(1234567.891)}), "  -42|-42  |1234567.9");
  EXPECT_EQ(F("%s", {Value::wideString(u"wide")}), "wide");
  EXPECT_EQ(F("100%%", {}), "100%");
  EXPECT_EQ(F("%p", {I(0x1234)}), "00001234");
}

TEST(Format, MismatchesAndMissingArgumentsAreErrors) {
  EXPECT_THROW(F("%d", {S("x")}), FormatError);
  EXPECT_THROW(F("%f", {I(1)}), FormatError);
  EXPECT_THROW(F("%s", {I(1)}), FormatError);
  EXPECT_THROW(F("%s", {D(1.5)}), FormatError);
  EXPECT_THROW(F("%x", {D(1.5)}), FormatError);
  EXPECT_THROW(F("%d %d", {I(1)}), FormatError);
  EXPECT_THROW(F("%5:d", {I(1)}), FormatError);
  EXPECT_THROW(F("%d", {Value()}), FormatError);
  try {
    F("[%d]", {S("x")});
    ADD_FAILURE() << "no error";
  } catch (const FormatError& e) {
    EXPECT_STREQ(e.what(), "Invalid argument index in format \"[%d]\"");
  }
}

TEST(Format, FaultyPlaceholdersAreErrors) {
  // The reference runner prints nothing for these; a faulty format is an error here.
  EXPECT_THROW(F("%q", {I(1)}), FormatError);
  EXPECT_THROW(F("abc%", {I(1)}), FormatError);
  EXPECT_THROW(F("%5", {I(1)}), FormatError);
}

}  // namespace
}  // namespace tarno
