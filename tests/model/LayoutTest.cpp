#include <gtest/gtest.h>

#include "Errors.h"
#include "ModelTestSupport.h"

namespace tarno {
namespace {

using test::ObjectFor;

TEST(Layout, WorkedExampleGivesAHeaderAndATwentySixByteRecord) {
  const TDataObject data = ObjectFor(test::kListDatSettings, "LIST.DAT");
  ASSERT_TRUE(data.HasLayout());
  EXPECT_TRUE(data.HasHeader);
  EXPECT_EQ(data.Header, 129u);
  EXPECT_EQ(data.RecordSize(), 26);
  ASSERT_EQ(data.Items.size(), 4u);

  const TDataItem& number = data.Items[0];
  EXPECT_EQ(number.Name, "Number");
  EXPECT_EQ(number.Offset, 0);
  EXPECT_EQ(number.Size, 2);
  EXPECT_EQ(number.ElementSize, 2);
  EXPECT_EQ(number.TypeChar, '#');
  EXPECT_EQ(number.Column, 1);
  EXPECT_EQ(number.FileName, "LIST.DAT");

  const TDataItem& title = data.Items[1];
  EXPECT_EQ(title.Offset, 2);
  EXPECT_EQ(title.TypeChar, '/');
  EXPECT_EQ(title.DefaultBytes, test::Bytes({0x00}));

  const TDataItem& flags = data.Items[2];
  EXPECT_EQ(flags.Offset, 22);
  EXPECT_EQ(flags.TypeChar, '$');
  EXPECT_EQ(flags.ScriptName, "Flag_Bits");
  EXPECT_EQ(flags.Column, -4);

  const TDataItem& check = data.Items[3];
  EXPECT_EQ(check.Offset, 24);
  EXPECT_EQ(check.TypeChar, '^');
  EXPECT_EQ(check.Column, 3);
}

TEST(Layout, SectionMatchingIgnoresAsciiCaseAndCommentsButNotInnerBlanks) {
  EXPECT_TRUE(ObjectFor("[List.Dat] ; remark\nITEM = A, 1, 1, , , 1\n", "LIST.DAT").HasLayout());
  EXPECT_FALSE(ObjectFor("[ LIST.DAT ]\nITEM = A, 1, 1, , , 1\n", "LIST.DAT").HasLayout());
  EXPECT_FALSE(ObjectFor("ITEM = A, 1, 1, , , 1\n[OTHER]\nITEM = B, 1, 1, , , 1\n", "LIST.DAT").HasLayout());
  EXPECT_FALSE(ObjectFor("[LIST.DAT]\nITEM = A, 1, 1, , , 1\n", "list.daT ").HasLayout());
}

TEST(Layout, HeaderLineTurnsTheHeaderOn) {
  const TDataObject zero = ObjectFor("[F]\nHEADER = 0\nITEM = A, 1, 1, , , 1\n", "F");
  EXPECT_TRUE(zero.HasHeader);
  EXPECT_EQ(zero.Header, 0u);
  const TDataObject none = ObjectFor("[F]\nITEM = A, 1, 1, , , 1\n", "F");
  EXPECT_FALSE(none.HasHeader);
  EXPECT_EQ(none.Header, 129u);
  const TDataObject wide = ObjectFor("[F]\nHEADER = $123456789\nITEM = A, 1, 1, , , 1\n", "F");
  EXPECT_EQ(wide.Header, 0x23456789u);  // the low 32 bits of a 64-bit value
  EXPECT_FALSE(ObjectFor("[F]\nHEADER = x1\nITEM = A, 1, 1, , , 1\n", "F").HasLayout());
}

TEST(Layout, OtherKeysAndBlankLinesAreIgnored) {
  const TDataObject data = ObjectFor("[F]\n\nVERSION = 2\n  ; note\nITEM = A, 1, 1, , , 1\n", "F");
  EXPECT_EQ(data.Items.size(), 1u);
}

TEST(Layout, AnyLayoutErrorDropsEveryEntry) {
  const char* broken[] = {
      "[F]\nITEM = A, 1, 1, , , 1\nplain words\n",        // a line without '=' inside the section
      "[F]\nITEM = A, 1, 1, , , 3\nITEM = B, 1, 1, , , -3\n",  // same absolute column
      "[F]\nITEM = A, 1, 1, , , 256\n",
      "[F]\nITEM = A, 1, 1, , , -256\n",
      "[F]\nITEM = A, 1, 1, , $, 1\n",                    // "$" alone
      "[F]\nITEM = A, 1, 1, , 00, 1\n",                   // no "$"
      "[F]\nITEM = A, 3, 1, , $0102, 1\n",                // 2 bytes do not divide 3
      "[F]\nITEM = A, 1, 1, , $0G, 1\n",
      "[F]\nITEM = A, 6, 4, , , 1\n",                     // 4 does not divide 6
      "[F]\nITEM = A, 6, 0, , , 1\n",
      "[F]\nITEM = A, -4, 2, , , 1\n",                    // negative size
      "[F]\nITEM = A, 8, 8, , , 1\n",                     // elements hold at most 4 bytes
      "[F]\nITEM = A, 1, -1, , , 1\n",
      "[F]\nITEM = A, , 1, , , 1\n",                      // empty integer
      "[F]\nITEM = A, 1x, 1, , , 1\n",
      "[F]\nITEM = A, 1, 1, , \n",                        // too few parts
      "[F]\nITEM = A, 1, 1, , , 2147483648\n",            // beyond 32 bits
      "[F]\nITEM = A\n",
  };
  for (const char* settings : broken) EXPECT_FALSE(ObjectFor(settings, "F").HasLayout()) << settings;
}

TEST(Layout, AcceptedCorners) {
  const TDataObject data = ObjectFor(
      "[F]\n"
      "ITEM = Empty, 0, 1, , , 255\n"
      "ITEM = Hex, 2, 1, $, $ABC, 1\n"
      "ITEM = Special, 1, 1, !crcptccable, , 2\n"
      "ITEM = Bang, 1, 1, !, , 3\n"
      "ITEM = Script, 4, 4, #Freq Val, , 4\n"
      "ITEM = Signed, +2, 0x2, , , -5, anything after\n",
      "F");
  ASSERT_EQ(data.Items.size(), 6u);
  EXPECT_EQ(data.Items[0].Size, 0);
  EXPECT_EQ(data.Items[1].DefaultBytes, test::Bytes({0x0A, 0xBC}));
  EXPECT_EQ(data.Items[2].SpecialName, "CRCPTCCABLE");
  EXPECT_EQ(data.Items[2].ScriptName, "");
  EXPECT_EQ(data.Items[3].TypeChar, '!');
  EXPECT_EQ(data.Items[3].SpecialName, "");
  EXPECT_EQ(data.Items[4].TypeChar, '#');
  EXPECT_EQ(data.Items[4].ScriptName, "Freq_Val");
  EXPECT_EQ(data.Items[5].Size, 2);
  EXPECT_EQ(data.Items[5].ElementSize, 2);
  EXPECT_EQ(data.Items[5].Column, -5);
  EXPECT_EQ(data.RecordSize(), 10);
}

// A seventh part names the field's role; what follows a further comma is ignored as before.
TEST(Layout, ASeventhPartIsTheFieldsRole) {
  const TDataObject data = ObjectFor(
      "[F]\n"
      "ITEM = Programm, 2, 2, #, $00, 1,  Nr \n"
      "ITEM = Sender, 8, 2, /, $00, 2, In use, more, parts\n"
      "ITEM = Plain, 1, 1, , , 3\n"
      "ITEM = Comma, 1, 1, , , 4,\n",
      "F");
  ASSERT_EQ(data.Items.size(), 4u);
  EXPECT_EQ(data.Items[0].Role, "Nr");
  EXPECT_EQ(data.Items[0].Column, 1);
  EXPECT_EQ(data.Items[1].Role, "In use");
  EXPECT_EQ(data.Items[2].Role, "");
  EXPECT_EQ(data.Items[3].Role, "");
  EXPECT_EQ(data.RecordSize(), 12);
}

TEST(Layout, ARepeatedSectionContinuesTheRecord) {
  const TDataObject data = ObjectFor(
      "[F]\nITEM = A, 2, 1, , , 1\n[G]\nITEM = X, 9, 1, , , 1\n[F]\nITEM = B, 4, 4, , , 2\n", "F");
  ASSERT_EQ(data.Items.size(), 2u);
  EXPECT_EQ(data.Items[1].Offset, 2);
  // The line that closes a section is not itself taken as a section line.
  EXPECT_EQ(ObjectFor("[F]\nITEM = A, 2, 1, , , 1\n[F]\nITEM = B, 4, 4, , , 2\n", "F").Items.size(), 1u);
  // Column numbers are shared by both parts.
  EXPECT_FALSE(ObjectFor("[F]\nITEM = A, 2, 1, , , 1\n[G]\n[F]\nITEM = B, 4, 4, , , 1\n", "F").HasLayout());
}

TEST(Layout, MissingSettingsFileIsAFileError) {
  EXPECT_THROW(TDataObject("/nonexistent/folder/TarnoChannelEdit.ini", "F"), FileError);
}

TEST(Layout, ParseLayoutIntegerSyntax) {
  EXPECT_EQ(ParseLayoutInteger("  -12", -100, 100), -12);
  EXPECT_EQ(ParseLayoutInteger("-$10", -100, 100), -16);
  EXPECT_EQ(ParseLayoutInteger("0x1f", -100, 100), 31);
  EXPECT_EQ(ParseLayoutInteger("-9223372036854775808", INT64_MIN, INT64_MAX), INT64_MIN);
  EXPECT_FALSE(ParseLayoutInteger("9223372036854775808", INT64_MIN, INT64_MAX));
  EXPECT_FALSE(ParseLayoutInteger("-", -100, 100));
  EXPECT_FALSE(ParseLayoutInteger("$", -100, 100));
  EXPECT_FALSE(ParseLayoutInteger("1 2", -100, 100));
  EXPECT_FALSE(ParseLayoutInteger("101", -100, 100));
}

}  // namespace
}  // namespace tarno
