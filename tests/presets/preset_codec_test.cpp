// The codec: byte-exact entries, every type code, the lookup rules of keys,
// and the round trip of every kind's factory record.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "effects/border.h"
#include "filters/filter_preset_kinds.h"
#include "filters/transform3d_params.h"
#include "presets/param_record.h"
#include "presets/preset_codec.h"
#include "presets/preset_fixture.h"
#include "presets/preset_kinds.h"
#include "presets/preset_store.h"
#include "tools/metabrush_tool.h"

namespace vx {
namespace {

std::string Encode(const PresetKind& kind, const void* record) {
  std::vector<char> text(kEntryBufferSize);
  std::size_t length = 0;
  EXPECT_EQ(kNoErr, EncodeRecord(kind, record, text.data(), text.size(), &length));
  return std::string(text.data(), length);
}

void Decode(const PresetKind& kind, const std::string& text, void* record) {
  DecodeRecord(kind, text.data(), text.size(), record);
}

void Name(void* record, const char* name) {
  std::memset(record, 0, kParamNameSize);
  std::strcpy(static_cast<char*>(record), name);
}

// A record with one field of every type code.
struct AllTypes {
  char name[64];
  int32_t longValue;
  int16_t shortValue;
  int16_t pad;
  char text[16];
  unsigned char counted[8];
  int32_t flag;
  float real;
  int32_t fixed;
  uint32_t ulong;
  int32_t intValue;
  AIRealPoint point;
  AIColor colour;
};
const PresetField kAllFields[] = {
    {"L", kPresetLong, offsetof(AllTypes, longValue), 0},
    {"S", kPresetShort, offsetof(AllTypes, shortValue), 0},
    {"T", kPresetText, offsetof(AllTypes, text), 16},
    {"CT", kPresetCountedText, offsetof(AllTypes, counted), 8},
    {"Fl", kPresetFlag, offsetof(AllTypes, flag), 0},
    {"R", kPresetReal, offsetof(AllTypes, real), 0},
    {"Fx", kPresetFixed, offsetof(AllTypes, fixed), 0},
    {"U", kPresetULong, offsetof(AllTypes, ulong), 0},
    {"I", kPresetInt, offsetof(AllTypes, intValue), 0},
    {"P", kPresetPoint, offsetof(AllTypes, point), 0},
    {"C", kPresetColour, offsetof(AllTypes, colour), 0}};
const PresetKind kAllKind = {"all.txt", "AllTypes", sizeof(AllTypes),
                             kAllFields, 11, 0, nullptr};

AllTypes SampleAllTypes() {
  AllTypes a;
  std::memset(&a, 0, sizeof a);
  Name(&a, "Sample");
  a.longValue = -2147483647 - 1;
  a.shortValue = -2;
  std::strcpy(a.text, "plain text");
  a.counted[0] = 3;
  std::memcpy(a.counted + 1, "abc", 3);
  a.flag = 7;
  a.real = -0.1f;
  a.fixed = 0x18000;  // 1.5
  a.ulong = 4294967295u;
  a.intValue = 123456;
  a.point = {1.25f, -3.5f};
  a.colour.kind = kThreeColor;
  a.colour.c.rgb = {0.25f, 0.5f, 1.0f};
  return a;
}

TEST(PresetCodec, EveryTypeCodeHasItsTextFormAndReadsBack) {
  const AllTypes a = SampleAllTypes();
  const std::string text = Encode(kAllKind, &a);
  EXPECT_EQ(
      "$\tSample\r\n"
      "L\t-2147483648\r\nS\t-2\r\nT\tplain text\r\nCT\tabc\r\nFl\t1\r\n"
      "R\t-0.100000\r\nFx\t1.500000\r\nU\t4294967295\r\nI\t123456\r\n"
      "P\t1.250000,-3.500000\r\nC\t5,0.250000,0.500000,1.000000,0.000000\r\n",
      text);
  // Read back into zeros, every byte after the name is the sample's; a
  // flag reads as 1.
  AllTypes b, expected = a;
  std::memset(&b, 0, sizeof b);
  Decode(kAllKind, text, &b);
  expected.flag = 1;
  const std::size_t fields = offsetof(AllTypes, longValue);
  EXPECT_EQ(0, std::memcmp(reinterpret_cast<const char*>(&expected) + fields,
                           reinterpret_cast<const char*>(&b) + fields, sizeof b - fields))
      << Encode(kAllKind, &b);
}

struct ValueCase {
  const char* key;
  const char* value;
  const char* expect;  // the field re-encoded, or "" when unchanged
};

class DecodeValue : public ::testing::TestWithParam<ValueCase> {};

TEST_P(DecodeValue, ReadsAsScanfWould) {
  const ValueCase& c = GetParam();
  AllTypes a = SampleAllTypes();
  const std::string before = Encode(kAllKind, &a);
  std::string entry = std::string("$\tX\r\n") + c.key + "\t" + c.value + "\r\n";
  Decode(kAllKind, entry, &a);
  std::string after = Encode(kAllKind, &a);
  char out[600];
  ASSERT_TRUE(FindPresetValue(after.data(), after.size(), c.key, out, sizeof out));
  if (*c.expect) {
    EXPECT_STREQ(c.expect, out);
  } else {
    EXPECT_EQ(before, after);
  }
}

INSTANTIATE_TEST_SUITE_P(
    PresetCodec, DecodeValue,
    ::testing::Values(
        ValueCase{"Fl", "0", "0"}, ValueCase{"Fl", "1", "1"},
        ValueCase{"Fl", "2", "1"}, ValueCase{"Fl", "", "1"},
        ValueCase{"S", "-1", "-1"}, ValueCase{"S", "65535", "-1"},
        ValueCase{"S", "  +12xyz", "12"}, ValueCase{"S", "abc", ""},
        ValueCase{"L", "99999999999", "2147483647"},
        ValueCase{"U", "-1", "4294967295"},
        ValueCase{"R", "1e40", "inf"}, ValueCase{"R", "-1e-50", "-0.000000"},
        ValueCase{"R", "2.5,7", "2.500000"}, ValueCase{"R", "x", ""},
        ValueCase{"Fx", "-1.99999", "-1.999985"},
        ValueCase{"P", "3", "3.000000,-3.500000"},
        ValueCase{"P", "3;4", "3.000000,-3.500000"},
        ValueCase{"T", "a longer text than sixteen", "a longer text t"},
        ValueCase{"CT", "abcdefghij", "abcdefg"},
        ValueCase{"C", "0,0.5,9,9,9", "0,0.500000,0.000000,0.000000,0.000000"},
        ValueCase{"C", "1,0.1,0.2,0.3,0.4", "1,0.100000,0.200000,0.300000,0.400000"},
        ValueCase{"C", "x", ""}));

TEST(PresetCodec, ColourOfKindNoneKeepsItsValues) {
  AllTypes a = SampleAllTypes();
  a.colour.kind = kNoneColor;
  a.colour.c.f = {0.1f, 0.2f, 0.3f, 0.4f};
  std::string text = Encode(kAllKind, &a);
  EXPECT_NE(std::string::npos,
            text.find("C\t6,0.000000,0.000000,0.000000,0.000000\r\n"));
  AllTypes b = SampleAllTypes();
  b.colour.kind = kFourColor;
  b.colour.c.f = {0.9f, 0.8f, 0.7f, 0.6f};
  Decode(kAllKind, text, &b);
  EXPECT_EQ(kNoneColor, b.colour.kind);
  EXPECT_EQ(0.9f, b.colour.c.f.cyan);
  EXPECT_EQ(0.6f, b.colour.c.f.black);
}

TEST(PresetCodec, NamesAndTextsStayOnTheirLine) {
  AllTypes a = SampleAllTypes();
  Name(&a, "tab\there\r\n");
  std::strcpy(a.text, "x\ty");
  std::string text = Encode(kAllKind, &a);
  EXPECT_EQ(0u, text.find("$\ttab here  \r\nL\t"));
  EXPECT_NE(std::string::npos, text.find("T\tx y\r\n"));
}

TEST(PresetCodec, TooSmallBufferIsAnErrorNotAnOverrun) {
  AllTypes a = SampleAllTypes();
  for (std::size_t cap : {0u, 1u, 5u, 40u}) {
    std::vector<char> text(cap + 8, '#');
    std::size_t length = 99;
    EXPECT_EQ(-1, EncodeRecord(kAllKind, &a, text.data(), cap, &length));
    for (std::size_t i = cap; i < text.size(); ++i) EXPECT_EQ('#', text[i]);
    if (cap > 0) {
      EXPECT_EQ(cap - 1, length);
    }
  }
}

TEST(PresetCodec, FindPresetValueFollowsTheLineRules) {
  const std::string t =
      "$\tMy Name\r\nA\t1\r\nAB\t2\nb\t3\r\nnoTab\r\nA\tsecond\r\n$\tNext\r\nZ\t9\r\n";
  char out[16];
  const std::pair<const char*, const char*> found[] = {
      {"", "My Name"}, {"A", "1"}, {"AB", "2"}, {"b", "3"}};
  for (const auto& [key, value] : found) {
    ASSERT_TRUE(FindPresetValue(t.data(), t.size(), key, out, sizeof out)) << key;
    EXPECT_STREQ(value, out);
  }
  for (const char* key : {"B", "noTab", "Z"})
    EXPECT_FALSE(FindPresetValue(t.data(), t.size(), key, out, sizeof out)) << key;
  EXPECT_FALSE(FindPresetValue("$", 1, "", out, sizeof out));
  // Values are cut to the buffer.
  ASSERT_TRUE(FindPresetValue(t.data(), t.size(), "", out, 4));
  EXPECT_STREQ("My ", out);
}

TEST(PresetCodec, MetaBrushZIsReadTwiceFromTheFirstLine) {
  const PresetKind& kind = *FindPresetKind("VERSALiX4_PST_MetaBrushTool.txt");
  MetaBrushToolParams p = kMetaBrushToolFactoryParams;
  p.key_z = 1;
  p.key_y = 1;
  p.key_z_again = 0;
  std::string text = Encode(kind, &p);
  EXPECT_NE(std::string::npos, text.find("w\t0\r\nz\t1\r\ny\t1\r\nz\t0\r\nA2\t"));
  EXPECT_EQ(std::string::npos, text.find("\nx\t"));
  MetaBrushToolParams q = kMetaBrushToolFactoryParams;
  Decode(kind, text, &q);
  EXPECT_EQ(1, q.key_z);
  EXPECT_EQ(1, q.key_z_again);
  EXPECT_EQ(1, q.key_y);
}

TEST(PresetCodec, TransformBAndCCarryTheFirstValue) {
  const PresetKind& kind = *FindPresetKind("VERSALiX4_PST_3DScrew.txt");
  TransformStoredParams p = TransformFactoryParams(kScrew);
  std::string text = Encode(kind, &p);
  EXPECT_NE(std::string::npos,
            text.find("A\t3\r\nB\t720.000000\r\nC\t720.000000\r\nD\t0.000000\r\n"
                      "E\t100.000000\r\nF\t0.000000\r\n"));
  EXPECT_NE(std::string::npos,
            text.find("K\t90.000000\r\nL\t0.000000\r\nM\t10.000000\r\nN\t1\r\n"
                      "O\t0\r\nP\t0.000000,0.000000\r\n"));
}

// Every kind: fields inside the record, keys unique (MetaBrush's "z" aside),
// and every stored field of the factory record is read back: a record full
// of garbage encodes to the same text after decoding.
TEST(PresetCodec, EveryKindRoundTripsItsFactoryRecord) {
  std::set<std::string> files;
  for (int i = 0; i < kPresetKindCount; ++i) {
    const PresetKind& kind = *PresetKindAt(i);
    SCOPED_TRACE(kind.fileName);
    EXPECT_TRUE(files.insert(kind.fileName).second);
    EXPECT_LE(kind.recordSize, kLargestPresetRecord);
    std::multiset<std::string> keys;
    for (int f = 0; f < kind.fieldCount; ++f) {
      keys.insert(kind.fields[f].key);
      EXPECT_GE(kind.fields[f].offset, kParamNameSize);
      EXPECT_LT(kind.fields[f].offset, kind.recordSize);
    }
    for (const auto& key : keys)
      EXPECT_TRUE(keys.count(key) == 1 || key == "z") << key;
    std::vector<unsigned char> factory(kind.recordSize), decoded(kind.recordSize);
    kind.factory(factory.data(), kind.variant);
    Name(factory.data(), "Round Trip");
    std::string text = Encode(kind, factory.data());
    std::memset(decoded.data(), 0xA5, decoded.size());
    Decode(kind, text, decoded.data());
    Name(decoded.data(), "Round Trip");
    EXPECT_EQ(text, Encode(kind, decoded.data()));
  }
  EXPECT_EQ(nullptr, FindPresetKind("VERSALiX4_PST_Nothing.txt"));
  EXPECT_STREQ("VERSALiX4_PST_3DCylinder.txt", TransformPresetFile(11));
}

// A locale whose decimal point is a comma: an installed one, or one made
// with localedef into a cache folder (LOCPATH). Null when none can be had.
const char* CommaLocale() {
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8"})
    if (std::setlocale(LC_ALL, name)) return name;
  const auto dir = std::filesystem::temp_directory_path() / "vx-test-locales";
  if (!std::filesystem::exists(dir / "de_DE.UTF-8")) {
    std::filesystem::create_directories(dir);
    const std::string command = "localedef -i de_DE -f UTF-8 '" +
                                (dir / "de_DE.UTF-8").string() +
                                "' >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0) return nullptr;
  }
  setenv("LOCPATH", dir.c_str(), 1);
  return std::setlocale(LC_ALL, "de_DE.UTF-8") ? "de_DE.UTF-8" : nullptr;
}

// Numbers keep "." whatever the process locale says.
TEST(PresetCodec, DecimalPointIgnoresTheLocale) {
  const char* chosen = CommaLocale();
  if (!chosen || std::strcmp(std::localeconv()->decimal_point, ",") != 0) {
    std::setlocale(LC_ALL, "C");
    GTEST_SKIP() << "no locale with a decimal comma can be had";
  }
  char printed[32];
  std::snprintf(printed, sizeof printed, "%.1f", 0.5);
  const PresetKind& kind = *FindPresetKind("VERSALiX4_PST_Border.txt");
  BorderPGParams p = kBorderFactoryParams;
  Name(&p, "L");
  std::string text = Encode(kind, &p);
  BorderPGParams q = kBorderFactoryParams;
  q.shadowTint = 0;
  Decode(kind, "$\tL\r\nI\t0.500000\r\nJ\t2.25\r\n", &q);
  std::setlocale(LC_ALL, "C");
  EXPECT_STREQ("0,5", printed) << "the locale did not take effect";
  EXPECT_NE(std::string::npos, text.find("F\t-0.785398\r\n"));
  EXPECT_EQ(0.5f, q.shadowTint);
  EXPECT_EQ(2.25f, q.shadowOffset);
}

}  // namespace
}  // namespace vx
