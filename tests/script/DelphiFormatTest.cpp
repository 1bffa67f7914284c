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
  // %e and %g show all 17 digits a double has, as the reference does for Double variables.
  EXPECT_EQ(F("%e|%e", {D(-1.5e-300), D(0.0)}), "-1.5000000000000001E-300|0.0000000000000000E+000");
  EXPECT_EQ(F("%g|%.3g|%g|%g|%g", {D(e), D(e), D(0.000123), D(100.0), D(0.0)}),
            "1234567.8910000001|1.23E6|0.00012300000000000001|100|0");
  EXPECT_EQ(F("%g|%g|%g|%g|%.1g", {D(1e-4), D(1e-5), D(1e15), D(1e22), D(2.5)}),
            "0.0001|0.000010000000000000001|1000000000000000|1E22|2.5");
  EXPECT_EQ(F("%.0f|%.2f", {D(-0.4), D(1e20)}), "0|100000000000000000000.00");
}

TEST(Format, StringsIndexesAndStars) {
  EXPECT_EQ(F("%s|%5s|%-5s|%.2s|%8.3s|", {S("abc"), S("abc"), S("abc"), S("abc"), S("abcdef")}), "abc|  abc|abc  |ab|     abc|");
  EXPECT_EQ(F("%1:s %0:s %s", {S("a"), S("b")}), "b a b");
  EXPECT_EQ(F("%*d|%-*d|%.*f", {I(5), I(-42), I(5), I(-42), I(1), D(1234567.891)}), "  -42|-42  |1234567.9");
  EXPECT_EQ(F("%s", {Value::wideString(u"wide")}), "wide");
  EXPECT_EQ(F("100%%", {}), "100%");
}

TEST(Format, ArgumentsTheReferenceDoesNotTake) {
  EXPECT_THROW(F("%p", {I(0x1234)}), FormatError);  // scripts have no pointers
  EXPECT_THROW(F("%f", {Value::real(1.5, pscript::varCurrency)}), FormatError);
  EXPECT_THROW(F("%m", {Value::real(1.5, pscript::varCurrency)}), FormatError);
  EXPECT_EQ(F("%d|%u|%x", {Value::integer(4000000000, pscript::varLongWord), Value::integer(4000000000, pscript::varLongWord),
                           Value::integer(4000000000, pscript::varLongWord)}),
            "-294967296|4000000000|EE6B2800");  // a Cardinal arrives as a 32-bit Integer
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
  try {
    F("%5", {I(1)});
    ADD_FAILURE() << "no error";
  } catch (const FormatError& e) {
    EXPECT_STREQ(e.what(), "Invalid format specifier : \"%5\"");
  }
}

}  // namespace
}  // namespace tarno
